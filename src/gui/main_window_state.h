#pragma once

#include "model/language_tables.h"
#include "model/macro_library.h"
#include "model/region_table.h"
#include "model/settings_record.h"

#include <QPoint>
#include <QRect>

namespace bexlan {

enum class DragState { Idle, Dragging };

// Everything the main window shows and acts on, apart from its widgets: the painter composes
// a frame from this alone, and the dispatcher and the menus edit it.
struct MainWindowState {
    // The window in screen coordinates; follows drags and places popup menus.
    QRect WindowRect;
    Page CurrentPage = Page::Basic;
    DragState Dragging = DragState::Idle;
    // Where in the window the drag began.
    QPoint DragAnchor;
    int HotRegion = kNoRegion;
    int LastHotRegion = kNoRegion;
    // The region Space repeats; kNoRegion until the first click.
    int LastClickedRegion = kNoRegion;
    // Swatch region of the colour page, 0 for none.
    int SelectedSwatch = 0;
    // Every text and worded picture is taken in this language when it is drawn.
    Language LanguageIndex = Language::Turkish;

    SettingsRecord settings;
    // HotMacroRow, SelectedMacro, MacroListTop, MacroCount and the macro file paths.
    MacroLibrary library;
};

} // namespace bexlan
