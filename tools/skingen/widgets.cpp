#include "widgets.h"

#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <QPainterPath>
#include <algorithm>

namespace skingen {

namespace pal = palette;

namespace {

// Half-pixel inset so one-pixel strokes land on whole pixels.
QRectF strokeRect(const QRect& rect)
{
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

QLinearGradient vertical(const QRect& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void roundedBox(QPainter& p, const QRect& rect, qreal radius, const QBrush& fill,
                const QColor& border)
{
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(strokeRect(rect), radius, radius);
    p.restore();
}

void triangle(QPainter& p, QPointF centre, qreal half, Direction direction, const QColor& colour)
{
    const qreal dy = direction == Direction::Up ? -half * 0.6 : half * 0.6;
    QPainterPath path;
    path.moveTo(centre.x() - half, centre.y() - dy);
    path.lineTo(centre.x() + half, centre.y() - dy);
    path.lineTo(centre.x(), centre.y() + dy);
    path.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

QBrush accentFill(const QRect& rect)
{
    return vertical(rect, QColor(24, 136, 255), QColor(6, 92, 196));
}

} // namespace

QRect toQRect(const bexlan::Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

void drawCard(QPainter& p, const QRect& rect, int headerHeight)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pal::kCardBorder, 1));
    p.setBrush(pal::kCard);
    p.drawRoundedRect(strokeRect(rect), 6, 6);
    if (headerHeight > 0) {
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), 5, 5);
        p.setClipPath(clip);
        const QRect header(rect.left() + 1, rect.top() + 1, rect.width() - 2, headerHeight);
        p.fillRect(header, vertical(header, pal::kCardHeader.lighter(112), pal::kCardHeader));
        p.setClipping(false);
        p.setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient line(rect.left(), 0, rect.right(), 0);
        line.setColorAt(0, pal::kDivider);
        line.setColorAt(0.5, pal::kAccentDeep);
        line.setColorAt(1, pal::kDivider);
        p.fillRect(QRect(rect.left() + 1, header.bottom() + 1, rect.width() - 2, 1), line);
    }
    p.restore();
}

void drawDivider(QPainter& p, int x1, int x2, int y)
{
    QLinearGradient g(x1, 0, x2, 0);
    g.setColorAt(0, QColor(pal::kDivider.red(), pal::kDivider.green(), pal::kDivider.blue(), 0));
    g.setColorAt(0.15, pal::kDivider);
    g.setColorAt(0.85, pal::kDivider);
    g.setColorAt(1, QColor(pal::kDivider.red(), pal::kDivider.green(), pal::kDivider.blue(), 0));
    p.fillRect(QRect(x1, y, x2 - x1, 1), g);
}

void drawButton(QPainter& p, const QRect& rect, Look look, ButtonStyle style)
{
    // Hot is raised and bright, on is pressed in; a primary button is blue even at rest.
    QColor top;
    QColor bottom;
    QColor border;
    int highlight = 60;
    if (look == Look::Hot) {
        top = style == ButtonStyle::Primary ? QColor(70, 160, 255) : QColor(30, 140, 255);
        bottom = QColor(8, 100, 206);
        border = pal::kAccentBright;
    } else if (look == Look::On) {
        top = QColor(5, 70, 150);
        bottom = QColor(8, 104, 214);
        border = pal::kAccent;
        highlight = 0;
    } else if (style == ButtonStyle::Primary) {
        top = QColor(16, 122, 240);
        bottom = QColor(7, 88, 180);
        border = top;
    } else {
        top = pal::kControl.lighter(118);
        bottom = pal::kControlLow;
        border = pal::kControlBorder;
        highlight = 22;
    }
    roundedBox(p, rect, 4, vertical(rect, top, bottom), border);
    if (highlight > 0) {
        p.save();
        p.setClipRect(rect);
        p.setPen(QColor(255, 255, 255, highlight));
        p.drawLine(rect.left() + 3, rect.top() + 1, rect.right() - 3, rect.top() + 1);
        p.restore();
    }
}

void drawPill(QPainter& p, const QRect& rect, Look look)
{
    const qreal radius = rect.height() / 2.0;
    switch (look) {
    case Look::Normal:
        roundedBox(p, rect, radius, pal::kControlLow, pal::kControlBorder);
        break;
    case Look::Hot:
        roundedBox(p, rect, radius, pal::kHotFill, pal::kAccent);
        break;
    case Look::On:
        roundedBox(p, rect, radius, accentFill(rect), pal::kAccentBright);
        break;
    }
}

void drawChip(QPainter& p, const QRect& rect, Look look)
{
    const qreal radius = rect.height() / 2.0;
    switch (look) {
    case Look::Normal:
        roundedBox(p, rect, radius, pal::kControlLow, QColor());
        break;
    case Look::Hot:
        roundedBox(p, rect, radius, pal::kHotFill, QColor());
        break;
    case Look::On:
        roundedBox(p, rect, radius, accentFill(rect), QColor());
        break;
    }
}

