#include "model/macro_library.h"
#include "model/macro_record.h"

#include <gtest/gtest.h>

#include <memory>

namespace bexlan {
namespace {

constexpr KeyIndex kA = 46;
constexpr KeyIndex kLCtrl = 70;

TEST(MacroRecordTest, ImageHasTheFileLayout)
{
    MacroRecord macro;
    ASSERT_TRUE(macro.Append(MacroEvent::KeyDown({kLCtrl, kA})));
    ASSERT_TRUE(macro.Append(MacroEvent::Delay(0x1234)));
    macro.reserved = {7, 8, 9};

    const MacroRecord::Image image = macro.ToImage();
    const std::array<uint8_t, 5> head{
        2, 0, 0, 0, // event count, little-endian
        8,          // size counter: key press 5 + delay 3
    };
    EXPECT_TRUE(std::equal(head.begin(), head.end(), image.begin()));
    const std::array<uint8_t, 22> events{
        6, kLCtrl, kA,   0, 0, 0, 0, 0, 0, 0, 0, // MacroKeyDown LCtrl+A
        3, 0x12,   0x34, 0, 0, 0, 0, 0, 0, 0, 0, // MacroDelay, big-endian
    };
    EXPECT_TRUE(std::equal(events.begin(), events.end(), image.begin() + 5));
    EXPECT_TRUE(
        std::all_of(image.begin() + 27, image.begin() + 2821, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(image[2821], 7);
    EXPECT_EQ(image[2823], 9);

    EXPECT_EQ(MacroRecord::FromImage(image), macro);
    EXPECT_EQ(macro.events[1].DelayMs(), 0x1234);
}

TEST(MacroRecordTest, ForeignImagesKeepEveryByte)
{
    // Whatever a file holds comes back unchanged, including an event count no macro can
    // have; walking the events stays within the 256 slots.
    MacroRecord::Image image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 7 + 3);
    const MacroRecord macro = MacroRecord::FromImage(image);
    EXPECT_EQ(macro.ToImage(), image);

    for (const auto& [count, used] :
         {std::pair{-5, 0}, {0, 0}, {84, 84}, {256, 256}, {9000, 256}}) {
        MacroRecord record;
        record.eventCount = count;
        EXPECT_EQ(record.UsedEvents(), used) << count;
    }
}

TEST(MacroRecordTest, AppendStopsAtTheLastSlotAndKeepsTheCounterFromWrapping)
{
    auto macro = std::make_unique<MacroRecord>();
    for (int i = 0; i < kMacroEventSlots; ++i)
        ASSERT_TRUE(macro->Append(MacroEvent::KeyDown({kA})));
    EXPECT_FALSE(macro->Append(MacroEvent::Delay(5)));
    EXPECT_EQ(macro->eventCount, kMacroEventSlots);
    EXPECT_EQ(macro->sizeCounter, 255);
}

TEST(MacroRecordTest, EventCostsFollowTheSizeBudget)
{
    const std::vector<std::pair<MacroEvent, int>> cases = {
        {MacroEvent::MouseDown(kMacroLeftButton), 3},
        {MacroEvent::MouseUp(kMacroLeftButton), 3},
        {MacroEvent::Delay(10), 3},
        {MacroEvent::KeyDown({kA}), 5},
        {MacroEvent::KeyUp({kA}), 3},
        {MacroEvent::DpiStep(1), 3},
        {MacroEvent{}, 0},
    };
    for (const auto& [event, cost] : cases)
        EXPECT_EQ(MacroEventCost(event.kind), cost) << int(event.kind);
}

TEST(MacroLibraryTest, DisplayNamesFallBackToTheSlotNumber)
{
    auto library = std::make_unique<MacroLibrary>();
    library->MacroNames[0] = "Zıplama";
    EXPECT_EQ(library->DisplayName(0), "Zıplama");
    EXPECT_EQ(library->DisplayName(4), "Macro 5");
    EXPECT_EQ(library->DisplayName(300), "Macro 301");
    EXPECT_EQ(library->DisplayName(301), "");
    EXPECT_EQ(library->DisplayName(-1), "");

    library->MacroSlots[3].eventCount = 2;
    library->MacroCount = 4;
    library->SelectedMacro = 2;
    library->MacroFilePath = "/m/set.mac";
    library->Clear();
    EXPECT_EQ(library->MacroSlots[3], MacroRecord{});
    EXPECT_EQ(library->MacroNames[0], "");
    EXPECT_EQ(library->MacroCount, 0u);
    EXPECT_EQ(library->SelectedMacro, 0);
    EXPECT_EQ(library->MacroFilePath, "");
}

} // namespace
} // namespace bexlan
