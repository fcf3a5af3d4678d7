#include "gui/single_key_window.h"

#include "gui/drawing.h"
#include "gui/keyboard_relay.h"
#include "gui/skin_images.h"
#include "model/window_regions.h"

#include <QMouseEvent>
#include <QPainter>

namespace bexlan {

namespace {

constexpr int kCombinationRect = 0;
enum KeyWindowText : int { OkText = 0, CancelText = 1 };

QRect keyWindowRect(int index)
{
    return ToQRect(KeyWindowRect(index));
}

} // namespace

CSingleKey::CSingleKey(const MacroWindowContext& context, QWidget* parent)
    : SkinnedDialog(context, SingleKeyMask, SingleKeyNormal, context.fonts.LargeFont,
                    QSize(kKeyWindowSize.width, kKeyWindowSize.height), parent)
{
    setObjectName(QStringLiteral("CSingleKey"));
    setWindowTitle(text(TextTable::FunctionNameTable, 7));
}

CSingleKey::~CSingleKey()
{
    KeyboardRelay::ReleaseFor(this);
}

void CSingleKey::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    KeyboardRelay::ClaimFor(this);
    setFocus(Qt::OtherFocusReason);
}

void CSingleKey::done(int result)
{
    // Every way out hands the keyboard back first.
    KeyboardRelay::ReleaseFor(this);
    SkinnedDialog::done(result);
}

bool CSingleKey::event(QEvent* event)
{
    if (event->type() == KeyDownMessage || event->type() == KeyUpMessage) {
        KeyboardRelay* relay = KeyboardRelay::Installed();
        if (event->type() == KeyUpMessage)
            m_capture.KeyUp();
        else if (relay != nullptr)
            m_capture.KeyDown(relay->LastKeyIndex());
        update(keyWindowRect(kCombinationRect));
        return true;
    }
    return SkinnedDialog::event(event);
}

void CSingleKey::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    // The buttons act on release.
    if (KeyWindowButtonAt(pos.x(), pos.y()) == NoButton)
        beginDrag(pos);
}

void CSingleKey::mouseMoveEvent(QMouseEvent* event)
{
    if (isDragging()) {
        dragTo(event->globalPosition().toPoint());
        return;
    }
    const QPoint pos = event->position().toPoint();
    setHotButton(KeyWindowButtonAt(pos.x(), pos.y()));
}

void CSingleKey::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (isDragging()) {
        endDrag();
        return;
    }
    const QPoint pos = event->position().toPoint();
    switch (KeyWindowButtonAt(pos.x(), pos.y())) {
    case OkButton:
        accept();
        break;
    case CancelButton:
        reject();
        break;
    default:
        break;
    }
}

void CSingleKey::leaveEvent(QEvent* event)
{
    SkinnedDialog::leaveEvent(event);
    if (!isDragging())
        setHotButton(NoButton);
}

void CSingleKey::setHotButton(int button)
{
    m_hotButton = button;
    if (m_hotButton != NoButton)
        update(keyWindowRect(m_hotButton));
    if (m_hotButton != m_lastHotButton) {
        if (m_lastHotButton != NoButton)
            update(keyWindowRect(m_lastHotButton));
        m_lastHotButton = m_hotButton;
    }
}

void CSingleKey::drawContents(QPainter& painter)
{
    if (m_hotButton != NoButton)
        DrawImagePart(painter, skin(SingleKeyDown), keyWindowRect(m_hotButton));

    painter.setPen(QColor(kWhiteText));
    painter.drawText(keyWindowRect(kCombinationRect), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromStdString(FormatKeyCombination(m_capture.HeldKeys())));

    const auto label = [&](int button, int entry) {
        painter.setPen(QColor(m_hotButton == button ? kWhiteText : kBlueText));
        painter.drawText(keyWindowRect(button), Qt::AlignCenter | Qt::TextSingleLine,
                         text(TextTable::KeyWindowTextTable, entry));
    };
    label(OkButton, OkText);
    label(CancelButton, CancelText);
}

std::optional<KeyCombination> RunKeyCombinationWindow(QWidget* parent,
                                                      const MacroWindowContext& context)
{
    CSingleKey window(context, parent);
    if (window.exec() != QDialog::Accepted || window.HeldKeys()[0] == kNoKey)
        return std::nullopt;
    return window.HeldKeys();
}

} // namespace bexlan
