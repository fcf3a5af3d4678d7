#include "preview.h"

#include "model/language_tables.h"
#include "model/region_table.h"
#include "model/settings_record.h"
#include "model/window_regions.h"

#include <QDir>
#include <QPainter>

#include <array>

namespace skingen {

using bexlan::Language;
using bexlan::LookupText;
using bexlan::TextTable;

namespace {

const QColor kWhiteText(255, 255, 255);
const QColor kGreyText(180, 180, 180);
const QColor kBlueText(0, 120, 250);

enum class Mode { Values, AllOn, AllHot };

struct Fonts {
    QFont small;
    QFont large;
    Fonts()
    {
        small.setFamily("Liberation Sans");
        small.setPixelSize(11);
        large.setFamily("Liberation Sans");
        large.setPixelSize(17);
    }
};

QString text(TextTable table, int entry, Language language)
{
    const std::string_view s = LookupText(table, entry, language);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QRect qrect(const bexlan::Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

// An empty source rectangle would make Qt copy the whole image, so empty regions copy nothing.
void part(QPainter& p, const QImage& image, const QRect& rect)
{
    if (rect.isEmpty()) {
        return;
    }
    p.drawImage(rect.topLeft(), image, rect);
}

// Copies every mask pixel that is not the inside colour, as the windows do on each frame.
void layMask(QImage& frame, const QImage& mask)
{
    const QRgb inside = mask.pixel(50, 50);
    for (int y = 0; y < frame.height() && y < mask.height(); ++y) {
        for (int x = 0; x < frame.width() && x < mask.width(); ++x) {
            if (mask.pixel(x, y) != inside) {
                frame.setPixel(x, y, mask.pixel(x, y));
            }
        }
    }
}

void drawThumb(QPainter& p, const QImage& thumb, QPoint at)
{
    QImage keyed = thumb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if ((keyed.pixel(x, y) & 0xFFFFFF) == 0) {
                keyed.setPixel(x, y, 0);
            }
        }
    }
    p.drawImage(QRect(at, QSize(8, 16)), keyed);
}

QImage composeMain(const std::vector<Skin>& skins, bexlan::Page page, Language language, Mode mode,
                   int hot)
{
    const Fonts fonts;
    const int base = page == bexlan::Page::Basic ? 1 : 4;
    QImage frame = skins[base].image.copy();
    QPainter p(&frame);
    p.drawImage(QPoint(bexlan::kMainTitlePosition.x, bexlan::kMainTitlePosition.y),
                skins[22 + static_cast<int>(language)].image);
    std::array<int32_t, bexlan::kRegionCount> values = bexlan::DefaultSettings;
    values[125] = page == bexlan::Page::Basic ? 1 : 0;
    values[126] = page == bexlan::Page::Basic ? 0 : 1;
    static constexpr std::array<int, 6> kDpiShown = {800, 1600, 2400, 3000, 4000, 4000};

    for (int r = 0; r < bexlan::kRegionTableSize; ++r) {
        if (!bexlan::RegionOnPage(r, page)) {
            continue;
        }
        const QRect rect = qrect(bexlan::RegionRect(r));
        p.setFont(r >= 125 ? fonts.large : fonts.small);
        const bool on = mode == Mode::AllOn ? r >= 10 : (r >= 10 && values[r] != 0);
        const bool isHot = mode == Mode::AllHot || r == hot;
        if (on && mode != Mode::AllHot) {
            part(p, skins[base + 1].image, rect);
            p.setPen(kWhiteText);
        } else if (isHot) {
            part(p, skins[base + 2].image, rect);
            p.setPen(kWhiteText);
        } else {
            const bool white = (r >= 120 && r <= 122) || r >= 128;
            p.setPen(white ? kWhiteText : kGreyText);
        }
        if (r == 81) {
            continue;
        }
        if (r == 85) {
            p.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       "Index: 1\nNumber:0\nFile:macros.mac");
            continue;
        }
        if (r == 86) {
            p.setPen(kWhiteText);
            p.drawText(QRect(rect.left() + 2, rect.top() + 1, rect.width() - 4, 12),
                       Qt::AlignLeft | Qt::AlignVCenter, "<yeni makro>");
            continue;
        }
        const QString label = text(TextTable::RegionLabelTable, r, language);
        if (label.isEmpty()) {
            continue;
        }
        const QChar code = label.at(0);
        if (code == 'B') {
            p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                       text(TextTable::FunctionNameTable, values[r], language));
        } else if (code == 'S') {
            const int v = values[r + 4];
            const int left = r == 51 ? rect.left() + 30 + 40 * v : rect.left() + 4 + 23 * v;
            drawThumb(p, skins[19].image, QPoint(left, rect.top()));
        } else if (code == 'X') {
            const int v = values[r];
            p.drawText(rect, Qt::AlignCenter, QString::number(r == 55 ? kDpiShown[v] : v + 1));
        } else if (code == 'H') {
            p.drawText(rect, Qt::AlignCenter, QString::number(bexlan::HShineCodes[values[r]]));
        } else if (code == 'R' || code == 'Y' || code == 'G') {
            p.drawText(rect, Qt::AlignCenter, QString::number(values[r]));
        } else if (code != 'C') {
            const QString caption = label.trimmed();
            if (r == 63) {
                p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                           QStringLiteral("%1 %2/%3").arg(label).arg(0).arg(300));
            } else if (r == 14 || r == 15 || r == 16 || r == 24 || r == 25 || r == 28 || r == 29 ||
                       r == 32 || r == 33) {
                p.drawText(rect.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
            } else if (r == 114) {
                p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, caption);
            } else {
                p.drawText(rect, Qt::AlignCenter, caption);
            }
        }
    }
    p.end();
    layMask(frame, skins[0].image);
    return frame;
}

