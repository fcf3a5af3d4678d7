#include "gui/choice_window.h"

#include "gui/drawing.h"
#include "gui/skin_images.h"
#include "model/macro_event_text.h"
#include "model/window_regions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace bexlan {

namespace {

enum ChooserRegion : int {
    ListHeader = 0,
    PreviewHeader = 1,
    MacroList = 2,
    EventPreview = 3,
    CloseRegion = 5,
    OkRegion = 6,
    CancelRegion = 7,
};
constexpr int kFirstButtonRegion = 4;

// Names sit one pixel lower than the preview's rows and start inside the list's edge.
constexpr int kNameLeft = 17;
constexpr int kNameRight = 198;
constexpr int kNameTop = kListTop + 1;
constexpr int kPreviewLeft = 255;
constexpr int kPreviewRight = 640;

QRect regionRect(int region)
{
    return ToQRect(ChooserRegionTable[static_cast<size_t>(region)]);
}

int listRow(int y, int firstRow)
{
    return (y - kListTop) / kListRowHeight + firstRow;
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CChoice::CChoice(const MacroLibrary& library, const MacroWindowContext& context, QWidget* parent)
    : SkinnedDialog(context, MacroMask, MacroChoice, context.fonts.SmallFont,
                    QSize(kMacroWindowSize.width, kMacroWindowSize.height), parent),
      m_chooser(library), m_hitRegion(kChooserNoRegion), m_lastHitRegion(kChooserNoRegion)
{
    setObjectName(QStringLiteral("CChoice"));
    setWindowTitle(text(TextTable::ChooserTextTable, ListHeader));
}

void CChoice::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

void CChoice::hitTest(const QPoint& pos)
{
    const int hoverEvent = m_chooser.HoverEvent();
    const int hoverMacro = m_chooser.HoverMacro();
    m_chooser.ResetHover();
    m_hitRegion = ChooserRegionAt(pos.x(), pos.y());
    if (m_hitRegion == EventPreview)
        m_chooser.HoverEventRow(listRow(pos.y(), m_chooser.FirstEventRow()));
    else if (m_hitRegion == MacroList)
        m_chooser.HoverMacroRow(listRow(pos.y(), m_chooser.FirstMacroRow()));
    if (m_chooser.HoverEvent() != hoverEvent)
        update(regionRect(EventPreview));
    if (m_chooser.HoverMacro() != hoverMacro)
        update(regionRect(MacroList));
    if (m_hitRegion != m_lastHitRegion) {
        if (m_hitRegion < kChooserNoRegion)
            update(regionRect(m_hitRegion));
        if (m_lastHitRegion < kChooserNoRegion)
            update(regionRect(m_lastHitRegion));
        m_lastHitRegion = m_hitRegion;
    }
}

void CChoice::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    hitTest(pos);
    if (m_hitRegion == kChooserNoRegion)
        beginDrag(pos);
}

void CChoice::mouseMoveEvent(QMouseEvent* event)
{
    if (isDragging()) {
        dragTo(event->globalPosition().toPoint());
        return;
    }
    hitTest(event->position().toPoint());
}

void CChoice::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (isDragging()) {
        endDrag();
        return;
    }
    hitTest(event->position().toPoint());
    switch (m_hitRegion) {
    case MacroList:
        if (m_chooser.HoverMacro() != m_chooser.ChosenMacro()) {
            m_chooser.ClickMacroList();
            update();
        }
        break;
    case CloseRegion:
    case CancelRegion:
        reject();
        return;
    case OkRegion:
        accept();
        return;
    default:
        break;
    }
    if (m_hitRegion < kChooserNoRegion)
        update(regionRect(m_hitRegion));
}

void CChoice::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    const QPoint pos = event->position().toPoint();
    const int region = ChooserRegionAt(pos.x(), pos.y());
    // One row per wheel message, however far the wheel turned.
    if (region == MacroList && m_chooser.ScrollMacroList(delta))
        update(regionRect(MacroList));
    else if (region == EventPreview && m_chooser.ScrollPreview(delta))
        update(regionRect(EventPreview));
    event->accept();
}

void CChoice::keyReleaseEvent(QKeyEvent* event)
{
    // A held arrow moves once, as its single release does.
    if (event->isAutoRepeat() || (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)) {
        SkinnedDialog::keyReleaseEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Up)
        m_chooser.ChoosePrevious();
    else
        m_chooser.ChooseNext();
    update();
    event->accept();
}

void CChoice::leaveEvent(QEvent* event)
{
    SkinnedDialog::leaveEvent(event);
    if (!isDragging())
        hitTest(QPoint(-1, -1));
}

void CChoice::drawContents(QPainter& painter)
{
    painter.drawImage(QPoint(kMacroTitlePosition.x, kMacroTitlePosition.y),
                      skin(MacroSelectFirst + static_cast<int>(language())));

    painter.setPen(QColor(kWhiteText));
    const int oneLine = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(regionRect(ListHeader), oneLine,
                     fromUtf8(m_chooser.MacroListHeader(language())));
    painter.drawText(regionRect(PreviewHeader), oneLine,
                     fromUtf8(m_chooser.PreviewHeader(language())));

    const int firstMacro = m_chooser.FirstMacroRow();
    for (int row = 0; row < m_chooser.ListedMacroRows(); ++row) {
        const int slot = firstMacro + row;
        const bool lit = slot == m_chooser.HoverMacro() || slot == m_chooser.ChosenMacro();
        painter.setPen(QColor(lit ? kWhiteText : kGreyText));
        const QRect rect(QPoint(kNameLeft, kNameTop + row * kListRowHeight),
                         QPoint(kNameRight - 1, kNameTop + (row + 1) * kListRowHeight - 1));
        painter.save();
        painter.setClipRect(rect);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         fromUtf8(m_chooser.Name(slot)));
        painter.restore();
    }

    const MacroRecord& preview = m_chooser.Preview();
    const int firstEvent = m_chooser.FirstEventRow();
    for (int row = 0; row < m_chooser.ListedEventRows(); ++row) {
        const int event = firstEvent + row;
        painter.setPen(QColor(event == m_chooser.HoverEvent() ? kWhiteText : kGreyText));
        const QRect rect(QPoint(kPreviewLeft, kListTop + row * kListRowHeight),
                         QPoint(kPreviewRight - 1, kListTop + (row + 1) * kListRowHeight - 1));
        DrawTabbedLine(painter, rect,
                       fromUtf8(MacroEventText(preview.events[static_cast<size_t>(event)],
                                               event + 1, ChooserEventTexts, language())));
    }

    painter.setFont(fonts().LargeFont);
    for (int region = kFirstButtonRegion; region < kChooserRegionCount; ++region) {
        const QRect rect = regionRect(region);
        if (region == m_hitRegion)
            DrawImagePart(painter, skin(MacroDown), rect);
        painter.setPen(QColor(region == m_hitRegion ? kWhiteText : kBlueText));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                         text(TextTable::ChooserTextTable, region));
    }
}

std::optional<MacroRecord> RunMacroChooser(QWidget* parent, const MacroLibrary& library,
                                           const MacroWindowContext& context)
{
    CChoice window(library, context, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.Preview();
}

} // namespace bexlan
