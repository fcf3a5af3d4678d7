#pragma once

#include <cstdint>
#include <optional>

#include "model/key_table.h"

namespace bexlan {

// Whether a key event is flagged "extended", as the Windows keyboard reports it: the
// separate navigation cluster, the right-hand Ctrl and Alt, the keypad's Enter and divide
// and a few others are; the keypad's digit keys are not. The key table tells the keypad
// from the cluster by this flag alone.
enum class KeyExtent : uint8_t { Normal, Extended };

// A key as the key table knows keys: a Windows virtual-key code and its extended flag.
// Code 0 is a key no row lists.
struct WindowsKey {
    int32_t virtualKey = 0;
    KeyExtent extent = KeyExtent::Normal;

    friend bool operator==(const WindowsKey&, const WindowsKey&) = default;
};

// Where a key without a hardware key code sits, for keys that exist both on the main
// block and on the numeric keypad (Qt's KeypadModifier).
enum class KeyPlace : uint8_t { MainBlock, Keypad };

// What the relay does with a key after telling the capture window.
enum class KeyDisposition : uint8_t { Swallow, PassOn };

// One key event as the platform gives it. `x11KeyCode` is the X key code (evdev code + 8),
// the same physical key whatever the layout or lock state, 0 when the platform gives none;
// `qtKey` is a Qt::Key value, used only when there is no usable key code.
struct PlatformKey {
    uint32_t x11KeyCode = 0;
    int qtKey = 0;
    KeyPlace place = KeyPlace::MainBlock;
};

struct RelayedKey {
    KeyIndex index = kUnknownKey;
    KeyDisposition disposition = KeyDisposition::Swallow;

    friend bool operator==(const RelayedKey&, const RelayedKey&) = default;
};

// The Windows key of a physical key; nullopt for key code 0 and for codes of keys this
// table does not know. Keypad keys come out as Windows reports them with Num Lock off
// (navigation codes without the extended flag), which the key table maps back to the
// keypad rows.
std::optional<WindowsKey> WindowsKeyFromX11(uint32_t keyCode);

// The Windows key of a Qt::Key value, for platforms without hardware key codes. Left and
// right modifiers cannot be told apart here and come out as the left ones. {0} for a key
// without a Windows counterpart.
WindowsKey WindowsKeyFromQtKey(int qtKey, KeyPlace place);

// The key-table row of a Windows key: non-extended navigation codes are the keypad's keys
// and become its own codes; the extended Enter is the keypad's Enter, the second row of
// code 0x0D.
KeyIndex RelayKeyIndex(WindowsKey key);

// The three lock keys pass on so that their lock state still changes; every other key is
// swallowed while a capture window holds the relay.
KeyDisposition RelayDisposition(WindowsKey key);

// The whole translation of one event: the key code where given and known, else the Qt key.
RelayedKey TranslateKey(const PlatformKey& key);

} // namespace bexlan
