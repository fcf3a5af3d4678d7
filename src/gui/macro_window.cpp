#include "gui/macro_window.h"

#include "gui/drawing.h"
#include "gui/keyboard_relay.h"
#include "gui/skin_images.h"
#include "model/macro_event_text.h"
#include "model/window_regions.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <array>

namespace bexlan {

namespace {

constexpr int kListLeft = 255;
constexpr int kListRight = 640;
// Labels of the check boxes start right of the box itself.
constexpr int kCheckLabelIndent = 18;
// The button pictures hold three looks stacked: normal, on (a ticked box), under the pointer.
enum Look : int { NormalLook = 0, OnLook = 1, HotLook = 2 };
constexpr int kLookCount = 3;

// MacroMouseDown data[0] of the mouse button regions 7-11.
constexpr std::array<uint8_t, 5> kButtonBits{
    kMacroLeftButton, kMacroRightButton, kMacroMiddleButton, kMacroButtonFive, kMacroButtonFour};

QRect regionRect(int region)
{
    return ToQRect(EditorRegionTable[static_cast<size_t>(region)]);
}

QRect listRowRect(int row)
{
    return QRect(QPoint(kListLeft, kListTop + row * kListRowHeight),
                 QPoint(kListRight - 1, kListTop + (row + 1) * kListRowHeight - 1));
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CMacro::CMacro(const MacroRecord& record, const MacroWindowContext& context, QWidget* parent)
    : SkinnedDialog(context, MacroMask, MacroNormal, context.fonts.SmallFont,
                    QSize(kMacroWindowSize.width, kMacroWindowSize.height), parent),
      m_editor(record)
{
    setObjectName(QStringLiteral("CMacro"));
    setWindowTitle(text(TextTable::RegionLabelTable, 68).trimmed());
    m_delayTimer.setInterval(kDelayRepeatMs);
    connect(&m_delayTimer, &QTimer::timeout, this, &CMacro::onDelayTick);
}

CMacro::~CMacro()
{
    KeyboardRelay::ReleaseFor(this);
}

void CMacro::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    KeyboardRelay::ClaimFor(this);
    setFocus(Qt::OtherFocusReason);
}

void CMacro::done(int result)
{
    m_delayTimer.stop();
    // Every way out hands the keyboard back first.
    KeyboardRelay::ReleaseFor(this);
    SkinnedDialog::done(result);
}

bool CMacro::event(QEvent* event)
{
    if (event->type() == KeyDownMessage || event->type() == KeyUpMessage) {
        KeyboardRelay* relay = KeyboardRelay::Installed();
        if (event->type() == KeyUpMessage)
            m_editor.KeyUp();
        else if (relay != nullptr)
            m_editor.KeyDown(relay->LastKeyIndex());
        update(regionRect(EventList));
        return true;
    }
    return SkinnedDialog::event(event);
}

void CMacro::hitTest(const QPoint& pos)
{
    const int hoverRow = m_editor.HoverRow();
    m_editor.SetHoverRow(-1);
    m_hitRegion = EditorRegionAt(pos.x(), pos.y());
    if (m_hitRegion == EventList)
        m_editor.SetHoverRow((pos.y() - kListTop) / kListRowHeight + m_editor.FirstRow());
    if (m_editor.HoverRow() != hoverRow)
        update(regionRect(EventList));
    if (m_hitRegion != m_lastHitRegion) {
        if (m_hitRegion < NoRegion)
            update(regionRect(m_hitRegion));
        if (m_lastHitRegion < NoRegion)
            update(regionRect(m_lastHitRegion));
        m_lastHitRegion = m_hitRegion;
    }
}

void CMacro::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    hitTest(pos);
    if (m_hitRegion == NoRegion) {
        beginDrag(pos);
    } else if (m_hitRegion == DelayUpArrow || m_hitRegion == DelayDownArrow) {
        m_editor.PressDelayArrow(m_hitRegion == DelayUpArrow ? DelayArrow::Up : DelayArrow::Down);
        update(regionRect(DelayField));
        m_delayTimer.start();
    }
}

void CMacro::mouseMoveEvent(QMouseEvent* event)
{
    if (isDragging()) {
        dragTo(event->globalPosition().toPoint());
        return;
    }
    hitTest(event->position().toPoint());
}

void CMacro::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The repeat timer stops at its next tick.
    m_editor.ReleaseDelayArrow();
    if (isDragging()) {
        endDrag();
        return;
    }
    hitTest(event->position().toPoint());
    const int region = m_hitRegion;
    act(region);
    if (region < NoRegion && isVisible())
        update(regionRect(region));
}

