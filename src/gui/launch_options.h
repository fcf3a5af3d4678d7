#pragma once

#include "model/language_tables.h"
#include "model/region_table.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bexlan {

enum class MouseSource { Hardware, Virtual };

// What `bexlan` was asked to do on its command line.
struct LaunchOptions {
    MouseSource mouse = MouseSource::Hardware;
    // --virtual-mouse=STATE: where the virtual mouse keeps its memory between runs.
    std::optional<std::filesystem::path> virtualMouseState;
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::filesystem::path> userDir;
    // --screenshot FILE.png: compose the window off screen, save it and exit.
    std::optional<std::filesystem::path> screenshot;
    // What the screenshot shows; a normal run always starts on the basic page in Turkish.
    Page page = Page::Basic;
    Language language = Language::Turkish;
    bool help = false;
};

struct LaunchParse {
    std::optional<LaunchOptions> options; // nullopt on a usage error
    std::string error;                    // why, for the terminal
};

// Parses the arguments after the program name. Accepts "--name VALUE" and "--name=VALUE";
// --virtual-mouse takes its state file only as "--virtual-mouse=STATE".
LaunchParse ParseLaunchOptions(std::span<const std::string> args);

std::string LaunchUsage(std::string_view program);

} // namespace bexlan
