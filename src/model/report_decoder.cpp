#include "model/report_decoder.h"

#include <algorithm>
#include <array>

#include "model/button_functions.h"
#include "model/key_table.h"

namespace bexlan {

namespace {

// Addresses count from the byte after the report ID; the report holds addresses 0..2047.
constexpr int kAddressSpace = kButtonMapReportSize - 1;
constexpr int kTableEntries = 10;

// Bounds-checked view of report 4 by address. Everything outside the bytes that were
// actually received reads as absent.
class ButtonMapView {
public:
    explicit ButtonMapView(std::span<const uint8_t> report)
        : m_report(report),
          m_limit(std::min<int>(kAddressSpace,
                                report.empty() ? 0 : static_cast<int>(report.size()) - 1))
    {
    }

    uint8_t At(int address) const
    {
        return address >= 0 && address < m_limit ? m_report[static_cast<std::size_t>(address) + 1]
                                                 : 0;
    }

    uint16_t Word(int address) const
    {
        return static_cast<uint16_t>(At(address) | At(address + 1) << 8);
    }

    // True when a whole record starts at `address`.
    bool HasRecord(int address) const { return address >= 0 && address + kRecordSize <= m_limit; }

    // Whole records from `address` to the end of the report.
    int RecordsFrom(int address) const
    {
        return HasRecord(address) ? (m_limit - address) / kRecordSize : 0;
    }

