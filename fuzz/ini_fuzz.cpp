// INI reader: any bytes parse, and a key written into the result reads back after a round trip.
#include <cstdlib>

#include "model/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace bexlan;
    const CodePage ansi = static_cast<CodePage>(size % 3);
    IniFile file = IniFile::Parse(std::span<const uint8_t>(data, size), ansi);
    (void)file.GetInt("Setting", "Button1", 0);
    (void)file.GetString("MacroName", "Macro_1", "");
    if (file.SetString("Setting", "Button2", "0x7")) {
        const IniFile again = IniFile::Parse(file.Serialize(), ansi);
        if (again.GetInt("Setting", "Button2", 0) != 7) {
            std::abort();
        }
    }
    return 0;
}
