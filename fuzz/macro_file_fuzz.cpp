// Macro file and name file readers: any bytes load without leaving the library's bounds,
// and a library that loaded saves to a file that loads back the same.
#include <cstdlib>
#include <memory>

#include "model/macro_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace bexlan;
    static auto library = std::make_unique<MacroLibrary>();
    static auto again = std::make_unique<MacroLibrary>();
    const std::span<const uint8_t> bytes(data, size);
    if (ReadMacroFileBytes(bytes, *library) == MacroReadStatus::Read) {
        if (ReadMacroFileBytes(BuildMacroFile(*library), *again) != MacroReadStatus::Read ||
            again->MacroCount != library->MacroCount || again->MacroSlots != library->MacroSlots)
            std::abort();
    }
    ReadMacroNames(IniFile::Parse(bytes, static_cast<CodePage>(size % 3)), *library);
    (void)BuildMacroNameFile(*library).Serialize();
    return 0;
}
