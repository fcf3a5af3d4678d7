#include "model/key_capture.h"

namespace bexlan {

void KeyCapture::KeyDown(KeyIndex key)
{
    // Row 0 is no key: storing it would leave the place empty yet count it as held.
    if (key == kNoKey)
        return;
    if (m_heldKeyCount == 0)
        m_heldKeys.fill(kNoKey);
    for (int place = 0; place < kMaxKeys; ++place) {
        if (m_heldKeys[place] == key)
            return; // a repeat of a held key
        if (m_heldKeys[place] == kNoKey) {
            m_heldKeys[place] = key;
            ++m_heldKeyCount;
            return;
        }
    }
}

void KeyCapture::KeyUp()
{
    if (m_heldKeyCount > 0)
        --m_heldKeyCount;
}

} // namespace bexlan
