#include "gui/keyboard_relay.h"

#include "model/key_translation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

namespace bexlan {

namespace {

KeyboardRelay* g_installed = nullptr;

// A window that was just shown is not viewable yet, and X refuses a grab on it until it
// is; another program may also hold a grab for a moment. Try again for about five seconds.
constexpr int kGrabRetryMs = 20;
constexpr int kMaxGrabAttempts = 250;

bool grabWith(QWidget& widget)
{
    QWindow* window = widget.windowHandle();
    if (window == nullptr || !window->setKeyboardGrabEnabled(true))
        return false;
    // Also route the application's key events to it, as Qt does for its own grabs.
    widget.grabKeyboard();
    return true;
}

} // namespace

KeyboardRelay::KeyboardRelay()
{
    const QString platform = QGuiApplication::platformName();
    // X11 and Wayland both give X key codes (evdev + 8), which name the physical key.
    m_keyCodesAreX11 =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    // Only X lets a client take the keyboard from the whole desktop.
    m_desktopGrab = platform == QLatin1String("xcb");
    QCoreApplication::instance()->installEventFilter(this);
    g_installed = this;
}

KeyboardRelay::~KeyboardRelay()
{
    releaseGrab();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (g_installed == this)
        g_installed = nullptr;
}

KeyboardRelay* KeyboardRelay::Installed()
{
    return g_installed;
}

void KeyboardRelay::Claim(QWidget* window)
{
    m_mode = RelayMode::Capture;
    m_captureWindow = window;
    m_grabAttempts = 0;
    updateGrab();
}

void KeyboardRelay::Release()
{
    m_mode = RelayMode::PassThrough;
    releaseGrab();
}

void KeyboardRelay::ClaimFor(QWidget* window)
{
    if (g_installed != nullptr)
        g_installed->Claim(window);
}

void KeyboardRelay::ReleaseFor(QWidget* window)
{
    if (g_installed != nullptr && g_installed->m_mode == RelayMode::Capture &&
        g_installed->m_captureWindow == window)
        g_installed->Release();
}

QWidget* KeyboardRelay::wantedGrabber()
{
    if (!m_desktopGrab || m_mode != RelayMode::Capture || m_captureWindow.isNull())
        return nullptr;
    if (m_captureWindow->isVisible() && !m_captureWindow->isMinimized())
        return m_captureWindow;
    // A minimised window is unmapped, and X drops a grab whose window is not viewable; the
    // capture window keeps the keyboard through a one-pixel window of our own.
    if (!m_grabHolder) {
        m_grabHolder = std::make_unique<QWidget>(
            nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                         Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);
        m_grabHolder->setObjectName(QStringLiteral("KeyboardGrabHolder"));
        m_grabHolder->setAttribute(Qt::WA_ShowWithoutActivating);
        m_grabHolder->setGeometry(0, 0, 1, 1);
    }
    return m_grabHolder.get();
}

void KeyboardRelay::updateGrab()
{
    QWidget* wanted = wantedGrabber();
    if (wanted == m_grabber)
        return;
    releaseGrab();
    if (m_grabHolder && wanted != m_grabHolder.get())
        m_grabHolder->hide();
    if (wanted == nullptr)
        return;
    if (wanted == m_grabHolder.get())
        m_grabHolder->show();
    if (grabWith(*wanted)) {
        m_grabber = wanted;
        m_grabAttempts = 0;
    } else {
        scheduleGrabRetry();
    }
}

void KeyboardRelay::scheduleGrabRetry()
{
    if (m_retryPending || ++m_grabAttempts > kMaxGrabAttempts)
        return;
    m_retryPending = true;
    QTimer::singleShot(kGrabRetryMs, this, [this] {
        m_retryPending = false;
        updateGrab();
    });
}

void KeyboardRelay::releaseGrab()
{
    if (m_grabber) {
        m_grabber->releaseKeyboard();
        // The ungrab is only queued; without a round trip it reaches the server late and
        // the next key may still come to us.
        QGuiApplication::sync();
    }
    m_grabber = nullptr;
    if (m_grabHolder && m_mode != RelayMode::Capture)
        m_grabHolder->hide();
}

bool KeyboardRelay::eventFilter(QObject* watched, QEvent* event)
{
    const bool capturing = m_mode == RelayMode::Capture && !m_captureWindow.isNull();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut of any window fires; the key press follows.
        if (capturing && !m_forwarding) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (capturing && !m_forwarding)
            return relayKey(watched, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        if (capturing && watched == m_captureWindow) {
            m_grabAttempts = 0;
            updateGrab();
        }
        break;
    case QEvent::Expose:
        if (capturing && m_grabber.isNull() && watched == m_captureWindow->windowHandle())
            updateGrab();
        break;
    default:
        break;
    }
    return false;
}

bool KeyboardRelay::relayKey(QObject* receiver, QKeyEvent* event)
{
    const bool release = event->type() == QEvent::KeyRelease;
    PlatformKey key;
    key.x11KeyCode = m_keyCodesAreX11 ? event->nativeScanCode() : 0;
    key.qtKey = event->key();
    key.place =
        event->modifiers().testFlag(Qt::KeypadModifier) ? KeyPlace::Keypad : KeyPlace::MainBlock;
    const RelayedKey relayed = TranslateKey(key);
    m_lastKeyIndex = relayed.index;

    // Auto-repeat arrives as a release and a press; a held key sends only presses.
    if (!(release && event->isAutoRepeat())) {
        QEvent message(release ? KeyUpMessage : KeyDownMessage);
        QCoreApplication::sendEvent(m_captureWindow, &message);
    }

    if (relayed.disposition == KeyDisposition::PassOn) {
        // The lock keys go on to where they were going. A copy is sent past this filter so
        // that the event's propagation to parent widgets does not relay it again.
        std::unique_ptr<QEvent> copy(event->clone());
        m_forwarding = true;
        QCoreApplication::sendEvent(receiver, copy.get());
        m_forwarding = false;
    }
    return true;
}

} // namespace bexlan
