#include "model/button_functions.h"
#include "model/device_reports.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bexlan;

// A macro of 25 KeyDown records, each with a delay: the most a button can send.
void fillMacro(SettingsRecord& settings, int buttonIndex)
{
    settings.RegionValues[buttonIndex] = FunctionCode(ButtonFunction::Macro);
    for (int record = 0; record < kMaxMacroRecords; ++record) {
        const RecordBytes bytes = EncodeRecord(
            {RecordType::KeyDown, 0, {0x01, static_cast<uint8_t>(0x04 + record)}, 0x0032});
        std::copy(bytes.begin(), bytes.end(),
                  settings.MacroImage[buttonIndex].begin() + kRecordSize * record);
    }
    settings.MacroImageLength[buttonIndex] = kMaxMacroImageLength;
}

// Buttons 2..9 carry full macros, which fill the 2000-byte data area exactly; button 10
// holds a 10-key combination, which no longer fits, so the builder walks every button.
SettingsRecord fullSettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    for (int button = 1; button <= 8; ++button) {
        fillMacro(settings, button);
    }
    settings.RegionValues[Button10] = FunctionCode(ButtonFunction::Keyboard);
    settings.KeyCombo[9] = {70, 58, 72, 46, 47, 48, 49, 50, 51, 52};
    return settings;
}

// Ten-key combinations on every button: the most encoding work per record.
SettingsRecord keyboardSettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    for (int button = 1; button < kButtonCount; ++button) {
        settings.RegionValues[button] = FunctionCode(ButtonFunction::Keyboard);
        settings.KeyCombo[button] = {70, 58, 72, 71, 46, 47, 48, 49, 50, 51};
    }
    return settings;
}

void BM_SettingsReport(benchmark::State& state)
{
    const SettingsRecord settings = fullSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSettingsReport(settings));
    }
}
BENCHMARK(BM_SettingsReport);

void BM_ButtonMapFullMacros(benchmark::State& state)
{
    SettingsRecord settings = fullSettings();
    settings.RegionValues[Button10] = FunctionCode(ButtonFunction::ButtonClose);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildButtonMapReport(settings));
    }
    state.SetBytesProcessed(state.iterations() * kButtonMapReportSize);
}
BENCHMARK(BM_ButtonMapFullMacros);

void BM_ButtonMapOverflow(benchmark::State& state)
{
    const SettingsRecord settings = fullSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildButtonMapReport(settings));
    }
}
BENCHMARK(BM_ButtonMapOverflow);

void BM_ButtonMapKeyCombinations(benchmark::State& state)
{
    const SettingsRecord settings = keyboardSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildButtonMapReport(settings));
    }
}
BENCHMARK(BM_ButtonMapKeyCombinations);

// Both reports, as one upload builds them.
void BM_BothReports(benchmark::State& state)
{
    SettingsRecord settings = fullSettings();
    settings.RegionValues[Button10] = FunctionCode(ButtonFunction::ButtonClose);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSettingsReport(settings));
        benchmark::DoNotOptimize(BuildButtonMapReport(settings));
    }
}
BENCHMARK(BM_BothReports);

} // namespace
