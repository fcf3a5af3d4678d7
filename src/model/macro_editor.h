#pragma once

#include <cstdint>

#include "model/key_table.h"
#include "model/macro_record.h"

namespace bexlan {

// Which delay arrow is held: the value steps at once and then on every timer tick.
enum class DelayArrow : uint8_t { None = 0, Up = 1, Down = 2 };

// Whether the delay arrows' repeat timer must keep running after a tick.
enum class DelayTimer : uint8_t { Stop, Continue };

enum class DelayCheck : uint8_t { Off, On };

// The macro editor's rules, apart from its window: recording key combinations, adding
// mouse events, inserting and deleting, the delay value and the list's scrolling. Every
// event is only added while the record's size counter leaves room on the mouse.
class MacroEditor {
public:
    static constexpr int kVisibleRows = 20;
    static constexpr uint16_t kInitialDelay = 10;
    static constexpr uint16_t kClearedDelay = 8;
    static constexpr uint16_t kMinDelay = 1;
    static constexpr uint16_t kMaxDelay = 999;

    explicit MacroEditor(const MacroRecord& record = {});

    const MacroRecord& Record() const { return m_record; }
    int EventCount() const { return m_record.eventCount; }

    // The relay's key messages.
    void KeyDown(KeyIndex key);
    void KeyUp();

    // A click on one of the mouse buttons (its bit of MacroMouseDown data[0]): press, then
    // release, each followed by a delay when its check box is on.
    void AddMouseClick(uint8_t buttonBit);
    // A wheel step (1 up, 255 down): one MacroMouseDown and the press delay; a wheel has
    // no release.
    void AddWheelStep(uint8_t wheelStep);

    // Adds the delay value to a selected delay, else inserts a new delay at the selection.
    void InsertDelay();
    void DeleteSelected();
    // Empties the macro and resets the editing state.
    void Clear();

    // A click on list row `row` (counted from the first event, not from the top row). A
    // row past the last event selects the end of the list, so the events stay one run.
    void SelectRow(int row);
    void SetHoverRow(int row) { m_hoverRow = row; }

    void ToggleDelayAfterPress();
    void ToggleDelayAfterRelease();

    // Pressing an arrow steps the value once; the caller then starts the repeat timer.
    void PressDelayArrow(DelayArrow arrow);
    void ReleaseDelayArrow() { m_repeatDirection = DelayArrow::None; }
    DelayTimer DelayTimerTick();

    // One wheel message over the list: positive deltas scroll towards the first event.
    // True when the list moved.
    bool ScrollList(int wheelDelta);

    int FirstRow() const { return m_firstRow; }
    int SelectedEvent() const { return m_selectedEvent; }
    int HoverRow() const { return m_hoverRow; }
    int HeldKeyCount() const { return m_heldKeyCount; }
    const KeyCombination& HeldKeys() const { return m_heldKeys; }
    DelayCheck DelayAfterPress() const { return m_delayAfterPress; }
    DelayCheck DelayAfterRelease() const { return m_delayAfterRelease; }
    uint16_t DelayValue() const { return m_delayValue; }
    DelayArrow RepeatDirection() const { return m_repeatDirection; }

private:
    bool hasRoomFor(int cost) const;
    void addEvent(const MacroEvent& event);
    void addDelayIf(DelayCheck check);
    void stepDelay();

    MacroRecord m_record;
    int m_firstRow = 0;
    int m_selectedEvent = 0;
    int m_hoverRow = -1;
    int m_heldKeyCount = 0;
    DelayCheck m_delayAfterPress = DelayCheck::Off;
    DelayCheck m_delayAfterRelease = DelayCheck::Off;
    uint16_t m_delayValue = kInitialDelay;
    DelayArrow m_repeatDirection = DelayArrow::None;
    KeyCombination m_heldKeys{};
};

} // namespace bexlan
