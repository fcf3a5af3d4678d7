#pragma once

#include <filesystem>
#include <optional>

#include "cli/cli_session.h"
#include "model/ini_file.h"
#include "model/macro_library.h"
#include "model/settings_record.h"

namespace bexlan {

// The language whose region labels name the most keys of the profile; a tie goes to the
// earlier of Turkish, Traditional Chinese, English.
Language DetectProfileLanguage(const IniFile& profile);

struct LoadedProfile {
    SettingsRecord record;
    MacroLibrary library;
    Language language = Language::Turkish;
};

// Reads a profile for a command, in the --lang language or the detected one. A missing,
// unreadable or foreign file is an error here (the program would fall back to the
// defaults): it is reported and nullopt returned with the exit status in `exitCode`.
std::optional<LoadedProfile> LoadProfileFile(CliSession& session, const std::filesystem::path& path,
                                             int& exitCode);

// Saves the record as a profile. With `macrosPath` the library is saved there first (with
// its name file) and the profile refers to it. Returns the exit status, having reported
// any failure.
int SaveProfileFiles(CliSession& session, SettingsRecord& record, MacroLibrary& library,
                     const std::filesystem::path& profilePath,
                     const std::optional<std::filesystem::path>& macrosPath);

} // namespace bexlan
