#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/key_table.h"

namespace bexlan {

// Kinds of a MacroEvent. The kind byte is kept raw inside MacroEvent because a macro file
// from elsewhere may hold any value; these are the ones this system gives a meaning.
enum class MacroEventKind : uint8_t {
    MacroMouseDown = 2, // data[0] button bit (0 for a wheel step), data[1] wheel step
    MacroDelay = 3,     // data[0..1] pause in ms, big-endian
    MacroKeyDown = 6,   // data[0..9] KeyCombination pressed together
    MacroDpiStep = 7,   // data[0] step code: 0 cycle, 1 up, 2 down
    MacroKeyUp = 18,    // data[0..9] KeyCombination released
    MacroMouseUp = 19,  // data[0] button bit
};

// Button bits of data[0] of the mouse events.
inline constexpr uint8_t kMacroLeftButton = 0x01;
inline constexpr uint8_t kMacroRightButton = 0x02;
inline constexpr uint8_t kMacroMiddleButton = 0x04;
inline constexpr uint8_t kMacroButtonFive = 0x08;
inline constexpr uint8_t kMacroButtonFour = 0x10;
// Wheel steps of data[1] of MacroMouseDown.
inline constexpr uint8_t kMacroWheelUp = 0x01;
inline constexpr uint8_t kMacroWheelDown = 0xFF;

inline constexpr std::size_t kMacroEventSize = 11;
inline constexpr int kMacroEventSlots = 256;
inline constexpr std::size_t kMacroRecordSize = 2824;
// The size counter's budget on the mouse: the editor adds an event only while the counter
// stays below it.
inline constexpr int kMacroSizeBudget = 254;

struct MacroEvent {
    uint8_t kind = 0;
    std::array<uint8_t, 10> data{};

    bool Is(MacroEventKind k) const { return kind == static_cast<uint8_t>(k); }
    // The pause of a MacroDelay (big-endian in data[0..1]).
    uint16_t DelayMs() const { return static_cast<uint16_t>(data[0] << 8 | data[1]); }
    // data[0..9] as a KeyCombination, for the two key kinds.
    KeyCombination Keys() const;

    static MacroEvent MouseDown(uint8_t buttonBit, uint8_t wheelStep = 0);
    static MacroEvent MouseUp(uint8_t buttonBit);
    static MacroEvent Delay(uint16_t ms);
    static MacroEvent KeyDown(const KeyCombination& keys);
    static MacroEvent KeyUp(const KeyCombination& keys);
    static MacroEvent DpiStep(uint8_t stepCode);

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};
static_assert(sizeof(MacroEvent) == kMacroEventSize);

// Cost of an event against the size counter: 5 for key presses, 3 for the other kinds
// this system knows, 0 for kinds without a meaning.
int MacroEventCost(uint8_t kind);

// One macro. The same value is the 2824-byte image kept in macro files:
//   0     int32 LE  event count (0..256; taken as stored when read)
//   4     uint8     size counter (sum of the costs of the events in use)
//   5     256 x 11  events: kind byte, then data[0..9]
//   2821  3         reserved, carried along unchanged
struct MacroRecord {
    int32_t eventCount = 0;
    uint8_t sizeCounter = 0;
    std::array<MacroEvent, kMacroEventSlots> events{};
    std::array<uint8_t, 3> reserved{};

    using Image = std::array<uint8_t, kMacroRecordSize>;

    // The event count clamped to 0..256, for walking the events of a record read from
    // outside without leaving the array.
    int UsedEvents() const;

    // Appends an event and adds its cost; false (and nothing changes) when all 256 slots
    // are taken. Callers that keep the mouse's budget check the counter themselves.
    bool Append(const MacroEvent& event);

    void ToImage(std::span<uint8_t, kMacroRecordSize> out) const;
    Image ToImage() const;
    static MacroRecord FromImage(std::span<const uint8_t, kMacroRecordSize> image);

    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;
};

// "Macro %d" with slot + 1 when `name` is empty, else the name itself.
std::string MacroDisplayName(std::string_view name, int slot);

} // namespace bexlan
