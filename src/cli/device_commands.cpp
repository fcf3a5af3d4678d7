#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "cli/cli_profiles.h"
#include "device/backup_store.h"
#include "device/hid_mouse_device.h"
#include "device/mouse_ids.h"
#include "device/transfer_sequences.h"

namespace bexlan {
namespace {

constexpr std::string_view kUdevHint =
    "install the udev rule with 'bexlanctl udev-rule | sudo tee "
    "/etc/udev/rules.d/70-bexlan.rules' and 'sudo udevadm control --reload-rules && sudo "
    "udevadm trigger', then plug the mouse in again";

std::string hex16(uint16_t value)
{
    const uint8_t bytes[] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    const std::string text = FormatHexBytes(bytes);
    return text.substr(0, 2) + text.substr(3, 2);
}

std::string stepText(TransferStep step)
{
    switch (step) {
    case TransferStep::SetReport3:
        return "report 3 was refused 5 times";
    case TransferStep::GetReport3:
        return "report 3 could not be read";
    case TransferStep::SetReport4:
        return "report 4 was refused 5 times";
    case TransferStep::GetReport4:
        return "report 4 could not be read";
    case TransferStep::None:
        break;
    }
    return "transfer failed";
}

std::string failureText(CliSession& session, const std::optional<UserMessage>& message,
                        TransferStep step, const std::string& detail)
{
    std::string text = message ? session.text(*message) + " (" : "(";
    text += stepText(step);
    if (!detail.empty()) {
        text += ": " + detail;
    }
    return text + ")";
}

// A hidraw node that the system does not let this user open.
bool permissionDenied(const std::string& path)
{
    return path.starts_with("/dev/") && ::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}

// Why no interface could be opened: none is there, or the system does not let us in.
std::string noMouseText(CliSession& session)
{
    int ignored = ExitSuccess;
    if (HidBackend* backend = session.backend(ignored)) {
        for (const HidInterfaceInfo& info : backend->enumerate()) {
            if (IsMouseId(info.vendorId, info.productId) && info.usagePage == kMouseUsagePage &&
                permissionDenied(info.path)) {
                return "the mouse is there but cannot be opened (permission denied): " +
                       std::string(kUdevHint);
            }
        }
    }
    return "no mouse found: no interface with 8-byte feature reports (see 'bexlanctl list')";
}

// A mouse, its transfer context and where the files of the transfers go.
class DeviceSession {
public:
    explicit DeviceSession(CliSession& session) : m_session(session) {}

    // False after reporting why, with the exit status in `exitCode`.
    bool open(int& exitCode)
    {
        HidBackend* backend = m_session.backend(exitCode);
        if (!backend) {
            return false;
        }
        std::error_code error;
        // Without the folders the upload still runs; only download.bin and backups are lost.
        m_session.paths().ensureWritableDirectories(&error);
        m_device.emplace(*backend);
        m_backups.emplace(m_session.paths().stateDirectory() / "backups");
        m_context.emplace(TransferContext{*m_device, m_session.pointer(), m_session.clock(),
                                          m_session.paths().downloadFile(), &*m_backups});
        return true;
    }

