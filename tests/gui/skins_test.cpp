// Checks the skins folder that the build draws: every file the program loads is there,
// decodes, has its window's size, and the masks, frames and titles keep the rules the
// windows rely on.
#include "gui/skin_images.h"
#include "model/region_table.h"
#include "model/window_regions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRect>

#include <set>
#include <string>
#include <vector>

namespace bexlan {
namespace {

QString skinPath(int slot)
{
    return QDir(QStringLiteral(BEXLAN_BINARY_DIR "/bin/skins"))
        .filePath(QString::fromUtf8(SkinFileNames[slot].data(),
                                    static_cast<qsizetype>(SkinFileNames[slot].size())));
}

QImage load(int slot)
{
    return QImage(skinPath(slot)).convertToFormat(QImage::Format_RGB32);
}

QRect toQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

QSize toQSize(Size s)
{
    return QSize(s.width, s.height);
}

struct WindowSkins {
    const char* name;
    int maskSlot;
    Size size;
    std::vector<int> fullSlots;
    std::vector<QRect> regions;
};

std::vector<WindowSkins> windows()
{
    std::vector<QRect> main;
    for (int r = 0; r < kRegionTableSize; ++r) {
        if (!RegionRect(r).isEmpty()) {
            main.push_back(toQRect(RegionRect(r)));
        }
    }
    std::vector<QRect> macro;
    for (const Rect& r : EditorRegionTable) {
        macro.push_back(toQRect(r));
    }
    for (const Rect& r : ChooserRegionTable) {
        macro.push_back(toQRect(r));
    }
    std::vector<QRect> key;
    for (int i = 0; i < kKeyWindowRectCount; ++i) {
        key.push_back(toQRect(KeyWindowRect(i)));
    }
    return {
        {"main", MainMask, kMainWindowSize, {1, 2, 3, 4, 5, 6, 7, 8, 9}, main},
        {"key", SingleKeyMask, kKeyWindowSize, {11, 12, 13}, key},
        {"macro", MacroMask, kMacroWindowSize, {15, 16, 17}, macro},
    };
}

TEST(Skins, EveryFileExistsAndDecodes)
{
    for (int slot = 0; slot < kSkinSlotCount; ++slot) {
        const QImage image = load(slot);
        EXPECT_FALSE(image.isNull()) << skinPath(slot).toStdString();
    }
}

TEST(Skins, MasksHaveExactlyTwoColours)
{
    for (const WindowSkins& window : windows()) {
        SCOPED_TRACE(window.name);
        const QImage mask = load(window.maskSlot);
        ASSERT_FALSE(mask.isNull());
        EXPECT_EQ(mask.size(), toQSize(window.size));
        std::set<QRgb> colours;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                colours.insert(mask.pixel(x, y));
            }
        }
        EXPECT_EQ(colours.size(), 2u);
        EXPECT_NE(mask.pixel(0, 0), mask.pixel(50, 50));
    }
}

TEST(Skins, FullWindowPicturesMatchTheirMask)
{
    for (const WindowSkins& window : windows()) {
        SCOPED_TRACE(window.name);
        const QImage mask = load(window.maskSlot);
        ASSERT_FALSE(mask.isNull());
        const QRgb outside = mask.pixel(0, 0);
        const QRgb inside = mask.pixel(50, 50);
        for (const QRect& region : window.regions) {
            for (const QPoint corner :
                 {region.topLeft(), region.topRight(), region.bottomLeft(), region.bottomRight()}) {
                EXPECT_EQ(mask.pixel(corner), inside)
                    << "region corner " << corner.x() << "," << corner.y() << " is cut off";
            }
        }
        for (const int slot : window.fullSlots) {
            const QImage image = load(slot);
            ASSERT_EQ(image.size(), mask.size()) << "slot " << slot;
            // A pixel of the colour key inside the shape would turn transparent.
            int keyed = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    keyed += mask.pixel(x, y) == inside && image.pixel(x, y) == outside;
                }
            }
            EXPECT_EQ(keyed, 0) << "slot " << slot;
        }
    }
}

TEST(Skins, TitlePicturesFitBesideTheRegions)
{
    struct Group {
        int first;
        Point at;
        Size window;
        std::vector<QRect> regions;
    };
    std::vector<QRect> main;
    for (int r = 0; r < kRegionTableSize; ++r) {
        main.push_back(toQRect(RegionRect(r)));
    }
    std::vector<QRect> macro;
    for (const Rect& r : EditorRegionTable) {
        macro.push_back(toQRect(r));
    }
    for (const Rect& r : ChooserRegionTable) {
        macro.push_back(toQRect(r));
    }
    const Group groups[] = {
        {MainIconFirst, kMainTitlePosition, kMainWindowSize, main},
        {MacroIconFirst, kMacroTitlePosition, kMacroWindowSize, macro},
        {MacroSelectFirst, kMacroTitlePosition, kMacroWindowSize, macro},
    };
    for (const Group& group : groups) {
        const QSize size = load(group.first).size();
        for (int language = 0; language < 3; ++language) {
            const QImage title = load(group.first + language);
            SCOPED_TRACE(skinPath(group.first + language).toStdString());
            ASSERT_EQ(title.size(), size);
            // The title is copied opaque, so it must cover no region and stay in the window.
            const QRect placed(QPoint(group.at.x, group.at.y), title.size());
            EXPECT_TRUE(QRect(QPoint(0, 0), toQSize(group.window)).contains(placed));
            for (const QRect& region : group.regions) {
                EXPECT_FALSE(placed.intersects(region));
            }
        }
    }
}

TEST(Skins, StackedFramesFitTheEditorControls)
{
    const QImage buttons = load(ButtonFrames);
    const QImage checks = load(CheckFrames);
    const QRect button = toQRect(EditorRegionTable[4]);
    const QRect check = toQRect(EditorRegionTable[2]);
    EXPECT_EQ(buttons.size(), QSize(button.width(), button.height() * 3));
    EXPECT_EQ(checks.size(), QSize(check.width(), check.height() * 3));
}

TEST(Skins, ThumbIsKeyedOnBlack)
{
    for (const int slot : {ArrowUp, ArrowDown}) {
        const QImage thumb = load(slot);
        ASSERT_EQ(thumb.size(), QSize(8, 16)) << "slot " << slot;
        EXPECT_EQ(qRgb(0, 0, 0), thumb.pixel(0, slot == ArrowDown ? 15 : 0));
        EXPECT_NE(qRgb(0, 0, 0), thumb.pixel(4, 8));
    }
}

} // namespace
} // namespace bexlan
