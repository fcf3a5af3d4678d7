#include "model/macro_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace bexlan {
namespace {

constexpr KeyIndex kA = 46;
constexpr KeyIndex kLCtrl = 70;

MacroRecord macroOf(const std::vector<MacroEvent>& events)
{
    MacroRecord macro;
    for (const MacroEvent& event : events)
        macro.Append(event);
    return macro;
}

std::vector<uint8_t> imageOf(const MacroImageConversion& conversion)
{
    return {conversion.image.begin(), conversion.image.begin() + conversion.length};
}

TEST(MacroConversionTest, PressDelayReleaseAndAClickGiveFourRecords)
{
    const MacroRecord macro = macroOf({
        MacroEvent::KeyDown({kA}),
        MacroEvent::Delay(50),
        MacroEvent::KeyUp({kA}),
        MacroEvent::MouseDown(kMacroLeftButton),
        MacroEvent::MouseUp(kMacroLeftButton),
    });
    const std::vector<uint8_t> expected{
        0x60, 0x00, 0x04, 0, 0, 0, 0, 0, 0x32, 0x00, // KeyDown A, then 50 ms
        0x60, 0x00, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00, // KeyDown of no key: release
        0x20, 0x01, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00, // MouseDown left
        0xA0, 0x01, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00, // MouseUp left
    };
    const MacroImageConversion conversion = ConvertMacroToImage(macro);
    EXPECT_EQ(conversion.length, 40);
    EXPECT_EQ(imageOf(conversion), expected);
    EXPECT_EQ(conversion.droppedEvents, 0);
    EXPECT_TRUE(std::all_of(conversion.image.begin() + 40, conversion.image.end(),
                            [](uint8_t b) { return b == 0; }));
}

TEST(MacroConversionTest, EachKindBecomesItsRecord)
{
    struct Case {
        const char* name;
        std::vector<MacroEvent> events;
        std::vector<uint8_t> records;
    };
    MacroEvent raw; // kind 1: a raw key record
    raw.kind = 1;
    raw.data = {0x02, 0x1D};
    MacroEvent unknown;
    unknown.kind = 42;
    const std::vector<Case> cases = {
        {"modifiers and keys",
         {MacroEvent::KeyDown({kLCtrl, kA})},
         {0x60, 0x01, 0x04, 0, 0, 0, 0, 0, 0, 0}},
        {"wheel step down",
         {MacroEvent::MouseDown(0, kMacroWheelDown)},
         {0x20, 0x00, 0xFF, 0, 0, 0, 0, 0, 0, 0}},
        {"DPI step with a delay",
         {MacroEvent::DpiStep(2), MacroEvent::Delay(0x0102)},
         {0x40, 0x02, 0, 0, 0, 0, 0, 0, 0x02, 0x01}},
        {"raw key record", {raw}, {0x60, 0x02, 0x1D, 0, 0, 0, 0, 0, 0, 0}},
        {"leading delay is dropped",
         {MacroEvent::Delay(9), MacroEvent::MouseUp(kMacroRightButton)},
         {0xA0, 0x02, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"a later delay replaces an earlier one",
         {MacroEvent::MouseDown(kMacroMiddleButton), MacroEvent::Delay(7), MacroEvent::Delay(300)},
         {0x20, 0x04, 0, 0, 0, 0, 0, 0, 0x2C, 0x01}},
        {"unknown kinds write nothing",
         {unknown, MacroEvent::MouseDown(kMacroButtonFour)},
         {0x20, 0x10, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"empty macro", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(imageOf(ConvertMacroToImage(macroOf(c.events))), c.records);
    }
}

TEST(MacroConversionTest, LongMacrosAreCutAfterTwentyFiveRecords)
{
    // 30 presses with a delay after each: the 25th keeps its delay, the rest do not fit.
    std::vector<MacroEvent> events;
    for (int i = 1; i <= 30; ++i) {
        events.push_back(MacroEvent::MouseDown(kMacroLeftButton));
        events.push_back(MacroEvent::Delay(static_cast<uint16_t>(i)));
    }
    const MacroImageConversion conversion = ConvertMacroToImage(macroOf(events));
    EXPECT_EQ(conversion.length, 250);
    EXPECT_EQ(conversion.droppedEvents, 10);
    EXPECT_EQ(conversion.image[240], 0x20);
    EXPECT_EQ(conversion.image[248], 25);
    EXPECT_TRUE(std::all_of(conversion.image.begin() + 250, conversion.image.end(),
                            [](uint8_t b) { return b == 0; }));
}

TEST(MacroConversionTest, EventCountsFromFilesAreKeptInRange)
{
    MacroRecord macro = macroOf({MacroEvent::MouseDown(kMacroLeftButton)});
    macro.eventCount = -3;
    EXPECT_EQ(ConvertMacroToImage(macro).length, 0);

    // 256 events in use whatever the count says; the image still stops at 25 records.
    for (MacroEvent& event : macro.events)
        event = MacroEvent::MouseUp(kMacroLeftButton);
    macro.eventCount = 100000;
    const MacroImageConversion conversion = ConvertMacroToImage(macro);
    EXPECT_EQ(conversion.length, 250);
    EXPECT_EQ(conversion.droppedEvents, 256 - 25);
}

TEST(MacroConversionTest, AssigningStoresTheImageOfOneButton)
{
    SettingsRecord settings;
    settings.MacroImage[3].fill(0xEE);
    settings.MacroImageLength[3] = 250;
    const MacroRecord macro = macroOf({MacroEvent::MouseDown(kMacroLeftButton)});

    EXPECT_EQ(AssignMacroImage(settings, 3, macro), 0);
    EXPECT_EQ(settings.MacroImageLength[3], 10);
    EXPECT_EQ(settings.MacroImage[3][0], 0x20);
    EXPECT_EQ(settings.MacroImage[3][10], 0); // the old image is gone, not overlaid

    const SettingsRecord before = settings;
    EXPECT_EQ(AssignMacroImage(settings, 10, macro), 0);
    EXPECT_EQ(AssignMacroImage(settings, -1, macro), 0);
    EXPECT_EQ(settings.MacroImage, before.MacroImage);
    EXPECT_EQ(settings.MacroImageLength, before.MacroImageLength);
}

} // namespace
} // namespace bexlan
