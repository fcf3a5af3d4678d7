#include "chrome.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPolygon>
#include <QRadialGradient>

namespace skingen {

namespace pal = palette;

namespace {

// Chamfered corners: large at top left and bottom right, small at the other two.
QPolygon outline(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    const int big = 18;
    const int small = 8;
    QPolygon polygon;
    polygon << QPoint(big, 0) << QPoint(w - small, 0) << QPoint(w, small) << QPoint(w, h - big)
            << QPoint(w - big, h) << QPoint(small, h) << QPoint(0, h - small) << QPoint(0, big);
    return polygon;
}

bool outside(const QImage& mask, int x, int y)
{
    if (x < 0 || y < 0 || x >= mask.width() || y >= mask.height()) {
        return true;
    }
    return mask.pixelColor(x, y) == pal::kMaskOutside;
}

} // namespace

QImage newSkin(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(pal::kWindow);
    return image;
}

QImage drawMask(QSize size)
{
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(pal::kMaskOutside);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kMaskInside);
    p.drawPolygon(outline(size));
    p.end();
    return mask;
}

void drawWindowBackground(QPainter& p, QSize size, int titleHeight)
{
    p.save();
    const QRect all(QPoint(0, 0), size);
    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0, pal::kWindow.lighter(104));
    body.setColorAt(1, pal::kWindow.darker(110));
    p.fillRect(all, body);

    const QRect bar(0, 0, size.width(), titleHeight);
    QLinearGradient barFill(bar.topLeft(), bar.bottomLeft());
    barFill.setColorAt(0, pal::kTitleTop);
    barFill.setColorAt(1, pal::kTitleBottom);
    p.fillRect(bar, barFill);

    // A cool glow behind the title and a fine diagonal texture towards the right.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(140, 10), 260);
    glow.setColorAt(0, QColor(0, 120, 250, 46));
    glow.setColorAt(1, QColor(0, 120, 250, 0));
    p.fillRect(bar, glow);
    p.setClipRect(bar);
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = size.width() / 2; x < size.width() + titleHeight; x += 7) {
        p.drawLine(x, 0, x - titleHeight, titleHeight);
    }
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);

    QLinearGradient line(0, 0, size.width(), 0);
    line.setColorAt(0, QColor(0, 120, 250, 0));
    line.setColorAt(0.2, pal::kAccentDeep);
    line.setColorAt(0.5, pal::kAccent);
    line.setColorAt(0.8, pal::kAccentDeep);
    line.setColorAt(1, QColor(0, 120, 250, 0));
    p.fillRect(QRect(0, titleHeight, size.width(), 1), line);
    p.fillRect(QRect(0, titleHeight + 1, size.width(), 1), QColor(0, 0, 0, 90));
    p.restore();
}

QImage backgroundPiece(QSize windowSize, int titleHeight, const QRect& area)
{
    QImage full = newSkin(windowSize);
    QPainter p(&full);
    drawWindowBackground(p, windowSize, titleHeight);
    p.end();
    return full.copy(area);
}

void finishEdges(QImage& image, const QImage& mask)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (outside(mask, x, y)) {
                image.setPixelColor(x, y, pal::kWindow);
                continue;
            }
            const bool edge = outside(mask, x - 1, y) || outside(mask, x + 1, y) ||
                              outside(mask, x, y - 1) || outside(mask, x, y + 1);
            if (edge) {
                image.setPixelColor(x, y, pal::kOutline);
                continue;
            }
            const bool nearEdge = outside(mask, x - 2, y) || outside(mask, x + 2, y) ||
                                  outside(mask, x, y - 2) || outside(mask, x, y + 2) ||
                                  outside(mask, x - 1, y - 1) || outside(mask, x + 1, y + 1) ||
                                  outside(mask, x + 1, y - 1) || outside(mask, x - 1, y + 1);
            if (nearEdge) {
                image.setPixelColor(x, y, pal::kOutlineInner);
            }
        }
    }
}

} // namespace skingen