void CMacro::act(int region)
{
    switch (region) {
    case EventList:
        m_editor.SelectRow(m_editor.HoverRow());
        break;
    case DelayAfterPressCheck:
        m_editor.ToggleDelayAfterPress();
        return;
    case DelayAfterReleaseCheck:
        m_editor.ToggleDelayAfterRelease();
        return;
    case InsertDelayButton:
        m_editor.InsertDelay();
        break;
    case DeleteButton:
        m_editor.DeleteSelected();
        break;
    case ClearButton:
        m_editor.Clear();
        update();
        break;
    case LeftButton:
    case RightButton:
    case MiddleButton:
    case ButtonFive:
    case ButtonFour:
        m_editor.AddMouseClick(kButtonBits[static_cast<size_t>(region - LeftButton)]);
        break;
    case WheelUp:
        m_editor.AddWheelStep(kMacroWheelUp);
        break;
    case WheelDown:
        m_editor.AddWheelStep(kMacroWheelDown);
        break;
    case MinimiseBox:
        showMinimized();
        return;
    case CloseBox:
    case CancelRegion:
        reject();
        return;
    case OkRegion:
        accept();
        return;
    default:
        return;
    }
    update(regionRect(EventList));
}

void CMacro::onDelayTick()
{
    if (m_editor.DelayTimerTick() == DelayTimer::Stop) {
        m_delayTimer.stop();
        return;
    }
    update(regionRect(DelayField));
}

void CMacro::wheelEvent(QWheelEvent* event)
{
    // One row per wheel message, however far the wheel turned.
    if (m_hitRegion == EventList && m_editor.ScrollList(event->angleDelta().y()))
        update(regionRect(EventList));
    event->accept();
}

void CMacro::leaveEvent(QEvent* event)
{
    SkinnedDialog::leaveEvent(event);
    if (!isDragging())
        hitTest(QPoint(-1, -1));
}

void CMacro::drawContents(QPainter& painter)
{
    painter.drawImage(QPoint(kMacroTitlePosition.x, kMacroTitlePosition.y),
                      skin(MacroIconFirst + static_cast<int>(language())));
    drawEventList(painter);

    painter.setPen(QColor(kWhiteText));
    painter.drawText(
        ToQRect(kEditorSizeRect), Qt::AlignRight | Qt::TextSingleLine,
        QStringLiteral("%1/%2").arg(m_editor.Record().sizeCounter).arg(kMacroSizeBudget));
    painter.drawText(regionRect(DelayField), Qt::AlignCenter | Qt::TextSingleLine,
                     QStringLiteral("%1 ms").arg(m_editor.DelayValue()));
    drawButtons(painter);
}

void CMacro::drawEventList(QPainter& painter)
{
    const MacroRecord& record = m_editor.Record();
    const int first = m_editor.FirstRow();
    int row = 0;
    for (int n = first; n < record.eventCount && n < first + MacroEditor::kVisibleRows;
         ++n, ++row) {
        const bool lit = n == m_editor.SelectedEvent() || n == m_editor.HoverRow();
        painter.setPen(QColor(lit ? kWhiteText : kGreyText));
        DrawTabbedLine(painter, listRowRect(row),
                       fromUtf8(MacroEventText(record.events[static_cast<size_t>(n)], n + 1,
                                               EditorEventTexts, language())));
    }
    if (m_editor.HeldKeys()[0] != kNoKey) {
        painter.setPen(QColor(kWhiteText));
        DrawTabbedLine(painter, listRowRect(row),
                       fromUtf8(HeldKeysText(m_editor.HeldKeys(), language())));
    }
}

void CMacro::drawButtons(QPainter& painter)
{
    for (int region = DelayAfterPressCheck; region <= WheelDown; ++region) {
        const bool isCheck = region <= DelayAfterReleaseCheck;
        const bool on =
            (region == DelayAfterPressCheck && m_editor.DelayAfterPress() == DelayCheck::On) ||
            (region == DelayAfterReleaseCheck && m_editor.DelayAfterRelease() == DelayCheck::On);
        const Look look = on ? OnLook : region == m_hitRegion ? HotLook : NormalLook;
        const QImage& frames = skin(isCheck ? CheckFrames : ButtonFrames);
        const QRect rect = regionRect(region);
        if (!frames.isNull()) {
            const int height = frames.height() / kLookCount;
            painter.drawImage(rect.topLeft(), frames,
                              QRect(0, look * height, frames.width(), height));
        }
        const QString label = text(TextTable::EditorTextTable, region);
        if (label.isEmpty())
            continue;
        painter.setPen(QColor(look == NormalLook ? kGreyText : kWhiteText));
        if (isCheck) {
            painter.drawText(rect.adjusted(kCheckLabelIndent, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
        } else if (region >= LeftButton && region <= ButtonFour &&
                   language() == Language::English) {
            // The long English names of the mouse buttons take two lines.
            painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, label);
        } else {
            painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, label);
        }
    }

    painter.setFont(fonts().LargeFont);
    for (int region = DelayUpArrow; region <= CancelRegion; ++region) {
        const QRect rect = regionRect(region);
        if (region == m_hitRegion)
            DrawImagePart(painter, skin(MacroDown), rect);
        painter.setPen(QColor(region == m_hitRegion ? kWhiteText : kBlueText));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                         text(TextTable::EditorTextTable, region));
    }
}

std::optional<MacroRecord> RunMacroEditor(QWidget* parent, const MacroRecord& record,
                                          const MacroWindowContext& context)
{
    CMacro window(record, context, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.Record();
}

} // namespace bexlan
