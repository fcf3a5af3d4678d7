#pragma once

#include "widgets.h"

#include <QImage>

namespace skingen {

enum class MainPage { Basic, Advanced, Color };

inline constexpr int kMainTitleBarHeight = 70;

// One full-window picture of the main window: the page's background with every region of
// the page (and of every page) in `look`.
QImage drawMainPage(MainPage page, Look look);

} // namespace skingen
