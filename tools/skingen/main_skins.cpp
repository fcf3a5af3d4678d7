#include "main_skins.h"

#include "chrome.h"
#include "mouse_art.h"
#include "palette.h"

#include "model/region_table.h"
#include "model/window_regions.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cstdlib>

namespace skingen {

namespace pal = palette;
using bexlan::Page;
using bexlan::RegionRect;

namespace {

QRect region(int r)
{
    return toQRect(RegionRect(r));
}

QSize windowSize()
{
    return QSize(bexlan::kMainWindowSize.width, bexlan::kMainWindowSize.height);
}

Page pageOf(MainPage page)
{
    switch (page) {
    case MainPage::Basic:
        return Page::Basic;
    case MainPage::Advanced:
        return Page::Advanced;
    case MainPage::Color:
        return Page::Color;
    }
    return Page::Basic;
}

// Slider geometry: where the thumb of value v is centred, relative to the track's left.
// DPI: left + 30 + 40v for an 8-pixel thumb; pointer sliders: left + 4 + 23v.
constexpr int kDpiFirstStop = 34;
constexpr int kDpiStep = 40;
constexpr int kDpiStops = 6;
constexpr int kPointerFirstStop = 8;
constexpr int kPointerStep = 23;
constexpr int kPointerStops = 10;

bool isOption(int r)
{
    switch (r) {
    case 14:
    case 15:
    case 24:
    case 25:
    case 28:
    case 29:
    case 32:
    case 33:
    case 71:
        return true;
    default:
        return false;
    }
}

bool isUpArrow(int r)
{
    return r == 17 || r == 26 || r == 30 || r == 34 || r == 46 || r == 72 || r == 74 || r == 76;
}

bool isDownArrow(int r)
{
    return r == 18 || r == 27 || r == 31 || r == 35 || r == 47 || r == 73 || r == 75 || r == 77;
}

bool isNumber(int r)
{
    return (r >= 36 && r <= 39) || r == 55 || (r >= 82 && r <= 84);
}

bool isPushButton(int r)
{
    return r == 61 || (r >= 64 && r <= 68) || r == 96 || r == 101 || r == 102 ||
           (r >= 120 && r <= 122) || (r >= 128 && r <= 130);
}

// Windows colour values are 0x00BBGGRR. A colour near the colour key is toned down: JPEG
// could round its pixels onto the key, which would make them transparent.
QColor fromColorRef(uint32_t value)
{
    QColor c(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    const QColor key = pal::kMaskOutside;
    if (std::abs(c.red() - key.red()) + std::abs(c.green() - key.green()) +
            std::abs(c.blue() - key.blue()) <
        96) {
        c = QColor(208, 24, 208);
    }
    return c;
}

void drawColourRing(QPainter& p, const QRect& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QConicalGradient hue(QRectF(rect).center(), 0);
    for (int i = 0; i <= 6; ++i) {
        // Slightly muted, so the magenta part cannot round onto the colour key.
        hue.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 225, 225));
    }
    QPainterPath ring;
    ring.addEllipse(QRectF(rect).adjusted(2, 2, -2, -2));
    ring.addEllipse(QRectF(rect).adjusted(28, 28, -28, -28));
    p.setPen(QPen(pal::kCardBorder, 1));
    p.setBrush(hue);
    p.drawPath(ring);
    p.restore();
}

void drawSwatch(QPainter& p, const QRect& rect, Look look, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(rect).adjusted(3.5, 3.5, -3.5, -3.5);
    p.setPen(QPen(look == Look::Normal ? pal::kControlBorder : pal::kAccentBright,
                  look == Look::Normal ? 1 : 2));
    p.setBrush(colour);
    p.drawRoundedRect(inner, 3, 3);
    p.restore();
}

void drawRegion(QPainter& p, int r, Look look)
{
    const QRect rect = region(r);
    if (rect.isEmpty()) {
        return;
    }
    if (r <= 9) {
        // A button's function never shows an "on" look; its hot look is the only state.
        drawSlot(p, rect, look == Look::On ? Look::Normal : look, r != 0);
    } else if (isOption(r)) {
        drawOptionMark(p, rect, look, OptionMark::Radio);
    } else if (r == 16) {
        drawOptionMark(p, rect, look, OptionMark::Check);
    } else if (r == 70) {
        drawOptionMark(p, rect.adjusted(-1, 0, 0, 0), look, OptionMark::Radio);
    } else if ((r >= 20 && r <= 23) || (r >= 88 && r <= 95) || (r >= 115 && r <= 119)) {
        drawPill(p, rect, look);
    } else if (isUpArrow(r)) {
        drawSpinArrow(p, rect, look, Direction::Up);
    } else if (isDownArrow(r)) {
        drawSpinArrow(p, rect, look, Direction::Down);
    } else if (isNumber(r)) {
        drawNumberBox(p, rect, look);
    } else if (r == 51) {
        // No ticks here: the scale text above does not line up with the thumb's stops.
        drawTrack(p, rect, look, kDpiFirstStop, kDpiStep, kDpiStops, Ticks::None);
    } else if (r >= 78 && r <= 80) {
        drawTrack(p, rect, look, kPointerFirstStop, kPointerStep, kPointerStops, Ticks::Shown);
    } else if (r == 69) {
        drawChip(p, rect, look);
    } else if (isPushButton(r)) {
        drawButton(p, rect, look, r == 128 ? ButtonStyle::Primary : ButtonStyle::Plain);
    } else if (r == 85) {
        drawInset(p, rect, look);
    } else if (r == 86) {
        drawList(p, rect, look, rect.top() + 1, 12);
    } else if (r == 81) {
        drawField(p, rect);
    } else if (r == 114) {
        drawUnderline(p, rect, look);
    } else if (r == 123) {
        drawWindowBox(p, rect, look, WindowBox::Minimise);
    } else if (r == 124) {
        drawWindowBox(p, rect, look, WindowBox::Close);
    } else if (r == 125 || r == 126) {
        drawTab(p, rect, look);
    } else if (r == 103) {
        drawColourRing(p, rect);
    } else if (r == 104) {
        drawSwatch(p, rect, look, fromColorRef(0x00FF0000));
    } else if (r >= 105 && r <= 112) {
        static constexpr std::array<uint32_t, 8> kPalette = {0x000000FF, 0x0000FF00, 0x00FF0000,
                                                             0x00FF00FF, 0x0000FFFF, 0x00FFFF00,
                                                             0x00FFFFFF, 0x00000000};
        drawSwatch(p, rect, look, fromColorRef(kPalette[r - 105]));
    }
    // Captions (10-13, 57-60, 62, 63, 97-100) are plain: their text is drawn at run time.
}

// The tab row's base line, and the profile panel with OK, Apply and Cancel at the bottom.
void drawCommonDecor(QPainter& p, MainPage page)
{
    const int lineRight = page == MainPage::Advanced ? 780 : 417;
    QLinearGradient base(13, 0, lineRight, 0);
    base.setColorAt(0, pal::kAccent);
    base.setColorAt(0.7, pal::kAccentDeep);
    base.setColorAt(1, QColor(7, 111, 184, 40));
    p.fillRect(QRect(13, 116, lineRight - 13, 2), base);

    drawCard(p, QRect(13, 476, 373, 111), 28);
    drawDivider(p, 26, 372, 542);
    drawDivider(p, 500, 787, 532);
}

void drawLedDot(QPainter& p, QPointF centre, const QColor& colour)
{
    QRadialGradient glow(centre, 12);
    glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 120));
    glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 12, 12);
    p.setPen(QPen(colour.lighter(140), 1));
    p.setBrush(colour);
    p.drawEllipse(centre, 4.5, 4.5);
}

