// Profile loader: any file content loads into a record without reading or writing out of
// bounds, and the record saves again.
#include <memory>

#include "model/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace bexlan;
    const auto language = static_cast<Language>(size % 3);
    const IniFile file =
        IniFile::Parse(std::span<const uint8_t>(data, size), CodePageForLanguage(language));
    static auto library = std::make_unique<MacroLibrary>();
    SettingsRecord record;
    ApplyProfile(file, language, static_cast<int>(size % 4), record, *library);
    (void)BuildProfile(record, language).Serialize();
    return 0;
}
