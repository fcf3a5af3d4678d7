#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "cli/cli_profiles.h"
#include "device/backup_store.h"
#include "device/udev_rule.h"
#include "model/atomic_file.h"
#include "model/device_reports.h"
#include "model/macro_file.h"
#include "model/report_decoder.h"

namespace bexlan {
namespace {

constexpr TextTable kAllTables[] = {
    TextTable::RegionLabelTable, TextTable::FunctionNameTable,    TextTable::MessageTable,
    TextTable::ChooserTextTable, TextTable::MouseButtonNameTable, TextTable::ChooserEventKindTable,
    TextTable::EditorTextTable,  TextTable::EditorEventKindTable, TextTable::KeyWindowTextTable,
};
static_assert(std::size(kAllTables) == kTextTableCount);

// Report 4 from a file: exactly the 2049 bytes, report ID first.
std::optional<ButtonMapReport> readButtonMapFile(CliSession& session,
                                                 const std::filesystem::path& path, int& exitCode)
{
    const auto bytes = ReadFileBytes(path, kButtonMapReportSize);
    if (!bytes) {
        std::error_code error;
        exitCode = session.fail(ExitBadInput, std::filesystem::is_regular_file(path, error)
                                                  ? path.string() + " is not a report 4: it must "
                                                                    "be 2049 bytes long"
                                                  : "cannot read " + path.string());
        return std::nullopt;
    }
    if (bytes->size() != kButtonMapReportSize || (*bytes)[0] != kButtonMapReportId) {
        exitCode =
            session.fail(ExitBadInput, path.string() + " is not a report 4: it must be 2049 bytes "
                                                       "long and start with 04");
        return std::nullopt;
    }
    ButtonMapReport report;
    std::copy(bytes->begin(), bytes->end(), report.begin());
    return report;
}

} // namespace

int RunReports(CliSession& session, const CommandArgs& args)
{
    if (args.positionals.size() != 1) {
        return session.usage("reports", "needs exactly one PROFILE.ini");
    }
    int exitCode = ExitSuccess;
    const auto profile = LoadProfileFile(session, args.positionals[0], exitCode);
    if (!profile) {
        return exitCode;
    }
    const ButtonMapBuild buttonMap = BuildButtonMapReport(profile->record);
    if (buttonMap.status == BuildStatus::DoesNotFit) {
        return session.fail(ExitBadInput,
                            FormatAppText(AppTextId::ButtonDoesNotFit, session.messageLanguage(),
                                          std::to_string(buttonMap.overflowButton)));
    }
    session.out() << "report3: " << FormatHexBytes(BuildSettingsReport(profile->record)) << '\n';
    if (const auto output = args.value("--report4")) {
        std::error_code error;
        if (!WriteFileAtomically(*output, buttonMap.report, &error)) {
            return session.fail(ExitDeviceFailure,
                                "cannot write " + *output + ": " + error.message());
        }
    }
    return ExitSuccess;
}

int RunDecode(CliSession& session, const CommandArgs& args)
{
    const auto output = args.value("-o");
    const bool fromReports = args.has("--report3") || args.has("--report4");
    const bool fromBackup = args.has("--backup");
    if (!output || output->empty() || !args.positionals.empty() || fromReports == fromBackup ||
        (fromReports && !(args.has("--report3") && args.has("--report4")))) {
        return session.usage("decode",
                             "needs --report3 HEX --report4 FILE.bin, or --backup BACKUP, and "
                             "-o PROFILE.ini");
    }
    int exitCode = ExitSuccess;
    DeviceBackup reports;
    if (fromBackup) {
        const std::string wanted = *args.value("--backup");
        const BackupStore store(session.paths().stateDirectory() / "backups");
        const auto entry = store.find(wanted);
        const BackupLoad loaded =
            BackupStore::load(entry ? entry->path : std::filesystem::path(wanted));
        if (loaded.status != BackupLoadStatus::Loaded) {
            return session.fail(ExitBadInput, "'" + wanted +
                                                  "' is no readable backup (see 'bexlanctl "
                                                  "backups')");
        }
        reports = loaded.backup;
    } else {
        const auto bytes = ParseHexBytes(*args.value("--report3"));
        if (!bytes || bytes->size() != kSettingsReportSize || (*bytes)[0] != kSettingsReportId) {
            return session.usage("decode",
                                 "--report3 takes the 8 bytes of report 3 in hexadecimal, "
                                 "starting with 03");
        }
        std::copy(bytes->begin(), bytes->end(), reports.report3.begin());
        const auto report4 = readButtonMapFile(session, *args.value("--report4"), exitCode);
        if (!report4) {
            return exitCode;
        }
        reports.report4 = *report4;
    }
    SettingsRecord record;
    ResetToDefaults(record);
    MacroLibrary library;
    DecodeReports(reports.report3, reports.report4, record, library);
    std::optional<std::filesystem::path> macros;
    if (const auto value = args.value("--macros")) {
        macros = *value;
    }
    return SaveProfileFiles(session, record, library, *output, macros);
}

int RunMacros(CliSession& session, const CommandArgs& args)
{
    if (args.positionals.size() != 1) {
        return session.usage("macros", "needs exactly one FILE.mac");
    }
    const std::string& path = args.positionals[0];
    MacroLibrary library;
    switch (LoadMacroLibrary(library, path)) {
    case MacroReadStatus::Read:
        break;
    case MacroReadStatus::NotOpened:
        return session.fail(ExitBadInput, "cannot read macro file " + path);
    case MacroReadStatus::NotMacroFile:
        return session.fail(ExitBadInput, path + " is not a macro file");
    }
    for (uint32_t slot = 0; slot < library.MacroCount; ++slot) {
        const MacroRecord& macro = library.MacroSlots[slot];
        session.out() << slot + 1 << '\t' << EscapeText(library.DisplayName(static_cast<int>(slot)))
                      << '\t' << macro.UsedEvents() << " events\n";
        for (int event = 0; event < macro.UsedEvents(); ++event) {
            session.out() << '\t' << DescribeMacroEvent(macro.events[event]) << '\n';
        }
    }
    return ExitSuccess;
}

int RunTexts(CliSession& session, const CommandArgs& args)
{
    if (!args.positionals.empty()) {
        return session.usage("texts", "takes no arguments");
    }
    if (!session.options().language) {
        return session.usage("texts", "needs --lang tr, zh or en");
    }
    const Language language = *session.options().language;
    for (const TextTable table : kAllTables) {
        for (int entry = 0; entry < TextTableEntries(table); ++entry) {
            session.out() << TextTableName(table) << '\t' << entry << '\t'
                          << EscapeText(LookupText(table, entry, language)) << '\n';
        }
    }
    return ExitSuccess;
}

int RunUdevRule(CliSession& session, const CommandArgs& args)
{
    if (!args.positionals.empty()) {
        return session.usage("udev-rule", "takes no arguments");
    }
    session.out() << UdevRuleText();
    return ExitSuccess;
}

} // namespace bexlan
