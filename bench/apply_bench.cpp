#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "device/clock.h"
#include "device/pointer_settings.h"
#include "device/transfer_sequences.h"
#include "device/virtual_mouse.h"
#include "model/button_functions.h"

namespace bexlan {
namespace {

// Waits cost nothing, so what is measured is the time beyond the mandated pauses.
class InstantClock : public Clock {
public:
    void sleepFor(Duration wait) override { m_waited += wait; }
    TimePoint now() const override { return TimePoint{} + m_waited; }
    Duration waited() const { return m_waited; }

private:
    Duration m_waited{};
};

class NoPointer : public PointerSettings {
public:
    int32_t speed() const override { return 10; }
    bool setSpeed(int32_t) override { return true; }
    int32_t wheelScrollLines() const override { return 3; }
    bool setWheelScrollLines(int32_t) override { return true; }
    uint32_t doubleClickTime() const override { return 500; }
    bool setDoubleClickTime(uint32_t) override { return true; }
};

SettingsRecord busySettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    // Seven full macros and two single records: close to the largest report 4 that fits.
    for (int button = 1; button <= 7; ++button) {
        settings.RegionValues[button] = FunctionCode(ButtonFunction::Macro);
        settings.MacroImageLength[button] = kMaxMacroImageLength;
        for (int record = 0; record < kMaxMacroRecords; ++record) {
            settings.MacroImage[button][record * kRecordSize] = 0x60;
        }
    }
    return settings;
}

void reportWaits(benchmark::State& state, const InstantClock& clock)
{
    state.counters["mandated_wait_ms"] = benchmark::Counter(
        static_cast<double>(clock.waited().count()), benchmark::Counter::kAvgIterations);
}

// download.bin goes to a temporary folder when `withDownloadBin` is set, as in the program.
void BM_ApplySettings(benchmark::State& state)
{
    const bool withDownloadBin = state.range(0) != 0;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "bexlan-apply-bench";
    std::filesystem::create_directories(folder);
    VirtualMouse mouse;
    HidMouseDevice device(mouse);
    NoPointer pointer;
    InstantClock clock;
    TransferContext context{device, pointer, clock,
                            withDownloadBin ? folder / "download.bin" : std::filesystem::path{},
                            nullptr};
    const SettingsRecord settings = busySettings();
    for (auto _ : state) {
        const ApplyResult result = ApplySettings(context, settings, PointerMode::Apply);
        if (result.status != ApplyStatus::Done) {
            state.SkipWithError("the upload did not complete");
            break;
        }
        mouse.clearTransfers();
    }
    reportWaits(state, clock);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ApplySettings)->ArgName("download_bin")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ReadBackSettings(benchmark::State& state)
{
    VirtualMouse mouse;
    HidMouseDevice device(mouse);
    NoPointer pointer;
    InstantClock clock;
    TransferContext context{device, pointer, clock, {}, nullptr};
    {
        const SettingsRecord settings = busySettings();
        mouse.setMemory({BuildSettingsReport(settings), BuildButtonMapReport(settings).report});
    }
    SettingsRecord settings;
    MacroLibrary library;
    for (auto _ : state) {
        const ReadBackResult result =
            ReadBackSettings(context, settings, library, PointerMode::Apply);
        if (!result.ok()) {
            state.SkipWithError("the read-back did not complete");
            break;
        }
        mouse.clearTransfers();
    }
    reportWaits(state, clock);
}
BENCHMARK(BM_ReadBackSettings)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bexlan
