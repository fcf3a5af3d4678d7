#pragma once

#include "gui/fonts.h"
#include "gui/main_window_state.h"

#include <QImage>

class QPainter;

namespace bexlan {

class SkinImages;
struct RegionDrawing;

// Composes the main window's whole frame from a MainWindowState: the page's background, the
// title picture of the language, every region of the page in its look with its text, number
// or thumb (DescribeRegion), the macro list, and the mask laid over last. Nothing about the
// state is kept between frames; only the keyed thumb, derived from its skin, is made once.
class MainFramePainter {
public:
    MainFramePainter(SkinImages& skins, const Fonts& fonts);

    // `frame` is reused and takes the mask's size. Without a decodable mask it stays as it was.
    void compose(QImage& frame, const MainWindowState& state);

private:
    void drawPage(QPainter& painter, const MainWindowState& state);
    void drawRegion(QPainter& painter, const MainWindowState& state, const RegionDrawing& drawing);
    const QImage& thumb();

    SkinImages& m_skins;
    const Fonts& m_fonts;
    QImage m_thumb;
    bool m_thumbMade = false;
};

} // namespace bexlan
