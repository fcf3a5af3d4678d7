#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/bexlanctl.h"
#include "device/app_paths.h"
#include "device/clock.h"
#include "device/hid_backend.h"
#include "device/pointer_settings.h"
#include "model/app_texts.h"
#include "model/language_tables.h"

namespace bexlan {

class VirtualMouse;

// The options that hold for every command.
struct GlobalOptions {
    // Set: use the virtual mouse; a non-empty value names its state file.
    std::optional<std::string> virtualMouse;
    std::optional<Language> language; // nullopt: "auto"
    PathOverrides paths;
};

// What a command works with: its streams, the paths, and the mouse, clock and pointer
// settings, each made on first use.
class CliSession {
public:
    CliSession(GlobalOptions options, const CliEnvironment& environment, std::ostream& out,
               std::ostream& err);
    ~CliSession();

    std::ostream& out() { return m_out; }
    // Prints "bexlanctl: <message>" on the error stream and returns `code`.
    int fail(int code, std::string_view message);
    // A usage error of `command`: the message and where to find help.
    int usage(std::string_view command, std::string_view message);

    const GlobalOptions& options() const { return m_options; }
    const AppPaths& paths();
    // The mouse; null after printing why it is not available (exit status in `exitCode`).
    HidBackend* backend(int& exitCode);
    Clock& clock();
    PointerSettings& pointer();

    // Messages of the mouse's tables come in the --lang language, English with "auto".
    Language messageLanguage() const;
    // Profiles are written in the --lang language, Turkish (the program's start language)
    // with "auto".
    Language profileWriteLanguage() const;
    std::string text(const UserMessage& message) const;

private:
    GlobalOptions m_options;
    CliEnvironment m_environment;
    std::ostream& m_out;
    std::ostream& m_err;
    std::optional<AppPaths> m_paths;
    std::unique_ptr<HidBackend> m_ownBackend;
    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<PointerSettings> m_ownPointer;
};

} // namespace bexlan
