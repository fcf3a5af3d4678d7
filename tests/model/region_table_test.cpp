#include "model/region_table.h"
#include "model/window_regions.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace bexlan {
namespace {

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(RegionTable, ConvertsToRightAndBottomExclusive)
{
    EXPECT_EQ(ToRect(StoredRect{470, 236, 100, 18}), (Rect{470, 236, 570, 254}));
    EXPECT_EQ(ToRect(StoredRect{0, 0, 0, 0}), (Rect{0, 0, 0, 0}));

    const auto rects = ConvertRegionTable();
    for (int r = 0; r < kRegionTableSize; ++r) {
        EXPECT_EQ(rects[r], ToRect(RegionTable[r])) << "region " << r;
        EXPECT_EQ(rects[r], RegionRect(r)) << "region " << r;
    }
    // The edit box sits exactly on region 81, and the DPI slider where its thumb math expects.
    EXPECT_EQ(rects[81], (Rect{470, 236, 570, 254}));
    EXPECT_EQ(rects[51], (Rect{432, 454, 669, 470}));
}

TEST(RegionTable, EdgeRuleIncludesLeftTopExcludesRightBottom)
{
    const Rect r{10, 20, 30, 40};
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {10, 20, true}, {29, 39, true},  {30, 20, false}, {10, 40, false},
        {9, 25, false}, {15, 19, false}, {29, 40, false}, {30, 39, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegionContains(r, c.x, c.y), c.inside) << c.x << "," << c.y;
    }
    EXPECT_FALSE(RegionContains(Rect{5, 5, 5, 5}, 5, 5));
}

TEST(RegionTable, EmptyRegionsAreExactlyTheUnplacedOnes)
{
    const std::set<int> expected = {19, 40, 41, 42, 43, 44, 45,  48, 49,
                                    50, 52, 53, 54, 56, 87, 113, 127};
    std::set<int> empty;
    for (int r = 0; r < kRegionTableSize; ++r) {
        if (RegionRect(r).isEmpty()) {
            empty.insert(r);
            EXPECT_FALSE(RegionContains(r, 0, 0)) << r;
        }
    }
    EXPECT_EQ(empty, expected);
}

TEST(RegionTable, OnlyRegions70And79OverlapOnOnePage)
{
    // Catches a mistyped rectangle: any other overlap within a page shown would make a
    // region unreachable in part.
    std::set<std::pair<int, int>> overlaps;
    for (int a = 0; a < kRegionTableSize; ++a) {
        for (int b = a + 1; b < kRegionTableSize; ++b) {
            const Page pa = RegionPage(a);
            const Page pb = RegionPage(b);
            const bool samePage = pa == pb || pa == Page::All || pb == Page::All;
            if (samePage && pa != Page::Color && pb != Page::Color &&
                overlap(RegionRect(a), RegionRect(b))) {
                overlaps.insert({a, b});
            }
        }
    }
    EXPECT_EQ(overlaps, (std::set<std::pair<int, int>>{{70, 79}}));
}

TEST(RegionTable, PagesByNumber)
{
    const std::pair<int, Page> cases[] = {
        {0, Page::Basic},  {55, Page::Basic},  {56, Page::Advanced}, {86, Page::Advanced},
        {87, Page::Color}, {112, Page::Color}, {113, Page::All},     {130, Page::All},
        {131, Page::None}, {-1, Page::None},
    };
    for (const auto& [region, page] : cases) {
        EXPECT_EQ(RegionPage(region), page) << region;
    }
    EXPECT_TRUE(RegionOnPage(128, Page::Basic));
    EXPECT_TRUE(RegionOnPage(128, Page::Advanced));
    EXPECT_FALSE(RegionOnPage(60, Page::Basic));
    EXPECT_FALSE(RegionOnPage(kNoRegion, Page::Basic));
    EXPECT_FALSE(RegionContains(kNoRegion, 0, 0));
    EXPECT_TRUE(RegionRect(-1).isEmpty());
}

TEST(RegionTable, HitTestTakesLowestNumberOfThePageShown)
{
    struct Case {
        Page page;
        int x, y;
        int region;
    };
    const Case cases[] = {
        {Page::Advanced, 45, 306, 70},      // common square of 70 and 79
        {Page::Advanced, 48, 317, 70},      // its far corner
        {Page::Advanced, 49, 306, 79},      // just right of 70
        {Page::Basic, 500, 453, 51},        // DPI scale text acts as the slider
        {Page::Basic, 500, 454, 51},        // first row of the slider proper
        {Page::Basic, 690, 450, 51},        // scale beyond the slider's right end
        {Page::Basic, 320, 195, 1},         // button 2 slot
        {Page::Advanced, 320, 195, 72},     // the speed arrow over the hidden slot
        {Page::Basic, 260, 230, kNoRegion}, // the colour ring (103) is never hit
        {Page::Basic, 783, 16, kNoRegion},  // right edge of the close box
        {Page::Advanced, 782, 37, 124},     // close box on every page
        {Page::Basic, 0, 0, kNoRegion},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTest(c.page, c.x, c.y), c.region)
            << "page " << static_cast<int>(c.page) << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(RegionAt(Page::Basic, 500, 453), 13);
}

TEST(WindowRegions, MacroWindowsFindTheirRegions)
{
    struct Case {
        int x, y;
        int editor, chooser;
    };
    const Case cases[] = {
        {255, 112, 0, 3},  {639, 363, 0, 3},  {640, 363, 20, 8}, {20, 200, 11, 2},
        {150, 285, 14, 2}, {150, 291, 20, 2}, {620, 20, 17, 5},  {481, 427, 18, 6},
        {644, 456, 20, 8}, {100, 100, 20, 0}, {0, 0, 20, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditorRegionAt(c.x, c.y), c.editor) << c.x << "," << c.y;
        EXPECT_EQ(ChooserRegionAt(c.x, c.y), c.chooser) << c.x << "," << c.y;
    }
}

TEST(WindowRegions, KeyWindowButtons)
{
    EXPECT_EQ(KeyWindowRect(1), (Rect{312, 207, 370, 235}));
    EXPECT_TRUE(KeyWindowRect(3).isEmpty());
    struct Case {
        int x, y, button;
    };
    const Case cases[] = {
        {312, 207, 1}, {369, 234, 1}, {370, 210, 0}, {379, 207, 2},
        {438, 234, 2}, {439, 210, 0}, {100, 100, 0}, {312, 235, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyWindowButtonAt(c.x, c.y), c.button) << c.x << "," << c.y;
    }
}

TEST(WindowRegions, EveryRegionFitsItsWindow)
{
    const auto fits = [](const Rect& r, Size s) {
        return r.left >= 0 && r.top >= 0 && r.right <= s.width && r.bottom <= s.height;
    };
    for (int r = 0; r < kRegionTableSize; ++r) {
        EXPECT_TRUE(fits(RegionRect(r), kMainWindowSize)) << r;
    }
    for (const Rect& r : EditorRegionTable) {
        EXPECT_TRUE(fits(r, kMacroWindowSize));
    }
    for (const Rect& r : ChooserRegionTable) {
        EXPECT_TRUE(fits(r, kMacroWindowSize));
    }
    for (int i = 0; i < kKeyWindowRectCount; ++i) {
        EXPECT_TRUE(fits(KeyWindowRect(i), kKeyWindowSize)) << i;
    }
}

} // namespace
} // namespace bexlan
