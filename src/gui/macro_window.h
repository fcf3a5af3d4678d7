#pragma once

#include "gui/skinned_dialog.h"
#include "model/macro_editor.h"

#include <QTimer>

#include <optional>

namespace bexlan {

// The macro editor: records key combinations typed anywhere on the desktop (it holds the
// keyboard relay from the moment it shows until OK, cancel or close), adds mouse clicks,
// wheel steps and delays from its own buttons, and edits the event list. The rules live in
// MacroEditor; this is their window.
class CMacro : public SkinnedDialog {
    Q_OBJECT
public:
    // The regions of the editor, in the order of its region table.
    enum Region : int {
        EventList = 0,
        DelayField = 1,
        DelayAfterPressCheck = 2,
        DelayAfterReleaseCheck = 3,
        InsertDelayButton = 4,
        DeleteButton = 5,
        ClearButton = 6,
        LeftButton = 7,
        RightButton = 8,
        MiddleButton = 9,
        ButtonFive = 10,
        ButtonFour = 11,
        WheelUp = 12,
        WheelDown = 13,
        DelayUpArrow = 14,
        DelayDownArrow = 15,
        MinimiseBox = 16,
        CloseBox = 17,
        OkRegion = 18,
        CancelRegion = 19,
        NoRegion = 20,
    };

    // The delay arrows repeat every 100 ms while held.
    static constexpr int kDelayRepeatMs = 100;

    CMacro(const MacroRecord& record, const MacroWindowContext& context, QWidget* parent = nullptr);
    ~CMacro() override;

    const MacroEditor& Editor() const { return m_editor; }
    const MacroRecord& Record() const { return m_editor.Record(); }
    int HitRegion() const { return m_hitRegion; }
    bool DelayTimerActive() const { return m_delayTimer.isActive(); }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void drawContents(QPainter& painter) override;

private:
    void hitTest(const QPoint& pos);
    void act(int region);
    void onDelayTick();
    void drawEventList(QPainter& painter);
    void drawButtons(QPainter& painter);

    MacroEditor m_editor;
    int m_hitRegion = NoRegion;
    int m_lastHitRegion = NoRegion;
    QTimer m_delayTimer;
};

// Runs the editor modally on a copy of `record`. The edited record when the user ends with
// OK, also when it is empty (the caller keeps an empty macro out of the library); nullopt
// on cancel or close.
std::optional<MacroRecord> RunMacroEditor(QWidget* parent, const MacroRecord& record,
                                          const MacroWindowContext& context);

} // namespace bexlan
