#include "model/macro_conversion.h"
#include "model/macro_file.h"
#include "model/report_decoder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace bexlan;
namespace fs = std::filesystem;

// 300 macros at the editor's limit (84 events each) with names in three scripts.
std::unique_ptr<MacroLibrary> fullLibrary()
{
    auto library = std::make_unique<MacroLibrary>();
    library->MacroCount = kMaxMacroCount;
    for (uint32_t i = 0; i < kMaxMacroCount; ++i) {
        MacroRecord& macro = library->MacroSlots[i];
        for (int e = 0; e < 28; ++e) {
            macro.Append(MacroEvent::MouseDown(kMacroLeftButton));
            macro.Append(MacroEvent::Delay(static_cast<uint16_t>(10 + i)));
            macro.Append(MacroEvent::MouseUp(kMacroLeftButton));
        }
        static const char* const names[] = {"Zıplama ", "連發 ", "Burst "};
        library->MacroNames[i] = names[i % 3] + std::to_string(i + 1);
    }
    return library;
}

class TempFolder {
public:
    TempFolder()
        : m_path(fs::temp_directory_path() / ("bexlan_macro_bench_" + std::to_string(::getpid())))
    {
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// The bytes of both files, without touching the disk.
void BM_BuildLibraryFiles(benchmark::State& state)
{
    const auto library = fullLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildMacroFile(*library));
        benchmark::DoNotOptimize(BuildMacroNameFile(*library).Serialize());
    }
}
BENCHMARK(BM_BuildLibraryFiles)->Unit(benchmark::kMillisecond);

// Save as the user sees it: both files written beside each other and flushed to disk.
void BM_SaveLibrary(benchmark::State& state)
{
    TempFolder folder;
    auto library = fullLibrary();
    library->MacroFilePath = (folder.path() / "lib.mac").string();
    library->MacroNameFilePath = MacroNameFilePathFor(library->MacroFilePath);
    for (auto _ : state) {
        if (SaveMacroLibrary(*library) != MacroSaveStatus::Saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveLibrary)->Unit(benchmark::kMillisecond);

// Open: the macro file and the name file read from disk.
void BM_LoadLibrary(benchmark::State& state)
{
    TempFolder folder;
    auto library = fullLibrary();
    library->MacroFilePath = (folder.path() / "lib.mac").string();
    library->MacroNameFilePath = MacroNameFilePathFor(library->MacroFilePath);
    if (SaveMacroLibrary(*library) != MacroSaveStatus::Saved) {
        state.SkipWithError("save failed");
        return;
    }
    auto loaded = std::make_unique<MacroLibrary>();
    for (auto _ : state) {
        if (LoadMacroLibrary(*loaded, library->MacroFilePath) != MacroReadStatus::Read)
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

// A report 4 as full as it gets: eight buttons with 25-record macros fill the data area,
// and one more macro of no records closes it.
ButtonMapReport fullReport()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    MacroRecord macro;
    for (int e = 0; e < 25; ++e) {
        macro.Append(MacroEvent::KeyDown({70, 58, static_cast<KeyIndex>(46 + e % 10)}));
        macro.Append(MacroEvent::Delay(50));
    }
    for (int button = 1; button < kButtonCount; ++button) {
        settings.RegionValues[static_cast<std::size_t>(button)] = 8;
        if (button < 9)
            AssignMacroImage(settings, button, macro);
    }
    return BuildButtonMapReport(settings).report;
}

void BM_DecodeFullButtonMap(benchmark::State& state)
{
    const ButtonMapReport report = fullReport();
    const SettingsReport settingsReport{3, 1, 2, 0, 4, 1, 1, 1};
    auto library = std::make_unique<MacroLibrary>();
    SettingsRecord settings;
    for (auto _ : state) {
        ResetToDefaults(settings);
        benchmark::DoNotOptimize(DecodeReports(settingsReport, report, settings, *library));
    }
}
BENCHMARK(BM_DecodeFullButtonMap)->Unit(benchmark::kMicrosecond);

} // namespace
