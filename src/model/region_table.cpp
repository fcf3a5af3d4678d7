#include "model/region_table.h"

namespace bexlan {

// x, y, width, height in client coordinates of the main window. Regions without a place on
// screen (tabs of the colour page, steppers without arrows, spare numbers) are all zero.
const std::array<StoredRect, kRegionTableSize> RegionTable = {{
    // Basic page: the ten button slots.
    {284, 157, 100, 24}, // 0  button 1, shown only
    {284, 185, 124, 24}, // 1
    {284, 214, 124, 24}, // 2
    {284, 242, 124, 24}, // 3
    {284, 271, 124, 24}, // 4
    {284, 300, 124, 24}, // 5
    {284, 329, 124, 24}, // 6
    {284, 357, 124, 24}, // 7
    {284, 386, 124, 24}, // 8
    {284, 414, 124, 24}, // 9
    // Panel captions and the DPI scale.
    {443, 92, 108, 20},  // 10 lighting
    {443, 299, 108, 20}, // 11 report rate
    {443, 402, 108, 20}, // 12 DPI
    {454, 442, 237, 12}, // 13 DPI scale text
    // Lighting.
    {451, 144, 78, 18}, // 14 single colour
    {530, 144, 78, 18}, // 15 colourful
    {609, 144, 78, 18}, // 16 breathing
    {735, 142, 20, 10}, // 17 HShine up
    {735, 152, 20, 10}, // 18 HShine down
    {0, 0, 0, 0},       // 19
    // Report rate.
    {480, 350, 60, 18}, // 20 125 Hz
    {542, 350, 60, 18}, // 21 250 Hz
    {605, 350, 60, 18}, // 22 500 Hz
    {674, 350, 60, 18}, // 23 1000 Hz
    // The three lights: off, on, up, down.
    {530, 179, 78, 18}, // 24
    {609, 179, 78, 18}, // 25
    {735, 177, 20, 10}, // 26
    {735, 187, 20, 10}, // 27
    {530, 214, 78, 18}, // 28
    {609, 214, 78, 18}, // 29
    {735, 214, 20, 10}, // 30
    {735, 224, 20, 10}, // 31
    {530, 249, 78, 18}, // 32
    {609, 249, 78, 18}, // 33
    {735, 249, 20, 10}, // 34
    {735, 259, 20, 10}, // 35
    // Lighting numbers.
    {700, 144, 35, 16}, // 36 HShine
    {700, 179, 35, 16}, // 37 RLED
    {700, 214, 35, 16}, // 38 YLED
    {700, 250, 35, 16}, // 39 GLED
    {0, 0, 0, 0},       // 40
    {0, 0, 0, 0},       // 41
    {0, 0, 0, 0},       // 42
    {0, 0, 0, 0},       // 43
    {0, 0, 0, 0},       // 44
    {0, 0, 0, 0},       // 45
    // DPI.
    {743, 446, 20, 10},  // 46 up
    {743, 456, 20, 10},  // 47 down
    {0, 0, 0, 0},        // 48
    {0, 0, 0, 0},        // 49
    {0, 0, 0, 0},        // 50
    {432, 454, 237, 16}, // 51 slider track
    {0, 0, 0, 0},        // 52
    {0, 0, 0, 0},        // 53
    {0, 0, 0, 0},        // 54
    {708, 447, 35, 16},  // 55 number
    // Advanced page.
    {0, 0, 0, 0},         // 56
    {29, 151, 95, 21},    // 57 pointer-speed caption
    {29, 259, 95, 21},    // 58 wheel-speed caption
    {29, 366, 95, 21},    // 59 double-click caption
    {546, 153, 83, 21},   // 60 macro panel caption
    {411, 235, 48, 20},   // 61 rename
    {480, 262, 74, 20},   // 62 macro message caption
    {646, 208, 100, 20},  // 63 macro list caption
    {586, 262, 50, 22},   // 64 open
    {586, 304, 50, 22},   // 65 save
    {581, 346, 59, 22},   // 66 save as
    {583, 388, 55, 22},   // 67 delete
    {470, 415, 84, 23},   // 68 edit
    {37, 216, 130, 18},   // 69 enhanced precision
    {33, 302, 16, 16},    // 70 wheel by lines
    {33, 323, 140, 16},   // 71 wheel by screen
    {318, 191, 20, 10},   // 72 speed up
    {318, 201, 20, 10},   // 73 speed down
    {318, 297, 20, 10},   // 74 scroll up
    {318, 307, 20, 10},   // 75 scroll down
    {318, 408, 20, 10},   // 76 double-click up
    {318, 418, 20, 10},   // 77 double-click down
    {45, 198, 237, 16},   // 78 speed slider
    {45, 306, 237, 16},   // 79 scroll slider
    {45, 416, 237, 16},   // 80 double-click slider
    {470, 236, 100, 18},  // 81 name edit
    {292, 193, 26, 16},   // 82 speed number
    {292, 299, 26, 16},   // 83 scroll number
    {292, 409, 26, 16},   // 84 double-click number
    {461, 295, 112, 110}, // 85 macro status
    {649, 230, 115, 240}, // 86 macro list
    // Colour page, never shown.
    {0, 0, 0, 0},         // 87
    {502, 188, 50, 18},   // 88
    {568, 188, 50, 18},   // 89
    {628, 188, 50, 18},   // 90
    {687, 188, 50, 18},   // 91
    {502, 290, 50, 18},   // 92
    {568, 290, 50, 18},   // 93
    {628, 290, 50, 18},   // 94
    {687, 290, 50, 18},   // 95
    {281, 172, 85, 22},   // 96
    {486, 138, 85, 22},   // 97
    {486, 240, 85, 22},   // 98
    {486, 339, 85, 22},   // 99
    {289, 429, 83, 20},   // 100
    {363, 393, 84, 22},   // 101
    {486, 437, 85, 22},   // 102
    {250, 227, 150, 150}, // 103 colour ring
    {304, 393, 49, 22},   // 104 current colour
    {492, 384, 30, 30},   // 105 swatches C1-C8
    {522, 384, 30, 30},   // 106
    {552, 384, 30, 30},   // 107
    {582, 384, 30, 30},   // 108
    {612, 384, 30, 30},   // 109
    {642, 384, 30, 30},   // 110
    {672, 384, 30, 30},   // 111
    {702, 384, 30, 30},   // 112
    // Every page.
    {0, 0, 0, 0},        // 113
    {22, 480, 80, 22},   // 114 profile caption
    {21, 510, 50, 22},   // 115 profile slots 1-5
    {92, 510, 50, 22},   // 116
    {164, 510, 50, 22},  // 117
    {235, 510, 50, 22},  // 118
    {307, 510, 50, 22},  // 119
    {21, 552, 105, 23},  // 120 load
    {146, 552, 105, 23}, // 121 save menu
    {272, 552, 105, 23}, // 122 factory
    {709, 16, 34, 22},   // 123 minimise
    {749, 16, 34, 22},   // 124 close
    {13, 80, 165, 36},   // 125 basic tab
    {182, 80, 165, 36},  // 126 advanced tab
    {0, 0, 0, 0},        // 127 colour tab
    {527, 543, 80, 30},  // 128 OK
    {614, 543, 80, 30},  // 129 apply
    {701, 543, 80, 30},  // 130 cancel
}};

namespace {

constexpr int kDpiScaleRegion = 13;
constexpr int kDpiSliderRegion = 51;

bool isRegion(int region)
{
    return region >= 0 && region < kRegionTableSize;
}

} // namespace

Page RegionPage(int region)
{
    if (!isRegion(region)) {
        return Page::None;
    }
    if (region <= 55) {
        return Page::Basic;
    }
    if (region <= 86) {
        return Page::Advanced;
    }
    if (region <= 112) {
        return Page::Color;
    }
    return Page::All;
}

bool RegionOnPage(int region, Page page)
{
    const Page own = RegionPage(region);
    if (own == Page::None || page == Page::None) {
        return false;
    }
    return own == Page::All || own == page;
}

bool RegionContains(const Rect& rect, int x, int y)
{
    return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

bool RegionContains(int region, int x, int y)
{
    return isRegion(region) && RegionContains(RegionRect(region), x, y);
}

Rect ToRect(const StoredRect& stored)
{
    return Rect{stored.x, stored.y, stored.x + stored.width, stored.y + stored.height};
}

std::array<Rect, kRegionTableSize> ConvertRegionTable()
{
    std::array<Rect, kRegionTableSize> rects{};
    for (int r = 0; r < kRegionTableSize; ++r) {
        rects[r] = ToRect(RegionTable[r]);
    }
    return rects;
}

Rect RegionRect(int region)
{
    if (!isRegion(region)) {
        return Rect{0, 0, 0, 0};
    }
    return ToRect(RegionTable[region]);
}

int RegionAt(Page page, int x, int y)
{
    for (int r = 0; r < kRegionTableSize; ++r) {
        if (RegionOnPage(r, page) && RegionContains(r, x, y)) {
            return r;
        }
    }
    return kNoRegion;
}

int HitTest(Page page, int x, int y)
{
    const int region = RegionAt(page, x, y);
    return region == kDpiScaleRegion ? kDpiSliderRegion : region;
}

} // namespace bexlan
