#pragma once

#include "gui/fonts.h"
#include "model/language_tables.h"
#include "model/region_table.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace bexlan {

class SkinImages;
class WindowMask;

// What the macro windows draw with; all of it outlives the window.
struct MacroWindowContext {
    SkinImages& skins;
    const Fonts& fonts;
    Language language = Language::Turkish;
};

// Text colours shared by the macro windows.
inline constexpr QRgb kWhiteText = qRgb(255, 255, 255);
inline constexpr QRgb kGreyText = qRgb(180, 180, 180);
inline constexpr QRgb kBlueText = qRgb(0, 120, 250);

QRect ToQRect(const Rect& rect);

// One line of text vertically centred in `rect`, tabs expanded to stops eight average
// characters apart, clipped to the rectangle.
void DrawTabbedLine(QPainter& painter, const QRect& rect, const QString& text);

// The common part of the three macro windows: a frameless dialog shaped by its mask and
// centred on the screen, every frame composed from its base picture and the window's own
// drawing, moved by dragging its background.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    // The frame exactly as the paint handler composes it.
    const QImage& composeFrame();

protected:
    // `fallbackSize` is used when the mask picture does not decode.
    SkinnedDialog(const MacroWindowContext& context, int maskSlot, int baseSlot, const QFont& font,
                  QSize fallbackSize, QWidget* parent);

    // The window's own drawing step, with the window's font selected.
    virtual void drawContents(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;

    bool isDragging() const { return m_dragging; }
    // A press on the background; on Wayland the compositor moves the window instead.
    void beginDrag(const QPoint& clientPos);
    void dragTo(const QPoint& globalPos);
    void endDrag() { m_dragging = false; }

    QString text(TextTable table, int entry) const;
    const QImage& skin(int slot) const;
    Language language() const { return m_context.language; }
    const Fonts& fonts() const { return m_context.fonts; }

private:
    MacroWindowContext m_context;
    const WindowMask* m_mask;
    int m_baseSlot;
    QFont m_font;
    QImage m_frame;
    QRect m_windowRect;
    bool m_dragging = false;
    QPoint m_dragStart;
};

} // namespace bexlan