void drawBasicDecor(QPainter& p)
{
    drawCard(p, QRect(13, 124, 404, 346), 0);
    drawMouseArt(p, 140, 150, 446);
    for (int r = 0; r <= 9; ++r) {
        drawSlotBadge(p, region(r), r + 1);
    }

    drawCard(p, QRect(424, 86, 357, 196), 32);
    drawCard(p, QRect(424, 292, 357, 94), 34);
    drawCard(p, QRect(424, 394, 357, 84), 36);

    // The three lights' rows start with the light's own colour.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawLedDot(p, QPointF(490, 188), QColor(230, 40, 50));
    drawLedDot(p, QPointF(490, 223), QColor(240, 190, 30));
    drawLedDot(p, QPointF(490, 258), QColor(40, 200, 90));
    p.restore();
    for (int y : {172, 207, 242}) {
        drawDivider(p, 440, 768, y);
    }
}

// Small line icons beside the pointer panel's section captions.
void drawPointerIcon(QPainter& p, QPointF at)
{
    QPainterPath arrow;
    arrow.moveTo(at);
    arrow.lineTo(at + QPointF(0, 13));
    arrow.lineTo(at + QPointF(3.5, 10));
    arrow.lineTo(at + QPointF(6, 15));
    arrow.lineTo(at + QPointF(8, 14));
    arrow.lineTo(at + QPointF(5.5, 9));
    arrow.lineTo(at + QPointF(10, 9));
    arrow.closeSubpath();
    p.setPen(QPen(pal::kAccentBright, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 120, 250, 60));
    p.drawPath(arrow);
}

void drawWheelIcon(QPainter& p, QPointF at)
{
    p.setPen(QPen(pal::kAccentBright, 1.2));
    p.setBrush(QColor(0, 120, 250, 60));
    p.drawRoundedRect(QRectF(at, QSizeF(8, 15)), 4, 4);
    p.drawLine(at + QPointF(4, 3.5), at + QPointF(4, 6.5));
}

void drawDoubleClickIcon(QPainter& p, QPointF at)
{
    p.setPen(QPen(pal::kAccentBright, 1.2));
    p.setBrush(QColor(0, 120, 250, 60));
    p.drawEllipse(at + QPointF(5, 7.5), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at + QPointF(5, 7.5), 6, 6);
}

void drawAdvancedDecor(QPainter& p)
{
    drawCard(p, QRect(13, 142, 340, 328), 0);
    drawDivider(p, 25, 341, 250);
    drawDivider(p, 25, 341, 355);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawPointerIcon(p, QPointF(132, 154));
    drawWheelIcon(p, QPointF(132, 262));
    drawDoubleClickIcon(p, QPointF(129, 369));
    p.restore();

    drawCard(p, QRect(400, 142, 380, 336), 44);
    p.fillRect(QRect(643, 210, 1, 258), pal::kDivider);
}

void drawColorDecor(QPainter& p)
{
    drawCard(p, QRect(13, 124, 768, 346), 0);
}

} // namespace

QImage drawMainPage(MainPage page, Look look)
{
    QImage image = newSkin(windowSize());
    QPainter p(&image);
    drawWindowBackground(p, windowSize(), kMainTitleBarHeight);
    drawCommonDecor(p, page);
    switch (page) {
    case MainPage::Basic:
        drawBasicDecor(p);
        break;
    case MainPage::Advanced:
        drawAdvancedDecor(p);
        break;
    case MainPage::Color:
        drawColorDecor(p);
        break;
    }
    for (int r = 0; r < bexlan::kRegionTableSize; ++r) {
        if (bexlan::RegionOnPage(r, pageOf(page))) {
            drawRegion(p, r, look);
        }
    }
    p.end();
    finishEdges(image, drawMask(windowSize()));
    return image;
}

} // namespace skingen
