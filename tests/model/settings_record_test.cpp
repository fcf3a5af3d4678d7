#include "model/settings_record.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace bexlan {
namespace {

SettingsRecord defaults()
{
    SettingsRecord record;
    ResetToDefaults(record);
    return record;
}

TEST(SettingsDefaults, FactoryValues)
{
    const std::pair<int, int32_t> expected[] = {
        {Button1, 1},     {Button2, 2},      {Button3, 3},     {Button4, 4},     {Button5, 5},
        {Button6, 26},    {Button7, 6},      {Button8, 22},    {Button9, 23},    {Button10, 28},
        {SingleColor, 1}, {Colorful, 0},     {Rate500Hz, 1},   {Rate1000Hz, 0},  {LightOff1, 1},
        {AlwaysOn3, 0},   {HShine, 1},       {RLED, 1},        {GLED, 1},        {52, 9},
        {54, 9},          {XDpi, 1},         {WheelLines, 1},  {WheelScreen, 0}, {XSpeed, 4},
        {XScroll, 2},     {XDblClk, 4},      {BrightHigh, 1},  {BreathQuick, 1}, {C0, 0x00FF0000},
        {C1, 0x000000FF}, {C4, 0x00FF00FF},  {C7, 0x00FFFFFF}, {C8, 0},          {Settings1, 0},
        {BasicPage, 1},   {AdvancedPage, 0}, {51, 0},          {114, 0},         {130, 0},
    };
    for (const auto& [region, value] : expected) {
        EXPECT_EQ(DefaultSettings[region], value) << "region " << region;
    }
    int nonZero = 0;
    for (int32_t value : DefaultSettings) {
        nonZero += value != 0 ? 1 : 0;
    }
    // 10 buttons, 9 radio choices, 11 levels and 8 colours (C8 is black).
    EXPECT_EQ(nonZero, 38);
}

TEST(SettingsDefaults, TableNamesEachEntryOnce)
{
    std::set<int> regions;
    std::set<std::string_view> names;
    for (const SettingEntry& entry : SettingEntries) {
        EXPECT_TRUE(regions.insert(entry.region).second) << entry.name;
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_EQ(FindSetting(entry.name), &entry);
        EXPECT_EQ(FindSetting(int{entry.region}), &entry);
    }
    EXPECT_EQ(FindSetting(51), nullptr);
    EXPECT_EQ(FindSetting(kNoRegion), nullptr);
    EXPECT_EQ(FindSetting(-1), nullptr);
    EXPECT_EQ(FindSetting("xdpi"), nullptr);
}

TEST(SettingsDefaults, ResetTouchesOnlyRegionValues)
{
    SettingsRecord record;
    record.RegionValues.fill(77);
    record.KeyCombo[3] = {46};
    record.MacroImageLength[2] = 20;
    record.MacroFilePath = "/tmp/a.mac";
    ResetToDefaults(record);
    EXPECT_EQ(record.RegionValues, DefaultSettings);
    EXPECT_EQ(record.KeyCombo[3][0], 46);
    EXPECT_EQ(record.MacroImageLength[2], 20);
    EXPECT_EQ(record.MacroFilePath, "/tmp/a.mac");

    ClearKeysAndMacros(record);
    EXPECT_EQ(record.KeyCombo[3][0], 0);
    EXPECT_EQ(record.MacroImageLength[2], 0);
}

TEST(SettingsDefaults, EveryRadioGroupButProfilesHasOneDefault)
{
    const RadioGroup groups[] = {
        RadioGroup::LightMode,  RadioGroup::ReportRate,     RadioGroup::Light1,
        RadioGroup::Light2,     RadioGroup::Light3,         RadioGroup::WheelMode,
        RadioGroup::Brightness, RadioGroup::BreathingSpeed, RadioGroup::Page};
    for (RadioGroup group : groups) {
        int selected = 0;
        for (Region member : RadioGroupMembers(group)) {
            EXPECT_EQ(RadioGroupOf(member), group);
            selected += DefaultSettings[member];
        }
        EXPECT_EQ(selected, 1) << static_cast<int>(group);
    }
    for (Region member : RadioGroupMembers(RadioGroup::Profile)) {
        EXPECT_EQ(DefaultSettings[member], 0);
    }
}

TEST(SettingsEditing, SelectRadioLeavesExactlyTheClickedMember)
{
    SettingsRecord record = defaults();
    EXPECT_EQ(SelectRadio(record, Rate250Hz), EditResult::Changed);
    EXPECT_EQ(SelectRadio(record, Rate1000Hz), EditResult::Changed);
    EXPECT_EQ(record[Rate125Hz] + record[Rate250Hz] + record[Rate500Hz], 0);
    EXPECT_EQ(record[Rate1000Hz], 1);
    EXPECT_EQ(SelectRadio(record, Rate1000Hz), EditResult::Unchanged);

    // A profile may leave two members set; selecting repairs the group.
    record[Settings2] = 1;
    record[Settings4] = 7;
    EXPECT_EQ(SelectRadio(record, Settings5), EditResult::Changed);
    for (Region member : RadioGroupMembers(RadioGroup::Profile)) {
        EXPECT_EQ(record[member], member == Settings5 ? 1 : 0);
    }

    // Other groups stay as they were.
    EXPECT_EQ(record[SingleColor], 1);
    EXPECT_EQ(record[BrightHigh], 1);
}

TEST(SettingsEditing, OnlySettingsOfTheRightKindAreEdited)
{
    SettingsRecord record = defaults();
    const SettingsRecord before = record;
    for (int region : {int{XDpi}, int{Breathing}, int{Button3}, 51, 114, kNoRegion, -1}) {
        EXPECT_EQ(SelectRadio(record, region), EditResult::NotApplicable) << region;
    }
    for (int region : {int{Rate500Hz}, int{HShine}, 19, kNoRegion}) {
        EXPECT_EQ(Toggle(record, region), EditResult::NotApplicable) << region;
    }
    for (int region : {int{Rate500Hz}, int{Breathing}, 17, kNoRegion}) {
        EXPECT_EQ(Step(record, region, StepDirection::Up), EditResult::NotApplicable) << region;
    }
    EXPECT_EQ(record.RegionValues, before.RegionValues);
}

TEST(SettingsEditing, ToggleSwitchesBetweenZeroAndOne)
{
    SettingsRecord record = defaults();
    EXPECT_EQ(Toggle(record, Breathing), EditResult::Changed);
    EXPECT_EQ(record[Breathing], 1);
    Toggle(record, Breathing);
    EXPECT_EQ(record[Breathing], 0);
    record[EnhancedPrecision] = 2; // from a hand-edited profile
    Toggle(record, EnhancedPrecision);
    EXPECT_EQ(record[EnhancedPrecision], 0);
}

struct StepCase {
    Region region;
    int32_t start;
    StepDirection direction;
    int32_t expected;
    EditResult result;
};

TEST(SettingsEditing, StepStaysWithinItsRange)
{
    constexpr auto up = StepDirection::Up;
    constexpr auto down = StepDirection::Down;
    const StepCase cases[] = {
        {HShine, 0, down, 0, EditResult::Unchanged},
        {HShine, 6, up, 7, EditResult::Changed},
        {HShine, 7, up, 7, EditResult::Unchanged},
        {RLED, 16, up, 16, EditResult::Unchanged},
        {YLED, 15, up, 16, EditResult::Changed},
        {GLED, 1, down, 0, EditResult::Changed},
        {XDpi, 5, up, 5, EditResult::Unchanged},
        {XSpeed, 9, up, 9, EditResult::Unchanged},
        {XScroll, 0, down, 0, EditResult::Unchanged},
        {XDblClk, 8, up, 9, EditResult::Changed},
        {SpareLevel2, 9, up, 9, EditResult::Unchanged},
        // Values from outside are never pushed further out, but can come back in.
        {HShine, 20, up, 20, EditResult::Unchanged},
        {HShine, 20, down, 19, EditResult::Changed},
        {XSpeed, -1, down, -1, EditResult::Unchanged},
        {XSpeed, -1, up, 0, EditResult::Changed},
        {XDblClk, std::numeric_limits<int32_t>::min(), down, std::numeric_limits<int32_t>::min(),
         EditResult::Unchanged},
    };
    for (const StepCase& c : cases) {
        SettingsRecord record = defaults();
        record[c.region] = c.start;
        EXPECT_EQ(Step(record, c.region, c.direction), c.result) << c.region << " " << c.start;
        EXPECT_EQ(record[c.region], c.expected) << c.region << " " << c.start;
    }
}

TEST(SettingsEditing, DpiArrowClickedSixTimesFromZero)
{
    SettingsRecord record = defaults();
    record[XDpi] = 0;
    const auto arrow = FindStepperArrow(46);
    ASSERT_TRUE(arrow.has_value());
    EXPECT_EQ(arrow->direction, StepDirection::Up);
    EXPECT_EQ(arrow->stepper->alsoRepaint, 51);
    for (int click = 0; click < 5; ++click) {
        EXPECT_EQ(Step(record, arrow->stepper->value, arrow->direction), EditResult::Changed);
    }
    EXPECT_EQ(Step(record, arrow->stepper->value, arrow->direction), EditResult::Unchanged);
    EXPECT_EQ(record[XDpi], 5);
}

TEST(SettingsEditing, ArrowRegionsNameTheirStepper)
{
    const struct {
        int arrow;
        Region value;
        StepDirection direction;
    } cases[] = {
        {17, HShine, StepDirection::Up},    {18, HShine, StepDirection::Down},
        {27, RLED, StepDirection::Down},    {30, YLED, StepDirection::Up},
        {35, GLED, StepDirection::Down},    {41, SpareLevel1, StepDirection::Down},
        {47, XDpi, StepDirection::Down},    {72, XSpeed, StepDirection::Up},
        {75, XScroll, StepDirection::Down}, {76, XDblClk, StepDirection::Up},
    };
    for (const auto& c : cases) {
        const auto arrow = FindStepperArrow(c.arrow);
        ASSERT_TRUE(arrow.has_value()) << c.arrow;
        EXPECT_EQ(arrow->stepper->value, c.value) << c.arrow;
        EXPECT_EQ(arrow->direction, c.direction) << c.arrow;
    }
    EXPECT_FALSE(FindStepperArrow(36).has_value());
    EXPECT_FALSE(FindStepperArrow(19).has_value());
}

TEST(SettingsHShine, CodesOfTheLevels)
{
    const uint16_t expected[] = {2, 4, 6, 8, 11, 15, 20, 26};
    for (int level = 0; level < 8; ++level) {
        EXPECT_EQ(HShineCode(level), expected[level]);
    }
    EXPECT_EQ(HShineCode(-1), 2);
    EXPECT_EQ(HShineCode(8), 26);
    EXPECT_EQ(HShineCode(std::numeric_limits<int32_t>::min()), 2);
    EXPECT_EQ(HShineCode(std::numeric_limits<int32_t>::max()), 26);
}

TEST(PointerConversion, DoubleClickTimeOfEachStep)
{
    const uint32_t expected[] = {900, 800, 750, 650, 600, 500, 400, 350, 250, 200};
    SettingsRecord record = defaults();
    for (int step = 0; step <= 9; ++step) {
        record[XDblClk] = step;
        EXPECT_EQ(PointerValuesFromRecord(record).doubleClickMs, expected[step]) << step;
    }
}

TEST(PointerConversion, DesktopValuesFromRecord)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t speedStep, scrollStep, wheelScreen, clickStep;
        WindowsPointerValues expected;
    } cases[] = {
        {4, 2, 0, 4, {10, 3, 600}}, // the factory values
        {0, 0, 0, 9, {2, 1, 200}},
        {9, 9, 0, 0, {20, 10, 900}},
        {9, 9, 1, 0, {20, -1, 900}},  // one screen per notch, whatever XScroll says
        {-1, -1, 0, 10, {1, 0, 100}}, // what a speed of 1 and 0 wheel lines read back as
        {-3, 12, 0, -3, {1, 13, 1150}},
        // Extremes from a damaged profile still give usable values, without overflow.
        {kMax, kMax, 0, kMin, {20, kMax, 5000}},
        {kMin, kMin, 0, kMax, {1, 0, 100}},
    };
    for (const auto& c : cases) {
        SettingsRecord record = defaults();
        record[XSpeed] = c.speedStep;
        record[XScroll] = c.scrollStep;
        record[WheelScreen] = c.wheelScreen;
        record[WheelLines] = 0; // not consulted
        record[XDblClk] = c.clickStep;
        const WindowsPointerValues values = PointerValuesFromRecord(record);
        EXPECT_EQ(values.speed, c.expected.speed) << c.speedStep;
        EXPECT_EQ(values.wheelLines, c.expected.wheelLines) << c.scrollStep;
        EXPECT_EQ(values.doubleClickMs, c.expected.doubleClickMs) << c.clickStep;
    }
}

