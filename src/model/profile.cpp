#include "model/profile.h"

#include <cstdio>

#include "model/atomic_file.h"
#include "model/macro_file.h"

namespace bexlan {
namespace {

std::string_view label(int entry, Language language)
{
    return LookupText(TextTable::RegionLabelTable, entry, language);
}

std::string numberedKey(int entry, int button, Language language)
{
    return std::string(label(entry, language)) + std::to_string(button + 1);
}

std::string hexValue(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<uint32_t>(value));
    return text;
}

void setPageEntries(SettingsRecord& record, int currentPage)
{
    record[BasicPage] = currentPage != 1 && currentPage != 2 ? 1 : 0;
    record[AdvancedPage] = currentPage == 1 ? 1 : 0;
    record[ColorPage] = currentPage == 2 ? 1 : 0;
}

void restoreMacroLengths(SettingsRecord& record)
{
    for (int button = 0; button < kButtonCount; ++button) {
        record.MacroImageLength[button] = MacroImageLengthOf(record.MacroImage[button]);
    }
}

} // namespace

std::string EncodeByteList(std::span<const uint8_t> bytes)
{
    std::string text;
    text.reserve(4 * bytes.size());
    for (const uint8_t byte : bytes) {
        text += static_cast<char>('0' + byte / 100);
        text += static_cast<char>('0' + byte / 10 % 10);
        text += static_cast<char>('0' + byte % 10);
        text += ',';
    }
    return text;
}

void DecodeByteList(std::string_view text, std::span<uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t at = 4 * i;
        if (at + 2 >= text.size()) {
            bytes[i] = 0;
            continue;
        }
        const int value = (text[at] - '0') * 100 + (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
        bytes[i] = static_cast<uint8_t>(value);
    }
}

int32_t MacroImageLengthOf(std::span<const uint8_t, kMacroImageSize> image)
{
    int32_t records = 0;
    while (records < kMaxMacroRecords && image[10 * records] != 0) {
        ++records;
    }
    return 10 * records;
}

void WriteProfileKeys(IniFile& file, const SettingsRecord& record, Language language)
{
    for (int region = 0; region < kRegionCount; ++region) {
        const std::string_view key = label(region, language);
        if (!key.empty()) {
            file.SetString(kProfileSection, key, hexValue(record.RegionValues[region]));
        }
    }
    file.SetString(kProfileSection, label(kMacroFileLabel, language), record.MacroFilePath);
    for (int button = 0; button < kButtonCount; ++button) {
        file.SetString(kProfileSection, numberedKey(kKeyComboLabel, button, language),
                       EncodeByteList(record.KeyCombo[button]));
    }
    for (int button = 0; button < kButtonCount; ++button) {
        file.SetString(kProfileSection, numberedKey(kMacroImageLabel, button, language),
                       EncodeByteList(record.MacroImage[button]));
    }
}

IniFile BuildProfile(const SettingsRecord& record, Language language)
{
    IniFile file(TextEncoding::Utf16Le);
    WriteProfileKeys(file, record, language);
    return file;
}

bool SaveProfile(const std::filesystem::path& path, const SettingsRecord& record, Language language,
                 std::error_code* error)
{
    return BuildProfile(record, language).Save(path, error);
}

void ApplyProfile(const IniFile& profile, Language language, int currentPage,
                  SettingsRecord& record, MacroLibrary& library)
{
    for (int region = 0; region < kRegionCount; ++region) {
        const std::string_view key = label(region, language);
        if (!key.empty()) {
            record.RegionValues[region] = profile.GetInt(kProfileSection, key, 0);
        }
    }

    record.MacroFilePath = profile.GetString(kProfileSection, label(kMacroFileLabel, language), "");
    std::error_code ec;
    if (!record.MacroFilePath.empty() &&
        std::filesystem::exists(std::filesystem::path(record.MacroFilePath), ec)) {
        LoadMacroLibrary(library, record.MacroFilePath, CodePageForLanguage(language));
    }

    for (int button = 0; button < kButtonCount; ++button) {
        DecodeByteList(
            profile.GetString(kProfileSection, numberedKey(kKeyComboLabel, button, language), ""),
            record.KeyCombo[button]);
    }
    for (int button = 0; button < kButtonCount; ++button) {
        DecodeByteList(
            profile.GetString(kProfileSection, numberedKey(kMacroImageLabel, button, language), ""),
            record.MacroImage[button]);
    }
    restoreMacroLengths(record);
    setPageEntries(record, currentPage);
}

ProfileLoadResult LoadProfile(const std::filesystem::path& path, Language language, int currentPage,
                              SettingsRecord& record, MacroLibrary& library)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        ResetToDefaults(record);
        ClearKeysAndMacros(record);
        for (auto& slot : library.MacroSlots) {
            slot = MacroRecord{};
        }
        setPageEntries(record, currentPage);
        return ProfileLoadResult::Defaults;
    }
    const auto profile = IniFile::Load(path, CodePageForLanguage(language));
    if (!profile) {
        return ProfileLoadResult::Unreadable;
    }
    ApplyProfile(*profile, language, currentPage, record, library);
    return ProfileLoadResult::Loaded;
}

} // namespace bexlan
