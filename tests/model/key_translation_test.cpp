#include "model/key_translation.h"

#include <gtest/gtest.h>

#include <string>

using namespace bexlan;

namespace {

// Qt::Key values and the keypad flag, as the relay passes them when the platform gives no
// key code.
constexpr int kQtKeyA = 0x41;
constexpr int kQtKeyReturn = 0x01000004;
constexpr int kQtKeyEnter = 0x01000005;
constexpr int kQtKeyUp = 0x01000013;
constexpr int kQtKeyCapsLock = 0x01000024;
constexpr int kQtKeyVolumeUp = 0x01000072;
constexpr int kQtKeyControl = 0x01000021;

struct Case {
    std::string name;
    PlatformKey key;
    KeyIndex expected;
    KeyDisposition disposition = KeyDisposition::Swallow;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class TranslateKeyTest : public testing::TestWithParam<Case> {};

TEST_P(TranslateKeyTest, GivesTheKeyTableRow)
{
    const Case& c = GetParam();
    const RelayedKey relayed = TranslateKey(c.key);
    EXPECT_EQ(relayed.index, c.expected) << KeyRow(relayed.index).name;
    EXPECT_EQ(relayed.disposition, c.disposition);
}

// X key codes measured on an X server: A 38, Return 36, KP_Enter 104, the keypad's 8 with
// Num Lock off 80, Up 111, Control_L 37.
INSTANTIATE_TEST_SUITE_P(
    X11KeyCodes, TranslateKeyTest,
    testing::Values(Case{"A", {38, 0}, 46}, Case{"MainEnter", {36, 0}, 57},
                    Case{"KeypadEnter", {104, 0}, 102}, Case{"Keypad8", {80, 0}, 93},
                    Case{"UpArrow", {111, 0}, 84}, Case{"LeftControl", {37, 0}, 70},
                    Case{"RightControl", {105, 0}, 77}, Case{"Keypad5", {84, 0}, 97},
                    Case{"KeypadDot", {91, 0}, 104}, Case{"Delete", {119, 0}, 81},
                    Case{"KeypadSlash", {106, 0}, 89},
                    Case{"CapsLockPasses", {66, 0}, 45, KeyDisposition::PassOn},
                    Case{"NumLockPasses", {77, 0}, 88, KeyDisposition::PassOn},
                    Case{"ScrollLockPasses", {78, 0}, 15, KeyDisposition::PassOn},
                    Case{"VolumeUpIsUnknown", {123, 0}, kUnknownKey},
                    // The key code wins over a Qt key of another layout (AZERTY's Q).
                    Case{"PhysicalKeyWins", {38, 'Q'}, 46}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    QtKeysWithoutKeyCode, TranslateKeyTest,
    testing::Values(Case{"A", {0, kQtKeyA}, 46}, Case{"Return", {0, kQtKeyReturn}, 57},
                    Case{"KeypadEnter", {0, kQtKeyEnter, KeyPlace::Keypad}, 102},
                    Case{"Keypad8NumLockOff", {0, kQtKeyUp, KeyPlace::Keypad}, 93},
                    Case{"Keypad8NumLockOn", {0, '8', KeyPlace::Keypad}, 93},
                    Case{"UpArrow", {0, kQtKeyUp}, 84}, Case{"Control", {0, kQtKeyControl}, 70},
                    Case{"ShiftedSymbolNamesItsKey", {0, '!'}, 18},
                    Case{"CapsLockPasses", {0, kQtKeyCapsLock}, 45, KeyDisposition::PassOn},
                    Case{"VolumeUpIsUnknown", {0, kQtKeyVolumeUp}, kUnknownKey},
                    Case{"NothingIsUnknown", {0, 0}, kUnknownKey},
                    // An X code this table does not know falls back on the Qt key.
                    Case{"UnlistedKeyCodeFallsBack", {250, kQtKeyA}, 46}),
    [](const auto& info) { return info.param.name; });

TEST(RelayKeyIndex, KeypadRuleAppliesOnlyToNonExtendedNavigationCodes)
{
    struct Rule {
        WindowsKey key;
        KeyIndex expected;
    };
    const Rule rules[] = {
        {{0x0C, KeyExtent::Normal}, 97},    // keypad 5 with Num Lock off
        {{0x2E, KeyExtent::Normal}, 104},   // keypad decimal point with Num Lock off
        {{0x2E, KeyExtent::Extended}, 81},  // the separate Delete key
        {{0x24, KeyExtent::Normal}, 92},    // keypad 7
        {{0x24, KeyExtent::Extended}, 79},  // Home
        {{0x0D, KeyExtent::Normal}, 57},    // main Enter
        {{0x0D, KeyExtent::Extended}, 102}, // keypad Enter
        {{0x10041, KeyExtent::Normal}, 46}, // only the low 16 bits are the code
        {{-1, KeyExtent::Normal}, kUnknownKey},
    };
    for (const Rule& rule : rules)
        EXPECT_EQ(RelayKeyIndex(rule.key), rule.expected) << std::hex << rule.key.virtualKey;
}

TEST(WindowsKeyFromX11, RejectsCodesItDoesNotKnow)
{
    EXPECT_EQ(WindowsKeyFromX11(0), std::nullopt);
    EXPECT_EQ(WindowsKeyFromX11(7), std::nullopt);
    EXPECT_EQ(WindowsKeyFromX11(255), std::nullopt);
    EXPECT_EQ(WindowsKeyFromX11(9), (WindowsKey{0x1B, KeyExtent::Normal})); // Escape
}

TEST(WindowsKeyFromX11, EveryMainBlockKeyReachesItsOwnRow)
{
    // Each of the 104 keys of a full keyboard that the table names must be reachable by
    // exactly one key code; duplicates or gaps would make a key unrecordable.
    std::array<int, kKeyTableSize> hits{};
    for (uint32_t code = 8; code < 256; ++code) {
        if (auto key = WindowsKeyFromX11(code))
            ++hits[RelayKeyIndex(*key)];
    }
    for (int row = 1; row < kUnknownKey; ++row)
        EXPECT_EQ(hits[row], 1) << "row " << row << " " << KeyRow(static_cast<KeyIndex>(row)).name;
}

} // namespace
