#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/language_tables.h"
#include "model/macro_library.h"

namespace bexlan {

// The macro chooser's rules, apart from its window: which macro is chosen, the two lists'
// scrolling and hover rows, and the preview, a copy of the chosen macro that is the
// chooser's result. It reads the library in place and never changes it.
class MacroChooser {
public:
    static constexpr int kVisibleRows = 21;

    // Opens on slot 0, whatever the main window has selected.
    explicit MacroChooser(const MacroLibrary& library);

    uint32_t ChoiceCount() const { return m_choiceCount; }
    int ChosenMacro() const { return m_chosenMacro; }
    int HoverMacro() const { return m_hoverMacro; }
    int HoverEvent() const { return m_hoverEvent; }
    int FirstMacroRow() const { return m_firstMacroRow; }
    int FirstEventRow() const { return m_firstEventRow; }
    const MacroRecord& Preview() const { return m_preview; }
    // The stored name of a listed slot ("" when unnamed: the chooser shows names as stored).
    const std::string& Name(int slot) const;

    // Start of every hit test: no preview row is hovered and the hovered macro is the chosen.
    void ResetHover();
    // The pointer is over macro list row `row` (counted from slot 0); rows past the
    // library are ignored.
    void HoverMacroRow(int row);
    void HoverEventRow(int row) { m_hoverEvent = row; }
    // A click on the macro list chooses the hovered macro.
    void ClickMacroList();

    // One wheel message; positive deltas scroll towards the top. True when the list moved.
    bool ScrollMacroList(int wheelDelta);
    bool ScrollPreview(int wheelDelta);

    // The arrow keys move the choice one macro and keep it in view.
    void ChoosePrevious();
    void ChooseNext();

    // How many rows the macro list shows from FirstMacroRow: it stops at the first slot
    // without events.
    int ListedMacroRows() const;
    // How many rows the preview shows from FirstEventRow.
    int ListedEventRows() const;

    // The two headers, "%s %d/%d" and "%s %d".
    std::string MacroListHeader(Language language) const;
    std::string PreviewHeader(Language language) const;

private:
    void selectChosen();

    const MacroLibrary& m_library;
    uint32_t m_choiceCount;
    int m_chosenMacro = 0;
    int m_hoverMacro = 0;
    int m_hoverEvent = -1;
    int m_firstMacroRow = 0;
    int m_firstEventRow = 0;
    MacroRecord m_preview;
};

} // namespace bexlan