    RecordBytes Record(int address) const
    {
        RecordBytes record{};
        for (int i = 0; i < kRecordSize; ++i)
            record[static_cast<std::size_t>(i)] = At(address + i);
        return record;
    }

private:
    std::span<const uint8_t> m_report;
    int m_limit;
};

RecordType typeOf(const RecordBytes& record)
{
    return static_cast<RecordType>(record[0] >> 5);
}

uint16_t tailOf(const RecordBytes& record)
{
    return static_cast<uint16_t>(record[8] | record[9] << 8);
}

void setCode(SettingsRecord& settings, int buttonIndex, ButtonFunction function)
{
    settings.RegionValues[static_cast<std::size_t>(ButtonRegion(buttonIndex))] =
        FunctionCode(function);
}

// The keys of a KeyDown payload (bytes 1-7): the modifier bits in bit order, then the
// usages. Usages no key row has, and empty slots, add nothing; at most 10 keys are kept.
KeyCombination keysOf(const RecordBytes& record)
{
    KeyCombination keys{};
    std::size_t count = 0;
    auto add = [&](KeyIndex key) {
        if (count < keys.size())
            keys[count++] = key;
    };
    for (int bit = 0; bit < 8; ++bit) {
        if (record[1] & (1u << bit))
            add(ModifierBitKeys[static_cast<std::size_t>(bit)]);
    }
    for (std::size_t slot = 2; slot <= 7; ++slot) {
        if (record[slot] == 0)
            continue;
        if (const auto key = FindKeyIndexByUsage(record[slot]); key && *key != kNoKey)
            add(*key);
    }
    return keys;
}

bool payloadEquals(const RecordBytes& record, const std::array<uint8_t, 7>& payload,
                   std::size_t bytes)
{
    return std::equal(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(bytes),
                      record.begin() + 1);
}

std::optional<ButtonFunction> mouseClickOf(uint8_t mask)
{
    switch (mask) {
    case kMaskLeft:
        return ButtonFunction::Left;
    case kMaskRight:
        return ButtonFunction::Right;
    case kMaskMiddle:
        return ButtonFunction::Mid;
    case kMaskBack:
        return ButtonFunction::Back;
    case kMaskForward:
        return ButtonFunction::Forward;
    default:
        return std::nullopt;
    }
}

std::optional<ButtonFunction> dpiStepOf(uint8_t step)
{
    switch (step) {
    case kDpiCycle:
        return ButtonFunction::SwitchDpi;
    case kDpiUp:
        return ButtonFunction::DpiUp;
    case kDpiDown:
        return ButtonFunction::DpiDown;
    default:
        return std::nullopt;
    }
}

bool isDoubleClick(const ButtonMapView& view, int address)
{
    constexpr std::array<RecordType, 4> order{RecordType::MouseDown, RecordType::MouseUp,
                                              RecordType::MouseDown, RecordType::MouseUp};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int at = address + static_cast<int>(i) * kRecordSize;
        if (!view.HasRecord(at))
            return false;
        const RecordBytes record = view.Record(at);
        if (typeOf(record) != order[i] ||
            !std::equal(DoubleClickTemplate.begin(), DoubleClickTemplate.end(), record.begin() + 1))
            return false;
    }
    return true;
}

// The catalogue KeyDown shortcut whose whole payload and tail the record carries.
std::optional<ButtonFunction> shortcutOf(const RecordBytes& record)
{
    if (tailOf(record) != kTailNone)
        return std::nullopt;
    for (int32_t code = kFirstFunctionCode; code <= kLastFunctionCode; ++code) {
        const FunctionRecord* entry = FindCatalogueRecord(code);
        if (entry && entry->type == RecordType::KeyDown && payloadEquals(record, entry->payload, 7))
            return static_cast<ButtonFunction>(code);
    }
    return std::nullopt;
}

// The catalogue media key whose first three payload bytes the record carries.
std::optional<ButtonFunction> mediaKeyOf(const RecordBytes& record)
{
    for (int32_t code = kFirstFunctionCode; code <= kLastFunctionCode; ++code) {
        const FunctionRecord* entry = FindCatalogueRecord(code);
        if (entry && entry->type == RecordType::MediaKey &&
            payloadEquals(record, entry->payload, 3))
            return static_cast<ButtonFunction>(code);
    }
    return std::nullopt;
}

// What a button's records stand for, when they are one of the fixed functions.
enum class Recognised { Function, Unchanged, Macro };

struct Recognition {
    Recognised what = Recognised::Macro;
    ButtonFunction function{};
};

Recognition recognise(const ButtonMapView& view, int address, int length)
{
    if (!view.HasRecord(address))
        return {};
    const RecordBytes record = view.Record(address);
    const RecordType type = typeOf(record);
    if (length == kRecordSize) {
        switch (type) {
        case RecordType::MouseDown:
            // A single press of another mask (a wheel step) is a macro this system wrote.
            if (const auto click = mouseClickOf(record[1]))
                return {Recognised::Function, *click};
            return {};
        case RecordType::DpiStep:
            // A step with a delay, or an unknown step, only comes from a macro.
            if (tailOf(record) == kTailNone) {
                if (const auto step = dpiStepOf(record[1]))
                    return {Recognised::Function, *step};
            }
            return {};
        case RecordType::KeyDown:
            // The tail tells the three apart: FF FF a key combination, 00 00 a shortcut,
            // anything else a one-record macro with its delay.
            if (tailOf(record) == kTailHold)
                return {Recognised::Function, ButtonFunction::Keyboard};
            if (const auto shortcut = shortcutOf(record))
                return {Recognised::Function, *shortcut};
            return {};
        case RecordType::MediaKey:
            if (const auto media = mediaKeyOf(record))
                return {Recognised::Function, *media};
            return {Recognised::Unchanged, {}};
        default:
            return {};
        }
    }
    if (length == 4 * kRecordSize && type == RecordType::MouseDown && isDoubleClick(view, address))
        return {Recognised::Function, ButtonFunction::DoubleClick};
    return {};
}

struct MacroDecode {
    MacroRecord macro;
    int droppedEvents = 0;
};

void append(MacroDecode& decode, const MacroEvent& event)
{
    if (!decode.macro.Append(event))
        ++decode.droppedEvents;
}

// The events of `records` records from `address`; the caller has checked they are inside.
MacroDecode macroOf(const ButtonMapView& view, int address, int records)
{
    MacroDecode decode;
    KeyCombination held{};
    for (int i = 0; i < records; ++i) {
        const RecordBytes record = view.Record(address + i * kRecordSize);
        switch (typeOf(record)) {
        case RecordType::MouseDown:
            append(decode, MacroEvent::MouseDown(record[1], record[2]));
            break;
        case RecordType::MouseUp: {
            MacroEvent up = MacroEvent::MouseUp(record[1]);
            up.data[1] = record[2];
            append(decode, up);
            break;
        }
        case RecordType::KeyDown: {
            const KeyCombination keys = keysOf(record);
            if (keys[0] == kNoKey) {
                // A record holding no key releases the keys pressed before.
                append(decode, MacroEvent::KeyUp(held));
            } else {
                append(decode, MacroEvent::KeyDown(keys));
                held = keys;
            }
            break;
        }
        case RecordType::DpiStep:
            append(decode, MacroEvent::DpiStep(record[1]));
            break;
        default:
            continue; // no event, and its tail is no delay of ours
        }
        if (const uint16_t delay = tailOf(record); delay != 0)
            append(decode, MacroEvent::Delay(delay));
    }
    return decode;
}

} // namespace

void DecodeSettingsReport(const SettingsReport& report, SettingsRecord& settings)
{
    settings[XDpi] = report[1];

    constexpr std::array<Region, 4> rates{Rate125Hz, Rate250Hz, Rate500Hz, Rate1000Hz};
    if (report[2] < rates.size()) {
        for (std::size_t i = 0; i < rates.size(); ++i)
            settings[rates[i]] = i == report[2] ? 1 : 0;
    }

    settings[Breathing] = report[3] & 0x01;
    const bool colorful = (report[3] & 0x02) != 0;
    settings[Colorful] = colorful ? 1 : 0;
    settings[SingleColor] = colorful ? 0 : 1;

    const auto code = std::find(HShineCodes.begin(), HShineCodes.end(), report[4]);
    if (code != HShineCodes.end())
        settings[HShine] = static_cast<int32_t>(code - HShineCodes.begin());

    struct Light {
        Region level, off, on;
    };
    constexpr std::array<Light, 3> lights{Light{RLED, LightOff1, AlwaysOn1},
                                          Light{YLED, LightOff2, AlwaysOn2},
                                          Light{GLED, LightOff3, AlwaysOn3}};
    for (std::size_t i = 0; i < lights.size(); ++i) {
        const uint8_t level = report[5 + i];
        settings[lights[i].off] = level == 0 ? 1 : 0;
        settings[lights[i].on] = level == 0 ? 0 : 1;
        if (level != 0)
            settings[lights[i].level] = level;
    }
}

