#pragma once

#include <QImage>

// The macro editor and the macro chooser.
namespace skingen {

inline constexpr int kMacroTitleBarHeight = 68;

QImage drawEditorBase();  // "macro_normal.jpg"
QImage drawChooserBase(); // "macro_choice.jpg"
QImage drawMacroHot();    // "macro_down.jpg": hot looks of both windows' shared places

// Three frames stacked vertically: normal, on, hot.
QImage drawButtonFrames(); // "button.jpg", one frame per editor push button's size
QImage drawCheckFrames();  // "check.jpg", one frame per editor check-box row

} // namespace skingen
