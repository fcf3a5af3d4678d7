#pragma once

#include <span>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_session.h"

namespace bexlan {

struct CommandInfo {
    std::string_view name;
    std::string_view summary; // one line for the overview
    std::string_view help;    // the whole text of "COMMAND --help"
    std::span<const OptionSpec> options;
    int (*run)(CliSession& session, const CommandArgs& args);
};

// Every command, in the order the overview lists them.
std::span<const CommandInfo> Commands();

int RunList(CliSession& session, const CommandArgs& args);
int RunRead(CliSession& session, const CommandArgs& args);
int RunApply(CliSession& session, const CommandArgs& args);
int RunBackups(CliSession& session, const CommandArgs& args);
int RunRestore(CliSession& session, const CommandArgs& args);
int RunReports(CliSession& session, const CommandArgs& args);
int RunDecode(CliSession& session, const CommandArgs& args);
int RunMacros(CliSession& session, const CommandArgs& args);
int RunTexts(CliSession& session, const CommandArgs& args);
int RunUdevRule(CliSession& session, const CommandArgs& args);

} // namespace bexlan
