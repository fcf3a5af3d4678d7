#include "model/key_table.h"

#include <algorithm>

namespace bexlan {

// name, virtual key, modifier bit, HID usage.
const std::array<KeyTableRow, kKeyTableSize> KeyTable{{
    {"", -1, 0, 0},                // 0
    {"Esc", 0x1B, 0, 0x29},        // 1
    {"F1", 0x70, 0, 0x3A},         // 2
    {"F2", 0x71, 0, 0x3B},         // 3
    {"F3", 0x72, 0, 0x3C},         // 4
    {"F4", 0x73, 0, 0x3D},         // 5
    {"F5", 0x74, 0, 0x3E},         // 6
    {"F6", 0x75, 0, 0x3F},         // 7
    {"F7", 0x76, 0, 0x40},         // 8
    {"F8", 0x77, 0, 0x41},         // 9
    {"F9", 0x78, 0, 0x42},         // 10
    {"F10", 0x79, 0, 0x43},        // 11
    {"F11", 0x7A, 0, 0x44},        // 12
    {"F12", 0x7B, 0, 0x45},        // 13
    {"PrtSc", 0x2C, 0, 0x46},      // 14
    {"Scroll", 0x91, 0, 0x47},     // 15
    {"Pause", 0x13, 0, 0x48},      // 16
    {"~", 0xC0, 0, 0x35},          // 17
    {"1", 0x31, 0, 0x1E},          // 18
    {"2", 0x32, 0, 0x1F},          // 19
    {"3", 0x33, 0, 0x20},          // 20
    {"4", 0x34, 0, 0x21},          // 21
    {"5", 0x35, 0, 0x22},          // 22
    {"6", 0x36, 0, 0x23},          // 23
    {"7", 0x37, 0, 0x24},          // 24
    {"8", 0x38, 0, 0x25},          // 25
    {"9", 0x39, 0, 0x26},          // 26
    {"0", 0x30, 0, 0x27},          // 27
    {"-", 0xBD, 0, 0x2D},          // 28
    {"=", 0xBB, 0, 0x2E},          // 29
    {"Backspace", 0x08, 0, 0x2A},  // 30
    {"Tab", 0x09, 0, 0x2B},        // 31
    {"Q", 0x51, 0, 0x14},          // 32
    {"W", 0x57, 0, 0x1A},          // 33
    {"E", 0x45, 0, 0x08},          // 34
    {"R", 0x52, 0, 0x15},          // 35
    {"T", 0x54, 0, 0x17},          // 36
    {"Y", 0x59, 0, 0x1C},          // 37
    {"U", 0x55, 0, 0x18},          // 38
    {"I", 0x49, 0, 0x0C},          // 39
    {"O", 0x4F, 0, 0x12},          // 40
    {"P", 0x50, 0, 0x13},          // 41
    {"[", 0xDB, 0, 0x2F},          // 42
    {"]", 0xDD, 0, 0x30},          // 43
    {"\\", 0xDC, 0, 0x31},         // 44
    {"CapsLock", 0x14, 0, 0x39},   // 45
    {"A", 0x41, 0, 0x04},          // 46
    {"S", 0x53, 0, 0x16},          // 47
    {"D", 0x44, 0, 0x07},          // 48
    {"F", 0x46, 0, 0x09},          // 49
    {"G", 0x47, 0, 0x0A},          // 50
    {"H", 0x48, 0, 0x0B},          // 51
    {"J", 0x4A, 0, 0x0D},          // 52
    {"K", 0x4B, 0, 0x0E},          // 53
    {"L", 0x4C, 0, 0x0F},          // 54
    {":", 0xBA, 0, 0x33},          // 55
    {"\"", 0xDE, 0, 0x34},         // 56
    {"Enter", 0x0D, 0, 0x28},      // 57
    {"LShift", 0xA0, 0x02, 0},     // 58
    {"Z", 0x5A, 0, 0x1D},          // 59
    {"X", 0x58, 0, 0x1B},          // 60
    {"C", 0x43, 0, 0x06},          // 61
    {"V", 0x56, 0, 0x19},          // 62
    {"B", 0x42, 0, 0x05},          // 63
    {"N", 0x4E, 0, 0x11},          // 64
    {"M", 0x4D, 0, 0x10},          // 65
    {",", 0xBC, 0, 0x36},          // 66
    {".", 0xBE, 0, 0x37},          // 67
    {"/", 0xBF, 0, 0x38},          // 68
    {"RShift", 0xA1, 0x20, 0},     // 69
    {"LCtrl", 0xA2, 0x01, 0},      // 70
    {"LWin", 0x5B, 0x08, 0},       // 71
    {"LAlt", 0xA4, 0x04, 0},       // 72
    {"Space", 0x20, 0, 0x2C},      // 73
    {"RAlt", 0xA5, 0x40, 0},       // 74
    {"RWin", 0x5C, 0x80, 0},       // 75
    {"App", 0x5D, 0, 0x65},        // 76
    {"RCtrl", 0xA3, 0x10, 0},      // 77
    {"Insert", 0x2D, 0, 0x49},     // 78
    {"Home", 0x24, 0, 0x4A},       // 79
    {"PgUp", 0x21, 0, 0x4B},       // 80
    {"Delete", 0x2E, 0, 0x4C},     // 81
    {"End", 0x23, 0, 0x4D},        // 82
    {"PgDn", 0x22, 0, 0x4E},       // 83
    {"◆", 0x26, 0, 0x52},          // 84
    {"■", 0x25, 0, 0x50},          // 85
    {"□", 0x28, 0, 0x51},          // 86
    {"△", 0x27, 0, 0x4F},          // 87
    {"Num Lock", 0x90, 0, 0x53},   // 88
    {"(Num)/", 0x6F, 0, 0x54},     // 89
    {"(Num)*", 0x6A, 0, 0x55},     // 90
    {"(Num)-", 0x6D, 0, 0x56},     // 91
    {"(Num)7", 0x67, 0, 0x5F},     // 92
    {"(Num)8", 0x68, 0, 0x60},     // 93
    {"(Num)9", 0x69, 0, 0x61},     // 94
    {"(Num)'+'", 0x6B, 0, 0x57},   // 95
    {"(Num)4", 0x64, 0, 0x5C},     // 96
    {"(Num)5", 0x65, 0, 0x5D},     // 97
    {"(Num)6", 0x66, 0, 0x5E},     // 98
    {"(Num)1", 0x61, 0, 0x59},     // 99
    {"(Num)2", 0x62, 0, 0x5A},     // 100
    {"(Num)3", 0x63, 0, 0x5B},     // 101
    {"(Num)Enter", 0x0D, 0, 0x58}, // 102
    {"(Num)0", 0x60, 0, 0x62},     // 103
    {"(Num).", 0x6E, 0, 0x63},     // 104
    {"Unknown", 0x00, 0, 0},       // 105
}};

const KeyTableRow& KeyRow(KeyIndex index)
{
    return index < kKeyTableSize ? KeyTable[index] : KeyTable[kUnknownKey];
}

KeyIndex FindKeyIndex(int32_t virtualKey, int occurrence)
{
    // The walk stops at the "Unknown" row, the only one whose virtual key is 0.
    for (int row = 0; KeyTable[row].virtualKey != 0; ++row) {
        if (KeyTable[row].virtualKey != virtualKey) {
            continue;
        }
        if (occurrence == 0) {
            return static_cast<KeyIndex>(row);
        }
        --occurrence;
    }
    return kUnknownKey;
}

std::optional<KeyIndex> FindKeyIndexByUsage(uint8_t usage)
{
    // Row 0 has usage 0, so a 0 byte finds "no key".
    for (int row = 0; row < kKeyTableSize; ++row) {
        if (KeyTable[row].hidUsage == usage) {
            return static_cast<KeyIndex>(row);
        }
    }
    return std::nullopt;
}

int KeyCombinationSize(const KeyCombination& combination)
{
    int size = 0;
    while (size < kKeyCombinationLength && combination[size] != kNoKey) {
        ++size;
    }
    return size;
}

std::string FormatKeyCombination(const KeyCombination& combination)
{
    std::string text;
    const int size = KeyCombinationSize(combination);
    for (int i = 0; i < size; ++i) {
        if (i > 0) {
            text += '+';
        }
        text += KeyRow(combination[i]).name;
    }
    return text;
}

int EncodeKeyCombination(const KeyCombination& combination, std::span<uint8_t, 7> out)
{
    std::fill(out.begin(), out.end(), uint8_t{0});
    int placed = 0;
    const int size = KeyCombinationSize(combination);
    for (int i = 0; i < size; ++i) {
        const KeyTableRow& row = KeyRow(combination[i]);
        if (row.modifierBit != 0) {
            out[0] |= row.modifierBit;
        } else if (placed < 6) {
            out[1 + placed] = row.hidUsage;
            ++placed;
        }
    }
    return placed;
}

} // namespace bexlan