void drawOptionMark(QPainter& p, const QRect& rect, Look look, OptionMark mark)
{
    const QPointF centre(rect.left() + 8.5, rect.top() + rect.height() / 2.0);
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ring = look == Look::Normal ? pal::kMark
                        : look == Look::Hot  ? pal::kAccentBright
                                             : pal::kAccent;
    if (look == Look::On) {
        // A soft halo around a selected mark.
        QRadialGradient halo(centre, 9);
        halo.setColorAt(0, QColor(0, 120, 250, 90));
        halo.setColorAt(1, QColor(0, 120, 250, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(centre, 9, 9);
    }
    p.setPen(QPen(ring, 1.4));
    p.setBrush(look == Look::Hot ? pal::kHotFill : pal::kField);
    if (mark == OptionMark::Radio) {
        p.drawEllipse(centre, 5.3, 5.3);
        if (look == Look::On) {
            p.setPen(Qt::NoPen);
            p.setBrush(pal::kAccentBright);
            p.drawEllipse(centre, 2.8, 2.8);
        }
    } else {
        const QRectF box(centre.x() - 5.5, centre.y() - 5.5, 11, 11);
        if (look == Look::On) {
            p.setBrush(pal::kAccent);
        }
        p.drawRoundedRect(box, 2, 2);
        if (look == Look::On) {
            QPainterPath tick;
            tick.moveTo(box.left() + 2.5, box.center().y() + 0.2);
            tick.lineTo(box.left() + 4.6, box.bottom() - 2.6);
            tick.lineTo(box.right() - 2.2, box.top() + 2.8);
            p.setPen(QPen(pal::kWhite, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
    }
    p.restore();
}

void drawSpinArrow(QPainter& p, const QRect& rect, Look look, Direction direction)
{
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    const bool lit = look != Look::Normal;
    // Upper and lower halves together form one rounded box; each half rounds its own end.
    const QRectF box = direction == Direction::Up ? QRectF(rect).adjusted(0.5, 0.5, -0.5, 4)
                                                  : QRectF(rect).adjusted(0.5, -4, -0.5, -0.5);
    p.setPen(QPen(lit ? pal::kAccent : pal::kControlBorder, 1));
    p.setBrush(lit ? accentFill(rect) : QBrush(vertical(rect, pal::kControl, pal::kControlLow)));
    p.drawRoundedRect(box, 3, 3);
    p.restore();
    if (direction == Direction::Down) {
        p.save();
        p.setPen(lit ? pal::kAccentBright : pal::kControlBorder);
        p.drawLine(rect.left() + 1, rect.top(), rect.right() - 1, rect.top());
        p.restore();
    }
    const QPointF centre(rect.left() + rect.width() / 2.0,
                         rect.top() + rect.height() / 2.0 + (direction == Direction::Up ? 0.5 : 0));
    triangle(p, centre, 3.6, direction, lit ? pal::kWhite : pal::kGlyph);
}

void drawNumberBox(QPainter& p, const QRect& rect, Look look)
{
    const QColor border = look == Look::Normal ? pal::kFieldBorder
                          : look == Look::On   ? pal::kAccentDeep
                                               : pal::kAccent;
    roundedBox(p, rect, 3, vertical(rect, pal::kField, QColor(12, 16, 24)), border);
    if (look != Look::Normal) {
        p.save();
        p.setPen(QColor(0, 120, 250, look == Look::Hot ? 120 : 70));
        p.drawLine(rect.left() + 3, rect.bottom() - 1, rect.right() - 3, rect.bottom() - 1);
        p.restore();
    }
}

void drawTrack(QPainter& p, const QRect& rect, Look look, int firstStop, int step, int stops,
               Ticks ticks)
{
    const bool lit = look != Look::Normal;
    const int x0 = rect.left() + firstStop - 4;
    const int x1 = std::min(rect.right(), rect.left() + firstStop + step * (stops - 1) + 4);
    const QRect groove(x0, rect.top() + 5, x1 - x0 + 1, 5);
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lit ? pal::kAccent : pal::kControlBorder, 1));
    p.setBrush(vertical(groove, QColor(4, 5, 8), lit ? QColor(10, 40, 80) : QColor(16, 19, 25)));
    p.drawRoundedRect(strokeRect(groove), 2.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; ticks == Ticks::Shown && i < stops; ++i) {
        const int x = rect.left() + firstStop + step * i;
        p.setPen(lit ? pal::kAccentBright : pal::kTick);
        p.drawLine(x, rect.top() + 12, x, rect.top() + 14);
    }
    p.restore();
}

void drawField(QPainter& p, const QRect& rect)
{
    p.save();
    p.fillRect(rect, QColor(0, 0, 0));
    p.setPen(pal::kControlBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(-1, -1, 0, 0));
    p.setPen(pal::kAccentDeep);
    p.drawLine(rect.left(), rect.bottom() + 1, rect.right(), rect.bottom() + 1);
    p.restore();
}

void drawInset(QPainter& p, const QRect& rect, Look look)
{
    roundedBox(p, rect, 4, pal::kField, look == Look::Hot ? pal::kAccentDeep : pal::kFieldBorder);
}

void drawList(QPainter& p, const QRect& rect, Look look, int firstRowTop, int rowHeight)
{
    drawInset(p, rect, look);
    p.save();
    p.setClipRect(rect.adjusted(2, 2, -2, -2));
    for (int y = firstRowTop + rowHeight, i = 1; y < rect.bottom() - 2; y += rowHeight, ++i) {
        if (i % 2 == 1) {
            p.fillRect(QRect(rect.left() + 2, y, rect.width() - 4, rowHeight), pal::kZebra);
        }
    }
    p.restore();
}

void drawTab(QPainter& p, const QRect& rect, Look look)
{
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    // A tab is open at the bottom, where it meets the line under the tab row.
    QPainterPath shape;
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, 6);
    const qreal chamfer = 10;
    shape.moveTo(r.left(), r.bottom());
    shape.lineTo(r.left(), r.top() + chamfer);
    shape.lineTo(r.left() + chamfer, r.top());
    shape.lineTo(r.right(), r.top());
    shape.lineTo(r.right(), r.bottom());
    const QColor border = look == Look::Normal ? pal::kCardBorder
                          : look == Look::Hot  ? pal::kAccentDeep
                                               : pal::kAccent;
    const QRect body = rect;
    const QBrush fill =
        look == Look::On    ? QBrush(vertical(body, QColor(16, 52, 100), QColor(16, 26, 40)))
        : look == Look::Hot ? QBrush(vertical(body, QColor(24, 34, 50), QColor(18, 22, 30)))
                            : QBrush(vertical(body, QColor(22, 26, 34), QColor(15, 18, 24)));
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(shape);
    if (look != Look::Normal) {
        QPainterPath top;
        top.moveTo(r.left() + chamfer, r.top() + 1);
        top.lineTo(r.right() - 1, r.top() + 1);
        p.setPen(QPen(look == Look::On ? pal::kAccentBright : pal::kAccent, 2));
        p.drawPath(top);
    }
    p.restore();
}

void drawWindowBox(QPainter& p, const QRect& rect, Look look, WindowBox box)
{
    const bool lit = look != Look::Normal;
    if (lit) {
        const QColor fill = box == WindowBox::Close ? pal::kClose : QColor(44, 54, 72);
        roundedBox(p, rect, 4, fill, fill.lighter(115));
    }
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lit ? pal::kWhite : pal::kGlyph, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(rect.left() + rect.width() / 2.0, rect.top() + rect.height() / 2.0);
    if (box == WindowBox::Close) {
        p.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 4.5, c.y() + 4.5));
        p.drawLine(QPointF(c.x() + 4.5, c.y() - 4.5), QPointF(c.x() - 4.5, c.y() + 4.5));
    } else {
        p.drawLine(QPointF(c.x() - 5, c.y() + 3.5), QPointF(c.x() + 5, c.y() + 3.5));
    }
    p.restore();
}