void drawFrameButton(QPainter& p, const QImage& frames, const QRect& rect, int frame)
{
    const int h = frames.height() / 3;
    p.drawImage(rect.topLeft(), frames, QRect(0, h * frame, frames.width(), h));
}

QImage composeEditor(const std::vector<Skin>& skins, Language language, int hot)
{
    const Fonts fonts;
    QImage frame = skins[16].image.copy();
    QPainter p(&frame);
    p.setFont(fonts.small);
    p.drawImage(QPoint(bexlan::kMacroTitlePosition.x, bexlan::kMacroTitlePosition.y),
                skins[25 + static_cast<int>(language)].image);
    const auto kind = [&](int e) { return text(TextTable::EditorEventKindTable, e, language); };
    const auto name = [&](int e) { return text(TextTable::EditorTextTable, e, language); };
    const QStringList rows = {
        QStringLiteral("1:\t<%1>\t<%2>").arg(kind(0), name(7)),
        QStringLiteral("2:\t<%1>\t<10 ms>").arg(kind(2)),
        QStringLiteral("3:\t<%1>\t<%2>").arg(kind(1), name(7)),
        QStringLiteral("4:\t<%1>\t<LCtrl + C>").arg(kind(0)),
    };
    for (int i = 0; i < rows.size(); ++i) {
        p.setPen(i == 1 ? kWhiteText : kGreyText);
        p.drawText(QRect(255, 112 + 12 * i, 385, 12),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, rows[i]);
    }
    p.setPen(kWhiteText);
    p.drawText(qrect(bexlan::kEditorSizeRect), Qt::AlignRight | Qt::AlignVCenter, "14/254");
    p.drawText(qrect(bexlan::EditorRegionTable[1]), Qt::AlignCenter, "10 ms");
    for (int r = 2; r <= 13; ++r) {
        const QRect rect = qrect(bexlan::EditorRegionTable[r]);
        const bool checked = r == 2;
        const int f = checked ? 1 : r == hot ? 2 : 0;
        drawFrameButton(p, skins[r <= 3 ? 21 : 20].image, rect, f);
        p.setPen(f == 0 ? kGreyText : kWhiteText);
        if (r <= 3) {
            p.drawText(rect.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name(r));
        } else if (r >= 7 && r <= 11 && language == Language::English) {
            p.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, name(r));
        } else {
            p.drawText(rect, Qt::AlignCenter, name(r));
        }
    }
    p.setFont(fonts.large);
    for (int r = 14; r <= 19; ++r) {
        const QRect rect = qrect(bexlan::EditorRegionTable[r]);
        if (r == hot) {
            part(p, skins[15].image, rect);
        }
        p.setPen(r == hot ? kWhiteText : kBlueText);
        p.drawText(rect, Qt::AlignCenter, name(r));
    }
    p.end();
    layMask(frame, skins[14].image);
    return frame;
}

