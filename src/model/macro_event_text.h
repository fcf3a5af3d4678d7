#pragma once

#include <string>

#include "model/key_table.h"
#include "model/language_tables.h"
#include "model/macro_record.h"

namespace bexlan {

// Where a macro list takes its words: the editor and the chooser list events in the same
// form from different tables.
struct EventTextTables {
    TextTable kinds; // entries 0 "Key Down", 1 "Key Up", 2 "Delay", 3 "Mouse", 4 "Hold..."
    TextTable names; // the mouse buttons from firstButton, the wheel steps
    int firstButton; // name of button bit 0 ("Left mouse button"); bits 1..4 follow
    int wheelUp;     // name of wheel step 1
    int wheelDown;   // name of wheel step 255
};

inline constexpr EventTextTables EditorEventTexts{TextTable::EditorEventKindTable,
                                                  TextTable::EditorTextTable, 7, 12, 13};
inline constexpr EventTextTables ChooserEventTexts{TextTable::ChooserEventKindTable,
                                                   TextTable::MouseButtonNameTable, 0, 5, 6};

// One row of a macro list, UTF-8 with tabs between its columns: "%d:\t<%s>\t<%s>", or
// "%d:\t<%s>\t<%d ms>" for a delay. `number` is the row's number as shown (from 1). A kind
// this system does not know shows its number, "%d:\t<#%d>".
std::string MacroEventText(const MacroEvent& event, int number, const EventTextTables& tables,
                           Language language);

// The editor's row for a combination still held down: "<%s>\t%s".
std::string HeldKeysText(const KeyCombination& keys, Language language);

} // namespace bexlan
