#pragma once

#include <QApplication>

namespace bexlan {

// The wait cursor for as long as the object lives: wrap every transfer with the mouse, which
// blocks the window for up to a few seconds.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace bexlan
