#include "model/macro_editor.h"

#include <algorithm>
#include <limits>

namespace bexlan {

namespace {

// The most expensive event, a key press. Every add is held to the room for one, so a
// combination near the end of the budget may get its press without its release.
constexpr int kLargestCost = 5;
constexpr int kDelayCost = 3;

bool isOn(DelayCheck check)
{
    return check == DelayCheck::On;
}

DelayCheck toggled(DelayCheck check)
{
    return isOn(check) ? DelayCheck::Off : DelayCheck::On;
}

} // namespace

MacroEditor::MacroEditor(const MacroRecord& record) : m_record(record)
{
    // A record read from a file is taken as stored; a count outside the 256 slots would
    // let an edit write past them.
    m_record.eventCount = record.UsedEvents();
}

bool MacroEditor::hasRoomFor(int cost) const
{
    return m_record.sizeCounter + cost < kMacroSizeBudget && m_record.eventCount < kMacroEventSlots;
}

void MacroEditor::addEvent(const MacroEvent& event)
{
    if (!hasRoomFor(kLargestCost))
        return;
    const int at = m_record.eventCount;
    if (!m_record.Append(event))
        return;
    m_selectedEvent = at;
    if (m_record.eventCount > m_firstRow + kVisibleRows)
        m_firstRow = m_record.eventCount - kVisibleRows;
}

void MacroEditor::addDelayIf(DelayCheck check)
{
    if (isOn(check))
        addEvent(MacroEvent::Delay(m_delayValue));
}

void MacroEditor::KeyDown(KeyIndex key)
{
    if (!hasRoomFor(kLargestCost) || key == kNoKey)
        return;
    if (m_heldKeyCount == 0)
        m_heldKeys.fill(kNoKey);
    for (KeyIndex& place : m_heldKeys) {
        if (place == key)
            return; // auto-repeat of a key already held
        if (place == kNoKey) {
            place = key;
            ++m_heldKeyCount;
            return;
        }
    }
}

void MacroEditor::KeyUp()
{
    if (m_heldKeyCount == 0 || !hasRoomFor(kLargestCost))
        return;
    // Any release counts: the combination is complete once as many keys came up as went
    // down.
    if (--m_heldKeyCount > 0)
        return;
    addEvent(MacroEvent::KeyDown(m_heldKeys));
    addDelayIf(m_delayAfterPress);
    addEvent(MacroEvent::KeyUp(m_heldKeys));
    addDelayIf(m_delayAfterRelease);
    m_heldKeys.fill(kNoKey);
}

void MacroEditor::AddMouseClick(uint8_t buttonBit)
{
    addEvent(MacroEvent::MouseDown(buttonBit));
    addDelayIf(m_delayAfterPress);
    addEvent(MacroEvent::MouseUp(buttonBit));
    addDelayIf(m_delayAfterRelease);
}

void MacroEditor::AddWheelStep(uint8_t wheelStep)
{
    addEvent(MacroEvent::MouseDown(0, wheelStep));
    addDelayIf(m_delayAfterPress);
}

void MacroEditor::InsertDelay()
{
    const int count = m_record.eventCount;
    const int at = std::min(m_selectedEvent, count);
    if (at < count && m_record.events[at].Is(MacroEventKind::MacroDelay)) {
        MacroEvent& delay = m_record.events[at];
        // Saturate: a sum that wrapped would turn a long pause into a short one.
        const int sum =
            std::min<int>(delay.DelayMs() + m_delayValue, std::numeric_limits<uint16_t>::max());
        delay = MacroEvent::Delay(static_cast<uint16_t>(sum));
        return;
    }
    if (!hasRoomFor(kDelayCost))
        return;
    std::move_backward(m_record.events.begin() + at, m_record.events.begin() + count,
                       m_record.events.begin() + count + 1);
    m_record.events[at] = MacroEvent::Delay(m_delayValue);
    ++m_record.eventCount;
    m_record.sizeCounter = static_cast<uint8_t>(m_record.sizeCounter + kDelayCost);
    m_selectedEvent = at;
    if (m_selectedEvent >= m_firstRow + kVisibleRows)
        m_firstRow = m_selectedEvent - kVisibleRows + 1;
}

void MacroEditor::DeleteSelected()
{
    const int count = m_record.eventCount;
    if (m_selectedEvent < 0 || m_selectedEvent >= count)
        return;
    const int cost = MacroEventCost(m_record.events[m_selectedEvent].kind);
    // A counter from a file may not match its events; never wrap below zero.
    m_record.sizeCounter = static_cast<uint8_t>(std::max(m_record.sizeCounter - cost, 0));
    std::move(m_record.events.begin() + m_selectedEvent + 1, m_record.events.begin() + count,
              m_record.events.begin() + m_selectedEvent);
    m_record.events[count - 1] = MacroEvent{};
    m_record.eventCount = count - 1;
    if (m_selectedEvent == m_record.eventCount && m_selectedEvent != 0)
        --m_selectedEvent;
}

void MacroEditor::Clear()
{
    m_record.eventCount = 0;
    m_record.sizeCounter = 0;
    m_record.events.fill(MacroEvent{});
    m_firstRow = 0;
    m_selectedEvent = 0;
    m_hoverRow = -1;
    m_heldKeyCount = 0;
    m_heldKeys.fill(kNoKey);
    m_delayAfterPress = DelayCheck::Off;
    m_delayAfterRelease = DelayCheck::Off;
    m_repeatDirection = DelayArrow::None;
    m_delayValue = kClearedDelay;
}

void MacroEditor::SelectRow(int row)
{
    m_selectedEvent = std::clamp(row, 0, m_record.eventCount);
}

void MacroEditor::ToggleDelayAfterPress()
{
    m_delayAfterPress = toggled(m_delayAfterPress);
}

void MacroEditor::ToggleDelayAfterRelease()
{
    m_delayAfterRelease = toggled(m_delayAfterRelease);
}

void MacroEditor::stepDelay()
{
    if (m_repeatDirection == DelayArrow::Up && m_delayValue < kMaxDelay)
        ++m_delayValue;
    else if (m_repeatDirection == DelayArrow::Down && m_delayValue > kMinDelay)
        --m_delayValue;
}

void MacroEditor::PressDelayArrow(DelayArrow arrow)
{
    m_repeatDirection = arrow;
    stepDelay();
}

DelayTimer MacroEditor::DelayTimerTick()
{
    if (m_repeatDirection == DelayArrow::None)
        return DelayTimer::Stop;
    stepDelay();
    return DelayTimer::Continue;
}

bool MacroEditor::ScrollList(int wheelDelta)
{
    if (wheelDelta > 0 && m_firstRow > 0) {
        --m_firstRow;
        return true;
    }
    if (wheelDelta < 0 && m_firstRow + kVisibleRows < m_record.eventCount) {
        ++m_firstRow;
        return true;
    }
    return false;
}

} // namespace bexlan
