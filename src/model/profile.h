#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "model/ini_file.h"
#include "model/language_tables.h"
#include "model/macro_library.h"
#include "model/settings_record.h"

namespace bexlan {

// A profile is an INI file, UTF-16LE with byte-order mark, with the one section "Setting".
// Its keys are the region labels of the language current at writing or reading, so a file
// only reads back fully in the language it was written in:
//   <label of region k>=0x%x            RegionValues[k], for every region with a label;
//                                        a label shared by several regions ("S", "Middle",
//                                        "Off") holds the last of them and loads into all
//   <label 132>=<path>                   MacroFilePath
//   <label 133><button 1..10>=<list>     KeyCombo of the button, 10 bytes
//   <label 134><button 1..10>=<list>     MacroImage of the button, 255 bytes
// A byte list is every byte as three decimal digits and a comma: 7, 255 -> "007,255,".
inline constexpr std::string_view kProfileSection = "Setting";
inline constexpr int kMacroFileLabel = 132;
inline constexpr int kKeyComboLabel = 133;
inline constexpr int kMacroImageLabel = 134;

// Writes the record's keys into `file`, in the order a fresh file gets them: regions
// 0..130, the macro file, the ten key combinations, the ten macro images.
void WriteProfileKeys(IniFile& file, const SettingsRecord& record, Language language);

// A fresh profile document holding the record.
IniFile BuildProfile(const SettingsRecord& record, Language language);

// Replaces the file at `path` by the profile of `record`, whole or not at all: false leaves
// an existing file as it was.
bool SaveProfile(const std::filesystem::path& path, const SettingsRecord& record, Language language,
                 std::error_code* error = nullptr);

enum class ProfileLoadResult {
    Loaded,     // the record holds the file's values
    Defaults,   // no file at `path`: the record holds the factory values
    Unreadable, // the file exists but cannot be read: nothing changed
};

// Replaces the record from the profile at `path`, or by the factory values when there is no
// file there:
// - a file: every labelled entry of RegionValues gets its key's value (0 when missing);
//   unlabelled entries such as WheelLines keep theirs. MacroFilePath, KeyCombo and
//   MacroImage come from the file; when the macro file it names exists, the library loads
//   it (LoadMacroLibrary).
// - no file: DefaultSettings, empty key combinations and macro images, and every slot of
//   the library cleared; the library's count, names and paths stay.
// In both cases MacroImageLength is taken from the macro images (MacroImageLengthOf) and
// the page entries from `currentPage` (1 advanced, 2 colour, anything else basic).
ProfileLoadResult LoadProfile(const std::filesystem::path& path, Language language, int currentPage,
                              SettingsRecord& record, MacroLibrary& library);

// The file branch of LoadProfile on a parsed document.
void ApplyProfile(const IniFile& profile, Language language, int currentPage,
                  SettingsRecord& record, MacroLibrary& library);

// "000," per byte.
std::string EncodeByteList(std::span<const uint8_t> bytes);

// Byte i from the characters 4i, 4i+1, 4i+2 as (c0-'0')*100 + (c1-'0')*10 + (c2-'0')
// modulo 256; the comma is not looked at. A byte whose three characters are not all there
// is 0, so a missing or short list gives zeros.
void DecodeByteList(std::string_view text, std::span<uint8_t> bytes);

// Bytes in use of a macro image: 10 for each leading record whose first byte is not 0 (a
// record type is never 0), at most 25 records. A profile does not store the length.
int32_t MacroImageLengthOf(std::span<const uint8_t, kMacroImageSize> image);

} // namespace bexlan
