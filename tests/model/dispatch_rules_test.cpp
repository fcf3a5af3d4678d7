#include "model/dispatch_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace bexlan {
namespace {

SettingsRecord defaults()
{
    SettingsRecord record;
    ResetToDefaults(record);
    return record;
}

std::vector<int> repainted(const ClickOutcome& outcome)
{
    const auto regions = outcome.repaint.regions();
    return {regions.begin(), regions.end()};
}

TEST(DispatchActions, EachRegionHasItsAction)
{
    using A = RegionAction;
    const std::pair<int, RegionAction> cases[] = {
        {1, A::FunctionMenu},
        {9, A::FunctionMenu},
        {14, A::Radio},
        {15, A::Radio},
        {16, A::Toggle},
        {17, A::Stepper},
        {18, A::Stepper},
        {20, A::Radio},
        {23, A::Radio},
        {25, A::Radio},
        {27, A::Stepper},
        {33, A::Radio},
        {35, A::Stepper},
        {46, A::Stepper},
        {47, A::Stepper},
        {61, A::RenameMacro},
        {64, A::OpenMacroFile},
        {65, A::SaveMacroFile},
        {66, A::SaveMacroAs},
        {67, A::DeleteMacro},
        {68, A::EditMacro},
        {69, A::Toggle},
        {70, A::Radio},
        {71, A::Radio},
        {72, A::Stepper},
        {77, A::Stepper},
        {86, A::SelectMacro},
        {88, A::Radio},
        {95, A::Radio},
        {105, A::SelectSwatch},
        {112, A::SelectSwatch},
        {115, A::LoadProfileSlot},
        {119, A::LoadProfileSlot},
        {120, A::LoadProfileFile},
        {121, A::SaveMenu},
        {122, A::FactoryProfile},
        {123, A::Minimise},
        {124, A::Close},
        {125, A::SwitchPage},
        {127, A::SwitchPage},
        {128, A::Ok},
        {129, A::Apply},
        {130, A::Cancel},
        // No action of their own: the first button, headers, values, sliders (which the
        // window handles itself), the status area, the preview, the caption, no region.
        {0, A::None},
        {10, A::None},
        {13, A::None},
        {19, A::None},
        {36, A::None},
        {51, A::None},
        {55, A::None},
        {78, A::None},
        {81, A::None},
        {85, A::None},
        {104, A::None},
        {114, A::None},
        {131, A::None},
        {-1, A::None},
        {1000, A::None},
    };
    for (const auto& [region, action] : cases) {
        EXPECT_EQ(ActionOfRegion(region), action) << "region " << region;
    }
}

TEST(DispatchSettings, RadioLeavesOneMemberAndRepaintsTheGroup)
{
    SettingsRecord record = defaults();
    ApplySettingsClick(record, Rate250Hz);
    const ClickOutcome outcome = ApplySettingsClick(record, Rate1000Hz);
    EXPECT_EQ(outcome.result, EditResult::Changed);
    EXPECT_EQ(record[Rate125Hz] + record[Rate250Hz] + record[Rate500Hz] + record[Rate1000Hz], 1);
    EXPECT_EQ(record[Rate1000Hz], 1);
    EXPECT_EQ(repainted(outcome), (std::vector<int>{20, 21, 22, 23}));

    // Clicking the member already chosen still redraws the group.
    const ClickOutcome again = ApplySettingsClick(record, Rate1000Hz);
    EXPECT_EQ(again.result, EditResult::Unchanged);
    EXPECT_EQ(repainted(again), (std::vector<int>{20, 21, 22, 23}));
}

TEST(DispatchSettings, ToggleFlipsAndRepaintsNothingElse)
{
    SettingsRecord record = defaults();
    record[EnhancedPrecision] = 5;
    EXPECT_EQ(ApplySettingsClick(record, EnhancedPrecision).result, EditResult::Changed);
    EXPECT_EQ(record[EnhancedPrecision], 0);
    const ClickOutcome outcome = ApplySettingsClick(record, EnhancedPrecision);
    EXPECT_EQ(record[EnhancedPrecision], 1);
    EXPECT_TRUE(outcome.repaint.empty());
}

TEST(DispatchSettings, ArrowsStepTheirValueAndRepaintItsDisplays)
{
    struct Case {
        int up;
        int down;
        Region value;
        int32_t top;
        std::vector<int> repaint;
    };
    const Case cases[] = {
        {17, 18, HShine, 7, {36}},      {26, 27, RLED, 16, {37}},
        {30, 31, YLED, 16, {38}},       {34, 35, GLED, 16, {39}},
        {46, 47, XDpi, 5, {55, 51}},    {72, 73, XSpeed, 9, {82, 78}},
        {74, 75, XScroll, 9, {83, 79}}, {76, 77, XDblClk, 9, {84, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.up);
        SettingsRecord record = defaults();
        record[c.value] = c.top - 1;
        ClickOutcome outcome = ApplySettingsClick(record, c.up);
        EXPECT_EQ(record[c.value], c.top);
        EXPECT_EQ(repainted(outcome), c.repaint);

        // At the top of the range, up changes nothing and redraws only the arrow itself.
        outcome = ApplySettingsClick(record, c.up);
        EXPECT_EQ(outcome.result, EditResult::Unchanged);
        EXPECT_EQ(record[c.value], c.top);
        EXPECT_TRUE(outcome.repaint.empty());

        record[c.value] = 0;
        outcome = ApplySettingsClick(record, c.down);
        EXPECT_EQ(outcome.result, EditResult::Unchanged);
        EXPECT_EQ(record[c.value], 0);
        EXPECT_TRUE(outcome.repaint.empty());
    }
}

TEST(DispatchSettings, DpiUpFiveTimesThenASixth)
{
    SettingsRecord record = defaults();
    record[XDpi] = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ApplySettingsClick(record, 46).result, EditResult::Changed);
    }
    EXPECT_EQ(record[XDpi], 5);
    EXPECT_EQ(ApplySettingsClick(record, 46).result, EditResult::Unchanged);
    EXPECT_EQ(record[XDpi], 5);
}

