#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ini_file.h"
#include "model/macro_library.h"
#include "model/text_codec.h"

namespace bexlan {

// A macro file ("*.mac"), little-endian:
//   0   26          MacroSignature
//   26  34          reserved, zero when written, ignored when read
//   60  4           macro count, uint32
//   64  2824 x n    the MacroRecord image of slots 0..n-1
// Bytes 0..63 are the header MacroHead. Names live in the companion name file.
inline constexpr std::array<uint8_t, 26> MacroSignature{'Z', 'E', 'R', 'U', ' ', 'G', 'a', 'm', 'i',
                                                        'n', 'g', ' ', 'M', 'o', 'u', 's', 'e', ' ',
                                                        'D', 'r', 'i', 'v', 'e', 'r', ' ', 0};
inline constexpr std::size_t kMacroHeadSize = 64;
inline constexpr std::size_t kMacroCountOffset = 60;

// Sections and keys of the name file (an INI file):
//   [MacroNum]  Number=<count>
//   [MacroName] Macro_1=<name of slot 0>, Macro_2=...
inline constexpr std::string_view kMacroNumSection = "MacroNum";
inline constexpr std::string_view kMacroNumberKey = "Number";
inline constexpr std::string_view kMacroNameSection = "MacroName";
// Longest name read from a name file, in UTF-16 units.
inline constexpr std::size_t kMaxMacroNameLength = 255;

enum class MacroReadStatus {
    Read,         // the library now holds the file's macros
    NotOpened,    // missing or unreadable; the library is unchanged
    NotMacroFile, // no MacroSignature or no whole header; the library is unchanged
};

// The name file that belongs to a macro file: the file name's extension is replaced by
// "name" (/m/set.mac -> /m/set.name); a file name without a full stop gets ".name"
// appended, so the name file always sits beside its macro file.
std::string MacroNameFilePathFor(std::string_view macroFilePath);

// Fills MacroSlots and MacroCount from the file at MacroFilePath and resets the selection.
// A count above 300 reads 300 records; a file cut short leaves the missing bytes zero. Only
// read access is requested, so a read-only file loads.
MacroReadStatus ReadMacroFile(MacroLibrary& library);
// The same on the file's bytes.
MacroReadStatus ReadMacroFileBytes(std::span<const uint8_t> bytes, MacroLibrary& library);

// Fills MacroNames from the name file at MacroNameFilePath: all names empty, then
// "Number" names (at most 301) from [MacroName]. A missing file leaves every name empty.
// `ansi` decodes a name file without a byte-order mark that is not UTF-8.
void ReadMacroNames(MacroLibrary& library, CodePage ansi = CodePage::Windows1252);
// The same on a parsed name file.
void ReadMacroNames(const IniFile& names, MacroLibrary& library);

// Sets MacroFilePath to `path` and MacroNameFilePath by MacroNameFilePathFor, then reads
// the macro file and the name file.
MacroReadStatus LoadMacroLibrary(MacroLibrary& library, std::string_view path,
                                 CodePage ansi = CodePage::Windows1252);

// The bytes of the macro file of slots 0..MacroCount - 1 (MacroCount capped at 300).
std::vector<uint8_t> BuildMacroFile(const MacroLibrary& library);
// The name file, from scratch: "Number" then one "Macro_%d" per macro, UTF-16LE with BOM
// so that names in every script survive.
IniFile BuildMacroNameFile(const MacroLibrary& library);

enum class MacroSaveStatus {
    Saved,
    NoPath,          // MacroFilePath is empty: nothing is written
    MacroFileFailed, // the old macro file and name file are untouched
    NameFileFailed,  // the macro file is written; the old name file is untouched
};

// Writes the macro file at MacroFilePath, then the name file at MacroNameFilePath. Each is
// replaced whole or not at all.
MacroSaveStatus SaveMacroLibrary(const MacroLibrary& library);

} // namespace bexlan
