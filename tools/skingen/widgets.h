#pragma once

#include "model/region_table.h"

#include <QPainter>
#include <QRect>

// Painters of the skins' controls. Each draws one element inside its rectangle in one of
// the three looks; everything a look changes stays inside the rectangle, because the
// program copies exactly that rectangle from the "on" or "hot" picture.
namespace skingen {

enum class Look { Normal, On, Hot };
enum class Direction { Up, Down };
enum class ButtonStyle { Plain, Primary };
enum class WindowBox { Minimise, Close };
enum class OptionMark { Radio, Check };
enum class Ticks { None, Shown };

QRect toQRect(const bexlan::Rect& rect);

// Cards group the controls of one topic; the header band is optional (0 for none).
void drawCard(QPainter& p, const QRect& rect, int headerHeight);
void drawDivider(QPainter& p, int x1, int x2, int y);

void drawButton(QPainter& p, const QRect& rect, Look look, ButtonStyle style);
void drawPill(QPainter& p, const QRect& rect, Look look);
void drawChip(QPainter& p, const QRect& rect, Look look);
// A radio or check mark in the 18 pixels at the left of `rect`, vertically centred.
void drawOptionMark(QPainter& p, const QRect& rect, Look look, OptionMark mark);
void drawSpinArrow(QPainter& p, const QRect& rect, Look look, Direction direction);
void drawNumberBox(QPainter& p, const QRect& rect, Look look);
// A slider groove with `stops` ticks, the first at x + firstStop, `step` apart.
void drawTrack(QPainter& p, const QRect& rect, Look look, int firstStop, int step, int stops,
               Ticks ticks);
void drawField(QPainter& p, const QRect& rect);
void drawInset(QPainter& p, const QRect& rect, Look look);
// An inset list with alternate rows shaded, rows of `rowHeight` from `firstRowTop`.
void drawList(QPainter& p, const QRect& rect, Look look, int firstRowTop, int rowHeight);
void drawTab(QPainter& p, const QRect& rect, Look look);
void drawWindowBox(QPainter& p, const QRect& rect, Look look, WindowBox box);
// A function slot: the button number's badge sits left of the rectangle, outside it.
void drawSlot(QPainter& p, const QRect& rect, Look look, bool hasMenu);
void drawSlotBadge(QPainter& p, const QRect& slot, int number);
void drawUnderline(QPainter& p, const QRect& rect, Look look);

} // namespace skingen
