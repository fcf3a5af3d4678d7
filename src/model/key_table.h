#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bexlan {

// A key is one byte everywhere: its row in KeyTable. 0 means no key.
using KeyIndex = uint8_t;

inline constexpr int kKeyTableSize = 106;
inline constexpr KeyIndex kNoKey = 0;
// The last row; stands for any key the table does not list.
inline constexpr KeyIndex kUnknownKey = 105;

// Up to 10 keys in the order they went down, ended by a 0 when shorter.
inline constexpr int kKeyCombinationLength = 10;
using KeyCombination = std::array<KeyIndex, kKeyCombinationLength>;

struct KeyTableRow {
    std::string_view name; // UTF-8, the same in every language
    int32_t virtualKey;    // Windows virtual-key code; -1 for row 0, 0 for "Unknown"
    uint8_t modifierBit;   // bit in a HID boot keyboard modifier byte; 0 for other keys
    uint8_t hidUsage;      // usage on the HID keyboard page (0x07); 0 for modifier keys
};

extern const std::array<KeyTableRow, kKeyTableSize> KeyTable;

// Row of a key index. An index past the table (a damaged file or report) reads as the
// "Unknown" row, so no caller can index out of bounds.
const KeyTableRow& KeyRow(KeyIndex index);

// The n-th row (counting from 0) whose virtual key is `virtualKey`; kUnknownKey when
// there is no such row. Enter (0x0D) is row 57 for occurrence 0 and row 102, the keypad's
// Enter, for occurrence 1.
KeyIndex FindKeyIndex(int32_t virtualKey, int occurrence = 0);

// The first row whose HID usage is `usage`; a usage of 0 finds row 0 (no key). nullopt when
// no row has that usage. Decoders of keyboard records use it to turn usages back into keys.
std::optional<KeyIndex> FindKeyIndexByUsage(uint8_t usage);

// The keys of the eight modifier bits of a HID modifier byte, bit 0 to bit 7:
// LCtrl, LShift, LAlt, LWin, RCtrl, RShift, RAlt, RWin.
inline constexpr std::array<KeyIndex, 8> ModifierBitKeys{70, 58, 72, 71, 77, 69, 74, 75};

// Number of keys before the first 0 (at most 10).
int KeyCombinationSize(const KeyCombination& combination);

// Names joined by "+", e.g. "LCtrl+LAlt+Delete"; "" for an empty combination. UTF-8.
std::string FormatKeyCombination(const KeyCombination& combination);

// The modifier byte and six key slots of a HID boot keyboard report (without its reserved
// byte).
using KeyboardReportBytes = std::array<uint8_t, 7>;

// Fills `out`: out[0] is the OR of the modifier bits, out[1..6] the HID usages of the
// first six other keys in press order, unused slots 0. Returns how many non-modifier keys
// were placed (0..6); further ones are dropped.
int EncodeKeyCombination(const KeyCombination& combination, std::span<uint8_t, 7> out);

} // namespace bexlan
