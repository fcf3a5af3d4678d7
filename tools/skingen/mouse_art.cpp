#include "mouse_art.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace skingen {

namespace pal = palette;

namespace {

// The art is designed on a 150 x 300 grid, centre line at x 75, and scaled to the place.
class Grid {
public:
    Grid(int centreX, int top, int bottom)
        : m_scale((bottom - top) / 300.0), m_x0(centreX - 75 * m_scale), m_y0(top)
    {
    }
    QPointF at(qreal x, qreal y) const { return {m_x0 + x * m_scale, m_y0 + y * m_scale}; }
    qreal len(qreal v) const { return v * m_scale; }
    QRectF rect(qreal x, qreal y, qreal w, qreal h) const
    {
        return QRectF(at(x, y), QSizeF(len(w), len(h)));
    }

private:
    qreal m_scale;
    qreal m_x0;
    qreal m_y0;
};

QPainterPath bodyPath(const Grid& g)
{
    QPainterPath path;
    path.moveTo(g.at(75, 0));
    path.cubicTo(g.at(112, 0), g.at(134, 16), g.at(136, 52));
    path.cubicTo(g.at(138, 96), g.at(127, 126), g.at(129, 168));
    path.cubicTo(g.at(131, 208), g.at(144, 238), g.at(138, 268));
    path.cubicTo(g.at(131, 293), g.at(104, 300), g.at(75, 300));
    path.cubicTo(g.at(46, 300), g.at(19, 293), g.at(12, 268));
    path.cubicTo(g.at(6, 238), g.at(19, 208), g.at(21, 168));
    path.cubicTo(g.at(23, 126), g.at(12, 96), g.at(14, 52));
    path.cubicTo(g.at(16, 16), g.at(38, 0), g.at(75, 0));
    path.closeSubpath();
    return path;
}

void sideButton(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(70, 80, 98), 1));
    p.setBrush(QColor(34, 39, 49));
    p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
}

void marker(QPainter& p, QPointF centre, int number)
{
    QRadialGradient halo(centre, 11);
    halo.setColorAt(0, QColor(0, 120, 250, 110));
    halo.setColorAt(1, QColor(0, 120, 250, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 11, 11);
    p.setPen(QPen(pal::kAccentBright, 1.2));
    p.setBrush(QColor(8, 38, 78));
    p.drawEllipse(centre, 7, 7);
    QFont font("Liberation Sans");
    font.setPixelSize(number >= 10 ? 8 : 9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(220, 234, 255));
    p.drawText(QRectF(centre.x() - 7, centre.y() - 7, 14, 14), Qt::AlignCenter,
               QString::number(number));
}

} // namespace

void drawMouseArt(QPainter& p, int centreX, int top, int bottom)
{
    const Grid g(centreX, top, bottom);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow under the body.
    QRadialGradient shadow(g.at(75, 160), g.len(170));
    shadow.setColorAt(0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(g.at(75, 160), g.len(100), g.len(170));

    const QPainterPath body = bodyPath(g);
    QLinearGradient shell(g.at(0, 0), g.at(150, 0));
    shell.setColorAt(0, QColor(30, 34, 43));
    shell.setColorAt(0.5, QColor(46, 52, 64));
    shell.setColorAt(1, QColor(26, 30, 38));
    p.setBrush(shell);
    p.setPen(QPen(QColor(74, 86, 106), 1.2));
    p.drawPath(body);

    // Gloss on the palm rest.
    QRadialGradient gloss(g.at(62, 175), g.len(70));
    gloss.setColorAt(0, QColor(255, 255, 255, 22));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(body);

    // Button split, button edges, wheel well and wheel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 12, 16), 1.6));
    p.drawLine(g.at(75, 1), g.at(75, 30));
    QPainterPath edge;
    edge.moveTo(g.at(17, 112));
    edge.cubicTo(g.at(45, 124), g.at(105, 124), g.at(133, 112));
    p.drawPath(edge);
    p.setPen(QPen(QColor(10, 12, 16), 1.2));
    p.drawLine(g.at(75, 84), g.at(75, 118));
    p.setPen(QPen(QColor(60, 70, 88), 1));
    p.setBrush(QColor(8, 10, 14));
    p.drawRoundedRect(g.rect(66, 30, 18, 54), g.len(8), g.len(8));
    QLinearGradient wheel(g.at(0, 34), g.at(0, 80));
    wheel.setColorAt(0, QColor(60, 68, 84));
    wheel.setColorAt(0.5, QColor(96, 106, 124));
    wheel.setColorAt(1, QColor(50, 58, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(wheel);
    p.drawRoundedRect(g.rect(70, 35, 10, 44), g.len(5), g.len(5));
    p.setPen(QPen(QColor(30, 34, 42), 1));
    for (int y = 40; y < 76; y += 5) {
        p.drawLine(g.at(71, y), g.at(79, y));
    }

    // DPI button behind the wheel, a small button at the front left, side buttons.
    p.setPen(QPen(QColor(70, 80, 98), 1));
    p.setBrush(QColor(34, 39, 49));
    p.drawRoundedRect(g.rect(68, 90, 14, 20), g.len(4), g.len(4));
    p.drawEllipse(g.at(36, 36), g.len(6), g.len(6));
    sideButton(p, g.rect(17, 122, 9, 30));
    sideButton(p, g.rect(18, 156, 9, 30));
    sideButton(p, g.rect(20, 196, 9, 26));
    sideButton(p, g.rect(125, 132, 9, 30));
    sideButton(p, g.rect(124, 168, 9, 30));

    // Light strip and logo at the back.
    QPainterPath strip;
    strip.moveTo(g.at(38, 262));
    strip.cubicTo(g.at(55, 276), g.at(95, 276), g.at(112, 262));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 120, 250, 70), g.len(8), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(QPen(pal::kAccentBright, g.len(2.2), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    QPainterPath logo;
    logo.moveTo(g.at(64, 206));
    logo.lineTo(g.at(86, 206));
    logo.lineTo(g.at(64, 230));
    logo.lineTo(g.at(86, 230));
    p.setPen(QPen(QColor(0, 120, 250, 170), g.len(3), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(logo);

    // Where each button sits; the numbers are those of the function slots.
    const std::array<QPointF, 10> anchors = {
        g.at(40, 72),  g.at(110, 72), g.at(75, 57),   g.at(21, 137),  g.at(22, 171),
        g.at(75, 100), g.at(36, 36),  g.at(129, 147), g.at(128, 183), g.at(24, 209),
    };
    for (int i = 0; i < 10; ++i) {
        marker(p, anchors[i], i + 1);
    }
    p.restore();
}

} // namespace skingen
