#pragma once

#include "gui/command_windows.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace bexlan {

// Answers the popup menus and the macro windows in place of the user: each returns the
// answer set beforehand (nullopt: cancelled) and records what it was opened with.
class ScriptedCommandWindows : public CommandWindows {
public:
    std::optional<int> menuAnswer;
    std::optional<KeyCombination> keysAnswer;
    std::optional<MacroRecord> chooserAnswer;
    std::optional<MacroRecord> editorAnswer;

    std::vector<QPoint> menuPoints;
    int functionMenus = 0;
    int saveMenus = 0;
    int keyWindows = 0;
    int choosers = 0;
    uint32_t chooserMacroCount = 0;
    std::vector<MacroRecord> editedRecords;

    std::optional<int> functionMenu(QWidget*, QPoint at, Language) override
    {
        ++functionMenus;
        menuPoints.push_back(at);
        return menuAnswer;
    }
    std::optional<int> saveMenu(QWidget*, QPoint at, Language) override
    {
        ++saveMenus;
        menuPoints.push_back(at);
        return menuAnswer;
    }
    std::optional<KeyCombination> keyCombination(QWidget*, const MacroWindowContext&) override
    {
        ++keyWindows;
        return keysAnswer;
    }
    std::optional<MacroRecord> chooseMacro(QWidget*, const MacroLibrary& library,
                                           const MacroWindowContext&) override
    {
        ++choosers;
        chooserMacroCount = library.MacroCount;
        return chooserAnswer;
    }
    std::optional<MacroRecord> editMacro(QWidget*, const MacroRecord& record,
                                         const MacroWindowContext&) override
    {
        editedRecords.push_back(record);
        return editorAnswer;
    }
};

} // namespace bexlan
