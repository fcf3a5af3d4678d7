#pragma once

#include "gui/fonts.h"
#include "gui/main_window_state.h"

#include <QImage>
#include <QString>

#include <array>

class QPainter;

namespace bexlan {

class SkinImages;

// The DPI shown for XDpi 0-5; the last two levels both show 4000.
inline constexpr std::array<int, 6> DpiDisplayTable{800, 1600, 2400, 3000, 4000, 4000};

// The number shown for a DPI level; a level outside 0-5 (from a profile or the mouse) shows
// the nearest one.
int DpiDisplayValue(int32_t level);

// Where a slider's thumb stands: 0-5 for the DPI slider and 0-10 for the pointer sliders (a
// click at the very end of a track gives 10); other values are drawn at the nearest end.
int SliderThumbPosition(int sliderRegion, int32_t value);

// The row the macro list draws after the last macro.
inline constexpr const char* kNewMacroText = "<yeni makro>";

// The status of region 85: "Index: %d\nNumber:%d\nFile:%s".
QString MacroStatusText(const MacroLibrary& library);

// The file name part of a path: the text after its last slash or backslash.
QString FileNamePart(const std::string& path);

// Composes the main window's whole frame from a MainWindowState: the page's background, the
// title picture, every region of the page in its look with its text, number or thumb, the
// macro list, and the mask laid over last. It keeps nothing about the state between frames;
// only pictures derived from the skins (the keyed thumb) are made once.
class MainFramePainter {
public:
    MainFramePainter(SkinImages& skins, const Fonts& fonts);

    // `frame` is reused; it takes the mask's size. Without a decodable mask the frame stays
    // as it was.
    void compose(QImage& frame, const MainWindowState& state);

private:
    void drawPage(QPainter& painter, const MainWindowState& state);
    void drawRegion(QPainter& painter, const MainWindowState& state, int region);
    void drawLabel(QPainter& painter, const MainWindowState& state, int region, const QRect& rect);
    void drawThumb(QPainter& painter, const MainWindowState& state, int region, const QRect& rect);
    void drawMacroList(QPainter& painter, const MainWindowState& state, const QRect& rect);

    SkinImages& m_skins;
    const Fonts& m_fonts;
    std::array<QRect, kRegionTableSize> m_regions;
    QImage m_thumb;
    bool m_thumbMade = false;
};

} // namespace bexlan