TEST(PointerConversion, RecordFromDesktopValues)
{
    const struct {
        int32_t speed;
        int32_t speedStep;
    } speeds[] = {{10, 4}, {20, 9}, {2, 0}, {3, 0}, {11, 4}, {1, -1}};
    for (const auto& c : speeds) {
        SettingsRecord record = defaults();
        TakePointerValues(record, {c.speed, 3, 600});
        EXPECT_EQ(record[XSpeed], c.speedStep) << c.speed;
    }

    const struct {
        uint32_t ms;
        int32_t step;
    } clicks[] = {
        {200, 9},   {274, 9},    {275, 8}, {500, 5}, {600, 4},
        {874, 1},   {875, 0},    {949, 0}, {950, 0}, {1024, 0}, // -1 becomes 0
        {1025, -2}, {5000, -55}, {199, 9}, {0, 9}, // faster than step 9: never a wrapped-around
                                                   // step
    };
    for (const auto& c : clicks) {
        SettingsRecord record = defaults();
        TakePointerValues(record, {10, 3, c.ms});
        EXPECT_EQ(record[XDblClk], c.step) << c.ms << " ms";
    }
}

TEST(PointerConversion, WheelLinesAndScreen)
{
    SettingsRecord record = defaults();
    record[XScroll] = 6;
    TakePointerValues(record, {10, kWheelScrollsScreen, 600});
    EXPECT_EQ(record[WheelScreen], 1);
    EXPECT_EQ(record[WheelLines], 0);
    EXPECT_EQ(record[XScroll], 6);

    TakePointerValues(record, {10, 0, 600});
    EXPECT_EQ(record[WheelScreen], 0);
    EXPECT_EQ(record[WheelLines], 1);
    EXPECT_EQ(record[XScroll], -1);

    TakePointerValues(record, {10, std::numeric_limits<int32_t>::min(), 600});
    EXPECT_EQ(record[XScroll], std::numeric_limits<int32_t>::min());
}

// After the read-back has applied the factory values, a fresh start reads them back as the
// factory steps; other desktop values survive an apply unchanged.
TEST(PointerConversion, RoundTrips)
{
    const WindowsPointerValues cases[] = {
        {10, 3, 600}, {1, 0, 900}, {20, -1, 200}, {6, 30, 500}, {2, 1, 200},
    };
    for (const WindowsPointerValues& desktop : cases) {
        SettingsRecord record = defaults();
        TakePointerValues(record, desktop);
        const WindowsPointerValues applied = PointerValuesFromRecord(record);
        EXPECT_EQ(applied.speed, desktop.speed);
        EXPECT_EQ(applied.wheelLines, desktop.wheelLines);
        EXPECT_EQ(applied.doubleClickMs, desktop.doubleClickMs);
    }
    const SettingsRecord factory = defaults();
    SettingsRecord record = factory;
    TakePointerValues(record, PointerValuesFromRecord(factory));
    EXPECT_EQ(record.RegionValues, factory.RegionValues);
}

} // namespace
} // namespace bexlan
