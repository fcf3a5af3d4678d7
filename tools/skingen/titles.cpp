#include "titles.h"

#include "chrome.h"
#include "macro_skins.h"
#include "main_skins.h"
#include "palette.h"

#include "model/window_regions.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace skingen {

namespace pal = palette;
using bexlan::Language;

namespace {

constexpr QSize kMainTitleSize(400, 50);
constexpr QSize kMacroTitleSize(330, 44);

QFont latinFont(int pixelSize, bool bold)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont fontFor(Language language, int pixelSize, bool bold)
{
    if (language == Language::TraditionalChinese) {
        QFont font("AR PL UMing TW");
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        return font;
    }
    return latinFont(pixelSize, bold);
}

// A hexagon with a "Z" stroke: the product's mark.
void drawLogoMark(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const qreal r = box.height() / 2.0 - 1;
    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = (60.0 * i - 90.0) * M_PI / 180.0;
        const QPointF pt(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        i == 0 ? hex.moveTo(pt) : hex.lineTo(pt);
    }
    hex.closeSubpath();
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(24, 136, 255));
    fill.setColorAt(1, QColor(7, 70, 150));
    p.setPen(QPen(pal::kAccentBright, 1.4));
    p.setBrush(fill);
    p.drawPath(hex);
    QPainterPath z;
    const qreal s = r * 0.45;
    z.moveTo(c.x() - s, c.y() - s);
    z.lineTo(c.x() + s, c.y() - s);
    z.lineTo(c.x() - s, c.y() + s);
    z.lineTo(c.x() + s, c.y() + s);
    p.setPen(QPen(pal::kWhite, r * 0.22, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
}

QLinearGradient wordFill(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(176, 206, 250));
    return g;
}

} // namespace

QImage drawMainTitle(Language)
{
    // The product name is not translated, so the three pictures carry the same words.
    const QRect area(QPoint(bexlan::kMainTitlePosition.x, bexlan::kMainTitlePosition.y),
                     kMainTitleSize);
    QImage image =
        backgroundPiece(QSize(bexlan::kMainWindowSize.width, bexlan::kMainWindowSize.height),
                        kMainTitleBarHeight, area);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawLogoMark(p, QRectF(2, 5, 40, 40));

    QFont brand = latinFont(32, true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath word;
    word.addText(54, 38, brand, "ZERU");
    p.setPen(Qt::NoPen);
    p.setBrush(wordFill(12, 38));
    p.drawPath(word);

    const qreal after = 54 + QFontMetricsF(brand).horizontalAdvance("ZERU") + 10;
    p.fillRect(QRectF(after, 14, 2, 24), pal::kAccent);
    QFont tag = latinFont(12, true);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(tag);
    p.setPen(QColor(200, 214, 236));
    p.drawText(QPointF(after + 12, 25), "GAMING MOUSE");
    p.setPen(pal::kAccentBright);
    p.drawText(QPointF(after + 12, 39), "DRIVER");
    p.end();
    return image;
}

QImage drawMacroTitle(MacroTitle which, Language language)
{
    // The words are the table entries that name each window's subject: "Macros Settings"
    // for the editor, "Macros List" for the chooser, in the picture's language.
    const int entry = which == MacroTitle::Editor ? 1 : 0;
    const std::string_view text =
        bexlan::LookupText(bexlan::TextTable::ChooserTextTable, entry, language);
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QRect area(QPoint(bexlan::kMacroTitlePosition.x, bexlan::kMacroTitlePosition.y),
                     kMacroTitleSize);
    QImage image =
        backgroundPiece(QSize(bexlan::kMacroWindowSize.width, bexlan::kMacroWindowSize.height),
                        kMacroTitleBarHeight, area);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawLogoMark(p, QRectF(2, 6, 32, 32));

    QFont brand = latinFont(20, true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath word;
    word.addText(44, 30, brand, "ZERU");
    p.setPen(Qt::NoPen);
    p.setBrush(wordFill(14, 30));
    p.drawPath(word);
    const qreal after = 44 + QFontMetricsF(brand).horizontalAdvance("ZERU") + 8;
    p.fillRect(QRectF(after, 13, 2, 20), pal::kAccent);

    const QFont title = fontFor(language, 18, language != Language::TraditionalChinese);
    p.setFont(title);
    p.setPen(pal::kWhite);
    p.drawText(QRectF(after + 10, 0, kMacroTitleSize.width() - after - 10, 44),
               Qt::AlignLeft | Qt::AlignVCenter, words);
    p.end();
    return image;
}

QImage drawThumb(Direction direction)
{
    QImage image(8, 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (direction == Direction::Up) {
        p.translate(0, 16);
        p.scale(1, -1);
    }
    QPainterPath shape;
    shape.moveTo(0.5, 0.5);
    shape.lineTo(7.5, 0.5);
    shape.lineTo(7.5, 10);
    shape.lineTo(4, 15.5);
    shape.lineTo(0.5, 10);
    shape.closeSubpath();
    QLinearGradient fill(0, 0, 0, 16);
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(170, 200, 245));
    p.setPen(QPen(pal::kAccent, 1));
    p.setBrush(fill);
    p.drawPath(shape);
    p.setPen(QPen(QColor(90, 140, 210), 1));
    p.drawLine(QPointF(2.5, 4.5), QPointF(5.5, 4.5));
    p.drawLine(QPointF(2.5, 6.5), QPointF(5.5, 6.5));
    p.end();
    return image;
}

} // namespace skingen
