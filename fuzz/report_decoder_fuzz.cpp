// Read-back decoder: the first 8 bytes are report 3, the rest report 4 of any length. Every
// decode stays inside the bytes and leaves a library and images within their limits.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "model/report_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace bexlan;
    static auto library = std::make_unique<MacroLibrary>();
    SettingsReport settingsReport{};
    const std::span<const uint8_t> bytes(data, size);
    const std::size_t head = std::min(size, settingsReport.size());
    std::copy_n(bytes.begin(), head, settingsReport.begin());
    SettingsRecord settings;
    ResetToDefaults(settings);
    DecodeReports(settingsReport, bytes.subspan(head), settings, *library);
    if (library->MacroCount > kMaxMacroCount)
        std::abort();
    for (int32_t length : settings.MacroImageLength) {
        if (length < 0 || length > kMaxMacroImageLength || length % 10 != 0)
            std::abort();
    }
    (void)BuildButtonMapReport(settings);
    return 0;
}
