#include "gui/main_frame_painter.h"

#include "gui/drawing.h"
#include "gui/skin_images.h"
#include "model/key_table.h"

#include <QPainter>

#include <algorithm>

namespace bexlan {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(180, 180, 180);

constexpr int kDpiSlider = 51;
constexpr int kDpiNumber = 55;
constexpr int kNameEditPlace = 81;
constexpr int kMacroStatus = 85;
constexpr int kMacroList = 86;
constexpr int kMacroListCaption = 63;
constexpr int kQuickSetupCaption = 114;
constexpr int kFirstLargeFontRegion = 125;
constexpr int kFirstValueLookRegion = 10;
constexpr int kListRowHeight = 12;
constexpr int kVisibleListRows = 20;
constexpr int kOptionMarkWidth = 18;
constexpr QSize kThumbSize(8, 16);
constexpr int kLastPointerSliderStep = 10;

constexpr int kSingleLine = Qt::TextSingleLine | Qt::AlignVCenter;

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

QRect toQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

QString text(TextTable table, int entry, Language language)
{
    const std::string_view utf8 = LookupText(table, entry, language);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int32_t valueOf(const MainWindowState& state, int region)
{
    if (region < 0 || region >= kRegionCount) {
        return 0;
    }
    return state.settings.RegionValues[static_cast<size_t>(region)];
}

bool isOptionCaption(int region)
{
    static constexpr std::array<int, 9> options{14, 15, 16, 24, 25, 28, 29, 32, 33};
    return std::find(options.begin(), options.end(), region) != options.end();
}

bool alwaysWhite(int region)
{
    return region == 120 || region == 121 || region == 122 || region >= 128;
}

} // namespace

int DpiDisplayValue(int32_t level)
{
    const int32_t last = static_cast<int32_t>(DpiDisplayTable.size()) - 1;
    return DpiDisplayTable[static_cast<size_t>(std::clamp(level, 0, last))];
}

int SliderThumbPosition(int sliderRegion, int32_t value)
{
    const int32_t last = sliderRegion == kDpiSlider
                             ? static_cast<int32_t>(DpiDisplayTable.size()) - 1
                             : kLastPointerSliderStep;
    return std::clamp(value, 0, last);
}

QString FileNamePart(const std::string& path)
{
    const size_t cut = path.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return QString::fromStdString(name);
}

QString MacroStatusText(const MacroLibrary& library)
{
    const int slot = std::clamp(library.SelectedMacro, 0, kMacroSlotCount - 1);
    const MacroRecord& record = library.MacroSlots[static_cast<size_t>(slot)];
    return QStringLiteral("Index: %1\nNumber:%2\nFile:%3")
        .arg(static_cast<qint64>(library.SelectedMacro) + 1)
        .arg(record.eventCount)
        .arg(FileNamePart(library.MacroFilePath));
}

MainFramePainter::MainFramePainter(SkinImages& skins, const Fonts& fonts)
    : m_skins(skins), m_fonts(fonts)
{
    for (int region = 0; region < kRegionTableSize; ++region) {
        m_regions[static_cast<size_t>(region)] = toQRect(RegionRect(region));
    }
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
        painter.drawImage(QPoint(30, 15), title);
    }
    for (int region = 0; region < kRegionTableSize; ++region) {
        if (RegionOnPage(region, state.CurrentPage)) {
            drawRegion(painter, state, region);
        }
    }
}

void MainFramePainter::drawRegion(QPainter& painter, const MainWindowState& state, int region)
{
    const QRect& rect = m_regions[static_cast<size_t>(region)];
    const PagePictures pictures = picturesOf(state.CurrentPage);
    painter.setFont(region >= kFirstLargeFontRegion ? m_fonts.LargeFont : m_fonts.SmallFont);

    // Button regions hold function codes, so only regions from 10 on have an "on" look.
    if (region >= kFirstValueLookRegion && valueOf(state, region) != 0) {
        DrawImagePart(painter, m_skins.image(pictures.on), rect);
        painter.setPen(kWhite);
    } else if (region == state.HotRegion) {
        DrawImagePart(painter, m_skins.image(pictures.hot), rect);
        painter.setPen(kWhite);
    } else {
        painter.setPen(alwaysWhite(region) ? kWhite : kGrey);
    }

    switch (region) {
    case kNameEditPlace:
        return;
    case kMacroStatus:
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         MacroStatusText(state.library));
        return;
    case kMacroList:
        drawMacroList(painter, state, rect);
        return;
    default:
        drawLabel(painter, state, region, rect);
    }
}