TEST(DispatchSettings, ProfilePageAndOtherRegionsAreNotEditedHere)
{
    for (int region : {int{Settings2}, int{AdvancedPage}, 1, 61, 105, 131}) {
        SettingsRecord record = defaults();
        EXPECT_EQ(ApplySettingsClick(record, region).result, EditResult::NotApplicable) << region;
        EXPECT_EQ(record.RegionValues, DefaultSettings) << region;
    }
}

TEST(DispatchProfiles, SlotsOfTheProfileButtons)
{
    EXPECT_EQ(ProfileSlotOfRegion(115), 1);
    EXPECT_EQ(ProfileSlotOfRegion(119), 5);
    EXPECT_EQ(ProfileSlotOfRegion(114), std::nullopt);
    EXPECT_EQ(ProfileSlotOfRegion(120), std::nullopt);
}

TEST(DispatchProfiles, MarkingASlotLeavesOnlyIt)
{
    SettingsRecord record = defaults();
    record[Settings1] = 1;
    record[Settings5] = 1;
    const ClickOutcome outcome = MarkProfileSlot(record, 3);
    EXPECT_EQ(record[Settings3], 1);
    EXPECT_EQ(record[Settings1] + record[Settings2] + record[Settings4] + record[Settings5], 0);
    EXPECT_EQ(record.RegionValues[kQuickSetupCaption], 0);
    EXPECT_EQ(repainted(outcome), (std::vector<int>{115, 116, 117, 118, 119}));
}

TEST(DispatchProfiles, FileOfTheUsersChoiceClearsTheSlotsAndLightsTheCaption)
{
    SettingsRecord record = defaults();
    record[Settings2] = 1;
    MarkProfileSlot(record, 0);
    EXPECT_EQ(record.RegionValues[kQuickSetupCaption], 1);
    for (Region slot : {Settings1, Settings2, Settings3, Settings4, Settings5}) {
        EXPECT_EQ(record[slot], 0);
    }

    const auto before = record.RegionValues;
    for (int slot : {-1, 6}) {
        EXPECT_EQ(MarkProfileSlot(record, slot).result, EditResult::NotApplicable);
        EXPECT_EQ(record.RegionValues, before);
    }
}

TEST(DispatchPages, TabsNameTheirPages)
{
    EXPECT_EQ(PageOfTab(125), Page::Basic);
    EXPECT_EQ(PageOfTab(126), Page::Advanced);
    EXPECT_EQ(PageOfTab(127), Page::Color);
    EXPECT_EQ(PageOfTab(124), std::nullopt);
    EXPECT_EQ(PageOfTab(128), std::nullopt);
}

TEST(DispatchSwatches, SelectionCopiesTheColourIntoThePreview)
{
    SettingsRecord record = defaults();
    int selected = 0;
    ClickOutcome outcome = SelectSwatch(record, selected, C4);
    EXPECT_EQ(selected, C4);
    EXPECT_EQ(record[C0], record[C4]);
    EXPECT_EQ(repainted(outcome), std::vector<int>{104});

    outcome = SelectSwatch(record, selected, C6);
    EXPECT_EQ(record[C0], record[C6]);
    EXPECT_EQ(repainted(outcome), (std::vector<int>{C4, 104})) << "the old swatch loses its mark";

    EXPECT_EQ(SelectSwatch(record, selected, C0).result, EditResult::NotApplicable);
    EXPECT_EQ(selected, C6);
}

TEST(DispatchMenus, MenusOpenBesideTheirRegions)
{
    const Point origin{100, 50};
    const Rect slot = RegionRect(3);
    const Point function = FunctionMenuPoint(3, origin);
    EXPECT_EQ(function.x, 100 + slot.left - 3);
    EXPECT_EQ(function.y, 50 + slot.bottom);

    const Rect save = RegionRect(121);
    const Point saveMenu = SaveMenuPoint(origin);
    EXPECT_EQ(saveMenu.x, 100 + save.left);
    EXPECT_EQ(saveMenu.y, 50 + save.top - 144);
}

} // namespace
} // namespace bexlan
