#include <array>

#include "cli/cli_commands.h"

namespace bexlan {
namespace {

constexpr OptionSpec kReadOptions[] = {{"-o", OptionValue::Required},
                                       {"--macros", OptionValue::Required}};
constexpr OptionSpec kApplyOptions[] = {{"--no-pointer", OptionValue::None},
                                        {"--verify", OptionValue::None}};
constexpr OptionSpec kReportsOptions[] = {{"--report4", OptionValue::Required}};
constexpr OptionSpec kDecodeOptions[] = {{"--report3", OptionValue::Required},
                                         {"--report4", OptionValue::Required},
                                         {"--backup", OptionValue::Required},
                                         {"-o", OptionValue::Required},
                                         {"--macros", OptionValue::Required}};

constexpr std::string_view kListHelp = R"(Usage: bexlanctl list

Lists every HID interface with the mouse's vendor and product IDs, one a line: its path,
vendor:product, usage page, feature-report length (report 3 goes through the interface of
8 bytes, report 4 through the one of 2049 bytes) and whether it can be opened. When the
system refuses access, it says how to install the udev rule.
)";

constexpr std::string_view kReadHelp = R"(Usage: bexlanctl read -o PROFILE.ini [--macros OUT.mac]

Reads the configuration back from the mouse and saves it as a profile, its keys in the
--lang language (Turkish when not given). The profile takes the desktop's current pointer
settings, which are left as they are. Buttons that hold macros keep them in the profile;
with --macros they are also saved as a macro file (with its .name file beside it), which
the profile names. A copy of the raw reports is kept as a backup (see 'backups').

Options:
  -o PROFILE.ini     the profile to write (replaced whole)
  --macros OUT.mac   also write the macros found on the buttons
)";

constexpr std::string_view kApplyHelp =
    R"(Usage: bexlanctl apply PROFILE.ini [--no-pointer] [--verify]

Loads the profile and uploads it as the program's Apply button does: the desktop's pointer
settings first, then report 3 (general settings) and report 4 (button map), each set tried
up to 5 times 300 ms apart. The report 4 sent is copied to download.bin in the state folder.
A profile whose button records do not fit into the mouse is not sent at all.

Options:
  --no-pointer   leave the desktop's pointer settings alone
  --verify       read both reports back afterwards and report every byte that differs
)";

constexpr std::string_view kReportsHelp =
    R"(Usage: bexlanctl reports PROFILE.ini [--report4 OUT.bin]

Without a mouse: prints "report3:" and the 8 bytes of report 3 that the profile gives, in
hexadecimal, and with --report4 writes the 2049 bytes of its report 4 (report ID first).
A profile whose button records do not fit exits with status 3 naming the button, and
writes nothing.
)";

constexpr std::string_view kDecodeHelp =
    R"(Usage: bexlanctl decode --report3 HEX --report4 FILE.bin -o PROFILE.ini [--macros OUT.mac]
       bexlanctl decode --backup BACKUP -o PROFILE.ini [--macros OUT.mac]

Without a mouse: decodes the reports as a read-back does and saves the profile (and, with
--macros, the macros as a macro file). HEX is the 8 bytes of report 3 starting with 03, e.g.
"03 01 02 00 04 01 01 01"; FILE.bin is the 2049 bytes of report 4 starting with 04, such as
download.bin. BACKUP is a name from 'bexlanctl backups' or a backup file.
)";

constexpr std::string_view kMacrosHelp = R"(Usage: bexlanctl macros FILE.mac

Lists the macros of a macro file: number, name (from the .name file beside it, else
"Macro N") and number of events, then each event on a line of its own.
)";

constexpr std::string_view kTextsHelp = R"(Usage: bexlanctl texts --lang tr|zh|en

Prints every entry of the nine language tables in one language, one a line as
TABLE<TAB>ENTRY<TAB>TEXT, empty entries included. In TEXT a backslash, tab and line feed
are written \\, \t and \n; every other character is as stored.
)";

constexpr std::string_view kBackupsHelp = R"(Usage: bexlanctl backups

Lists the copies of the mouse's reports kept by each successful read-back (the last 20),
newest first: the name to give 'restore', and the local time of the read.
)";

constexpr std::string_view kRestoreHelp = R"(Usage: bexlanctl restore BACKUP

Writes a kept backup back into the mouse, byte for byte, as an upload does. BACKUP is a
name from 'bexlanctl backups' (".bin" may be left off) or the path of a backup file. The
desktop's pointer settings are not touched.
)";

constexpr std::string_view kUdevRuleHelp = R"(Usage: bexlanctl udev-rule

Prints the udev rule that lets the logged-in user open the mouse. Install it with
  bexlanctl udev-rule | sudo tee /etc/udev/rules.d/70-bexlan.rules
  sudo udevadm control --reload-rules && sudo udevadm trigger
)";

constexpr std::array kCommands{
    CommandInfo{"list",
                "list the mouse's HID interfaces and whether they can be opened",
                kListHelp,
                {},
                RunList},
    CommandInfo{"read", "read the mouse's configuration into a profile", kReadHelp, kReadOptions,
                RunRead},
    CommandInfo{"apply", "upload a profile to the mouse", kApplyHelp, kApplyOptions, RunApply},
    CommandInfo{"reports", "print the reports a profile gives, without a mouse", kReportsHelp,
                kReportsOptions, RunReports},
    CommandInfo{"decode", "turn reports into a profile, without a mouse", kDecodeHelp,
                kDecodeOptions, RunDecode},
    CommandInfo{"macros", "list the macros of a macro file", kMacrosHelp, {}, RunMacros},
    CommandInfo{"texts", "print the built-in texts of one language", kTextsHelp, {}, RunTexts},
    CommandInfo{
        "backups", "list the kept copies of the mouse's reports", kBackupsHelp, {}, RunBackups},
    CommandInfo{"restore", "write a kept copy back into the mouse", kRestoreHelp, {}, RunRestore},
    CommandInfo{"udev-rule",
                "print the udev rule that gives access to the mouse",
                kUdevRuleHelp,
                {},
                RunUdevRule},
};

} // namespace

std::span<const CommandInfo> Commands()
{
    return kCommands;
}

} // namespace bexlan
