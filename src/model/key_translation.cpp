#include "model/key_translation.h"

#include <algorithm>
#include <array>

namespace bexlan {

namespace {

constexpr KeyExtent N = KeyExtent::Normal;
constexpr KeyExtent E = KeyExtent::Extended;

struct CodeKey {
    uint16_t code;
    WindowsKey key;
};

// X key codes are evdev codes + 8 on every X server and Wayland compositor that uses
// evdev or libinput; the comments name the evdev key.
constexpr uint32_t kX11Offset = 8;
constexpr auto kEvdevKeys = std::to_array<CodeKey>({
    {1, {0x1B, N}},   // ESC
    {2, {0x31, N}},   // 1
    {3, {0x32, N}},   // 2
    {4, {0x33, N}},   // 3
    {5, {0x34, N}},   // 4
    {6, {0x35, N}},   // 5
    {7, {0x36, N}},   // 6
    {8, {0x37, N}},   // 7
    {9, {0x38, N}},   // 8
    {10, {0x39, N}},  // 9
    {11, {0x30, N}},  // 0
    {12, {0xBD, N}},  // MINUS
    {13, {0xBB, N}},  // EQUAL
    {14, {0x08, N}},  // BACKSPACE
    {15, {0x09, N}},  // TAB
    {16, {0x51, N}},  // Q
    {17, {0x57, N}},  // W
    {18, {0x45, N}},  // E
    {19, {0x52, N}},  // R
    {20, {0x54, N}},  // T
    {21, {0x59, N}},  // Y
    {22, {0x55, N}},  // U
    {23, {0x49, N}},  // I
    {24, {0x4F, N}},  // O
    {25, {0x50, N}},  // P
    {26, {0xDB, N}},  // LEFTBRACE
    {27, {0xDD, N}},  // RIGHTBRACE
    {28, {0x0D, N}},  // ENTER
    {29, {0xA2, N}},  // LEFTCTRL
    {30, {0x41, N}},  // A
    {31, {0x53, N}},  // S
    {32, {0x44, N}},  // D
    {33, {0x46, N}},  // F
    {34, {0x47, N}},  // G
    {35, {0x48, N}},  // H
    {36, {0x4A, N}},  // J
    {37, {0x4B, N}},  // K
    {38, {0x4C, N}},  // L
    {39, {0xBA, N}},  // SEMICOLON
    {40, {0xDE, N}},  // APOSTROPHE
    {41, {0xC0, N}},  // GRAVE
    {42, {0xA0, N}},  // LEFTSHIFT
    {43, {0xDC, N}},  // BACKSLASH
    {44, {0x5A, N}},  // Z
    {45, {0x58, N}},  // X
    {46, {0x43, N}},  // C
    {47, {0x56, N}},  // V
    {48, {0x42, N}},  // B
    {49, {0x4E, N}},  // N
    {50, {0x4D, N}},  // M
    {51, {0xBC, N}},  // COMMA
    {52, {0xBE, N}},  // DOT
    {53, {0xBF, N}},  // SLASH
    {54, {0xA1, N}},  // RIGHTSHIFT
    {55, {0x6A, N}},  // KPASTERISK
    {56, {0xA4, N}},  // LEFTALT
    {57, {0x20, N}},  // SPACE
    {58, {0x14, N}},  // CAPSLOCK
    {59, {0x70, N}},  // F1
    {60, {0x71, N}},  // F2
    {61, {0x72, N}},  // F3
    {62, {0x73, N}},  // F4
    {63, {0x74, N}},  // F5
    {64, {0x75, N}},  // F6
    {65, {0x76, N}},  // F7
    {66, {0x77, N}},  // F8
    {67, {0x78, N}},  // F9
    {68, {0x79, N}},  // F10
    {69, {0x90, E}},  // NUMLOCK
    {70, {0x91, N}},  // SCROLLLOCK
    {71, {0x24, N}},  // KP7
    {72, {0x26, N}},  // KP8
    {73, {0x21, N}},  // KP9
    {74, {0x6D, N}},  // KPMINUS
    {75, {0x25, N}},  // KP4
    {76, {0x0C, N}},  // KP5
    {77, {0x27, N}},  // KP6
    {78, {0x6B, N}},  // KPPLUS
    {79, {0x23, N}},  // KP1
    {80, {0x28, N}},  // KP2
    {81, {0x22, N}},  // KP3
    {82, {0x2D, N}},  // KP0
    {83, {0x2E, N}},  // KPDOT
    {86, {0xE2, N}},  // 102ND, the extra key left of Z on ISO keyboards
    {87, {0x7A, N}},  // F11
    {88, {0x7B, N}},  // F12
    {96, {0x0D, E}},  // KPENTER
    {97, {0xA3, E}},  // RIGHTCTRL
    {98, {0x6F, E}},  // KPSLASH
    {99, {0x2C, E}},  // SYSRQ (Print Screen)
    {100, {0xA5, E}}, // RIGHTALT
    {102, {0x24, E}}, // HOME
    {103, {0x26, E}}, // UP
    {104, {0x21, E}}, // PAGEUP
    {105, {0x25, E}}, // LEFT
    {106, {0x27, E}}, // RIGHT
    {107, {0x23, E}}, // END
    {108, {0x28, E}}, // DOWN
    {109, {0x22, E}}, // PAGEDOWN
    {110, {0x2D, E}}, // INSERT
    {111, {0x2E, E}}, // DELETE
    {113, {0xAD, E}}, // MUTE
    {114, {0xAE, E}}, // VOLUMEDOWN
    {115, {0xAF, E}}, // VOLUMEUP
    {119, {0x13, N}}, // PAUSE
    {125, {0x5B, E}}, // LEFTMETA
    {126, {0x5C, E}}, // RIGHTMETA
    {127, {0x5D, E}}, // COMPOSE (the menu key)
    {163, {0xB0, E}}, // NEXTSONG
    {164, {0xB3, E}}, // PLAYPAUSE
    {165, {0xB1, E}}, // PREVIOUSSONG
    {166, {0xB2, E}}, // STOPCD
});

constexpr bool sortedByCode()
{
    for (std::size_t i = 1; i < kEvdevKeys.size(); ++i) {
        if (kEvdevKeys[i - 1].code >= kEvdevKeys[i].code)
            return false;
    }
    return true;
}
static_assert(sortedByCode(), "the evdev table is searched by halves");

// Qt::Key values; kept as plain numbers so that model/ needs no Qt.
enum QtKey : int {
    QtKeySpace = 0x20,
    QtKeyEscape = 0x01000000,
    QtKeyTab = 0x01000001,
    QtKeyBacktab = 0x01000002,
    QtKeyBackspace = 0x01000003,
    QtKeyReturn = 0x01000004,
    QtKeyEnter = 0x01000005, // the keypad's Enter
    QtKeyInsert = 0x01000006,
    QtKeyDelete = 0x01000007,
    QtKeyPause = 0x01000008,
    QtKeyPrint = 0x01000009,
    QtKeyClear = 0x0100000b,
    QtKeyHome = 0x01000010,
    QtKeyEnd = 0x01000011,
    QtKeyLeft = 0x01000012,
    QtKeyUp = 0x01000013,
    QtKeyRight = 0x01000014,
    QtKeyDown = 0x01000015,
    QtKeyPageUp = 0x01000016,
    QtKeyPageDown = 0x01000017,
    QtKeyShift = 0x01000020,
    QtKeyControl = 0x01000021,
    QtKeyMeta = 0x01000022,
    QtKeyAlt = 0x01000023,
    QtKeyCapsLock = 0x01000024,
    QtKeyNumLock = 0x01000025,
    QtKeyScrollLock = 0x01000026,
    QtKeyF1 = 0x01000030,
    QtKeyF12 = 0x0100003b,
    QtKeySuperL = 0x01000053,
    QtKeySuperR = 0x01000054,
    QtKeyMenu = 0x01000055,
    QtKeyVolumeDown = 0x01000070,
    QtKeyVolumeMute = 0x01000071,
    QtKeyVolumeUp = 0x01000072,
    QtKeyMediaPlay = 0x01000080,
    QtKeyMediaStop = 0x01000081,
    QtKeyMediaPrevious = 0x01000082,
    QtKeyMediaNext = 0x01000083,
    QtKeyAltGr = 0x01001103,
};

// Printable keys carry their character (upper case for letters). The shifted symbols of a
// US keyboard name the key they sit on.
std::optional<int32_t> virtualKeyOfCharacter(int qtKey)
{
    if ((qtKey >= 'A' && qtKey <= 'Z') || (qtKey >= '0' && qtKey <= '9'))
        return qtKey;
    switch (qtKey) {
    case ' ':
        return 0x20;
    case '!':
        return '1';
    case '@':
        return '2';
    case '#':
        return '3';
    case '$':
        return '4';
    case '%':
        return '5';
    case '^':
        return '6';
    case '&':
        return '7';
    case '*':
        return '8';
    case '(':
        return '9';
    case ')':
        return '0';
    case '-':
    case '_':
        return 0xBD;
    case '=':
    case '+':
        return 0xBB;
    case '[':
    case '{':
        return 0xDB;
    case ']':
    case '}':
        return 0xDD;
    case '\\':
    case '|':
        return 0xDC;
    case ';':
    case ':':
        return 0xBA;
    case '\'':
    case '"':
        return 0xDE;
    case '`':
    case '~':
        return 0xC0;
    case ',':
    case '<':
        return 0xBC;
    case '.':
    case '>':
        return 0xBE;
    case '/':
    case '?':
        return 0xBF;
    default:
        return std::nullopt;
    }
}

// Keys of the numeric keypad, with Num Lock on (digits) or off (navigation keys).
std::optional<WindowsKey> keypadKey(int qtKey)
{
    if (qtKey >= '0' && qtKey <= '9')
        return WindowsKey{0x60 + (qtKey - '0'), N};
    switch (qtKey) {
    case '*':
        return WindowsKey{0x6A, N};
    case '-':
        return WindowsKey{0x6D, N};
    case '+':
        return WindowsKey{0x6B, N};
    case '/':
        return WindowsKey{0x6F, E};
    case '.':
    case ',':
        return WindowsKey{0x6E, N};
    case QtKeyEnter:
    case QtKeyReturn:
        return WindowsKey{0x0D, E};
    case QtKeyClear:
        return WindowsKey{0x0C, N};
    default:
        return std::nullopt;
    }
}

std::optional<int32_t> navigationKey(int qtKey)
{
    switch (qtKey) {
    case QtKeyInsert:
        return 0x2D;
    case QtKeyDelete:
        return 0x2E;
    case QtKeyHome:
        return 0x24;
    case QtKeyEnd:
        return 0x23;
    case QtKeyPageUp:
        return 0x21;
    case QtKeyPageDown:
        return 0x22;
    case QtKeyLeft:
        return 0x25;
    case QtKeyUp:
        return 0x26;
    case QtKeyRight:
        return 0x27;
    case QtKeyDown:
        return 0x28;
    default:
        return std::nullopt;
    }
}

WindowsKey specialKey(int qtKey)
{
    if (qtKey >= QtKeyF1 && qtKey <= QtKeyF12)
        return {0x70 + (qtKey - QtKeyF1), N};
    switch (qtKey) {
    case QtKeyEscape:
        return {0x1B, N};
    case QtKeyTab:
    case QtKeyBacktab:
        return {0x09, N};
    case QtKeyBackspace:
        return {0x08, N};
    case QtKeyReturn:
        return {0x0D, N};
    case QtKeyEnter:
        return {0x0D, E};
    case QtKeyPause:
        return {0x13, N};
    case QtKeyPrint:
        return {0x2C, E};
    case QtKeyShift:
        return {0xA0, N};
    case QtKeyControl:
        return {0xA2, N};
    case QtKeyAlt:
        return {0xA4, N};
    case QtKeyAltGr:
        return {0xA5, E};
    case QtKeyMeta:
    case QtKeySuperL:
        return {0x5B, E};
    case QtKeySuperR:
        return {0x5C, E};
    case QtKeyMenu:
        return {0x5D, E};
    case QtKeyCapsLock:
        return {0x14, N};
    case QtKeyNumLock:
        return {0x90, E};
    case QtKeyScrollLock:
        return {0x91, N};
    case QtKeyVolumeMute:
        return {0xAD, E};
    case QtKeyVolumeDown:
        return {0xAE, E};
    case QtKeyVolumeUp:
        return {0xAF, E};
    case QtKeyMediaNext:
        return {0xB0, E};
    case QtKeyMediaPrevious:
        return {0xB1, E};
    case QtKeyMediaStop:
        return {0xB2, E};
    case QtKeyMediaPlay:
        return {0xB3, E};
    default:
        return {};
    }
}

// Navigation codes that, without the extended flag, came from the keypad, with the code
// of the keypad key they stand for.
constexpr std::array<std::pair<int32_t, int32_t>, 11> kKeypadCodes{{
    {0x0C, 0x65},
    {0x21, 0x69},
    {0x22, 0x63},
    {0x23, 0x61},
    {0x24, 0x67},
    {0x25, 0x64},
    {0x26, 0x68},
    {0x27, 0x66},
    {0x28, 0x62},
    {0x2D, 0x60},
    {0x2E, 0x6E},
}};

constexpr int32_t kEnterKey = 0x0D;

} // namespace

std::optional<WindowsKey> WindowsKeyFromX11(uint32_t keyCode)
{
    if (keyCode < kX11Offset)
        return std::nullopt;
    const uint32_t evdev = keyCode - kX11Offset;
    const auto* found =
        std::lower_bound(kEvdevKeys.begin(), kEvdevKeys.end(), evdev,
                         [](const CodeKey& entry, uint32_t code) { return entry.code < code; });
    if (found == kEvdevKeys.end() || found->code != evdev)
        return std::nullopt;
    return found->key;
}

WindowsKey WindowsKeyFromQtKey(int qtKey, KeyPlace place)
{
    if (place == KeyPlace::Keypad) {
        if (auto key = keypadKey(qtKey))
            return *key;
        // Num Lock off: the keypad's navigation keys, not flagged extended.
        if (auto code = navigationKey(qtKey))
            return {*code, N};
    }
    if (auto code = navigationKey(qtKey))
        return {*code, E};
    if (auto code = virtualKeyOfCharacter(qtKey))
        return {*code, N};
    return specialKey(qtKey);
}

KeyIndex RelayKeyIndex(WindowsKey key)
{
    // Only the low 16 bits are a virtual-key code.
    int32_t code = key.virtualKey & 0xFFFF;
    if (key.extent == KeyExtent::Normal) {
        for (const auto& [navigation, keypad] : kKeypadCodes) {
            if (code == navigation) {
                code = keypad;
                break;
            }
        }
    }
    const int occurrence = key.extent == KeyExtent::Extended && code == kEnterKey ? 1 : 0;
    return FindKeyIndex(code, occurrence);
}

KeyDisposition RelayDisposition(WindowsKey key)
{
    switch (key.virtualKey & 0xFFFF) {
    case 0x90: // Num Lock
    case 0x14: // Caps Lock
    case 0x91: // Scroll Lock
        return KeyDisposition::PassOn;
    default:
        return KeyDisposition::Swallow;
    }
}

RelayedKey TranslateKey(const PlatformKey& key)
{
    const WindowsKey windowsKey =
        WindowsKeyFromX11(key.x11KeyCode).value_or(WindowsKeyFromQtKey(key.qtKey, key.place));
    return {RelayKeyIndex(windowsKey), RelayDisposition(windowsKey)};
}

} // namespace bexlan
