#include "gui/main_frame_painter.h"

#include "gui/drawing.h"
#include "gui/region_drawing.h"
#include "gui/skin_images.h"

#include <QPainter>

namespace bexlan {

namespace {

constexpr QSize kThumbSize(8, 16);
constexpr QPoint kTitlePosition(30, 15);

struct PagePictures {
    int normal;
    int on;
    int hot;
};

PagePictures picturesOf(Page page)
{
    switch (page) {
    case Page::Advanced:
        return {AdvancedNormal, AdvancedOver, AdvancedDown};
    case Page::Color:
        return {ColorNormal, ColorOver, ColorDown};
    default:
        return {MainNormal, MainOver, MainDown};
    }
}

} // namespace

MainFramePainter::MainFramePainter(SkinImages& skins, const Fonts& fonts)
    : m_skins(skins), m_fonts(fonts)
{
}

void MainFramePainter::compose(QImage& frame, const MainWindowState& state)
{
    const WindowMask* mask = m_skins.mask(MainMask);
    if (mask == nullptr) {
        return;
    }
    ComposeFrame(frame, m_skins.image(picturesOf(state.CurrentPage).normal), *mask,
                 m_fonts.SmallFont, [&](QPainter& painter) { drawPage(painter, state); });
}

void MainFramePainter::drawPage(QPainter& painter, const MainWindowState& state)
{
    const QImage& title = m_skins.image(MainIconFirst + static_cast<int>(state.LanguageIndex));
    if (!title.isNull()) {
        painter.drawImage(kTitlePosition, title);
    }
    for (int region = 0; region < kRegionTableSize; ++region) {
        if (RegionOnPage(region, state.CurrentPage)) {
            drawRegion(painter, state, DescribeRegion(state, region));
        }
    }
}

void MainFramePainter::drawRegion(QPainter& painter, const MainWindowState& state,
                                  const RegionDrawing& drawing)
{
    const PagePictures pictures = picturesOf(state.CurrentPage);
    if (drawing.look == RegionLook::On) {
        DrawImagePart(painter, m_skins.image(pictures.on), drawing.rect);
    } else if (drawing.look == RegionLook::Hot) {
        DrawImagePart(painter, m_skins.image(pictures.hot), drawing.rect);
    }
    painter.setFont(drawing.font == RegionFont::Large ? m_fonts.LargeFont : m_fonts.SmallFont);
    painter.setPen(drawing.pen);

    switch (drawing.content) {
    case RegionContent::Nothing:
        break;
    case RegionContent::Text:
        if (!drawing.text.isEmpty()) {
            painter.drawText(drawing.textRect, drawing.textFlags, drawing.text);
        }
        break;
    case RegionContent::Thumb:
        if (!thumb().isNull()) {
            painter.drawImage(drawing.thumbAt, thumb());
        }
        break;
    case RegionContent::MacroList:
        painter.setFont(m_fonts.SmallFont);
        for (const MacroListRow& row : DescribeMacroList(state.library)) {
            painter.setPen(row.pen);
            painter.drawText(row.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             row.text);
        }
        break;
    }
}

const QImage& MainFramePainter::thumb()
{
    if (!m_thumbMade) {
        // The thumb's black is transparent, as the stretching blit leaves it out.
        m_thumb = KeyedImage(m_skins.image(ArrowDown), kThumbSize, qRgb(0, 0, 0));
        m_thumbMade = true;
    }
    return m_thumb;
}

} // namespace bexlan
