#include "model/window_regions.h"

#include <cstddef>

namespace bexlan {

const std::array<Rect, kEditorRegionCount> EditorRegionTable = {{
    {255, 112, 640, 364}, // 0  event list, 20 rows and the held-keys row
    {90, 286, 130, 299},  // 1  delay value
    {18, 230, 200, 247},  // 2  check box: delay after press
    {18, 250, 200, 267},  // 3  check box: delay after release
    {18, 280, 84, 303},   // 4  insert delay
    {18, 310, 84, 333},   // 5  delete
    {94, 310, 160, 333},  // 6  clear
    {18, 160, 84, 183},   // 7  left button
    {170, 160, 236, 183}, // 8  right button
    {94, 160, 160, 183},  // 9  middle button
    {18, 130, 84, 153},   // 10 button five
    {18, 190, 84, 213},   // 11 button four
    {94, 130, 160, 153},  // 12 wheel up
    {94, 190, 160, 213},  // 13 wheel down
    {145, 280, 165, 290}, // 14 delay up
    {145, 292, 165, 302}, // 15 delay down
    {577, 16, 611, 38},   // 16 minimise
    {617, 16, 651, 38},   // 17 close
    {481, 427, 558, 457}, // 18 OK
    {568, 427, 644, 457}, // 19 cancel
}};

const std::array<Rect, kChooserRegionCount> ChooserRegionTable = {{
    {15, 93, 160, 105},   // 0 list header
    {255, 93, 350, 105},  // 1 preview header
    {15, 112, 200, 364},  // 2 macro list, 21 rows
    {255, 112, 640, 364}, // 3 event preview, 21 rows
    {577, 16, 611, 38},   // 4 minimise box, no action
    {617, 16, 651, 38},   // 5 close
    {481, 427, 558, 457}, // 6 OK
    {568, 427, 644, 457}, // 7 cancel
}};

const std::array<StoredRect, kKeyWindowRectCount> KeyWindowRects = {{
    {33, 98, 300, 18},  // captured combination
    {312, 207, 58, 28}, // OK
    {379, 207, 60, 28}, // cancel
}};

namespace {

template <std::size_t N>
int firstContaining(const std::array<Rect, N>& rects, int x, int y)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (RegionContains(rects[i], x, y)) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(N);
}

} // namespace

int EditorRegionAt(int x, int y)
{
    return firstContaining(EditorRegionTable, x, y);
}

int ChooserRegionAt(int x, int y)
{
    return firstContaining(ChooserRegionTable, x, y);
}

Rect KeyWindowRect(int index)
{
    if (index < 0 || index >= kKeyWindowRectCount) {
        return Rect{0, 0, 0, 0};
    }
    return ToRect(KeyWindowRects[index]);
}

int KeyWindowButtonAt(int x, int y)
{
    for (int button = 1; button <= 2; ++button) {
        if (RegionContains(KeyWindowRect(button), x, y)) {
            return button;
        }
    }
    return 0;
}

} // namespace bexlan