ButtonMapDecode DecodeButtonMapReport(std::span<const uint8_t> report, SettingsRecord& settings,
                                      MacroLibrary& library)
{
    ButtonMapDecode result;
    const ButtonMapView view(report);

    ClearKeysAndMacros(settings);
    library.MacroSlots.fill(MacroRecord{});
    for (std::string& name : library.MacroNames)
        name.clear();
    library.HotMacroRow = 0;
    library.SelectedMacro = 0;
    library.MacroListTop = 0;
    library.MacroCount = 0;

    // The table serves only to measure each button's length; entry 10 is taken as 0.
    std::array<uint16_t, kTableEntries + 1> entry{};
    for (int b = 0; b < kTableEntries; ++b)
        entry[static_cast<std::size_t>(b)] = view.Word(2 * b);

    int position = kDataAreaAddress;
    bool endMark = false;
    for (int b = 0; b < kTableEntries; ++b) {
        const uint16_t start = entry[static_cast<std::size_t>(b)];
        if (start == kNoRecordAddress) {
            setCode(settings, b, ButtonFunction::ButtonClose);
            continue;
        }
        int length = 0;
        if (start != 0) {
            std::size_t next = static_cast<std::size_t>(b) + 1;
            while (entry[next] == kNoRecordAddress)
                ++next;
            if (entry[next] != 0)
                length = entry[next] - start;
            else
                endMark = true;
        }
        if (b == kTableEntries - 1 || endMark) {
            // No later address to measure against: count the records that carry this
            // button's number.
            int records = 0;
            const int number = b + 1;
            while (view.HasRecord(start + records * kRecordSize) &&
                   (view.At(start + records * kRecordSize) & 0x1F) == number)
                ++records;
            length = records * kRecordSize;
        }
        if (b == 0) {
            setCode(settings, b, ButtonFunction::Left);
            continue;
        }

        const int records = length > 0 ? length / kRecordSize : 0;
        const Recognition recognition = recognise(view, position, length);
        if (recognition.what == Recognised::Function) {
            setCode(settings, b, recognition.function);
            // Key combinations and shortcuts both show their keys.
            const RecordBytes first = view.Record(position);
            if (typeOf(first) == RecordType::KeyDown)
                settings.KeyCombo[static_cast<std::size_t>(b)] = keysOf(first);
        } else if (recognition.what == Recognised::Macro) {
            setCode(settings, b, ButtonFunction::Macro);
            ++result.macroButtons;
            const int present = std::min(records, view.RecordsFrom(position));
            MacroDecode decode = macroOf(view, position, present);
            result.droppedEvents += decode.droppedEvents;

            // The records themselves, without the button number, so an upload right after
            // start-up sends the macro back unchanged.
            const int kept = std::min(present, kMaxMacroRecords);
            if (present > kept)
                ++result.cutMacroImages;
            auto& image = settings.MacroImage[static_cast<std::size_t>(b)];
            for (int i = 0; i < kept; ++i) {
                const RecordBytes record = view.Record(position + i * kRecordSize);
                const auto at = static_cast<std::size_t>(i * kRecordSize);
                std::copy(record.begin(), record.end(), image.begin() + at);
                image[at] &= 0xE0;
            }
            settings.MacroImageLength[static_cast<std::size_t>(b)] = kept * kRecordSize;

            if (library.MacroCount < kMaxMacroCount) {
                const auto slot = static_cast<std::size_t>(library.SelectedMacro);
                library.MacroSlots[slot] = decode.macro;
                library.MacroNames[slot] = MacroDisplayName("", library.SelectedMacro);
                if (decode.macro.sizeCounter != 0) {
                    ++library.SelectedMacro;
                    ++library.MacroCount;
                    ++result.macrosStored;
                }
            }
        }
        // Whole records, as many as the button measured (a recognised function is exactly
        // its length), so the next button starts on a record boundary.
        position += records * kRecordSize;
    }
    return result;
}

ButtonMapDecode DecodeReports(const SettingsReport& settingsReport,
                              std::span<const uint8_t> buttonMapReport, SettingsRecord& settings,
                              MacroLibrary& library)
{
    DecodeSettingsReport(settingsReport, settings);
    return DecodeButtonMapReport(buttonMapReport, settings, library);
}

} // namespace bexlan
