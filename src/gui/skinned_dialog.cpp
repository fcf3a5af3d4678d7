#include "gui/skinned_dialog.h"

#include "gui/drawing.h"
#include "gui/skin_images.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTextOption>
#include <QWindow>

namespace bexlan {

namespace {

const QColor kMissingBackground(24, 24, 28);
constexpr int kTabStopCharacters = 8;

} // namespace

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

void DrawTabbedLine(QPainter& painter, const QRect& rect, const QString& text)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStopCharacters * QFontMetrics(painter.font()).averageCharWidth());
    painter.save();
    painter.setClipRect(rect);
    painter.drawText(QRectF(rect), text, option);
    painter.restore();
}

SkinnedDialog::SkinnedDialog(const MacroWindowContext& context, int maskSlot, int baseSlot,
                             const QFont& font, QSize fallbackSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context),
      m_mask(context.skins.mask(maskSlot)), m_baseSlot(baseSlot), m_font(font)
{
    // Every paint recomposes the whole frame, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (m_mask != nullptr) {
        m_windowRect = ShapeFromMask(*this, *m_mask);
    } else {
        setFixedSize(fallbackSize);
        m_windowRect = QRect(pos(), fallbackSize);
    }
}

const QImage& SkinnedDialog::composeFrame()
{
    const QImage& base = skin(m_baseSlot);
    const auto draw = [this](QPainter& painter) { drawContents(painter); };
    if (m_mask != nullptr) {
        ComposeFrame(m_frame, base, *m_mask, m_font, draw);
        return m_frame;
    }
    if (m_frame.size() != size())
        m_frame = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_frame);
    if (base.isNull())
        painter.fillRect(m_frame.rect(), kMissingBackground);
    else
        painter.drawImage(0, 0, base);
    painter.setFont(m_font);
    draw(painter);
    return m_frame;
}

void SkinnedDialog::paintEvent(QPaintEvent* event)
{
    composeFrame();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), m_frame, event->rect());
}

void SkinnedDialog::beginDrag(const QPoint& clientPos)
{
    // Wayland clients cannot place their own windows.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragStart = clientPos;
    m_windowRect = geometry();
}

void SkinnedDialog::dragTo(const QPoint& globalPos)
{
    // Working from the global position keeps the pointer on the anchor while the window
    // system is still catching up with the previous move.
    m_windowRect.moveTopLeft(globalPos - m_dragStart);
    move(m_windowRect.topLeft());
}

QString SkinnedDialog::text(TextTable table, int entry) const
{
    const std::string_view utf8 = LookupText(table, entry, m_context.language);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const QImage& SkinnedDialog::skin(int slot) const
{
    return m_context.skins.image(slot);
}

} // namespace bexlan
