#include "gui/region_drawing.h"

#include "model/key_table.h"
#include "model/language_tables.h"

#include <algorithm>

namespace bexlan {

namespace {

constexpr int kDpiSlider = 51;
constexpr int kDpiNumber = 55;
constexpr int kNameEditPlace = 81;
constexpr int kMacroStatus = 85;
constexpr int kMacroList = 86;
constexpr int kMacroListCaption = 63;
constexpr int kQuickSetupCaption = 114;
constexpr int kFirstLargeFontRegion = 125;
// Button regions hold function codes, so only regions from 10 on have an "on" look.
constexpr int kFirstValueLookRegion = 10;
constexpr int kListRowHeight = 12;
constexpr int kVisibleListRows = 20;
constexpr int kOptionMarkWidth = 18;
constexpr int kLastPointerSliderStep = 10;
constexpr int kKeyboardFunction = 7;

constexpr int kOneLine = Qt::TextSingleLine | Qt::AlignVCenter;

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

void setText(RegionDrawing& drawing, QString text, int flags)
{
    drawing.content = RegionContent::Text;
    drawing.text = std::move(text);
    drawing.textRect = drawing.rect;
    drawing.textFlags = flags;
}

// What a label stands for: its first character is a display-type code or it is a caption.
void describeLabel(RegionDrawing& drawing, const MainWindowState& state, int region)
{
    const QString label = text(TextTable::RegionLabelTable, region, state.LanguageIndex);
    if (label.isEmpty()) {
        return;
    }
    const int32_t value = valueOf(state, region);
    const int centred = Qt::AlignHCenter | kOneLine;
    switch (label.front().unicode()) {
    case 'B':
        if (value == kKeyboardFunction && region < kButtonCount) {
            const KeyCombination& keys = state.settings.KeyCombo[static_cast<size_t>(region)];
            setText(drawing, QString::fromStdString(FormatKeyCombination(keys)),
                    Qt::AlignLeft | kOneLine);
        } else {
            setText(drawing, text(TextTable::FunctionNameTable, value, state.LanguageIndex),
                    Qt::AlignLeft | kOneLine);
        }
        return;
    case 'S': {
        // The slider's value lives four regions further on: XDpi, XSpeed, XScroll, XDblClk.
        const int step = SliderThumbStep(region, valueOf(state, region + 4));
        const int left = region == kDpiSlider ? drawing.rect.left() + 30 + 40 * step
                                              : drawing.rect.left() + 4 + 23 * step;
        drawing.content = RegionContent::Thumb;
        drawing.thumbAt = QPoint(left, drawing.rect.top());
        return;
    }
    case 'X': {
        const int64_t shown =
            region == kDpiNumber ? DpiDisplayValue(value) : static_cast<int64_t>(value) + 1;
        setText(drawing, QString::number(shown), centred);
        return;
    }
    case 'H':
        setText(drawing, QString::number(HShineCode(value)), centred);
        return;
    case 'R':
    case 'Y':
    case 'G':
        setText(drawing, QString::number(value), centred);
        return;
    default:
        break;
    }

    if (region == kMacroListCaption) {
        setText(drawing,
                label + QLatin1Char(' ') +
                    QString::number(static_cast<qint64>(state.library.MacroCount)) +
                    QLatin1Char('/') + QString::number(kMaxMacroCount),
                Qt::AlignLeft | kOneLine);
    } else if (isOptionCaption(region)) {
        // The skin draws the option's mark in the first pixels.
        setText(drawing, label.trimmed(), Qt::AlignLeft | kOneLine);
        drawing.textRect.setLeft(drawing.rect.left() + kOptionMarkWidth);
    } else if (region == kQuickSetupCaption) {
        setText(drawing, label.trimmed(), Qt::AlignLeft | kOneLine);
    } else {
        setText(drawing, label.trimmed(), centred);
    }
}

} // namespace

int DpiDisplayValue(int32_t level)
{
    const int32_t last = static_cast<int32_t>(DpiDisplayTable.size()) - 1;
    return DpiDisplayTable[static_cast<size_t>(std::clamp(level, 0, last))];
}

int SliderThumbStep(int sliderRegion, int32_t value)
{
    const int32_t last = sliderRegion == kDpiSlider
                             ? static_cast<int32_t>(DpiDisplayTable.size()) - 1
                             : kLastPointerSliderStep;
    return std::clamp(value, 0, last);
}

QString FileNamePart(const std::string& path)
{
    const size_t cut = path.find_last_of("/\\");
    return QString::fromStdString(cut == std::string::npos ? path : path.substr(cut + 1));
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

RegionDrawing DescribeRegion(const MainWindowState& state, int region)
{
    RegionDrawing drawing;
    drawing.rect = toQRect(RegionRect(region));
    drawing.font = region >= kFirstLargeFontRegion ? RegionFont::Large : RegionFont::Small;
    if (region >= kFirstValueLookRegion && valueOf(state, region) != 0) {
        drawing.look = RegionLook::On;
        drawing.pen = kTextWhite;
    } else if (region == state.HotRegion) {
        drawing.look = RegionLook::Hot;
        drawing.pen = kTextWhite;
    } else {
        drawing.pen = alwaysWhite(region) ? kTextWhite : kTextGrey;
    }

    switch (region) {
    case kNameEditPlace:
        break;
    case kMacroStatus:
        setText(drawing, MacroStatusText(state.library),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        break;
    case kMacroList:
        drawing.content = RegionContent::MacroList;
        break;
    default:
        describeLabel(drawing, state, region);
    }
    return drawing;
}

std::vector<MacroListRow> DescribeMacroList(const MacroLibrary& library)
{
    std::vector<MacroListRow> rows;
    const Rect list = RegionRect(kMacroList);
    QRect row(list.left + 2, list.top + 1, list.width() - 4, kListRowHeight);
    const int top = std::max(library.MacroListTop, 0);
    for (int i = top; i < top + kVisibleListRows && i < kMacroSlotCount; ++i) {
        const QColor pen =
            i == library.HotMacroRow || i == library.SelectedMacro ? kTextWhite : kTextGrey;
        if (library.MacroSlots[static_cast<size_t>(i)].eventCount != 0) {
            rows.push_back({row, QString::fromStdString(library.DisplayName(i)), pen});
            row.translate(0, kListRowHeight);
            continue;
        }
        if (library.MacroCount < kMaxMacroCount) {
            rows.push_back({row, QString::fromLatin1(kNewMacroText), pen});
        }
        break;
    }
    return rows;
}

} // namespace bexlan
