#include "device/app_paths.h"

#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup environment(std::map<std::string, std::string> values)
{
    return [values = std::move(values)](std::string_view name) -> std::optional<std::string> {
        const auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
}

TEST(AppPaths, SkinsBesideTheProgramMeanEverythingBesideIt)
{
    ScratchDir dir;
    fs::create_directory(dir.path() / "skins");
    const AppPaths paths = AppPaths::Resolve(dir.path(), {}, environment({{"HOME", "/home/u"}}));
    EXPECT_EQ(paths.mode(), PathMode::Portable);
    EXPECT_EQ(paths.skinsDirectory(), dir.path() / "skins");
    EXPECT_EQ(paths.factoryProfile(), dir.path() / "DefSet.ini");
    EXPECT_EQ(paths.profile(3), dir.path() / "Setting3.ini");
    EXPECT_EQ(paths.downloadFile(), dir.path() / "download.bin");
}

TEST(AppPaths, InstalledUsesThePrefixAndTheXdgFolders)
{
    ScratchDir dir;
    const fs::path bin = dir.path() / "usr" / "bin";
    fs::create_directories(bin);
    const AppPaths paths =
        AppPaths::Resolve(bin, {}, environment({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/data"}}));
    EXPECT_EQ(paths.mode(), PathMode::Installed);
    EXPECT_EQ(paths.factoryProfile(), dir.path() / "usr" / "share" / "bexlan" / "DefSet.ini");
    EXPECT_EQ(paths.profile(1), fs::path("/data/bexlan/Setting1.ini"));
    // XDG_STATE_HOME unset: the XDG default below the home folder.
    EXPECT_EQ(paths.downloadFile(), fs::path("/home/u/.local/state/bexlan/download.bin"));
}

TEST(AppPaths, EmptyOrRelativeXdgVariablesAreIgnored)
{
    ScratchDir dir;
    const AppPaths paths = AppPaths::Resolve(
        dir.path(), {},
        environment({{"HOME", "/home/u"}, {"XDG_DATA_HOME", ""}, {"XDG_STATE_HOME", "rel"}}));
    EXPECT_EQ(paths.userDirectory(), fs::path("/home/u/.local/share/bexlan"));
    EXPECT_EQ(paths.stateDirectory(), fs::path("/home/u/.local/state/bexlan"));
}

TEST(AppPaths, OverridesReplaceTheFoldersAndKeepStateInTheUserFolder)
{
    ScratchDir dir;
    fs::create_directory(dir.path() / "skins");
    PathOverrides overrides;
    overrides.dataDir = "/opt/data";
    overrides.userDir = dir.path() / "user";
    for (const fs::path& exe : {dir.path(), dir.path() / "elsewhere"}) {
        const AppPaths paths = AppPaths::Resolve(exe, overrides, environment({}));
        EXPECT_EQ(paths.skinsDirectory(), fs::path("/opt/data/skins"));
        EXPECT_EQ(paths.profile(5), dir.path() / "user" / "Setting5.ini");
        EXPECT_EQ(paths.virtualMouseStateFile(), dir.path() / "user" / "virtual-mouse.state");
        EXPECT_EQ(paths.pointerSettingsFile(), dir.path() / "user" / "pointer.ini");
    }
}

TEST(AppPaths, EnsureWritableDirectoriesCreatesUserAndStateOnly)
{
    ScratchDir dir;
    const AppPaths paths =
        AppPaths::Resolve(dir.path() / "bin", {},
                          environment({{"XDG_DATA_HOME", (dir.path() / "d").string()},
                                       {"XDG_STATE_HOME", (dir.path() / "s").string()}}));
    ASSERT_TRUE(paths.ensureWritableDirectories());
    EXPECT_TRUE(fs::is_directory(dir.path() / "d" / "bexlan"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "s" / "bexlan"));
    EXPECT_FALSE(fs::exists(paths.dataDirectory()));
}

TEST(AppPaths, DetectFindsThisTestProgram)
{
    const AppPaths paths = AppPaths::Detect({});
    EXPECT_TRUE(fs::exists(paths.exeDirectory() / "app_paths_test"));
}

} // namespace
} // namespace bexlan
