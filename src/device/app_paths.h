#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace bexlan {

// Portable: a `skins` folder lies beside the executable, and everything (skins, DefSet.ini,
// profiles, download.bin) lives beside it, as on Windows. Installed: read-only data in
// <prefix>/share/bexlan, the user's files in $XDG_DATA_HOME/bexlan and state (download.bin,
// the virtual mouse) in $XDG_STATE_HOME/bexlan.
enum class PathMode { Portable, Installed };

// --data-dir and --user-dir. A user folder given here also holds the state, so nothing
// outside it is touched.
struct PathOverrides {
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::filesystem::path> userDir;
};

// Reads one environment variable; nullopt when unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

class AppPaths {
public:
    // The folders of this process: the executable's folder comes from /proc/self/exe.
    static AppPaths Detect(const PathOverrides& overrides = {});
    // The same rules for a given executable folder and environment.
    static AppPaths Resolve(const std::filesystem::path& exeDirectory,
                            const PathOverrides& overrides, const EnvironmentLookup& environment);

    PathMode mode() const { return m_mode; }
    const std::filesystem::path& exeDirectory() const { return m_exe; }
    const std::filesystem::path& dataDirectory() const { return m_data; }
    const std::filesystem::path& userDirectory() const { return m_user; }
    const std::filesystem::path& stateDirectory() const { return m_state; }

    std::filesystem::path skinsDirectory() const { return m_data / "skins"; }
    std::filesystem::path factoryProfile() const { return m_data / "DefSet.ini"; }
    // "Setting<slot>.ini", slot 1..5.
    std::filesystem::path profile(int slot) const;
    std::filesystem::path downloadFile() const { return m_state / "download.bin"; }
    std::filesystem::path pointerSettingsFile() const { return m_user / "pointer.ini"; }
    std::filesystem::path virtualMouseStateFile() const { return m_state / "virtual-mouse.state"; }

    // Creates the user and state folders when missing (never the read-only data folder).
    bool ensureWritableDirectories(std::error_code* error = nullptr) const;

private:
    PathMode m_mode = PathMode::Portable;
    std::filesystem::path m_exe;
    std::filesystem::path m_data;
    std::filesystem::path m_user;
    std::filesystem::path m_state;
};

// The environment of this process.
std::optional<std::string> ProcessEnvironment(std::string_view name);

} // namespace bexlan
