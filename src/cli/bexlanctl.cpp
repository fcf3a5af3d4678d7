#include "cli/bexlanctl.h"

#include <exception>
#include <utility>

#include "cli/cli_commands.h"
#include "cli/cli_session.h"
#include "model/version.h"

namespace bexlan {
namespace {

constexpr std::string_view kOverviewHead = R"(Usage: bexlanctl [OPTIONS] COMMAND [ARGS]

Reads, writes and inspects the configuration of the mouse from the command line.

Commands:
)";

constexpr std::string_view kOverviewTail = R"(
Options (before or after the command):
  --virtual-mouse[=STATE]  use the built-in virtual mouse instead of the real one; it keeps
                           its memory in STATE (default: virtual-mouse.state in the state
                           folder)
  --lang tr|zh|en|auto     language of profile keys and of messages. auto (the default)
                           reads a profile in the language whose labels match the most of
                           its keys, writes profiles in Turkish, and shows messages in
                           English
  --data-dir DIR           read-only program data from DIR
  --user-dir DIR           user files and state (download.bin, backups, pointer settings,
                           the virtual mouse) in DIR
  -h, --help               this help; "bexlanctl COMMAND --help" describes a command
  --version                the program's version

Exit status: 0 success, 1 device or transfer failure (or an output file not written),
2 usage error, 3 unreadable or invalid input file.
)";

void printOverview(std::ostream& out)
{
    out << kOverviewHead;
    for (const CommandInfo& command : Commands()) {
        out << "  " << command.name << std::string(12 - command.name.size(), ' ') << command.summary
            << '\n';
    }
    out << kOverviewTail;
}

const CommandInfo* findCommand(std::string_view name)
{
    for (const CommandInfo& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

// Splits "--name=value" or "--name value"; false when a needed value is missing.
bool takeValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
               std::string& value)
{
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        return false;
    }
    value = args[++i];
    return true;
}

bool isOption(std::string_view arg, std::string_view name)
{
    return arg == name ||
           (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
}

} // namespace

int RunBexlanctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const CliEnvironment& environment)
{
    GlobalOptions options;
    const CommandInfo* command = nullptr;
    std::vector<std::string> commandArgs;
    bool overviewHelp = false;
    bool version = false;
    bool optionsEnded = false;
    // Parse errors are printed once the session (and its stream) exist.
    std::string globalError;

    for (std::size_t i = 0; i < args.size() && globalError.empty(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            commandArgs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            commandArgs.push_back(arg);
            continue;
        }
        std::string value;
        if (isOption(arg, "--virtual-mouse")) {
            // The state file only with "=", so "--virtual-mouse read" keeps its command.
            options.virtualMouse = arg.size() > 15 ? arg.substr(16) : std::string();
            if (arg.size() > 15 && options.virtualMouse->empty()) {
                globalError = "--virtual-mouse= needs a file name";
            }
        } else if (isOption(arg, "--lang")) {
            if (!takeValue(args, i, "--lang", value)) {
                globalError = "option '--lang' needs a value";
            } else if (value == "auto") {
                options.language.reset();
            } else if (const auto language = ParseLanguage(value)) {
                options.language = *language;
            } else {
                globalError = "unknown language '" + value + "' (use tr, zh, en or auto)";
            }
        } else if (isOption(arg, "--data-dir") || isOption(arg, "--user-dir")) {
            const bool data = arg.starts_with("--data-dir");
            const std::string_view name = data ? "--data-dir" : "--user-dir";
            if (!takeValue(args, i, name, value) || value.empty()) {
                globalError = "option '" + std::string(name) + "' needs a folder";
            } else {
                (data ? options.paths.dataDir : options.paths.userDir) = value;
            }
        } else if (!command && (arg == "-h" || arg == "--help")) {
            overviewHelp = true;
        } else if (!command && arg == "--version") {
            version = true;
        } else if (!command && !arg.starts_with("-")) {
            command = findCommand(arg);
            if (!command) {
                globalError = "unknown command '" + arg + "'";
            }
        } else if (!command) {
            globalError = "unknown option '" + arg + "'";
        } else {
            commandArgs.push_back(arg);
        }
    }

    CliSession session(std::move(options), environment, out, err);
    if (!globalError.empty()) {
        return session.usage({}, globalError);
    }
    if (version) {
        out << "bexlanctl " << kVersion << '\n';
        return ExitSuccess;
    }
    if (overviewHelp) {
        printOverview(out);
        return ExitSuccess;
    }
    if (!command) {
        return session.usage({}, "no command given");
    }
    std::string error;
    const auto parsed = ParseCommandArgs(commandArgs, command->options, error);
    if (!parsed) {
        return session.usage(command->name, error);
    }
    if (parsed->help) {
        out << command->help;
        return ExitSuccess;
    }
    try {
        return command->run(session, *parsed);
    } catch (const std::exception& error) {
        // Out of memory or a file system error that a check above did not foresee.
        return session.fail(ExitDeviceFailure, std::string(command->name) + ": " + error.what());
    }
}

} // namespace bexlan
