#pragma once

#include "widgets.h"

#include <QImage>

namespace skingen {

inline constexpr int kKeyTitleBarHeight = 56;

// A full picture of the key-combination window with its OK and cancel buttons in `look`.
QImage drawKeyWindow(Look buttons);

} // namespace skingen
