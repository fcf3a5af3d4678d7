#pragma once

#include "gui/skinned_dialog.h"
#include "model/key_capture.h"

#include <optional>

namespace bexlan {

// The key-combination window: the user presses a combination anywhere on the desktop and
// confirms it with OK. It holds the keyboard relay from the moment it shows until OK or
// cancel, so every key it sees is recorded instead of acting.
class CSingleKey : public SkinnedDialog {
    Q_OBJECT
public:
    // The window's buttons: HotButton values.
    enum Button : int { NoButton = 0, OkButton = 1, CancelButton = 2 };

    explicit CSingleKey(const MacroWindowContext& context, QWidget* parent = nullptr);
    ~CSingleKey() override;

    // The captured combination: at most six keys, so it always ends with a 0.
    const KeyCombination& HeldKeys() const { return m_capture.HeldKeys(); }
    int HeldKeyCount() const { return m_capture.HeldKeyCount(); }
    int HotButton() const { return m_hotButton; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void drawContents(QPainter& painter) override;

private:
    void setHotButton(int button);

    KeyCapture m_capture;
    int m_hotButton = NoButton;
    int m_lastHotButton = NoButton;
};

// Runs the key-combination window modally. The combination when the user ends with OK
// after pressing at least one key; nullopt for cancel and for OK with nothing captured, in
// which cases the button keeps its function.
std::optional<KeyCombination> RunKeyCombinationWindow(QWidget* parent,
                                                      const MacroWindowContext& context);

} // namespace bexlan
