#include "model/macro_chooser.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/macro_event_text.h"

using namespace bexlan;

namespace {

// A library of `count` macros; macro i holds i + 1 delays, so every slot differs.
std::unique_ptr<MacroLibrary> Library(int count)
{
    auto library = std::make_unique<MacroLibrary>();
    for (int slot = 0; slot < count; ++slot) {
        for (int i = 0; i <= slot; ++i)
            library->MacroSlots[slot].Append(MacroEvent::Delay(static_cast<uint16_t>(slot + 1)));
    }
    library->MacroCount = static_cast<uint32_t>(count);
    return library;
}

TEST(MacroChooser, OpensOnSlotZeroWhateverIsSelected)
{
    auto library = Library(3);
    library->SelectedMacro = 2;
    library->MacroNames = {"first", "", "third"};
    MacroChooser chooser(*library);
    EXPECT_EQ(chooser.ChosenMacro(), 0);
    EXPECT_EQ(chooser.Preview(), library->MacroSlots[0]);
    EXPECT_EQ(chooser.ListedMacroRows(), 3);
    EXPECT_EQ(chooser.Name(1), "") << "names are shown as stored";
    EXPECT_EQ(chooser.MacroListHeader(Language::English), "Macros List 1/3");
    EXPECT_EQ(chooser.PreviewHeader(Language::English), "Macros Settings 1");
}

TEST(MacroChooser, DownTwentyFiveTimesPutsMacro26InTheBottomRow)
{
    auto library = Library(30);
    MacroChooser chooser(*library);
    for (int i = 0; i < 25; ++i)
        chooser.ChooseNext();
    EXPECT_EQ(chooser.ChosenMacro(), 25);
    EXPECT_EQ(chooser.FirstMacroRow() + MacroChooser::kVisibleRows - 1, 25);
    EXPECT_EQ(chooser.Preview(), library->MacroSlots[25]);
    for (int i = 0; i < 10; ++i)
        chooser.ChooseNext();
    EXPECT_EQ(chooser.ChosenMacro(), 29) << "stops at the last macro";
    for (int i = 0; i < 20; ++i)
        chooser.ChoosePrevious();
    EXPECT_EQ(chooser.ChosenMacro(), 9);
    EXPECT_EQ(chooser.FirstMacroRow(), 9) << "the first row follows the choice up";
}

TEST(MacroChooser, EmptyLibraryMovesNothingAndHandsBackSlotZero)
{
    MacroLibrary library;
    MacroChooser chooser(library);
    chooser.ChooseNext();
    chooser.ChoosePrevious();
    chooser.HoverMacroRow(0);
    chooser.ClickMacroList();
    EXPECT_EQ(chooser.ChosenMacro(), 0);
    EXPECT_EQ(chooser.ListedMacroRows(), 0);
    EXPECT_EQ(chooser.Preview(), MacroRecord{});
    EXPECT_EQ(chooser.MacroListHeader(Language::English), "Macros List 1/0");
}

TEST(MacroChooser, ClickBelowTheLastMacroKeepsTheChoice)
{
    auto library = Library(3);
    MacroChooser chooser(*library);
    chooser.ResetHover();
    chooser.HoverMacroRow(2);
    chooser.ClickMacroList();
    EXPECT_EQ(chooser.ChosenMacro(), 2);
    chooser.ResetHover();
    chooser.HoverMacroRow(7);
    chooser.ClickMacroList();
    EXPECT_EQ(chooser.ChosenMacro(), 2);
}

TEST(MacroChooser, WheelScrollsEachListOnlyWhileRowsRemainBelow)
{
    auto library = Library(23);
    MacroChooser chooser(*library);
    EXPECT_TRUE(chooser.ScrollMacroList(-120));
    EXPECT_TRUE(chooser.ScrollMacroList(-120));
    EXPECT_FALSE(chooser.ScrollMacroList(-120));
    EXPECT_TRUE(chooser.ScrollMacroList(+120));

    for (int i = 0; i < 21; ++i)
        chooser.ChooseNext(); // macro 22 holds 22 events
    EXPECT_TRUE(chooser.ScrollPreview(-120));
    EXPECT_FALSE(chooser.ScrollPreview(-120));
    EXPECT_EQ(chooser.ListedEventRows(), 21);
    chooser.ChoosePrevious();
    EXPECT_EQ(chooser.FirstEventRow(), 0) << "a new choice shows its first event";
}

TEST(MacroChooser, PreviewEndsAtTheEventCount)
{
    auto library = Library(1);
    library->MacroSlots[0].events[1] = MacroEvent::Delay(5); // left over past the count
    MacroChooser chooser(*library);
    EXPECT_EQ(chooser.ListedEventRows(), 1);
    EXPECT_EQ(MacroEventText(chooser.Preview().events[0], 1, ChooserEventTexts, Language::English),
              "1:\t<Delay>\t<1 ms>");
}

} // namespace
