#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <optional>

namespace bexlan {

// What a mask picture means for its window: the outside colour (pixel 0,0) surrounds the
// shape, the inside colour (pixel 50,50) fills it, and any other colour is part of the
// outline laid over every frame.
class WindowMask {
public:
    // `mask` must not be null. A picture smaller than 51 x 51 takes its inside colour from
    // the nearest pixel instead of reading past the image.
    explicit WindowMask(const QImage& mask);

    QSize size() const { return m_size; }
    QRgb outsideColour() const { return m_outside; }
    QRgb insideColour() const { return m_inside; }

    // Every pixel that is not the outside colour: the window's visible and clickable shape.
    // Worked out on first use, since windows off screen never need it.
    const QRegion& shape() const;

    // The mask with its inside colour transparent, ready to be laid over a frame.
    const QImage& overlay() const { return m_overlay; }

    // A copy of `frame` in which the outside colour is fully transparent, as the window
    // looks on the desktop; for pictures saved to files.
    QImage cutOut(const QImage& frame) const;

private:
    QSize m_size;
    QRgb m_outside;
    QRgb m_inside;
    QImage m_mask; // shares the skin's pixels
    QImage m_overlay;
    mutable std::optional<QRegion> m_shape;
};

} // namespace bexlan
