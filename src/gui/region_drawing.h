#pragma once

#include "gui/main_window_state.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bexlan {

// The DPI shown for XDpi 0-5; the last two levels both show 4000.
inline constexpr std::array<int, 6> DpiDisplayTable{800, 1600, 2400, 3000, 4000, 4000};

// The number shown for a DPI level; a level outside 0-5 (from a profile or the mouse) shows
// the nearest one.
int DpiDisplayValue(int32_t level);

// The step a slider's thumb stands at: 0-5 on the DPI slider (51) and 0-10 on the pointer
// sliders (a click at the very end of a track gives 10); other values stand at the nearest
// end instead of off the track.
int SliderThumbStep(int sliderRegion, int32_t value);

// The row the macro list shows after the last macro, the same in every language.
inline constexpr const char* kNewMacroText = "<yeni makro>";

// The status of region 85: "Index: %d\nNumber:%d\nFile:%s".
QString MacroStatusText(const MacroLibrary& library);

// The file name part of a path: the text after its last slash or backslash.
QString FileNamePart(const std::string& path);

// The three looks of a region, each cut from its own picture of the page.
enum class RegionLook { Normal, On, Hot };
enum class RegionFont { Small, Large };
enum class RegionContent { Nothing, Text, Thumb, MacroList };

inline const QColor kTextWhite{255, 255, 255};
inline const QColor kTextGrey{180, 180, 180};

// How one region of the main window is drawn for a state: its look, its text colour and font,
// and what lies on it. The painter only carries this out, so the rules are checked without
// pixels.
struct RegionDrawing {
    QRect rect;
    RegionLook look = RegionLook::Normal;
    RegionFont font = RegionFont::Small;
    QColor pen = kTextGrey;
    RegionContent content = RegionContent::Nothing;
    QString text;
    QRect textRect;    // where the text is laid out
    int textFlags = 0; // Qt::AlignmentFlag and Qt::TextFlag values
    QPoint thumbAt;    // top left of the slider thumb
};

// `region` must be 0-130.
RegionDrawing DescribeRegion(const MainWindowState& state, int region);

struct MacroListRow {
    QRect rect;
    QString text;
    QColor pen;
};

// The rows of the macro list (region 86): from MacroListTop, at most 20, one per macro, then
// "<yeni makro>" while the library has room; the list never reads past the last slot.
std::vector<MacroListRow> DescribeMacroList(const MacroLibrary& library);

} // namespace bexlan