QImage composeChooser(const std::vector<Skin>& skins, Language language, int hot)
{
    const Fonts fonts;
    QImage frame = skins[17].image.copy();
    QPainter p(&frame);
    p.setFont(fonts.small);
    p.drawImage(QPoint(bexlan::kMacroTitlePosition.x, bexlan::kMacroTitlePosition.y),
                skins[28 + static_cast<int>(language)].image);
    const auto chooser = [&](int e) { return text(TextTable::ChooserTextTable, e, language); };
    const auto kind = [&](int e) { return text(TextTable::ChooserEventKindTable, e, language); };
    const auto button = [&](int e) { return text(TextTable::MouseButtonNameTable, e, language); };
    p.setPen(kWhiteText);
    p.drawText(qrect(bexlan::ChooserRegionTable[0]), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 %2/%3").arg(chooser(0)).arg(1).arg(3));
    p.drawText(qrect(bexlan::ChooserRegionTable[1]), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 %2").arg(chooser(1)).arg(2));
    const QStringList names = {"Reload", "", "Sprint combo"};
    for (int i = 0; i < names.size(); ++i) {
        p.setPen(i == 0 ? kWhiteText : kGreyText);
        p.drawText(QRect(17, 113 + 12 * i, 181, 12), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
    }
    const QStringList rows = {
        QStringLiteral("1:\t<%1>\t<%2>").arg(kind(0), button(0)),
        QStringLiteral("2:\t<%1>\t<%2>").arg(kind(1), button(0)),
    };
    for (int i = 0; i < rows.size(); ++i) {
        p.setPen(kGreyText);
        p.drawText(QRect(255, 112 + 12 * i, 385, 12),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, rows[i]);
    }
    p.setFont(fonts.large);
    for (int r = 4; r <= 7; ++r) {
        const QRect rect = qrect(bexlan::ChooserRegionTable[r]);
        if (r == hot) {
            part(p, skins[15].image, rect);
        }
        p.setPen(r == hot ? kWhiteText : kBlueText);
        p.drawText(rect, Qt::AlignCenter, chooser(r));
    }
    p.end();
    layMask(frame, skins[14].image);
    return frame;
}

QImage composeKeyWindow(const std::vector<Skin>& skins, Language language, int hot)
{
    const Fonts fonts;
    QImage frame = skins[11].image.copy();
    QPainter p(&frame);
    p.setFont(fonts.large);
    if (hot == 1 || hot == 2) {
        part(p, skins[13].image, qrect(bexlan::KeyWindowRect(hot)));
    }
    p.setPen(kWhiteText);
    p.drawText(qrect(bexlan::KeyWindowRect(0)), Qt::AlignCenter, "LCtrl + LShift + S");
    for (int b = 1; b <= 2; ++b) {
        p.setPen(b == hot ? kWhiteText : kBlueText);
        p.drawText(qrect(bexlan::KeyWindowRect(b)), Qt::AlignCenter,
                   text(TextTable::KeyWindowTextTable, b - 1, language));
    }
    p.end();
    layMask(frame, skins[10].image);
    return frame;
}

} // namespace

QString writePreviews(const std::vector<Skin>& skins, const QString& directory)
{
    if (!QDir().mkpath(directory)) {
        return QStringLiteral("cannot create %1").arg(directory);
    }
    const QDir dir(directory);
    const auto save = [&](const QImage& image, const QString& name) {
        return image.save(dir.filePath(name), "PNG");
    };
    for (const Skin& skin : skins) {
        if (!save(skin.image, skin.fileName.section('.', 0, 0) + ".png")) {
            return QStringLiteral("cannot write a preview of %1").arg(skin.fileName);
        }
    }
    const std::array<std::pair<Language, const char*>, 3> languages = {
        {{Language::Turkish, "tr"},
         {Language::TraditionalChinese, "zh"},
         {Language::English, "en"}}};
    bool ok = true;
    for (const auto& [language, code] : languages) {
        const QString suffix = QStringLiteral("_%1.png").arg(code);
        ok = ok && save(composeMain(skins, bexlan::Page::Basic, language, Mode::Values, 3),
                        "frame_basic" + suffix);
        ok = ok && save(composeMain(skins, bexlan::Page::Advanced, language, Mode::Values, 65),
                        "frame_advanced" + suffix);
        ok = ok && save(composeEditor(skins, language, 18), "frame_editor" + suffix);
        ok = ok && save(composeChooser(skins, language, 6), "frame_chooser" + suffix);
        ok = ok && save(composeKeyWindow(skins, language, 1), "frame_key" + suffix);
    }
    for (const auto& [page, name] :
         {std::pair{bexlan::Page::Basic, "basic"}, std::pair{bexlan::Page::Advanced, "advanced"}}) {
        ok = ok && save(composeMain(skins, page, Language::English, Mode::AllOn, -1),
                        QStringLiteral("frame_%1_all_on.png").arg(name));
        ok = ok && save(composeMain(skins, page, Language::English, Mode::AllHot, -1),
                        QStringLiteral("frame_%1_all_hot.png").arg(name));
    }
    return ok ? QString() : QStringLiteral("cannot write the composed previews");
}

} // namespace skingen