void MainFramePainter::drawLabel(QPainter& painter, const MainWindowState& state, int region,
                                 const QRect& rect)
{
    const QString label = text(TextTable::RegionLabelTable, region, state.LanguageIndex);
    if (label.isEmpty()) {
        return;
    }
    const int32_t value = valueOf(state, region);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    switch (label.front().unicode()) {
    case 'B': {
        QString name;
        if (value == 7 && region < kButtonCount) {
            name = QString::fromStdString(
                FormatKeyCombination(state.settings.KeyCombo[static_cast<size_t>(region)]));
        } else {
            name = text(TextTable::FunctionNameTable, value, state.LanguageIndex);
        }
        painter.drawText(rect, Qt::AlignLeft | kSingleLine, name);
        return;
    }
    case 'S':
        drawThumb(painter, state, region, rect);
        return;
    case 'X': {
        const int shown = region == kDpiNumber ? DpiDisplayValue(value)
                                               : static_cast<int>(static_cast<int64_t>(value) + 1);
        painter.drawText(rect, centred | Qt::TextSingleLine, QString::number(shown));
        return;
    }
    case 'H':
        painter.drawText(rect, centred | Qt::TextSingleLine, QString::number(HShineCode(value)));
        return;
    case 'R':
    case 'Y':
    case 'G':
        painter.drawText(rect, centred | Qt::TextSingleLine, QString::number(value));
        return;
    default:
        break;
    }

    if (region == kMacroListCaption) {
        const QString caption = label + QLatin1Char(' ') +
                                QString::number(static_cast<qint64>(state.library.MacroCount)) +
                                QLatin1Char('/') + QString::number(kMaxMacroCount);
        painter.drawText(rect, Qt::AlignLeft | kSingleLine, caption);
    } else if (isOptionCaption(region)) {
        painter.drawText(rect.adjusted(kOptionMarkWidth, 0, 0, 0), Qt::AlignLeft | kSingleLine,
                         label.trimmed());
    } else if (region == kQuickSetupCaption) {
        painter.drawText(rect, Qt::AlignLeft | kSingleLine, label.trimmed());
    } else {
        painter.drawText(rect, Qt::AlignHCenter | kSingleLine, label.trimmed());
    }
}

void MainFramePainter::drawThumb(QPainter& painter, const MainWindowState& state, int region,
                                 const QRect& rect)
{
    if (!m_thumbMade) {
        m_thumb = KeyedImage(m_skins.image(ArrowDown), kThumbSize, qRgb(0, 0, 0));
        m_thumbMade = true;
    }
    if (m_thumb.isNull()) {
        return;
    }
    // The slider's value lives four regions further on: XDpi, XSpeed, XScroll, XDblClk.
    const int step = SliderThumbPosition(region, valueOf(state, region + 4));
    const int left =
        region == kDpiSlider ? rect.left() + 30 + 40 * step : rect.left() + 4 + 23 * step;
    painter.drawImage(QPoint(left, rect.top()), m_thumb);
}

void MainFramePainter::drawMacroList(QPainter& painter, const MainWindowState& state,
                                     const QRect& rect)
{
    const MacroLibrary& library = state.library;
    QRect row(rect.left() + 2, rect.top() + 1, rect.width() - 4, kListRowHeight);
    const int top = std::max(library.MacroListTop, 0);
    for (int i = top; i < top + kVisibleListRows && i < kMacroSlotCount; ++i) {
        const bool lit = i == library.HotMacroRow || i == library.SelectedMacro;
        painter.setPen(lit ? kWhite : kGrey);
        if (library.MacroSlots[static_cast<size_t>(i)].eventCount != 0) {
            painter.drawText(row, Qt::AlignLeft | kSingleLine,
                             QString::fromStdString(library.DisplayName(i)));
            row.translate(0, kListRowHeight);
            continue;
        }
        if (library.MacroCount < kMaxMacroCount) {
            painter.drawText(row, Qt::AlignLeft | kSingleLine, QString::fromLatin1(kNewMacroText));
        }
        break;
    }
}

} // namespace bexlan
