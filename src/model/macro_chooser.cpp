#include "model/macro_chooser.h"

#include <algorithm>

namespace bexlan {

namespace {

enum ChooserEntry : int { MacrosListEntry = 0, MacrosSettingsEntry = 1 };

} // namespace

MacroChooser::MacroChooser(const MacroLibrary& library)
    : m_library(library), m_choiceCount(std::min(library.MacroCount, kMaxMacroCount))
{
    selectChosen();
}

const std::string& MacroChooser::Name(int slot) const
{
    static const std::string none;
    if (slot < 0 || static_cast<uint32_t>(slot) >= m_choiceCount)
        return none;
    return m_library.MacroNames[static_cast<std::size_t>(slot)];
}

void MacroChooser::selectChosen()
{
    m_firstEventRow = 0;
    m_hoverEvent = -1;
    m_preview = m_library.MacroSlots[static_cast<std::size_t>(m_chosenMacro)];
}

void MacroChooser::ResetHover()
{
    m_hoverEvent = -1;
    m_hoverMacro = m_chosenMacro;
}

void MacroChooser::HoverMacroRow(int row)
{
    if (row >= 0 && static_cast<uint32_t>(row) < m_choiceCount)
        m_hoverMacro = row;
}

void MacroChooser::ClickMacroList()
{
    if (m_hoverMacro == m_chosenMacro)
        return;
    m_chosenMacro = m_hoverMacro;
    selectChosen();
}

bool MacroChooser::ScrollMacroList(int wheelDelta)
{
    if (wheelDelta > 0 && m_firstMacroRow > 0) {
        --m_firstMacroRow;
        return true;
    }
    if (wheelDelta < 0 && static_cast<uint32_t>(m_firstMacroRow + kVisibleRows) < m_choiceCount) {
        ++m_firstMacroRow;
        return true;
    }
    return false;
}

bool MacroChooser::ScrollPreview(int wheelDelta)
{
    if (wheelDelta > 0 && m_firstEventRow > 0) {
        --m_firstEventRow;
        return true;
    }
    if (wheelDelta < 0 && m_firstEventRow + kVisibleRows < m_preview.UsedEvents()) {
        ++m_firstEventRow;
        return true;
    }
    return false;
}

void MacroChooser::ChoosePrevious()
{
    if (m_chosenMacro > 0) {
        --m_chosenMacro;
        if (m_chosenMacro < m_firstMacroRow)
            m_firstMacroRow = m_chosenMacro;
    }
    m_hoverMacro = m_chosenMacro;
    selectChosen();
}

void MacroChooser::ChooseNext()
{
    if (static_cast<uint32_t>(m_chosenMacro + 1) < m_choiceCount) {
        ++m_chosenMacro;
        if (m_chosenMacro >= m_firstMacroRow + kVisibleRows)
            m_firstMacroRow = m_chosenMacro - (kVisibleRows - 1);
    }
    m_hoverMacro = m_chosenMacro;
    selectChosen();
}

int MacroChooser::ListedMacroRows() const
{
    int rows = 0;
    for (int slot = m_firstMacroRow; rows < kVisibleRows; ++slot, ++rows) {
        if (static_cast<uint32_t>(slot) >= m_choiceCount ||
            m_library.MacroSlots[static_cast<std::size_t>(slot)].eventCount == 0)
            break;
    }
    return rows;
}

int MacroChooser::ListedEventRows() const
{
    const int used = m_preview.UsedEvents();
    int rows = 0;
    for (int event = m_firstEventRow; rows < kVisibleRows; ++event, ++rows) {
        // Bytes past the event count are left-overs of earlier edits, not part of the macro.
        if (event >= used || m_preview.events[static_cast<std::size_t>(event)].kind == 0)
            break;
    }
    return rows;
}

std::string MacroChooser::MacroListHeader(Language language) const
{
    std::string text(LookupText(TextTable::ChooserTextTable, MacrosListEntry, language));
    text += " " + std::to_string(m_chosenMacro + 1) + "/" + std::to_string(m_choiceCount);
    return text;
}

std::string MacroChooser::PreviewHeader(Language language) const
{
    std::string text(LookupText(TextTable::ChooserTextTable, MacrosSettingsEntry, language));
    text += " " + std::to_string(m_preview.UsedEvents());
    return text;
}

} // namespace bexlan
