// Hit testing and the mouse and keyboard handlers of the main window.
#include "gui/main_window.h"

#include "gui/click_dispatcher.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

namespace bexlan {

namespace {

constexpr int kDpiSlider = 51;
constexpr int kDpiSliderStep = 45;
constexpr int kPointerSliderStep = 23;
constexpr int kMacroStatus = 85;
constexpr int kMacroList = 86;
constexpr int kListRowHeight = 12;
constexpr int kVisibleListRows = 20;

// The slider tracks whose value a release sets directly; 48-50 have no rectangle.
bool isPointerSlider(int region)
{
    return (region >= 48 && region <= 50) || (region >= 78 && region <= 80);
}

bool compositorMovesWindows()
{
    // Wayland clients cannot place their own windows; the compositor moves them instead.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void CBexlanDlg::HitTest(int px, int py)
{
    MainWindowState& state = *m_state;
    MacroLibrary& library = state.library;
    if (library.HotMacroRow != library.SelectedMacro) {
        // The list repaints when the hot row falls back to the selection, so no row stays
        // lit after the cursor has left it.
        library.HotMacroRow = library.SelectedMacro;
        invalidateRegion(kMacroList);
    }

    const int region = bexlan::HitTest(state.CurrentPage, px, py);
    if (region == kMacroList) {
        const Rect list = RegionRect(kMacroList);
        int64_t row = (py - list.top) / kListRowHeight + static_cast<int64_t>(library.MacroListTop);
        // Rows past the last macro name the free slot, where a new macro is recorded.
        if (row < 0 || static_cast<uint64_t>(row) > library.MacroCount) {
            row = library.MacroCount;
        }
        if (row != library.HotMacroRow) {
            library.HotMacroRow = static_cast<int32_t>(row);
            invalidateRegion(kMacroStatus);
            invalidateRegion(kMacroList);
        }
    }

    state.HotRegion = region;
    if (state.HotRegion != state.LastHotRegion) {
        invalidateRegion(state.HotRegion);
        invalidateRegion(state.LastHotRegion);
        state.LastHotRegion = state.HotRegion;
    }
}

void CBexlanDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    HitTest(pos.x(), pos.y());
    if (m_state->HotRegion != kNoRegion) {
        return;
    }
    // A press on the face outside every region moves the window.
    if (compositorMovesWindows() && windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_state->Dragging = DragState::Dragging;
    m_state->DragAnchor = pos;
}

void CBexlanDlg::mouseMoveEvent(QMouseEvent* event)
{
    MainWindowState& state = *m_state;
    if (state.Dragging == DragState::Dragging) {
        // The window follows so that the cursor stays at the anchor. Working from the global
        // position keeps this right while the window system is still catching up with the
        // previous move.
        const QPoint global = event->globalPosition().toPoint();
        state.WindowRect.moveTopLeft(global - state.DragAnchor);
        move(state.WindowRect.topLeft());
        return;
    }
    const QPoint pos = event->position().toPoint();
    HitTest(pos.x(), pos.y());
}

void CBexlanDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    if (m_state->Dragging == DragState::Dragging) {
        m_state->Dragging = DragState::Idle;
        return;
    }
    const QPoint pos = event->position().toPoint();
    releaseAt(pos.x(), pos.y());
}

void CBexlanDlg::releaseAt(int px, int py)
{
    HitTest(px, py);
    MainWindowState& state = *m_state;
    const int region = state.HotRegion;
    if (isPointerSlider(region)) {
        // The value sits four regions further on; the very end of the track gives 10.
        state.settings.RegionValues[static_cast<size_t>(region + 4)] =
            (px - RegionRect(region).left) / kPointerSliderStep;
        invalidateRegion(region);
        invalidateRegion(region + 4);
        return;
    }
    if (region == kDpiSlider) {
        state.settings[XDpi] = (px - RegionRect(kDpiSlider).left) / kDpiSliderStep;
        invalidateRegion(kDpiSlider);
        invalidateRegion(XDpi);
        return;
    }
    m_dispatcher->dispatch(region);
    if (region < kNoRegion) {
        m_state->LastClickedRegion = region;
    }
}

void CBexlanDlg::wheelEvent(QWheelEvent* event)
{
    MacroLibrary& library = m_state->library;
    const int delta = event->angleDelta().y();
    if (m_state->HotRegion != kMacroList || delta == 0) {
        QDialog::wheelEvent(event);
        return;
    }
    // One row per wheel message, however far the wheel turned.
    if (delta > 0 && library.MacroListTop != 0) {
        --library.MacroListTop;
        invalidateRegion(kMacroList);
    } else if (delta < 0 && library.MacroCount > static_cast<uint32_t>(library.MacroListTop) +
                                                     (kVisibleListRows - 1)) {
        ++library.MacroListTop;
        invalidateRegion(kMacroList);
    }
    event->accept();
}

void CBexlanDlg::keyReleaseEvent(QKeyEvent* event)
{
    // Only a Space released on the face itself repeats the last click: not one typed into
    // the name entry or the language box, and not the releases of auto-repeat.
    const bool onFace =
        QApplication::focusWidget() == this || QApplication::focusWidget() == nullptr;
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && onFace) {
        if (m_state->LastClickedRegion < kNoRegion) {
            m_dispatcher->dispatch(m_state->LastClickedRegion);
        }
        event->accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace bexlan
