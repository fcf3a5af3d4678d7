#include "device/pointer_settings.h"

#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(StoredPointerSettings, MissingFileReadsAsWindowsDefaults)
{
    ScratchDir dir;
    StoredPointerSettings settings(dir.path() / "pointer.ini");
    const WindowsPointerValues values = settings.read();
    EXPECT_EQ(values.speed, 10);
    EXPECT_EQ(values.wheelLines, 3);
    EXPECT_EQ(values.doubleClickMs, 500u);
    EXPECT_FALSE(fs::exists(dir.path() / "pointer.ini"));
}

TEST(StoredPointerSettings, ValuesSurviveAReopenAndMissingFoldersAreCreated)
{
    ScratchDir dir;
    const fs::path file = dir.path() / "user" / "pointer.ini";
    {
        StoredPointerSettings settings(file);
        EXPECT_TRUE(settings.apply({20, kWheelScrollsScreen, 200}));
    }
    StoredPointerSettings reopened(file);
    EXPECT_EQ(reopened.speed(), 20);
    EXPECT_EQ(reopened.wheelScrollLines(), -1);
    EXPECT_EQ(reopened.doubleClickTime(), 200u);
}

TEST(StoredPointerSettings, OutOfRangeSetsAreRefusedAndChangeNothing)
{
    ScratchDir dir;
    StoredPointerSettings settings(dir.path() / "pointer.ini");
    ASSERT_TRUE(settings.apply({4, 7, 650}));
    const std::string before = readText(dir.path() / "pointer.ini");
    EXPECT_FALSE(settings.setSpeed(0));
    EXPECT_FALSE(settings.setSpeed(21));
    EXPECT_FALSE(settings.setWheelScrollLines(-2));
    EXPECT_FALSE(settings.setDoubleClickTime(0));
    EXPECT_FALSE(settings.setDoubleClickTime(5001));
    EXPECT_EQ(readText(dir.path() / "pointer.ini"), before);
    EXPECT_EQ(settings.read().speed, 4);

    // Two of three taken still reports failure.
    EXPECT_FALSE(settings.apply({-1, 3, 500}));
    EXPECT_EQ(settings.speed(), 4);
    EXPECT_EQ(settings.wheelScrollLines(), 3);
}

TEST(StoredPointerSettings, InvalidStoredValuesFallBackOneByOne)
{
    ScratchDir dir;
    const fs::path file = dir.path() / "pointer.ini";
    writeText(file, "[Pointer]\nSpeed=99\nWheelScrollLines=12\nDoubleClickTime=-5\n");
    StoredPointerSettings settings(file);
    EXPECT_EQ(settings.speed(), 10);
    EXPECT_EQ(settings.wheelScrollLines(), 12);
    EXPECT_EQ(settings.doubleClickTime(), 500u);
}

TEST(StoredPointerSettings, FailedWriteIsReportedAndKeepsTheValue)
{
    ScratchDir dir;
    // A file where the folder should be makes every write fail, even for root.
    writeText(dir.path() / "user", "");
    StoredPointerSettings settings(dir.path() / "user" / "pointer.ini");
    EXPECT_FALSE(settings.setSpeed(8));
    EXPECT_EQ(settings.speed(), 10);
}

TEST(PointerSpeedMapping, EndsAndDefaultsMeetAndEveryStepRoundTrips)
{
    EXPECT_DOUBLE_EQ(GnomeSpeedFromPointerSpeed(1), -1.0);
    EXPECT_DOUBLE_EQ(GnomeSpeedFromPointerSpeed(10), 0.0);
    EXPECT_DOUBLE_EQ(GnomeSpeedFromPointerSpeed(20), 1.0);
    for (int32_t speed = kMinPointerSpeed; speed <= kMaxPointerSpeed; ++speed)
        EXPECT_EQ(PointerSpeedFromGnomeSpeed(GnomeSpeedFromPointerSpeed(speed)), speed);
    EXPECT_EQ(PointerSpeedFromGnomeSpeed(5.0), 20);
    EXPECT_EQ(PointerSpeedFromGnomeSpeed(-7.0), 1);
    EXPECT_EQ(PointerSpeedFromGnomeSpeed(std::nan("")), 10);
}

TEST(PointerBackendChoice, GnomeOnlyWhereItsSchemaIsInstalled)
{
    EXPECT_EQ(ChoosePointerBackend(true), PointerBackendKind::Gnome);
    EXPECT_EQ(ChoosePointerBackend(false), PointerBackendKind::Stored);
}

} // namespace
} // namespace bexlan
