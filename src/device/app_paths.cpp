#include "device/app_paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace bexlan {

namespace {

std::filesystem::path homeDirectory(const EnvironmentLookup& environment)
{
    if (const auto home = environment("HOME"); home && !home->empty())
        return *home;
    // No HOME (started by a service manager, say): ask the password database.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr)
        return found->pw_dir;
    return std::filesystem::current_path();
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are invalid
// by the XDG rules and ignored), else the given folder below the home folder.
std::filesystem::path xdgDirectory(const EnvironmentLookup& environment, std::string_view name,
                                   const std::filesystem::path& fallbackBelowHome)
{
    if (const auto value = environment(name); value && !value->empty()) {
        const std::filesystem::path path(*value);
        if (path.is_absolute())
            return path;
    }
    return homeDirectory(environment) / fallbackBelowHome;
}

} // namespace

std::optional<std::string> ProcessEnvironment(std::string_view name)
{
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

AppPaths AppPaths::Detect(const PathOverrides& overrides)
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path exeDirectory =
        error ? std::filesystem::current_path() : exe.parent_path();
    return Resolve(exeDirectory, overrides, ProcessEnvironment);
}

AppPaths AppPaths::Resolve(const std::filesystem::path& exeDirectory,
                           const PathOverrides& overrides, const EnvironmentLookup& environment)
{
    AppPaths paths;
    paths.m_exe = exeDirectory;
    std::error_code error;
    paths.m_mode = std::filesystem::is_directory(exeDirectory / "skins", error)
                       ? PathMode::Portable
                       : PathMode::Installed;
    if (paths.m_mode == PathMode::Portable) {
        paths.m_data = exeDirectory;
        paths.m_user = exeDirectory;
        paths.m_state = exeDirectory;
    } else {
        // <prefix>/bin/bexlan reads <prefix>/share/bexlan, wherever the prefix is.
        paths.m_data = exeDirectory.parent_path() / "share" / "bexlan";
        if (!overrides.userDir) {
            paths.m_user = xdgDirectory(environment, "XDG_DATA_HOME", ".local/share") / "bexlan";
            paths.m_state = xdgDirectory(environment, "XDG_STATE_HOME", ".local/state") / "bexlan";
        }
    }
    if (overrides.dataDir)
        paths.m_data = *overrides.dataDir;
    if (overrides.userDir) {
        paths.m_user = *overrides.userDir;
        paths.m_state = *overrides.userDir;
    }
    return paths;
}

std::filesystem::path AppPaths::profile(int slot) const
{
    return m_user / ("Setting" + std::to_string(slot) + ".ini");
}

bool AppPaths::ensureWritableDirectories(std::error_code* error) const
{
    std::error_code local;
    std::error_code& ec = error != nullptr ? *error : local;
    for (const auto* dir : {&m_user, &m_state}) {
        std::filesystem::create_directories(*dir, ec);
        if (ec)
            return false;
    }
    return true;
}

} // namespace bexlan
