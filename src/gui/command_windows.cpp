#include "gui/command_windows.h"

#include "gui/choice_window.h"
#include "gui/macro_window.h"
#include "gui/popup_menu.h"
#include "gui/single_key_window.h"

namespace bexlan {

std::optional<int> QtCommandWindows::functionMenu(QWidget* owner, QPoint screenPoint,
                                                  Language language)
{
    return ShowFunctionMenu(owner, screenPoint, language);
}

std::optional<int> QtCommandWindows::saveMenu(QWidget* owner, QPoint screenPoint, Language language)
{
    return ShowSaveMenu(owner, screenPoint, language);
}

std::optional<KeyCombination> QtCommandWindows::keyCombination(QWidget* parent,
                                                               const MacroWindowContext& context)
{
    return RunKeyCombinationWindow(parent, context);
}

std::optional<MacroRecord> QtCommandWindows::chooseMacro(QWidget* parent,
                                                         const MacroLibrary& library,
                                                         const MacroWindowContext& context)
{
    return RunMacroChooser(parent, library, context);
}

std::optional<MacroRecord> QtCommandWindows::editMacro(QWidget* parent, const MacroRecord& record,
                                                       const MacroWindowContext& context)
{
    return RunMacroEditor(parent, record, context);
}

} // namespace bexlan
