#include "gui/window_mask.h"

#include <algorithm>
#include <vector>

namespace bexlan {

namespace {

QRgb opaque(QRgb c)
{
    return c | 0xFF000000u;
}

// The shape as horizontal runs of non-outside pixels; equal consecutive rows become one
// band, which keeps the region small enough for the window system.
QRegion shapeOf(const QImage& mask, QRgb outside)
{
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> previous;
    std::vector<std::pair<int, int>> runs;
    size_t bandStart = 0;
    for (int y = 0; y < mask.height(); ++y) {
        runs.clear();
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && opaque(line[x]) == outside) {
                ++x;
            }
            const int start = x;
            while (x < mask.width() && opaque(line[x]) != outside) {
                ++x;
            }
            if (x > start) {
                runs.emplace_back(start, x - start);
            }
        }
        if (y > 0 && runs == previous && !runs.empty()) {
            for (size_t i = bandStart; i < rects.size(); ++i) {
                rects[i].setHeight(rects[i].height() + 1);
            }
            continue;
        }
        bandStart = rects.size();
        for (const auto& [start, width] : runs) {
            rects.emplace_back(start, y, width, 1);
        }
        previous = runs;
    }
    QRegion region;
    if (!rects.empty()) {
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    }
    return region;
}

} // namespace

WindowMask::WindowMask(const QImage& mask) : m_size(mask.size())
{
    m_mask = mask.convertToFormat(QImage::Format_RGB32);
    const QImage& rgb = m_mask;
    m_outside = opaque(rgb.pixel(0, 0));
    m_inside = opaque(rgb.pixel(std::min(50, rgb.width() - 1), std::min(50, rgb.height() - 1)));
    m_overlay = QImage(m_size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(m_overlay.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = opaque(in[x]);
            out[x] = c == m_inside ? 0u : c;
        }
    }
}

const QRegion& WindowMask::shape() const
{
    if (!m_shape) {
        m_shape = shapeOf(m_mask, m_outside);
    }
    return *m_shape;
}

QImage WindowMask::cutOut(const QImage& frame) const
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    const int width = std::min(out.width(), m_overlay.width());
    const int height = std::min(out.height(), m_overlay.height());
    for (int y = 0; y < height; ++y) {
        const auto* mask = reinterpret_cast<const QRgb*>(m_overlay.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (mask[x] == m_outside) {
                line[x] = 0;
            }
        }
    }
    return out;
}

} // namespace bexlan
