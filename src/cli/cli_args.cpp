#include "cli/cli_args.h"

namespace bexlan {

std::optional<std::string> CommandArgs::value(std::string_view name) const
{
    const auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<CommandArgs> ParseCommandArgs(std::span<const std::string> args,
                                            std::span<const OptionSpec> specs, std::string& error)
{
    CommandArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& candidate : specs) {
            if (candidate.name == name) {
                spec = &candidate;
            }
        }
        if (!spec) {
            error = "unknown option '" + std::string(name) + "'";
            return std::nullopt;
        }
        if (parsed.has(name)) {
            error = "option '" + std::string(name) + "' given twice";
            return std::nullopt;
        }
        std::string value;
        if (spec->value == OptionValue::None) {
            if (equals != std::string::npos) {
                error = "option '" + std::string(name) + "' takes no value";
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "option '" + std::string(name) + "' needs a value";
            return std::nullopt;
        }
        parsed.options.emplace(std::string(name), std::move(value));
    }
    return parsed;
}

} // namespace bexlan
