// Shapes from mask pictures, the overlay laid over frames, the cut-out of screenshots, the
// placement of shaped windows, and how skin pictures are found and decoded.
#include "gui/drawing.h"
#include "gui/skin_images.h"
#include "gui/window_mask.h"
#include "support/qt_environment.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <fstream>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

const QRgb kOutside = qRgb(255, 0, 255);
const QRgb kInside = qRgb(255, 255, 255);
const QRgb kOutline = qRgb(40, 50, 60);

// 120 x 80: outside colour around a rounded shape, a one-pixel outline, the inside colour
// at (50,50).
QImage sampleMask()
{
    QImage mask(120, 80, QImage::Format_RGB32);
    mask.fill(kOutside);
    QPainter painter(&mask);
    painter.setPen(QColor(kOutline));
    painter.setBrush(QColor(kInside));
    painter.drawRect(10, 5, 100, 70);
    return mask;
}

TEST(WindowMaskTest, ShapeIsEveryPixelThatIsNotTheOutsideColour)
{
    const WindowMask mask(sampleMask());
    EXPECT_EQ(mask.outsideColour(), kOutside);
    EXPECT_EQ(mask.insideColour(), kInside);
    EXPECT_EQ(mask.shape().boundingRect(), QRect(10, 5, 101, 71));
    EXPECT_TRUE(mask.shape().contains(QPoint(10, 5))) << "the outline belongs to the shape";
    EXPECT_TRUE(mask.shape().contains(QPoint(60, 40)));
    EXPECT_FALSE(mask.shape().contains(QPoint(9, 40)));
    EXPECT_FALSE(mask.shape().contains(QPoint(111, 40)));
}

TEST(WindowMaskTest, OverlayPaintsAllButTheInside)
{
    const WindowMask mask(sampleMask());
    QImage frame(mask.size(), QImage::Format_RGB32);
    frame.fill(qRgb(1, 2, 3));
    ComposeFrame(frame, frame.copy(), mask, QFont(), nullptr);
    EXPECT_EQ(frame.pixel(0, 0), kOutside);
    EXPECT_EQ(frame.pixel(10, 40), kOutline);
    EXPECT_EQ(frame.pixel(60, 40), qRgb(1, 2, 3));
}

TEST(WindowMaskTest, CutOutMakesTheOutsideTransparent)
{
    const WindowMask mask(sampleMask());
    QImage frame(mask.size(), QImage::Format_RGB32);
    frame.fill(kOutside);
    const QImage cut = mask.cutOut(frame);
    EXPECT_EQ(qAlpha(cut.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(cut.pixel(10, 40)), 255);
    // An element painted in the outside colour inside the shape stays: the shape comes from
    // the mask, as on the desktop.
    EXPECT_EQ(cut.pixel(60, 40), kOutside);
}

TEST(WindowMaskTest, TinyMaskTakesItsInsideColourFromTheNearestPixel)
{
    QImage tiny(4, 3, QImage::Format_RGB32);
    tiny.fill(kOutside);
    tiny.setPixel(3, 2, kInside);
    const WindowMask mask(tiny);
    EXPECT_EQ(mask.insideColour(), kInside);
}

TEST(ShapeFromMaskTest, CentresOnTheScreenEvenWhenLargerThanIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (QSize size : {QSize(120, 80), screen.size() + QSize(201, 101)}) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(kInside);
        picture.setPixel(0, 0, kOutside);
        QWidget window;
        const QRect placed = ShapeFromMask(window, WindowMask(picture));
        const QRect expected((screen.x() + screen.width() - size.width()) / 2,
                             (screen.y() + screen.height() - size.height()) / 2, size.width(),
                             size.height());
        EXPECT_EQ(placed, expected);
        EXPECT_EQ(window.pos(), expected.topLeft());
        EXPECT_EQ(window.size(), size);
    }
}

TEST(KeyedImageTest, ScalesByNearestPixelAndDropsTheKey)
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(qRgb(0, 0, 0));
    source.setPixel(1, 1, qRgb(200, 10, 10));
    const QImage keyed = KeyedImage(source, QSize(8, 16), qRgb(0, 0, 0));
    ASSERT_EQ(keyed.size(), QSize(8, 16));
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(7, 15), qRgb(200, 10, 10));
    EXPECT_TRUE(KeyedImage(QImage(), QSize(8, 16), 0).isNull());
}

TEST(SkinImagesTest, MissingAndUndecodableFiles)
{
    QTemporaryDir folder;
    const std::filesystem::path dir = ToFilesystemPath(folder.path());
    SkinImages empty(dir);
    EXPECT_EQ(empty.firstMissing(), 0);

    for (std::string_view name : SkinFileNames) {
        std::filesystem::copy_file(BuiltSkinsDirectory() / name, dir / name);
    }
    std::ofstream(dir / "macro_normal.jpg", std::ios::trunc) << "garbage";
    SkinImages skins(dir);
    EXPECT_EQ(skins.firstMissing(), std::nullopt);
    EXPECT_TRUE(skins.image(MacroNormal).isNull());
    EXPECT_EQ(skins.mask(MacroNormal), nullptr);
    EXPECT_TRUE(skins.image(-1).isNull());
    EXPECT_TRUE(skins.image(kSkinSlotCount).isNull());

    const QImage& mask = skins.image(MainMask);
    EXPECT_EQ(mask.format(), QImage::Format_RGB32);
    EXPECT_EQ(&skins.image(MainMask), &mask) << "decoded once and kept";
    ASSERT_NE(skins.mask(MainMask), nullptr);
    EXPECT_EQ(skins.mask(MainMask), skins.mask(MainMask));

    std::filesystem::remove(dir / "single_key_over.jpg");
    EXPECT_EQ(SkinImages(dir).firstMissing(), SingleKeyOver);
}

} // namespace
} // namespace bexlan
