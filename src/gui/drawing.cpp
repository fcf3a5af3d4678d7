#include "gui/drawing.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace bexlan {

namespace {

const QColor kMissingBackground(24, 24, 28);

bool platformShapesWindows()
{
    // The offscreen platform has no window shapes and warns for every attempt.
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

} // namespace

QRect ShapeFromMask(QWidget& window, const WindowMask& mask)
{
    const QSize size = mask.size();
    window.setFixedSize(size);
    if (platformShapesWindows() && !mask.shape().isEmpty()) {
        window.setMask(mask.shape());
    }
    QRect desktop(0, 0, size.width(), size.height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        desktop = screen->geometry();
    }
    const int desktopRight = desktop.x() + desktop.width();
    const int desktopBottom = desktop.y() + desktop.height();
    const QRect rect((desktopRight - size.width()) / 2, (desktopBottom - size.height()) / 2,
                     size.width(), size.height());
    window.move(rect.topLeft());
    return rect;
}

void ComposeFrame(QImage& frame, const QImage& base, const WindowMask& mask, const QFont& font,
                  const std::function<void(QPainter&)>& draw)
{
    if (frame.size() != mask.size() || frame.format() != QImage::Format_RGB32) {
        frame = QImage(mask.size(), QImage::Format_RGB32);
    }
    QPainter painter(&frame);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (base.isNull()) {
        painter.fillRect(frame.rect(), kMissingBackground);
    } else {
        painter.drawImage(0, 0, base);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    if (draw) {
        painter.save();
        draw(painter);
        painter.restore();
    }
    painter.drawImage(0, 0, mask.overlay());
}

void DrawImagePart(QPainter& frame, const QImage& image, const QRect& rect)
{
    if (image.isNull() || rect.isEmpty()) {
        return;
    }
    frame.drawImage(rect.topLeft(), image, rect);
}

QImage KeyedImage(const QImage& image, QSize size, QRgb key)
{
    if (image.isNull() || size.isEmpty()) {
        return {};
    }
    QImage scaled = image.convertToFormat(QImage::Format_RGB32)
                        .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage keyed(size, QImage::Format_ARGB32_Premultiplied);
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000u;
            out[x] = c == opaqueKey ? 0u : c;
        }
    }
    return keyed;
}

} // namespace bexlan
