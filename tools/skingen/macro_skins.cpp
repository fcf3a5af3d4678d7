#include "macro_skins.h"

#include "chrome.h"
#include "palette.h"
#include "widgets.h"

#include "model/window_regions.h"

#include <QPainterPath>

namespace skingen {

namespace pal = palette;
using bexlan::ChooserRegionTable;
using bexlan::EditorRegionTable;

namespace {

QSize macroSize()
{
    return QSize(bexlan::kMacroWindowSize.width, bexlan::kMacroWindowSize.height);
}

QRect editorRect(int region)
{
    return toQRect(EditorRegionTable[region]);
}

QRect chooserRect(int region)
{
    return toQRect(ChooserRegionTable[region]);
}

// The editor's push buttons (4-13) and check-box rows (2, 3) all share one size each; the
// frame pictures are cut to it.
QSize buttonSize()
{
    return editorRect(4).size();
}

QSize checkSize()
{
    return editorRect(2).size();
}

void drawButtonFrame(QPainter& p, const QRect& rect, Look look)
{
    p.fillRect(rect, pal::kCard);
    drawButton(p, rect, look, ButtonStyle::Plain);
}

void drawCheckFrame(QPainter& p, const QRect& rect, Look look)
{
    p.fillRect(rect, pal::kCard);
    if (look == Look::Hot) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::kHotFill);
        p.drawRoundedRect(QRectF(rect).adjusted(0, 0.5, 0, -0.5), 4, 4);
        p.restore();
    }
    drawOptionMark(p, rect, look, OptionMark::Check);
}

// Places 16-19 of the editor are also places 4-7 of the chooser.
void drawWindowButtons(QPainter& p, Look look)
{
    drawWindowBox(p, editorRect(16), look, WindowBox::Minimise);
    drawWindowBox(p, editorRect(17), look, WindowBox::Close);
    drawButton(p, editorRect(18), look, ButtonStyle::Plain);
    drawButton(p, editorRect(19), look, ButtonStyle::Plain);
}

QImage macroWindow(void (*content)(QPainter&))
{
    QImage image = newSkin(macroSize());
    QPainter p(&image);
    drawWindowBackground(p, macroSize(), kMacroTitleBarHeight);
    content(p);
    drawDivider(p, 20, macroSize().width() - 20, 414);
    p.end();
    finishEdges(image, drawMask(macroSize()));
    return image;
}

void editorContent(QPainter& p, Look windowLook)
{
    drawCard(p, QRect(8, 100, 238, 246), 22);
    drawDivider(p, 16, 238, 221);
    drawDivider(p, 16, 238, 273);
    drawCard(p, QRect(248, 100, 400, 272), 0);
    drawList(p, editorRect(0), Look::Normal, bexlan::kListTop, bexlan::kListRowHeight);
    drawNumberBox(p, editorRect(1), Look::On);
    for (int r = 2; r <= 3; ++r) {
        drawCheckFrame(p, editorRect(r), Look::Normal);
    }
    for (int r = 4; r <= 13; ++r) {
        drawButtonFrame(p, editorRect(r), Look::Normal);
    }
    drawSpinArrow(p, editorRect(14), windowLook, Direction::Up);
    drawSpinArrow(p, editorRect(15), windowLook, Direction::Down);
    drawWindowButtons(p, windowLook);
}

// A small mouse and keyboard in the header band of the editor's control card.
void drawEditorHeaderIcons(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pal::kAccentBright, 1.2));
    p.setBrush(QColor(0, 120, 250, 50));
    p.drawRoundedRect(QRectF(18.5, 104.5, 9, 14), 4.5, 4.5);
    p.drawLine(QPointF(23, 105), QPointF(23, 110));
    p.drawRoundedRect(QRectF(34.5, 106.5, 22, 11), 2, 2);
    p.setPen(QPen(pal::kAccentBright, 1));
    for (int x = 38; x <= 52; x += 4) {
        p.drawPoint(QPointF(x, 109.5));
        p.drawPoint(QPointF(x, 112.5));
    }
    p.drawLine(QPointF(40, 115), QPointF(51, 115));
    p.restore();
}

} // namespace

QImage drawEditorBase()
{
    return macroWindow([](QPainter& p) {
        editorContent(p, Look::Normal);
        drawEditorHeaderIcons(p);
    });
}

QImage drawMacroHot()
{
    return macroWindow([](QPainter& p) {
        editorContent(p, Look::Hot);
        drawEditorHeaderIcons(p);
    });
}

QImage drawChooserBase()
{
    return macroWindow([](QPainter& p) {
        drawCard(p, QRect(8, 86, 199, 286), 24);
        drawCard(p, QRect(248, 86, 400, 286), 24);
        drawList(p, chooserRect(2), Look::Normal, 113, bexlan::kListRowHeight);
        drawList(p, chooserRect(3), Look::Normal, bexlan::kListTop, bexlan::kListRowHeight);
        drawWindowButtons(p, Look::Normal);
    });
}

QImage drawButtonFrames()
{
    const QSize frame = buttonSize();
    QImage image(frame.width(), frame.height() * 3, QImage::Format_RGB32);
    QPainter p(&image);
    const Look looks[] = {Look::Normal, Look::On, Look::Hot};
    for (int i = 0; i < 3; ++i) {
        drawButtonFrame(p, QRect(QPoint(0, frame.height() * i), frame), looks[i]);
    }
    p.end();
    return image;
}

QImage drawCheckFrames()
{
    const QSize frame = checkSize();
    QImage image(frame.width(), frame.height() * 3, QImage::Format_RGB32);
    QPainter p(&image);
    const Look looks[] = {Look::Normal, Look::On, Look::Hot};
    for (int i = 0; i < 3; ++i) {
        drawCheckFrame(p, QRect(QPoint(0, frame.height() * i), frame), looks[i]);
    }
    p.end();
    return image;
}

} // namespace skingen
