#pragma once

#include "gui/skinned_dialog.h"
#include "model/key_table.h"
#include "model/language_tables.h"
#include "model/macro_library.h"

#include <QPoint>

#include <optional>

class QWidget;

namespace bexlan {

// The modal windows that the main window's commands open: the two popup menus and the three
// macro windows. Each returns what the user chose, or nullopt when they cancelled; the
// commands act on the answer. Tests answer in their place.
class CommandWindows {
public:
    virtual ~CommandWindows() = default;

    // The button function menu at a screen point: the chosen command, 5001-5039.
    virtual std::optional<int> functionMenu(QWidget* owner, QPoint screenPoint,
                                            Language language) = 0;
    // The profile save menu at a screen point: the chosen command, 5040-5045.
    virtual std::optional<int> saveMenu(QWidget* owner, QPoint screenPoint, Language language) = 0;

    // A key combination captured and confirmed with OK, with at least one key.
    virtual std::optional<KeyCombination> keyCombination(QWidget* parent,
                                                         const MacroWindowContext& context) = 0;
    // The record of the macro chosen from `library`.
    virtual std::optional<MacroRecord> chooseMacro(QWidget* parent, const MacroLibrary& library,
                                                   const MacroWindowContext& context) = 0;
    // `record` as edited and confirmed with OK, possibly empty.
    virtual std::optional<MacroRecord> editMacro(QWidget* parent, const MacroRecord& record,
                                                 const MacroWindowContext& context) = 0;
};

// The real windows: CMyMenu, CSingleKey, CChoice and CMacro.
class QtCommandWindows : public CommandWindows {
public:
    std::optional<int> functionMenu(QWidget* owner, QPoint screenPoint, Language language) override;
    std::optional<int> saveMenu(QWidget* owner, QPoint screenPoint, Language language) override;
    std::optional<KeyCombination> keyCombination(QWidget* parent,
                                                 const MacroWindowContext& context) override;
    std::optional<MacroRecord> chooseMacro(QWidget* parent, const MacroLibrary& library,
                                           const MacroWindowContext& context) override;
    std::optional<MacroRecord> editMacro(QWidget* parent, const MacroRecord& record,
                                         const MacroWindowContext& context) override;
};

} // namespace bexlan
