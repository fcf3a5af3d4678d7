#pragma once

#include "model/settings_record.h" // kNoRegion, shared with the settings

#include <array>
#include <cstdint>

namespace bexlan {

// A region's rectangle as the constant table stores it.
struct StoredRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// The converted form the window works with: left and top inclusive, right and bottom
// exclusive.
struct Rect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kRegionTableSize = 131;
static_assert(kNoRegion == kRegionTableSize, "131 names no region");

// The main window's 131 regions in client coordinates, as x, y, width, height.
extern const std::array<StoredRect, kRegionTableSize> RegionTable;

// The page a region belongs to. Basic, Advanced and Color carry the numbers of the window's
// current page (0, 1, 2); All marks the regions shown on every page; None is the answer for a
// number that is no region.
enum class Page : int32_t { Basic = 0, Advanced = 1, Color = 2, All = 3, None = 4 };

// Regions 0-55 basic, 56-86 advanced, 87-112 colour, 113-130 every page; None otherwise.
Page RegionPage(int region);

// Whether region `region` is drawn and hit while `page` is shown.
bool RegionOnPage(int region, Page page);

// left <= x < right and top <= y < bottom, so an empty rectangle contains nothing.
bool RegionContains(const Rect& rect, int x, int y);

// The same for region `region` of the converted table; false for a number outside 0-130.
bool RegionContains(int region, int x, int y);

// left = x, top = y, right = x + width, bottom = y + height.
Rect ToRect(const StoredRect& stored);

// The whole table converted, in region order.
std::array<Rect, kRegionTableSize> ConvertRegionTable();

// The converted rectangle of region `region`; an empty rectangle for a number outside 0-130.
Rect RegionRect(int region);

// The lowest-numbered region of `page` that contains the point, or kNoRegion. Regions of
// other pages are skipped, so they never hide a region of the page shown.
int RegionAt(Page page, int x, int y);

// The region a pointer event at the point acts on: RegionAt, except that the DPI scale text
// (13) stands for the DPI slider (51) below it, so a click on the scale moves the slider.
int HitTest(Page page, int x, int y);

} // namespace bexlan
