#include "skin_set.h"

#include "chrome.h"
#include "key_skins.h"
#include "macro_skins.h"
#include "main_skins.h"
#include "titles.h"

#include "model/window_regions.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace skingen {

using bexlan::Language;

namespace {

// The "_CH" picture serves the Turkish interface, "_TW" the Chinese one, "_EN" English.
constexpr std::array<Language, 3> kPictureLanguages = {
    Language::Turkish, Language::TraditionalChinese, Language::English};

QSize sizeOf(bexlan::Size size)
{
    return QSize(size.width, size.height);
}

QImage render(int slot)
{
    switch (slot) {
    case 0:
        return drawMask(sizeOf(bexlan::kMainWindowSize));
    case 1:
        return drawMainPage(MainPage::Basic, Look::Normal);
    case 2:
        return drawMainPage(MainPage::Basic, Look::On);
    case 3:
        return drawMainPage(MainPage::Basic, Look::Hot);
    case 4:
        return drawMainPage(MainPage::Advanced, Look::Normal);
    case 5:
        return drawMainPage(MainPage::Advanced, Look::On);
    case 6:
        return drawMainPage(MainPage::Advanced, Look::Hot);
    case 7:
        return drawMainPage(MainPage::Color, Look::Normal);
    case 8:
        return drawMainPage(MainPage::Color, Look::On);
    case 9:
        return drawMainPage(MainPage::Color, Look::Hot);
    case 10:
        return drawMask(sizeOf(bexlan::kKeyWindowSize));
    case 11:
        return drawKeyWindow(Look::Normal);
    case 12:
        return drawKeyWindow(Look::On);
    case 13:
        return drawKeyWindow(Look::Hot);
    case 14:
        return drawMask(sizeOf(bexlan::kMacroWindowSize));
    case 15:
        return drawMacroHot();
    case 16:
        return drawEditorBase();
    case 17:
        return drawChooserBase();
    case 18:
        return drawThumb(Direction::Up);
    case 19:
        return drawThumb(Direction::Down);
    case 20:
        return drawButtonFrames();
    case 21:
        return drawCheckFrames();
    default:
        break;
    }
    if (slot >= 22 && slot <= 24) {
        return drawMainTitle(kPictureLanguages[slot - 22]);
    }
    if (slot >= 25 && slot <= 27) {
        return drawMacroTitle(MacroTitle::Editor, kPictureLanguages[slot - 25]);
    }
    if (slot >= 28 && slot <= 30) {
        return drawMacroTitle(MacroTitle::Chooser, kPictureLanguages[slot - 28]);
    }
    return QImage();
}

} // namespace

std::vector<Skin> renderSkins()
{
    std::vector<Skin> skins;
    skins.reserve(kSkinCount);
    for (int slot = 0; slot < kSkinCount; ++slot) {
        skins.push_back(
            Skin{slot,
                 QString::fromLatin1(bexlan::SkinFileNames[slot].data(),
                                     static_cast<qsizetype>(bexlan::SkinFileNames[slot].size())),
                 render(slot)});
    }
    return skins;
}

QString writeSkins(const std::vector<Skin>& skins, const QString& directory)
{
    if (!QDir().mkpath(directory)) {
        return QStringLiteral("cannot create %1").arg(directory);
    }
    for (const Skin& skin : skins) {
        const QString path = QDir(directory).filePath(skin.fileName);
        const bool lossless = skin.fileName.endsWith(QLatin1String(".bmp"));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        }
        QImageWriter writer(&file, lossless ? "bmp" : "jpeg");
        if (!lossless) {
            writer.setQuality(95);
            writer.setOptimizedWrite(true);
        }
        if (!writer.write(skin.image)) {
            file.cancelWriting();
            return QStringLiteral("cannot encode %1: %2").arg(path, writer.errorString());
        }
        if (!file.commit()) {
            return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        }
    }
    return QString();
}

} // namespace skingen
