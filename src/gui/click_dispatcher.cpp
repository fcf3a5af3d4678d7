#include "gui/click_dispatcher.h"

#include "gui/main_window.h"

namespace bexlan {

ClickDispatcher::ClickDispatcher(CBexlanDlg& window) : m_window(window) {}

void ClickDispatcher::dispatch(int region)
{
    (void)m_window;
    (void)region;
}

} // namespace bexlan
