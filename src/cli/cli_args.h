#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bexlan {

enum class OptionValue { None, Required };

struct OptionSpec {
    std::string_view name; // "--verify", "-o"
    OptionValue value;
};

// A command's arguments after the global options were taken out.
struct CommandArgs {
    std::map<std::string, std::string, std::less<>> options; // by the name of its spec
    std::vector<std::string> positionals;
    bool help = false;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    std::optional<std::string> value(std::string_view name) const;
};

// Accepts "--name VALUE", "--name=VALUE", "-o VALUE", "--" (everything after it is
// positional) and "-h"/"--help". On a usage error returns nullopt and says why in `error`.
std::optional<CommandArgs> ParseCommandArgs(std::span<const std::string> args,
                                            std::span<const OptionSpec> specs, std::string& error);

} // namespace bexlan
