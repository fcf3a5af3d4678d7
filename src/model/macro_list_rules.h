#pragma once

#include "model/macro_library.h"

#include <optional>
#include <string>
#include <string_view>

namespace bexlan {

// What the macro list of the main window does with the library: select a row, rename,
// delete, and take a macro back from the editor. SelectedMacro always stays within
// 0..MacroCount, the slot after the last macro being the free one.

// The text the list shows on the free slot, and the name entry when the free slot (or any
// empty slot) is selected; the same in every language.
inline constexpr std::string_view kNewMacroName = "<yeni makro>";

// The number of macros, never above 300 whatever a file said.
int MacroCountOf(const MacroLibrary& library);

// The selected slot, brought into 0..MacroCount.
int SelectedSlot(const MacroLibrary& library);

// What the name entry shows for slot `slot`: the macro's display name ("Macro %d" when it
// has no name), or kNewMacroName when the slot holds no events.
std::string NameEntryText(const MacroLibrary& library, int slot);

// The row under the pointer becomes the selection (the row past the last macro included).
// Returns the name entry's new text.
std::string SelectHotRow(MacroLibrary& library);

// `text` becomes the name of the selected slot. The placeholder kNewMacroName means no name,
// and line breaks and other control characters become spaces so a name stays one line of
// the name file. Names are cut to the 255 UTF-16 characters a name file keeps.
void RenameSelected(MacroLibrary& library, std::string_view text);

struct DeleteOutcome {
    bool deleted = false;
    // The name entry's new text; nullopt leaves the entry as it is.
    std::optional<std::string> nameEntry;
};

// Deletes the selected macro: the macros and names after it move up one slot. When the last
// macro was deleted the selection (and the list's first row, if needed) moves to the new
// last macro. Nothing happens while the free slot is selected.
DeleteOutcome DeleteSelected(MacroLibrary& library);

// The editor may run only while the library has room for one more macro.
bool CanEditMacro(const MacroLibrary& library);

enum class StoreResult {
    Replaced, // an existing macro was replaced
    Added,    // a new macro was recorded in the free slot; the selection moved past it
    Ignored,  // empty record or full library: nothing changed
};

// Takes the editor's record into the selected slot. An empty record is never stored.
StoreResult StoreEditedMacro(MacroLibrary& library, const MacroRecord& record);

} // namespace bexlan
