#include "device/gnome_pointer_settings.h"

#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bexlan {
namespace {

// Before anything touches GSettings: keep every write in memory, so the desktop of whoever
// runs the tests is never changed.
const bool kMemoryBackend = [] {
    setenv("GSETTINGS_BACKEND", "memory", 1);
    return true;
}();

class GnomePointerSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kMemoryBackend);
        if (!GnomeMouseSchemaInstalled())
            GTEST_SKIP() << "the GNOME mouse schema is not installed";
    }
    ScratchDir dir;
};

TEST_F(GnomePointerSettingsTest, SpeedAndDoubleClickGoToTheDesktopWheelLinesToTheStore)
{
    const auto store = dir.path() / "pointer.ini";
    auto settings = OpenPointerSettings(store, PointerBackendKind::Gnome);
    ASSERT_NE(dynamic_cast<GnomePointerSettings*>(settings.get()), nullptr);
    ASSERT_TRUE(settings->apply({14, kWheelScrollsScreen, 350}));

    // A second view of the same (in-memory) desktop settings sees the values.
    auto again = GnomePointerSettings::Create(dir.path() / "other.ini");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->speed(), 14);
    EXPECT_EQ(again->doubleClickTime(), 350u);
    EXPECT_EQ(again->wheelScrollLines(), 3); // not in the other store

    StoredPointerSettings stored(store);
    EXPECT_EQ(stored.wheelScrollLines(), kWheelScrollsScreen);
    EXPECT_EQ(stored.speed(), 10); // the store does not hold what the desktop holds
}

TEST_F(GnomePointerSettingsTest, OutOfRangeValuesAreRefused)
{
    auto settings = GnomePointerSettings::Create(dir.path() / "pointer.ini");
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(settings->setSpeed(5));
    EXPECT_FALSE(settings->setSpeed(0));
    EXPECT_FALSE(settings->setDoubleClickTime(9000));
    EXPECT_EQ(settings->speed(), 5);
}

TEST_F(GnomePointerSettingsTest, AutomaticChoicePicksGnomeWhereTheSchemaIs)
{
    auto settings = OpenPointerSettings(dir.path() / "pointer.ini");
    EXPECT_NE(dynamic_cast<GnomePointerSettings*>(settings.get()), nullptr);
}

} // namespace
} // namespace bexlan
