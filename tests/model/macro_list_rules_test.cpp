#include "model/macro_list_rules.h"

#include <gtest/gtest.h>

#include <memory>

namespace bexlan {
namespace {

MacroRecord oneEventMacro(uint8_t button)
{
    MacroRecord record;
    record.Append(MacroEvent::MouseDown(button));
    return record;
}

// A library of `count` one-event macros named "m1", "m2", ...; big, so on the heap.
std::unique_ptr<MacroLibrary> library(int count)
{
    auto lib = std::make_unique<MacroLibrary>();
    for (int i = 0; i < count; ++i) {
        lib->MacroSlots[static_cast<std::size_t>(i)] = oneEventMacro(static_cast<uint8_t>(i + 1));
        lib->MacroNames[static_cast<std::size_t>(i)] = "m" + std::to_string(i + 1);
    }
    lib->MacroCount = static_cast<uint32_t>(count);
    return lib;
}

TEST(MacroListSelect, RowPastTheLastMacroShowsTheNewMacroText)
{
    auto lib = library(2);
    lib->HotMacroRow = 2;
    EXPECT_EQ(SelectHotRow(*lib), "<yeni makro>");
    EXPECT_EQ(lib->SelectedMacro, 2);

    lib->HotMacroRow = 1;
    EXPECT_EQ(SelectHotRow(*lib), "m2");
}

TEST(MacroListSelect, UnnamedMacroShowsItsNumber)
{
    auto lib = library(3);
    lib->MacroNames[2].clear();
    lib->HotMacroRow = 2;
    EXPECT_EQ(SelectHotRow(*lib), "Macro 3");
}

TEST(MacroListSelect, RowIsKeptWithinTheLibrary)
{
    auto lib = library(2);
    for (int row : {-4, 7, 400}) {
        lib->HotMacroRow = row;
        SelectHotRow(*lib);
        EXPECT_GE(lib->SelectedMacro, 0) << row;
        EXPECT_LE(lib->SelectedMacro, 2) << row;
    }
}

TEST(MacroListRename, NameGoesToTheSelectedSlot)
{
    auto lib = library(3);
    lib->SelectedMacro = 1;
    RenameSelected(*lib, "Reload");
    EXPECT_EQ(lib->MacroNames[1], "Reload");
    EXPECT_EQ(lib->DisplayName(1), "Reload");

    // The free slot can be named ahead of recording; the placeholder names nothing.
    lib->SelectedMacro = 3;
    RenameSelected(*lib, "next");
    EXPECT_EQ(lib->MacroNames[3], "next");
    RenameSelected(*lib, "<yeni makro>");
    EXPECT_EQ(lib->MacroNames[3], "");
}

TEST(MacroListRename, NamesStayOneLineOfAtMost255Characters)
{
    auto lib = library(1);
    RenameSelected(*lib, "a\nb\r[x]\t");
    EXPECT_EQ(lib->MacroNames[0], "a b [x] ");

    std::string longName(254, 'x');
    longName += "\xF0\x9F\x98\x80"; // one character of two UTF-16 units, cut in half at 255
    RenameSelected(*lib, longName);
    EXPECT_EQ(lib->MacroNames[0], std::string(254, 'x'));

    RenameSelected(*lib, std::string(300, 'y'));
    EXPECT_EQ(lib->MacroNames[0], std::string(255, 'y'));
}

TEST(MacroListDelete, OnlyMacroLeavesAnEmptyLibraryAndTheEntryAlone)
{
    auto lib = library(1);
    const DeleteOutcome outcome = DeleteSelected(*lib);
    EXPECT_TRUE(outcome.deleted);
    EXPECT_EQ(lib->MacroCount, 0u);
    EXPECT_EQ(lib->SelectedMacro, 0);
    EXPECT_EQ(outcome.nameEntry, std::nullopt);
    EXPECT_EQ(lib->MacroSlots[0].eventCount, 0) << "the free slot moved up";
}

TEST(MacroListDelete, LastOfSeveralMovesTheSelectionToTheNewLast)
{
    auto lib = library(4);
    lib->SelectedMacro = 3;
    const DeleteOutcome outcome = DeleteSelected(*lib);
    EXPECT_EQ(lib->MacroCount, 3u);
    EXPECT_EQ(lib->SelectedMacro, 2);
    EXPECT_EQ(lib->HotMacroRow, 2);
    EXPECT_EQ(outcome.nameEntry, "m3");
    EXPECT_EQ(lib->MacroSlots[3].eventCount, 0);
}

TEST(MacroListDelete, MiddleMacroPullsTheRestUpWithTheirNames)
{
    auto lib = library(4);
    lib->SelectedMacro = 1;
    const DeleteOutcome outcome = DeleteSelected(*lib);
    EXPECT_EQ(lib->MacroCount, 3u);
    EXPECT_EQ(lib->SelectedMacro, 1);
    EXPECT_EQ(outcome.nameEntry, "m3");
    EXPECT_EQ(lib->MacroNames[1], "m3");
    EXPECT_EQ(lib->MacroSlots[1], oneEventMacro(3));
    EXPECT_EQ(lib->MacroNames[2], "m4");
    EXPECT_EQ(lib->MacroSlots[2], oneEventMacro(4));
}

TEST(MacroListDelete, ListScrolledPastTheEndFollowsTheSelection)
{
    auto lib = library(25);
    lib->SelectedMacro = 24;
    lib->MacroListTop = 24;
    DeleteSelected(*lib);
    EXPECT_EQ(lib->SelectedMacro, 23);
    EXPECT_EQ(lib->MacroListTop, 23);
}

TEST(MacroListDelete, FreeSlotSelectedDeletesNothing)
{
    auto lib = library(2);
    lib->SelectedMacro = 2;
    const DeleteOutcome outcome = DeleteSelected(*lib);
    EXPECT_FALSE(outcome.deleted);
    EXPECT_EQ(lib->MacroCount, 2u);
    EXPECT_EQ(lib->MacroNames[1], "m2");
}

TEST(MacroListEdit, RecordingInTheFreeSlotAddsAMacro)
{
    auto lib = library(2);
    lib->SelectedMacro = 2;
    EXPECT_EQ(StoreEditedMacro(*lib, oneEventMacro(8)), StoreResult::Added);
    EXPECT_EQ(lib->MacroCount, 3u);
    EXPECT_EQ(lib->SelectedMacro, 3) << "the next free row is selected";
    EXPECT_EQ(lib->MacroSlots[2], oneEventMacro(8));
    EXPECT_EQ(lib->DisplayName(2), "Macro 3");
}

TEST(MacroListEdit, ExistingMacroIsReplacedAndAnEmptyOneNeverStored)
{
    auto lib = library(2);
    lib->SelectedMacro = 0;
    EXPECT_EQ(StoreEditedMacro(*lib, oneEventMacro(16)), StoreResult::Replaced);
    EXPECT_EQ(lib->MacroSlots[0], oneEventMacro(16));
    EXPECT_EQ(lib->MacroCount, 2u);

    EXPECT_EQ(StoreEditedMacro(*lib, MacroRecord{}), StoreResult::Ignored);
    EXPECT_EQ(lib->MacroSlots[0], oneEventMacro(16));
}

TEST(MacroListEdit, FullLibraryRefusesTheEditor)
{
    auto lib = library(300);
    EXPECT_FALSE(CanEditMacro(*lib));
    lib->SelectedMacro = 5;
    EXPECT_EQ(StoreEditedMacro(*lib, oneEventMacro(2)), StoreResult::Ignored);
    EXPECT_EQ(lib->MacroSlots[5], oneEventMacro(6));

    lib->MacroCount = 299;
    EXPECT_TRUE(CanEditMacro(*lib));
}

} // namespace
} // namespace bexlan
