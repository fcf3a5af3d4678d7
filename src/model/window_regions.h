#pragma once

#include "model/region_table.h"

#include <array>
#include <cstdint>

namespace bexlan {

struct Point {
    int32_t x;
    int32_t y;
};

struct Size {
    int32_t width;
    int32_t height;
};

// The sizes the skin images are drawn at. At run time a window takes its size from its mask
// image, so these only tie the generated skins to the region tables below.
inline constexpr Size kMainWindowSize{800, 600};
inline constexpr Size kMacroWindowSize{668, 484}; // macro editor and macro chooser
inline constexpr Size kKeyWindowSize{460, 260};

// Where each window draws its title picture, top left.
inline constexpr Point kMainTitlePosition{30, 15};
inline constexpr Point kMacroTitlePosition{20, 15}; // editor and chooser

// Macro editor: 20 regions, left, top, right, bottom. 20 names no region.
inline constexpr int kEditorRegionCount = 20;
inline constexpr int kEditorNoRegion = 20;
extern const std::array<Rect, kEditorRegionCount> EditorRegionTable;

// Where the editor shows its size counter against the budget, right-aligned.
inline constexpr Rect kEditorSizeRect{590, 114, 640, 126};

// Macro chooser: 8 regions, left, top, right, bottom. 8 names no region.
inline constexpr int kChooserRegionCount = 8;
inline constexpr int kChooserNoRegion = 8;
extern const std::array<Rect, kChooserRegionCount> ChooserRegionTable;

// Key-combination window: 0 the captured combination, 1 OK, 2 cancel; stored as left, top,
// width, height like the main table, and used converted.
inline constexpr int kKeyWindowRectCount = 3;
extern const std::array<StoredRect, kKeyWindowRectCount> KeyWindowRects;

// The list rows of the editor and the chooser: 12 pixels each, from y 112.
inline constexpr int kListRowHeight = 12;
inline constexpr int kListTop = 112;

// The first editor region containing the point, or kEditorNoRegion.
int EditorRegionAt(int x, int y);

// The first chooser region containing the point, or kChooserNoRegion.
int ChooserRegionAt(int x, int y);

// KeyWindowRects[index] converted; an empty rectangle for an index outside 0-2.
Rect KeyWindowRect(int index);

// The key window's button under the point: 1 OK, 2 cancel, 0 none.
int KeyWindowButtonAt(int x, int y);

} // namespace bexlan
