#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

// The parts every window shares: its outline, its mask and its background with the title
// bar.
namespace skingen {

// The two-colour mask: outside colour everywhere around the shape (and at (0,0)), inside
// colour on the shape (and at (50,50)). No other colour, so it must be kept lossless.
QImage drawMask(QSize size);

// Background of a full-window skin: window colour and the title bar of `titleHeight`.
void drawWindowBackground(QPainter& p, QSize size, int titleHeight);

// The same background, cut out at `area`, for pictures that are laid onto the title bar
// opaque and must blend into it.
QImage backgroundPiece(QSize windowSize, int titleHeight, const QRect& area);

// Frames the shape: pixels outside the mask take the window colour (never the colour key,
// which must not leak into a lossy image), the shape's edge gets a crisp outline.
void finishEdges(QImage& image, const QImage& mask);

// A new full-window image in the format every skin is drawn in.
QImage newSkin(QSize size);

} // namespace skingen
