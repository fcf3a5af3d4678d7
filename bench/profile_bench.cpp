// Profile save and load: the document work alone, and the whole round trip through a file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "model/profile.h"

namespace {

using namespace bexlan;

SettingsRecord sampleRecord()
{
    SettingsRecord record;
    ResetToDefaults(record);
    for (int button = 0; button < kButtonCount; ++button) {
        record.KeyCombo[button] = {4, 5, 6};
        for (int i = 0; i < kMaxMacroImageLength; ++i) {
            record.MacroImage[button][i] = static_cast<uint8_t>(i % 10 == 0 ? 0x60 : i);
        }
    }
    record.MacroFilePath = "/home/user/.local/share/bexlan/oyun.mac";
    return record;
}

std::filesystem::path benchPath()
{
    return std::filesystem::temp_directory_path() /
           ("bexlan_profile_bench_" + std::to_string(::getpid()) + ".ini");
}

void BM_BuildAndSerializeProfile(benchmark::State& state)
{
    const SettingsRecord record = sampleRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildProfile(record, Language::Turkish).Serialize());
    }
}
BENCHMARK(BM_BuildAndSerializeProfile);

void BM_ParseAndApplyProfile(benchmark::State& state)
{
    const auto bytes = BuildProfile(sampleRecord(), Language::Turkish).Serialize();
    auto library = std::make_unique<MacroLibrary>();
    SettingsRecord record;
    for (auto _ : state) {
        const IniFile file = IniFile::Parse(bytes, CodePage::Windows1254);
        ApplyProfile(file, Language::Turkish, 0, record, *library);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ParseAndApplyProfile);

// Includes the temporary file, fsync and rename of the atomic replacement.
void BM_SaveProfileToFile(benchmark::State& state)
{
    const SettingsRecord record = sampleRecord();
    const auto path = benchPath();
    for (auto _ : state) {
        if (!SaveProfile(path, record, Language::Turkish)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveProfileToFile)->Unit(benchmark::kMicrosecond);

void BM_LoadProfileFromFile(benchmark::State& state)
{
    const auto path = benchPath();
    if (!SaveProfile(path, sampleRecord(), Language::Turkish)) {
        state.SkipWithError("save failed");
        return;
    }
    auto library = std::make_unique<MacroLibrary>();
    SettingsRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadProfile(path, Language::Turkish, 0, record, *library));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadProfileFromFile)->Unit(benchmark::kMicrosecond);

} // namespace
