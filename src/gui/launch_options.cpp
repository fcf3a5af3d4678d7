#include "gui/launch_options.h"

#include <array>

namespace bexlan {

namespace {

struct Split {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

Split splitOption(std::string_view arg)
{
    const size_t equals = arg.find('=');
    if (equals == std::string_view::npos) {
        return {arg, std::nullopt};
    }
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

std::optional<Page> parsePage(std::string_view text)
{
    if (text == "basic") {
        return Page::Basic;
    }
    if (text == "advanced") {
        return Page::Advanced;
    }
    return std::nullopt;
}

} // namespace

LaunchParse ParseLaunchOptions(std::span<const std::string> args)
{
    LaunchOptions options;
    bool pageGiven = false;
    bool languageGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const Split split = splitOption(args[i]);
        const auto fail = [](std::string message) { return LaunchParse{std::nullopt, message}; };

        if (split.name == "-h" || split.name == "--help") {
            options.help = true;
            continue;
        }
        if (split.name == "--virtual-mouse") {
            options.mouse = MouseSource::Virtual;
            if (split.inlineValue) {
                if (split.inlineValue->empty()) {
                    return fail("--virtual-mouse= needs a state file name");
                }
                options.virtualMouseState = std::filesystem::path(std::string(*split.inlineValue));
            }
            continue;
        }

        static constexpr std::array<std::string_view, 5> valued{"--data-dir", "--user-dir",
                                                                "--screenshot", "--page", "--lang"};
        bool known = false;
        for (std::string_view name : valued) {
            known = known || split.name == name;
        }
        if (!known) {
            return fail("unknown option '" + args[i] + "'");
        }
        std::string value;
        if (split.inlineValue) {
            value = std::string(*split.inlineValue);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(std::string(split.name) + " needs a value");
        }
        if (value.empty()) {
            return fail(std::string(split.name) + " needs a value");
        }

        if (split.name == "--data-dir") {
            options.dataDir = std::filesystem::path(value);
        } else if (split.name == "--user-dir") {
            options.userDir = std::filesystem::path(value);
        } else if (split.name == "--screenshot") {
            options.screenshot = std::filesystem::path(value);
        } else if (split.name == "--page") {
            const std::optional<Page> page = parsePage(value);
            if (!page) {
                return fail("--page takes 'basic' or 'advanced', not '" + value + "'");
            }
            options.page = *page;
            pageGiven = true;
        } else {
            const std::optional<Language> language = ParseLanguage(value);
            if (!language) {
                return fail("--lang takes 'tr', 'zh' or 'en', not '" + value + "'");
            }
            options.language = *language;
            languageGiven = true;
        }
    }
    if ((pageGiven || languageGiven) && !options.screenshot && !options.help) {
        return {std::nullopt, "--page and --lang choose what a --screenshot shows; a window "
                              "always opens on the basic page in Turkish"};
    }
    return {options, {}};
}

std::string LaunchUsage(std::string_view program)
{
    std::string usage = "Usage: ";
    usage += program;
    usage += R"( [OPTIONS]

Configures the ZERU gaming mouse: button functions, DPI, report rate, lighting, macros and
profiles. With no mouse attached, try it with --virtual-mouse.

Options:
  --virtual-mouse[=STATE]  work with a built-in virtual mouse instead of the hardware;
                           with STATE, its memory is kept in that file between runs
  --data-dir DIR           read the skins and DefSet.ini from DIR
  --user-dir DIR           keep profiles, macros and other files of the user in DIR
  --screenshot FILE.png    compose the window off screen after start-up, save it as a
                           PNG with transparent outside and exit (needs no display)
  --page basic|advanced    the page a --screenshot shows (default basic)
  --lang tr|zh|en          the language a --screenshot shows (default tr)
  -h, --help               show this help and exit
)";
    return usage;
}

} // namespace bexlan
