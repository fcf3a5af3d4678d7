#pragma once

#include "model/key_table.h"

namespace bexlan {

// The combination rules of the key-combination window: keys pressed together form one
// combination in the order they went down; it stays shown after all are released and is
// replaced by the next press after that.
class KeyCapture {
public:
    // A mouse button's combination sends at most six keys, and a 0 must always end it.
    static constexpr int kMaxKeys = 6;

    // A key went down (also each automatic repeat of a held key).
    void KeyDown(KeyIndex key);
    // Any key came up. Releases of keys never stored (held before the window opened) only
    // count down.
    void KeyUp();

    const KeyCombination& HeldKeys() const { return m_heldKeys; }
    int HeldKeyCount() const { return m_heldKeyCount; }

private:
    KeyCombination m_heldKeys{};
    int m_heldKeyCount = 0;
};

} // namespace bexlan