    TransferContext& context() { return *m_context; }
    BackupStore& backups() { return *m_backups; }

private:
    CliSession& m_session;
    std::optional<HidMouseDevice> m_device;
    std::optional<BackupStore> m_backups;
    std::optional<TransferContext> m_context;
};

int reportApply(CliSession& session, const ApplyResult& result)
{
    switch (result.status) {
    case ApplyStatus::Done:
        session.out() << session.text(*result.message) << '\n';
        return ExitSuccess;
    case ApplyStatus::NoMouse:
        return session.fail(ExitDeviceFailure, noMouseText(session));
    case ApplyStatus::NoButtonMapInterface:
        return session.fail(ExitDeviceFailure,
                            "the mouse took report 3 (general settings) but offers no interface "
                            "for report 4: its buttons are unchanged");
    case ApplyStatus::DoesNotFit:
        return session.fail(ExitBadInput, session.text(*result.message));
    case ApplyStatus::Failed:
        break;
    }
    return session.fail(ExitDeviceFailure,
                        failureText(session, result.message, result.failedStep, result.detail));
}

int reportReadFailure(CliSession& session, const ReadBackResult& result)
{
    switch (result.status) {
    case ReadBackStatus::NoMouse:
        return session.fail(ExitDeviceFailure, noMouseText(session));
    case ReadBackStatus::NoButtonMapInterface:
        return session.fail(ExitDeviceFailure,
                            "the mouse offers no interface for report 4 (button map)");
    case ReadBackStatus::Done:
    case ReadBackStatus::Failed:
        break;
    }
    return session.fail(ExitDeviceFailure,
                        failureText(session, result.message, result.failedStep, result.detail));
}

// Lists the bytes that came back different; returns how many.
int compareReports(CliSession& session, std::string_view name, std::span<const uint8_t> sent,
                   std::span<const uint8_t> read)
{
    constexpr int kShown = 16;
    int differences = 0;
    for (std::size_t i = 0; i < sent.size() && i < read.size(); ++i) {
        if (sent[i] == read[i]) {
            continue;
        }
        if (++differences <= kShown) {
            session.out() << name << " byte " << i << ": sent "
                          << FormatHexBytes(sent.subspan(i, 1)) << ", read "
                          << FormatHexBytes(read.subspan(i, 1)) << '\n';
        }
    }
    if (differences > kShown) {
        session.out() << name << ": " << differences - kShown << " more bytes differ\n";
    }
    return differences;
}

} // namespace

int RunList(CliSession& session, const CommandArgs& args)
{
    if (!args.positionals.empty()) {
        return session.usage("list", "takes no arguments");
    }
    int exitCode = ExitSuccess;
    HidBackend* backend = session.backend(exitCode);
    if (!backend) {
        return exitCode;
    }
    int found = 0;
    for (const HidInterfaceInfo& info : backend->enumerate()) {
        if (!IsMouseId(info.vendorId, info.productId)) {
            continue;
        }
        ++found;
        std::string role;
        if (info.usagePage == kMouseUsagePage &&
            info.featureReportByteLength == kSettingsInterfaceLength) {
            role = " (report 3)";
        } else if (info.usagePage == kMouseUsagePage &&
                   info.featureReportByteLength == kButtonMapInterfaceLength) {
            role = " (report 4)";
        }
        std::string access = "can be opened";
        if (!backend->open(info.path)) {
            access = permissionDenied(info.path) ? "permission denied: " + std::string(kUdevHint)
                                                 : "cannot be opened";
        }
        session.out() << info.path << '\t' << hex16(info.vendorId) << ':' << hex16(info.productId)
                      << "\tusage page " << hex16(info.usagePage) << "\tfeature reports "
                      << info.featureReportByteLength << " bytes" << role << '\t' << access << '\n';
    }
    if (found == 0) {
        return session.fail(ExitDeviceFailure, "no mouse found: no HID interface with vendor "
                                               "258A or 1B80 and product 1FF0 or B412");
    }
    return ExitSuccess;
}

int RunRead(CliSession& session, const CommandArgs& args)
{
    const auto output = args.value("-o");
    if (!output || output->empty() || !args.positionals.empty()) {
        return session.usage("read", "needs -o PROFILE.ini and nothing else");
    }
    DeviceSession device(session);
    int exitCode = ExitSuccess;
    if (!device.open(exitCode)) {
        return exitCode;
    }
    SettingsRecord record;
    MacroLibrary library;
    const ReadBackResult result =
        ReadBackSettings(device.context(), record, library, PointerMode::Leave);
    if (!result.ok()) {
        return reportReadFailure(session, result);
    }
    // The profile carries the desktop's current pointer settings, as the program's window
    // shows them, so applying it later leaves them as they are.
    TakePointerValues(record, session.pointer().read());
    std::optional<std::filesystem::path> macros;
    if (const auto value = args.value("--macros")) {
        macros = *value;
    }
    exitCode = SaveProfileFiles(session, record, library, *output, macros);
    if (exitCode != ExitSuccess) {
        return exitCode;
    }
    session.out() << "read the mouse into " << *output;
    if (macros) {
        session.out() << " and " << library.MacroCount << " macros into " << macros->string();
    }
    session.out() << '\n';
    if (result.backup) {
        session.out() << "backup: " << result.backup->name << '\n';
    }
    return ExitSuccess;
}

int RunApply(CliSession& session, const CommandArgs& args)
{
    if (args.positionals.size() != 1) {
        return session.usage("apply", "needs exactly one PROFILE.ini");
    }
    int exitCode = ExitSuccess;
    const auto profile = LoadProfileFile(session, args.positionals[0], exitCode);
    if (!profile) {
        return exitCode;
    }
    DeviceSession device(session);
    if (!device.open(exitCode)) {
        return exitCode;
    }
    const PointerMode pointerMode =
        args.has("--no-pointer") ? PointerMode::Leave : PointerMode::Apply;
    const ApplyResult result = ApplySettings(device.context(), profile->record, pointerMode);
    exitCode = reportApply(session, result);
    if (exitCode != ExitSuccess || !args.has("--verify")) {
        return exitCode;
    }
    const ReadBackResult check = ReadReports(device.context());
    if (!check.ok()) {
        return reportReadFailure(session, check);
    }
    const int differences = compareReports(session, "report 3", result.report3, check.report3) +
                            compareReports(session, "report 4", result.report4, check.report4);
    if (differences > 0) {
        return session.fail(ExitDeviceFailure, "verify: " + std::to_string(differences) +
                                                   " bytes read back differ from what was sent");
    }
    session.out() << "verified: both reports read back as sent\n";
    return ExitSuccess;
}

int RunBackups(CliSession& session, const CommandArgs& args)
{
    if (!args.positionals.empty()) {
        return session.usage("backups", "takes no arguments");
    }
    const BackupStore store(session.paths().stateDirectory() / "backups");
    const auto entries = store.list();
    if (entries.empty()) {
        session.out() << "no backups in " << store.folder().string() << '\n';
        return ExitSuccess;
    }
    for (const BackupEntry& entry : entries) {
        session.out() << entry.name << '\t' << FormatLocalTime(entry.time) << '\n';
    }
    return ExitSuccess;
}

int RunRestore(CliSession& session, const CommandArgs& args)
{
    if (args.positionals.size() != 1) {
        return session.usage("restore", "needs exactly one BACKUP");
    }
    const std::string& wanted = args.positionals[0];
    const BackupStore store(session.paths().stateDirectory() / "backups");
    std::filesystem::path path = wanted;
    if (const auto entry = store.find(wanted)) {
        path = entry->path;
    } else if (std::error_code error; !std::filesystem::is_regular_file(path, error)) {
        return session.fail(ExitBadInput,
                            "no backup named '" + wanted + "' (see 'bexlanctl backups')");
    }
    const BackupLoad loaded = BackupStore::load(path);
    switch (loaded.status) {
    case BackupLoadStatus::Loaded:
        break;
    case BackupLoadStatus::Missing:
    case BackupLoadStatus::Unreadable:
        return session.fail(ExitBadInput, "cannot read backup " + path.string());
    case BackupLoadStatus::WrongSize:
    case BackupLoadStatus::NotReports:
        return session.fail(ExitBadInput,
                            path.string() + " is not a backup: it must hold report 3 and report 4 "
                                            "(2057 bytes)");
    }
    DeviceSession device(session);
    int exitCode = ExitSuccess;
    if (!device.open(exitCode)) {
        return exitCode;
    }
    return reportApply(
        session, UploadReports(device.context(), loaded.backup.report3, loaded.backup.report4));
}

} // namespace bexlan
