#include "model/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace bexlan {
namespace {

struct FindCase {
    int32_t virtualKey;
    int occurrence;
    KeyIndex expected;
};

TEST(KeyTable, FindKeyIndexByVirtualKeyAndOccurrence)
{
    const FindCase cases[] = {
        {0x41, 0, 46},  // A
        {0x0D, 0, 57},  // Enter
        {0x0D, 1, 102}, // (Num)Enter, the second row with 0x0D
        {0x0D, 2, 105}, // no third Enter
        {0x26, 0, 84},  // up arrow
        {0xA2, 0, 70},  // LCtrl
        {0xB3, 0, 105}, // a media key the table does not list
        {0x00, 0, 105}, // 0 ends the table rather than finding "Unknown" as a key
        {0x41, 1, 105},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindKeyIndex(c.virtualKey, c.occurrence), c.expected)
            << "vk " << c.virtualKey << " occurrence " << c.occurrence;
    }
}

// Every listed key must be reachable from its own virtual key, so a typo that duplicates a
// code or hides a row behind another shows up here.
TEST(KeyTable, EveryRowIsFoundFromItsVirtualKey)
{
    for (int row = 1; row < kUnknownKey; ++row) {
        int occurrence = 0;
        for (int earlier = 1; earlier < row; ++earlier) {
            occurrence += KeyTable[earlier].virtualKey == KeyTable[row].virtualKey ? 1 : 0;
        }
        EXPECT_EQ(FindKeyIndex(KeyTable[row].virtualKey, occurrence), row) << KeyTable[row].name;
    }
}

TEST(KeyTable, UsagesAndModifierBitsAreUnique)
{
    std::set<int> usages;
    std::set<int> bits;
    for (int row = 1; row < kUnknownKey; ++row) {
        const KeyTableRow& key = KeyTable[row];
        if (key.modifierBit != 0) {
            EXPECT_EQ(key.hidUsage, 0) << key.name;
            EXPECT_TRUE(bits.insert(key.modifierBit).second) << key.name;
        } else {
            EXPECT_TRUE(usages.insert(key.hidUsage).second) << key.name;
            EXPECT_EQ(FindKeyIndexByUsage(key.hidUsage), row) << key.name;
        }
    }
    EXPECT_EQ(bits.size(), 8u);
    for (int bit = 0; bit < 8; ++bit) {
        EXPECT_EQ(KeyTable[ModifierBitKeys[bit]].modifierBit, 1 << bit);
    }
    EXPECT_EQ(FindKeyIndexByUsage(0), kNoKey);
    EXPECT_EQ(FindKeyIndexByUsage(0xE8), std::nullopt);
}

TEST(KeyTable, RowsOutsideTheTableReadAsUnknown)
{
    EXPECT_EQ(KeyRow(105).name, "Unknown");
    EXPECT_EQ(KeyRow(106).name, "Unknown");
    EXPECT_EQ(KeyRow(255).name, "Unknown");
    EXPECT_EQ(KeyRow(0).name, "");
}

struct FormatCase {
    KeyCombination keys;
    std::string expected;
};

TEST(KeyTable, FormatKeyCombination)
{
    const FormatCase cases[] = {
        {{70, 72, 81}, "LCtrl+LAlt+Delete"},
        {{}, ""},
        {{46}, "A"},
        {{84, 85, 86, 87}, "\u25c6+\u25a0+\u25a1+\u25b3"},
        {{56, 44, 95}, "\"+\\+(Num)'+'"},
        {{46, 0, 47}, "A"}, // the first 0 ends the combination
        {{46, 200}, "A+Unknown"},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "F1+F2+F3+F4+F5+F6+F7+F8+F9+F10"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatKeyCombination(c.keys), c.expected);
    }
}

struct EncodeCase {
    const char* what;
    KeyCombination keys;
    KeyboardReportBytes expected;
    int placed;
};

TEST(KeyTable, EncodeKeyCombination)
{
    const EncodeCase cases[] = {
        {"ctrl shift a", {70, 58, 46}, {0x03, 0x04, 0, 0, 0, 0, 0}, 1},
        {"empty", {}, {0, 0, 0, 0, 0, 0, 0}, 0},
        {"eight letters keep the first six",
         {32, 33, 34, 35, 36, 37, 38, 39},
         {0, 0x14, 0x1A, 0x08, 0x15, 0x17, 0x1C},
         6},
        {"modifiers after six keys still count",
         {46, 47, 48, 49, 50, 51, 52, 75, 77, 69},
         {0x80 | 0x10 | 0x20, 0x04, 0x16, 0x07, 0x09, 0x0A, 0x0B},
         6},
        {"all eight modifiers", {70, 58, 72, 71, 77, 69, 74, 75}, {0xFF, 0, 0, 0, 0, 0, 0}, 0},
        {"keys after a 0 are ignored", {46, 0, 47}, {0, 0x04, 0, 0, 0, 0, 0}, 1},
        {"an unknown key takes a slot with usage 0", {105, 46}, {0, 0, 0x04, 0, 0, 0, 0}, 2},
        {"an index past the table acts as unknown", {250, 46}, {0, 0, 0x04, 0, 0, 0, 0}, 2},
    };
    for (const EncodeCase& c : cases) {
        KeyboardReportBytes out;
        out.fill(0xEE); // stale bytes must be overwritten
        EXPECT_EQ(EncodeKeyCombination(c.keys, out), c.placed) << c.what;
        EXPECT_EQ(out, c.expected) << c.what;
    }
}

} // namespace
} // namespace bexlan