void drawSlot(QPainter& p, const QRect& rect, Look look, bool hasMenu)
{
    const bool lit = look != Look::Normal;
    // The slot is open at the left: its text starts at the rectangle's edge, and a border
    // there would crowd it. The badge left of the slot closes the row instead.
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lit ? pal::kAccent : pal::kControlBorder, 1));
    p.setBrush(lit ? QBrush(vertical(rect, QColor(22, 44, 76), QColor(14, 26, 44)))
                   : QBrush(vertical(rect, QColor(20, 24, 31), QColor(13, 16, 21))));
    p.drawRoundedRect(strokeRect(rect).adjusted(-4, 0, 0, 0), 3, 3);
    p.restore();
    p.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2),
               lit ? QColor(0, 120, 250, 110) : QColor(54, 63, 80, 70));
    if (!hasMenu) {
        return;
    }
    p.save();
    p.setPen(lit ? QColor(0, 120, 250, 150) : pal::kDivider);
    const int sx = rect.right() - 18;
    p.drawLine(sx, rect.top() + 5, sx, rect.bottom() - 5);
    p.restore();
    triangle(p, QPointF(rect.right() - 8.5, rect.top() + rect.height() / 2.0 + 0.5), 3.5,
             Direction::Down, lit ? pal::kWhite : pal::kGlyph);
}

void drawSlotBadge(QPainter& p, const QRect& slot, int number)
{
    const QRect badge(slot.left() - 27, slot.top(), 23, slot.height());
    roundedBox(p, badge, 3, vertical(badge, QColor(10, 48, 96), QColor(8, 32, 64)),
               QColor(20, 80, 150));
    p.save();
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 222, 255));
    p.drawText(badge, Qt::AlignCenter, QString::number(number));
    p.restore();
}

void drawUnderline(QPainter& p, const QRect& rect, Look look)
{
    if (look != Look::On) {
        return;
    }
    QLinearGradient g(rect.left(), 0, rect.right(), 0);
    g.setColorAt(0, pal::kAccentBright);
    g.setColorAt(1, QColor(0, 120, 250, 0));
    p.fillRect(QRect(rect.left(), rect.bottom() - 1, rect.width(), 2), g);
}

} // namespace skingen
