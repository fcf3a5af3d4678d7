#pragma once

#include "gui/skinned_dialog.h"
#include "model/macro_chooser.h"

#include <optional>

namespace bexlan {

// The macro chooser: the library's macros by name with a preview of the one under
// selection, picked with the mouse or the arrow keys. It only reads the library, and it
// leaves the keyboard relay alone, so it gets ordinary key events.
class CChoice : public SkinnedDialog {
    Q_OBJECT
public:
    CChoice(const MacroLibrary& library, const MacroWindowContext& context,
            QWidget* parent = nullptr);

    const MacroChooser& Chooser() const { return m_chooser; }
    // The chosen macro's record: the result on OK.
    const MacroRecord& Preview() const { return m_chooser.Preview(); }
    int HitRegion() const { return m_hitRegion; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void drawContents(QPainter& painter) override;

private:
    void hitTest(const QPoint& pos);

    MacroChooser m_chooser;
    int m_hitRegion;
    int m_lastHitRegion;
};

// Runs the chooser modally over `library`, which must not change meanwhile. A copy of the
// chosen macro's record on OK (slot 0's, empty or not, when the user chose nothing);
// nullopt on cancel or close.
std::optional<MacroRecord> RunMacroChooser(QWidget* parent, const MacroLibrary& library,
                                           const MacroWindowContext& context);

} // namespace bexlan
