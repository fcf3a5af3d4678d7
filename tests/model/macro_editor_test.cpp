#include "model/macro_editor.h"

#include <gtest/gtest.h>

#include "model/macro_event_text.h"

using namespace bexlan;

namespace {

constexpr KeyIndex kLCtrl = 70, kC = 61, kA = 46;

KeyCombination Keys(std::initializer_list<KeyIndex> keys)
{
    KeyCombination combination{};
    std::copy(keys.begin(), keys.end(), combination.begin());
    return combination;
}

// A macro of `count` delays of 1, 2, 3 ... ms, each costing 3.
MacroRecord Delays(int count)
{
    MacroRecord record;
    for (int i = 0; i < count; ++i)
        record.Append(MacroEvent::Delay(static_cast<uint16_t>(i + 1)));
    return record;
}

std::vector<MacroEvent> Events(const MacroEditor& editor)
{
    const MacroRecord& record = editor.Record();
    return {record.events.begin(), record.events.begin() + record.eventCount};
}

void TypeKey(MacroEditor& editor, KeyIndex key)
{
    editor.KeyDown(key);
    editor.KeyUp();
}

TEST(MacroEditorRecording, LeftClickAddsPressAndReleaseListedInEnglish)
{
    MacroEditor editor;
    editor.AddMouseClick(kMacroLeftButton);
    ASSERT_EQ(Events(editor), (std::vector{MacroEvent::MouseDown(kMacroLeftButton),
                                           MacroEvent::MouseUp(kMacroLeftButton)}));
    EXPECT_EQ(editor.Record().sizeCounter, 6);
    EXPECT_EQ(editor.SelectedEvent(), 1);
    const auto& events = editor.Record().events;
    EXPECT_EQ(MacroEventText(events[0], 1, EditorEventTexts, Language::English),
              "1:\t<Key Down>\t<Left mouse button>");
    EXPECT_EQ(MacroEventText(events[1], 2, EditorEventTexts, Language::English),
              "2:\t<Key Up>\t<Left mouse button>");
}

TEST(MacroEditorRecording, BothChecksAddADelayAfterPressAndRelease)
{
    MacroEditor editor;
    editor.ToggleDelayAfterPress();
    editor.ToggleDelayAfterRelease();
    TypeKey(editor, kA);
    EXPECT_EQ(Events(editor), (std::vector{MacroEvent::KeyDown(Keys({kA})), MacroEvent::Delay(10),
                                           MacroEvent::KeyUp(Keys({kA})), MacroEvent::Delay(10)}));
    EXPECT_EQ(editor.Record().sizeCounter, 14);
    EXPECT_EQ(editor.HeldKeys(), KeyCombination{}) << "cleared once recorded";
}

TEST(MacroEditorRecording, WheelStepHasNoRelease)
{
    MacroEditor editor;
    editor.ToggleDelayAfterRelease();
    editor.AddWheelStep(kMacroWheelDown);
    EXPECT_EQ(Events(editor), (std::vector{MacroEvent::MouseDown(0, kMacroWheelDown)}));
}

TEST(MacroEditorRecording, CombinationIsCompleteWhenEveryKeyIsUp)
{
    MacroEditor editor;
    editor.KeyDown(kLCtrl);
    editor.KeyDown(kC);
    editor.KeyDown(kC); // auto-repeat of a held key adds it once
    editor.KeyDown(kC);
    editor.KeyUp();
    EXPECT_EQ(editor.EventCount(), 0) << "LCtrl is still down";
    EXPECT_EQ(editor.HeldKeys(), Keys({kLCtrl, kC}));
    editor.KeyUp();
    EXPECT_EQ(Events(editor), (std::vector{MacroEvent::KeyDown(Keys({kLCtrl, kC})),
                                           MacroEvent::KeyUp(Keys({kLCtrl, kC}))}));
    editor.KeyUp(); // a stray release
    EXPECT_EQ(editor.EventCount(), 2);
}

TEST(MacroEditorRecording, TwentyFirstEventScrollsIntoTheBottomRow)
{
    MacroEditor editor(Delays(19));
    editor.AddMouseClick(kMacroRightButton);
    EXPECT_EQ(editor.EventCount(), 21);
    EXPECT_EQ(editor.FirstRow(), 1);
    EXPECT_EQ(editor.SelectedEvent(), 20);
}

TEST(MacroEditorRecording, FullBudgetStopsAddsButLeavesRoomForOneDelay)
{
    MacroEditor editor(Delays(83));
    ASSERT_EQ(editor.Record().sizeCounter, 249);
    editor.AddMouseClick(kMacroLeftButton);
    editor.AddWheelStep(kMacroWheelUp);
    editor.KeyDown(kA);
    editor.KeyUp();
    EXPECT_EQ(editor.EventCount(), 83);
    EXPECT_EQ(editor.HeldKeyCount(), 0);

    editor.SelectRow(83);
    editor.InsertDelay();
    EXPECT_EQ(editor.EventCount(), 84);
    EXPECT_EQ(editor.Record().sizeCounter, 252);
    editor.SelectRow(84);
    editor.InsertDelay();
    EXPECT_EQ(editor.EventCount(), 84);
}

TEST(MacroEditorRecording, NearTheLimitAPressMayBeRecordedWithoutItsRelease)
{
    MacroEditor editor(Delays(82)); // 246: room for the press (251), not the release
    TypeKey(editor, kA);
    EXPECT_EQ(Events(editor).back(), MacroEvent::KeyDown(Keys({kA})));
    EXPECT_EQ(editor.Record().sizeCounter, 251);
}

TEST(MacroEditorEditing, InsertOnADelayAddsTheValueInsteadOfInserting)
{
    MacroEditor editor(Delays(3)); // 1, 2, 3 ms
    editor.SelectRow(1);
    editor.InsertDelay();
    EXPECT_EQ(editor.EventCount(), 3);
    EXPECT_EQ(editor.Record().events[1], MacroEvent::Delay(12));
    EXPECT_EQ(editor.Record().sizeCounter, 9);
}

TEST(MacroEditorEditing, AddingToALongDelayStopsAtTheLargestValue)
{
    MacroRecord record;
    record.Append(MacroEvent::Delay(65530));
    MacroEditor editor(record);
    editor.InsertDelay();
    EXPECT_EQ(editor.Record().events[0], MacroEvent::Delay(65535));
}

TEST(MacroEditorEditing, InsertBeforeAnEventMovesTheRestDown)
{
    MacroEditor editor;
    editor.AddMouseClick(kMacroMiddleButton);
    editor.SelectRow(1);
    editor.InsertDelay();
    EXPECT_EQ(Events(editor),
              (std::vector{MacroEvent::MouseDown(kMacroMiddleButton), MacroEvent::Delay(10),
                           MacroEvent::MouseUp(kMacroMiddleButton)}));
    EXPECT_EQ(editor.SelectedEvent(), 1);
    EXPECT_EQ(editor.Record().sizeCounter, 9);
}

TEST(MacroEditorEditing, SelectionPastTheLastEventIsTheEndOfTheList)
{
    MacroEditor editor(Delays(2));
    editor.AddMouseClick(kMacroLeftButton); // events 0..3, no delay selected
    editor.SelectRow(15);                   // an empty row well below the list
    EXPECT_EQ(editor.SelectedEvent(), 4);
    editor.InsertDelay();
    EXPECT_EQ(editor.EventCount(), 5);
    EXPECT_EQ(editor.Record().events[4], MacroEvent::Delay(10)) << "appended, no gap";
    EXPECT_EQ(editor.Record().events[5].kind, 0);

    editor.SelectRow(9);
    editor.DeleteSelected();
    EXPECT_EQ(editor.EventCount(), 5) << "nothing selected to delete";
}

TEST(MacroEditorEditing, InsertedDelayStaysInView)
{
    MacroEditor editor(Delays(20));
    editor.AddMouseClick(kMacroLeftButton); // 22 events, rows 2..21 shown
    editor.SelectRow(22);
    editor.InsertDelay();
    EXPECT_EQ(editor.SelectedEvent(), 22);
    EXPECT_EQ(editor.FirstRow(), 3);
}

TEST(MacroEditorEditing, DeleteSubtractsTheCostAndMovesTheSelection)
{
    MacroEditor editor;
    TypeKey(editor, kA);    // key down (5), key up (3)
    editor.AddWheelStep(1); // 3
    editor.SelectRow(0);
    editor.DeleteSelected();
    EXPECT_EQ(editor.Record().sizeCounter, 6);
    EXPECT_EQ(editor.SelectedEvent(), 0);
    EXPECT_EQ(Events(editor),
              (std::vector{MacroEvent::KeyUp(Keys({kA})), MacroEvent::MouseDown(0, 1)}));
    EXPECT_EQ(editor.Record().events[2].kind, 0) << "the vacated slot is cleared";

    editor.SelectRow(1);
    editor.DeleteSelected(); // the last event: the selection moves to the new last
    EXPECT_EQ(editor.SelectedEvent(), 0);
    editor.DeleteSelected(); // event 0 of a one-event macro
    EXPECT_EQ(editor.SelectedEvent(), 0);
    EXPECT_EQ(editor.EventCount(), 0);
    EXPECT_EQ(editor.Record().sizeCounter, 0);
}

TEST(MacroEditorEditing, DeleteNeverWrapsAMismatchedCounter)
{
    MacroRecord record;
    record.Append(MacroEvent::KeyDown(Keys({kA})));
    record.sizeCounter = 2; // a file's counter that does not match its events
    MacroEditor editor(record);
    editor.DeleteSelected();
    EXPECT_EQ(editor.Record().sizeCounter, 0);
}

TEST(MacroEditorEditing, ClearEmptiesAndSetsEightMilliseconds)
{
    MacroEditor editor(Delays(30));
    editor.ToggleDelayAfterPress();
    editor.KeyDown(kA);
    editor.PressDelayArrow(DelayArrow::Up);
    editor.Clear();
    EXPECT_EQ(editor.Record(), MacroRecord{});
    EXPECT_EQ(editor.DelayValue(), 8);
    EXPECT_EQ(editor.DelayAfterPress(), DelayCheck::Off);
    EXPECT_EQ(editor.HeldKeyCount(), 0);
    EXPECT_EQ(editor.HeldKeys(), KeyCombination{});
    EXPECT_EQ(editor.RepeatDirection(), DelayArrow::None);
    EXPECT_EQ(editor.FirstRow(), 0);
    EXPECT_EQ(editor.SelectedEvent(), 0);
    EXPECT_EQ(editor.HoverRow(), -1);
}

TEST(MacroEditorEditing, OutOfRangeEventCountIsClampedToTheSlots)
{
    MacroRecord record = Delays(2);
    record.eventCount = 300;
    MacroEditor editor(record);
    EXPECT_EQ(editor.EventCount(), kMacroEventSlots);
    editor.AddMouseClick(kMacroLeftButton);
    editor.SelectRow(400);
    editor.InsertDelay();
    EXPECT_EQ(editor.EventCount(), kMacroEventSlots);
}

TEST(MacroEditorDelayArrows, StepAtOnceThenEveryTickWithinOneTo999)
{
    MacroEditor editor;
    editor.PressDelayArrow(DelayArrow::Up);
    EXPECT_EQ(editor.DelayValue(), 11);
    EXPECT_EQ(editor.DelayTimerTick(), DelayTimer::Continue);
    EXPECT_EQ(editor.DelayValue(), 12);
    editor.ReleaseDelayArrow();
    EXPECT_EQ(editor.DelayTimerTick(), DelayTimer::Stop);
    EXPECT_EQ(editor.DelayValue(), 12);

    editor.PressDelayArrow(DelayArrow::Down);
    for (int tick = 0; tick < 20; ++tick)
        editor.DelayTimerTick();
    EXPECT_EQ(editor.DelayValue(), 1);

    editor.PressDelayArrow(DelayArrow::Up);
    for (int tick = 0; tick < 1100; ++tick)
        editor.DelayTimerTick();
    EXPECT_EQ(editor.DelayValue(), 999);
}

TEST(MacroEditorList, WheelScrollsOnlyWhileRowsRemain)
{
    MacroEditor editor(Delays(22));
    EXPECT_FALSE(editor.ScrollList(+120));
    EXPECT_TRUE(editor.ScrollList(-120));
    EXPECT_TRUE(editor.ScrollList(-120));
    EXPECT_FALSE(editor.ScrollList(-120)) << "the last event is in the bottom row";
    EXPECT_EQ(editor.FirstRow(), 2);
    EXPECT_TRUE(editor.ScrollList(+120));
    EXPECT_EQ(editor.FirstRow(), 1);
}

TEST(MacroEventText, ListsEveryKindInTheEditorsWords)
{
    struct Row {
        MacroEvent event;
        Language language;
        std::string expected;
    };
    const Row rows[] = {
        {MacroEvent::MouseDown(0, kMacroWheelUp), Language::English, "3:\t<Mouse>\t<Rolling up>"},
        {MacroEvent::MouseDown(0, kMacroWheelDown), Language::English,
         "3:\t<Mouse>\t<Rolling down>"},
        {MacroEvent::MouseDown(kMacroButtonFour), Language::English,
         "3:\t<Key Down>\t<Mouse button four>"},
        {MacroEvent::MouseUp(kMacroButtonFive), Language::Turkish,
         "3:\t<aşağı kaydır>\t<beşinci tuş>"},
        {MacroEvent::Delay(250), Language::English, "3:\t<Delay>\t<250 ms>"},
        {MacroEvent::KeyUp(Keys({kLCtrl, kC})), Language::English, "3:\t<Key Up>\t<LCtrl+C>"},
        {MacroEvent::DpiStep(1), Language::English, "3:\t<#7>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MacroEventText(row.event, 3, EditorEventTexts, row.language), row.expected);
    EXPECT_EQ(MacroEventText(MacroEvent::MouseUp(kMacroButtonFive), 3, ChooserEventTexts,
                             Language::Turkish),
              "3:\t<ateşle>\t<beşinci tuş>");
    EXPECT_EQ(HeldKeysText(Keys({kLCtrl}), Language::English), "<Hold down the button>\tLCtrl");
}

} // namespace
