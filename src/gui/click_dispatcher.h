#pragma once

namespace bexlan {

class CBexlanDlg;

// Turns a click on a region of the main window (or Space, which repeats the last click) into
// the region's action. The window calls it for every release that is no drag and no slider.
class ClickDispatcher {
public:
    explicit ClickDispatcher(CBexlanDlg& window);

    // `region` is 0-130, or 131 for a release outside every region (which does nothing).
    void dispatch(int region);

private:
    CBexlanDlg& m_window;
};

} // namespace bexlan
