#pragma once

#include "gui/prompts.h"
#include "gui/skinned_dialog.h"
#include "model/app_texts.h"
#include "model/dispatch_texts.h"

#include <filesystem>
#include <string_view>

namespace bexlan {

class CBexlanDlg;

// What the click dispatcher and the menu commands share.

// The macro windows draw with the main window's skins and fonts, in its language.
MacroWindowContext MacroContextOf(CBexlanDlg& window);

// A box of MessageTable texts in the window's current language, owned by the window.
void ShowTableMessage(CBexlanDlg& window, int messageEntry, int captionEntry, MessageIcon icon);

// A box of our own texts; `argument` fills "%1". The caption is our own text or an entry
// of MessageTable.
void ShowDispatchMessage(CBexlanDlg& window, DispatchTextId text, std::string_view argument,
                         DispatchTextId caption, MessageIcon icon);
void ShowDispatchMessage(CBexlanDlg& window, DispatchTextId text, std::string_view argument,
                         int captionEntry, MessageIcon icon);

// Profile files: "INI File (*.ini)" dialogs with these flags.
FileDialogRequest ProfileDialogRequest(FileDialogFlags flags);
// Macro files: "MACRO File (*.mac)" dialogs with these flags.
FileDialogRequest MacroDialogRequest(FileDialogFlags flags);

// Writes the window's settings as a profile at `path` in the current language; a failed
// write says so ("The file save failed") and leaves any old file whole.
bool SaveProfileAt(CBexlanDlg& window, const std::filesystem::path& path);

} // namespace bexlan
