#include "key_skins.h"

#include "chrome.h"
#include "palette.h"

#include "model/window_regions.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace skingen {

namespace pal = palette;

namespace {

QSize keySize()
{
    return QSize(bexlan::kKeyWindowSize.width, bexlan::kKeyWindowSize.height);
}

void drawKeycap(QPainter& p, const QRectF& r, bool lit)
{
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, lit ? QColor(30, 120, 240) : QColor(48, 55, 70));
    face.setColorAt(1, lit ? QColor(8, 80, 170) : QColor(28, 33, 43));
    p.setPen(QPen(lit ? pal::kAccentBright : QColor(76, 88, 108), 1));
    p.setBrush(face);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QColor(255, 255, 255, lit ? 70 : 25));
    p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

// Keycaps on the right hint at what the window waits for: a combination, keys lit together.
void drawKeyboardHint(QPainter& p, const QRectF& area)
{
    const qreal key = 17;
    const qreal gap = 4;
    for (int row = 0; row < 3; ++row) {
        const qreal offset = row * 6;
        for (int col = 0; col < 4; ++col) {
            const QRectF r(area.left() + offset + col * (key + gap), area.top() + row * (key + gap),
                           key, key);
            const bool lit = (row == 2 && col == 0) || (row == 1 && col == 2);
            drawKeycap(p, r, lit);
        }
    }
}

void drawBrand(QPainter& p)
{
    QPainterPath hex;
    const QPointF c(34, 28);
    for (int i = 0; i < 6; ++i) {
        const qreal a = (60.0 * i - 90.0) * M_PI / 180.0;
        const QPointF pt(c.x() + 13 * std::cos(a), c.y() + 13 * std::sin(a));
        i == 0 ? hex.moveTo(pt) : hex.lineTo(pt);
    }
    hex.closeSubpath();
    p.setPen(QPen(pal::kAccentBright, 1.3));
    p.setBrush(QColor(7, 80, 170));
    p.drawPath(hex);
    QPainterPath z;
    z.moveTo(c + QPointF(-5, -5));
    z.lineTo(c + QPointF(5, -5));
    z.lineTo(c + QPointF(-5, 5));
    z.lineTo(c + QPointF(5, 5));
    p.setPen(QPen(pal::kWhite, 2.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);

    QFont brand("Liberation Sans");
    brand.setPixelSize(20);
    brand.setBold(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath word;
    word.addText(56, 36, brand, "ZERU");
    QLinearGradient fill(0, 20, 0, 36);
    fill.setColorAt(0, pal::kWhite);
    fill.setColorAt(1, QColor(176, 206, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(word);
}

} // namespace

QImage drawKeyWindow(Look buttons)
{
    QImage image = newSkin(keySize());
    QPainter p(&image);
    drawWindowBackground(p, keySize(), kKeyTitleBarHeight);
    p.setRenderHint(QPainter::Antialiasing);
    drawBrand(p);

    // The captured combination is drawn centred in rectangle 0; the field frames it.
    const QRect text = toQRect(bexlan::KeyWindowRect(0));
    const QRect field = text.adjusted(-10, -12, 10, 12);
    drawCard(p, QRect(14, 70, 432, 94), 0);
    drawInset(p, field, Look::Normal);
    p.save();
    QLinearGradient glow(field.left(), 0, field.right(), 0);
    glow.setColorAt(0, QColor(0, 120, 250, 0));
    glow.setColorAt(0.5, pal::kAccent);
    glow.setColorAt(1, QColor(0, 120, 250, 0));
    p.fillRect(QRect(field.left() + 4, field.bottom() - 1, field.width() - 8, 2), glow);
    p.restore();
    drawKeyboardHint(p, QRectF(354, 86, 80, 60));

    drawDivider(p, 20, keySize().width() - 20, 196);
    drawButton(p, toQRect(bexlan::KeyWindowRect(1)), buttons, ButtonStyle::Plain);
    drawButton(p, toQRect(bexlan::KeyWindowRect(2)), buttons, ButtonStyle::Plain);
    p.end();
    finishEdges(image, drawMask(keySize()));
    return image;
}

} // namespace skingen
