#include "gui/fonts.h"

#include <QStringList>

namespace bexlan {

namespace {

QFont arial(int pixelHeight)
{
    QFont font(QStringLiteral("Arial"));
    // A negative Windows height is the character height without internal leading: the
    // pixel size of the em square.
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Thin);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    const QString song = QStringLiteral("AR PL UMing TW");
    QFont::insertSubstitution(QStringLiteral("SimSun"), song);
    QFont::insertSubstitution(QStringLiteral("宋体"), song);
}

Fonts CreateFonts()
{
    return Fonts{arial(17), arial(11)};
}

} // namespace bexlan
