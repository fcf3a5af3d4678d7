#pragma once

#include "gui/window_mask.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <functional>

class QPainter;
class QWidget;

namespace bexlan {

// Gives a frameless top-level window the mask's size and shape and centres it on the
// primary screen: left = (screen right - width) / 2, top likewise, truncated toward zero,
// so a mask larger than the screen gives negative coordinates. Returns the window's
// rectangle in screen coordinates. Platforms that cannot shape windows (offscreen) only get
// the size and position.
QRect ShapeFromMask(QWidget& window, const WindowMask& mask);

// Composes one frame off screen: `base` whole at (0,0), then `draw` with `font` selected and
// a transparent text background, then the mask's overlay, which cuts the outline whatever
// `draw` painted near the edges. `frame` is reused between calls and (re)allocated as
// Format_RGB32 of the mask's size when needed. A null `base` leaves a dark background so
// texts stay readable.
void ComposeFrame(QImage& frame, const QImage& base, const WindowMask& mask, const QFont& font,
                  const std::function<void(QPainter&)>& draw);

// Copies `rect` of a full-window picture to the same place of the frame: the element's
// look in that picture. A null picture draws nothing.
void DrawImagePart(QPainter& frame, const QImage& image, const QRect& rect);

// `image` scaled (nearest pixel, as a stretching blit does) to `size`, with every pixel of
// colour `key` transparent; draw it with QPainter::drawImage. A null image gives a null one.
QImage KeyedImage(const QImage& image, QSize size, QRgb key);

} // namespace bexlan
