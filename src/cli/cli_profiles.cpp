#include "cli/cli_profiles.h"

#include <array>
#include <string>

#include "model/macro_file.h"
#include "model/profile.h"
#include "model/text_codec.h"

namespace bexlan {
namespace {

constexpr std::array<Language, kLanguageCount> kLanguageOrder{
    Language::Turkish, Language::TraditionalChinese, Language::English};

int countKnownKeys(const IniFile& profile, Language language)
{
    int known = 0;
    const auto has = [&](const std::string& key) {
        return !key.empty() && profile.Value(kProfileSection, key).has_value();
    };
    for (int region = 0; region < kRegionCount; ++region) {
        known += has(std::string(LookupText(TextTable::RegionLabelTable, region, language)));
    }
    known += has(std::string(LookupText(TextTable::RegionLabelTable, kMacroFileLabel, language)));
    for (const int label : {kKeyComboLabel, kMacroImageLabel}) {
        const std::string base(LookupText(TextTable::RegionLabelTable, label, language));
        for (int button = 1; button <= kButtonCount; ++button) {
            known += has(base + std::to_string(button));
        }
    }
    return known;
}

} // namespace

Language DetectProfileLanguage(const IniFile& profile)
{
    Language best = kLanguageOrder[0];
    int bestCount = -1;
    for (const Language language : kLanguageOrder) {
        const int count = countKnownKeys(profile, language);
        if (count > bestCount) {
            best = language;
            bestCount = count;
        }
    }
    return best;
}

std::optional<LoadedProfile> LoadProfileFile(CliSession& session, const std::filesystem::path& path,
                                             int& exitCode)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        exitCode = session.fail(
            ExitBadInput,
            "cannot read profile " + path.string() + ": " +
                (std::filesystem::exists(path, error) ? "not a regular file" : "no such file"));
        return std::nullopt;
    }
    const std::optional<Language> chosen = session.options().language;
    std::optional<IniFile> document =
        IniFile::Load(path, CodePageForLanguage(chosen.value_or(Language::English)));
    if (!document) {
        exitCode = session.fail(ExitBadInput, "cannot read profile " + path.string() +
                                                  ": unreadable or too large");
        return std::nullopt;
    }
    if (!document->HasSection(kProfileSection)) {
        exitCode = session.fail(ExitBadInput, path.string() + " is not a profile: it has no [" +
                                                  std::string(kProfileSection) + "] section");
        return std::nullopt;
    }
    LoadedProfile loaded;
    loaded.language = chosen ? *chosen : DetectProfileLanguage(*document);
    if (!chosen && document->Encoding() == TextEncoding::Ansi &&
        loaded.language != Language::English) {
        // A file without byte-order mark is read again in the code page of its language.
        if (auto again = IniFile::Load(path, CodePageForLanguage(loaded.language))) {
            document = std::move(again);
        }
    }
    ResetToDefaults(loaded.record);
    ClearKeysAndMacros(loaded.record);
    ApplyProfile(*document, loaded.language, 0, loaded.record, loaded.library);
    return loaded;
}

int SaveProfileFiles(CliSession& session, SettingsRecord& record, MacroLibrary& library,
                     const std::filesystem::path& profilePath,
                     const std::optional<std::filesystem::path>& macrosPath)
{
    if (macrosPath) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(*macrosPath, error);
        const std::string macroFile = (error ? *macrosPath : absolute).string();
        library.MacroFilePath = macroFile;
        library.MacroNameFilePath = MacroNameFilePathFor(macroFile);
        switch (SaveMacroLibrary(library)) {
        case MacroSaveStatus::Saved:
            break;
        case MacroSaveStatus::NoPath:
        case MacroSaveStatus::MacroFileFailed:
            return session.fail(ExitDeviceFailure, "cannot write macro file " + macroFile);
        case MacroSaveStatus::NameFileFailed:
            return session.fail(ExitDeviceFailure,
                                "cannot write name file " + library.MacroNameFilePath);
        }
        // The profile names its macro file, so loading it brings the macros back.
        record.MacroFilePath = macroFile;
    }
    std::error_code error;
    if (!SaveProfile(profilePath, record, session.profileWriteLanguage(), &error)) {
        return session.fail(ExitDeviceFailure, "cannot write profile " + profilePath.string() +
                                                   ": " + error.message());
    }
    return ExitSuccess;
}

} // namespace bexlan
