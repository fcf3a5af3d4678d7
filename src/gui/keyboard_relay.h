#pragma once

#include "model/key_table.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

class QKeyEvent;

namespace bexlan {

// The two messages a capture window receives, sent synchronously: the key travels in
// LastKeyIndex(), not in the event.
inline constexpr QEvent::Type KeyDownMessage = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type KeyUpMessage = static_cast<QEvent::Type>(QEvent::User + 2);

// HookPassThrough: 1 passes every key on; 0 relays keys to the capture window and swallows
// them.
enum class RelayMode : int { Capture = 0, PassThrough = 1 };

// The keyboard hook of this system: an application-wide key filter. While a capture window
// holds it, every key event becomes a key-table row (LastKeyIndex), is sent to the capture
// window as KeyDownMessage or KeyUpMessage and is swallowed, except the three lock keys;
// auto-repeat sends further KeyDownMessages. On X11 the keyboard is grabbed for the whole
// desktop meanwhile (by the capture window, or by a one-pixel stand-in while that window
// is minimised), so no other program and no desktop shortcut sees the keys; on Wayland
// keys are captured while one of our windows has the focus.
//
// One relay is installed for the program's life (at start-up, removed at the end); capture
// windows find it through Installed(). Without one they simply receive no keys.
class KeyboardRelay : public QObject {
    Q_OBJECT
public:
    // Installs this relay on the application. Needs a QApplication; replaces an earlier
    // installed relay as the one Installed() returns.
    KeyboardRelay();
    ~KeyboardRelay() override;
    KeyboardRelay(const KeyboardRelay&) = delete;
    KeyboardRelay& operator=(const KeyboardRelay&) = delete;

    static KeyboardRelay* Installed();

    // A capture window opens: HookPassThrough 0, CaptureWindow = window.
    void Claim(QWidget* window);
    // Its OK, cancel or close: HookPassThrough 1 and the desktop grab is let go. The capture
    // window stays recorded but receives nothing more.
    void Release();

    // For capture windows: act on the installed relay, if there is one. ReleaseFor does
    // nothing unless `window` holds the relay.
    static void ClaimFor(QWidget* window);
    static void ReleaseFor(QWidget* window);

    RelayMode HookPassThrough() const { return m_mode; }
    QWidget* CaptureWindow() const { return m_captureWindow; }
    KeyIndex LastKeyIndex() const { return m_lastKeyIndex; }

    // True while a desktop-wide keyboard grab is in force (X11 only).
    bool HoldsKeyboard() const { return m_grabber != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool relayKey(QObject* receiver, QKeyEvent* event);
    void updateGrab();
    void scheduleGrabRetry();
    QWidget* wantedGrabber();
    void releaseGrab();

    RelayMode m_mode = RelayMode::PassThrough;
    QPointer<QWidget> m_captureWindow;
    KeyIndex m_lastKeyIndex = kNoKey;
    bool m_keyCodesAreX11 = false;
    bool m_desktopGrab = false;
    // Set while a passed-on lock key is forwarded, so that it is not relayed twice.
    bool m_forwarding = false;
    bool m_retryPending = false;
    int m_grabAttempts = 0;
    QPointer<QWidget> m_grabber;
    std::unique_ptr<QWidget> m_grabHolder;
};

} // namespace bexlan
