#include "model/device_reports.h"

#include "model/button_functions.h"

#include <algorithm>
#include <cstring>

namespace bexlan {

namespace {

constexpr uint8_t kTypeShift = 5;
constexpr uint8_t kButtonBits = 0x1F;

uint8_t lowByte(int32_t value)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
}

// Macro bytes actually sent: whole records only, never more than the image holds. Lengths
// come from outside the builder and may be negative, odd or too large.
int macroLength(int32_t length)
{
    return std::clamp(length, 0, kMaxMacroImageLength) / kRecordSize * kRecordSize;
}

// Report index of data-area offset `offset` (address 48 + offset).
constexpr size_t dataIndex(int offset)
{
    return 1 + kDataAreaAddress + static_cast<size_t>(offset);
}

void setTableEntry(ButtonMapReport& report, int buttonIndex, uint16_t address)
{
    report[1 + 2 * buttonIndex] = static_cast<uint8_t>(address & 0xFF);
    report[2 + 2 * buttonIndex] = static_cast<uint8_t>(address >> 8);
}

} // namespace

// Byte 0: type in bits 7-5, button number in bits 4-0. Bytes 1-7: payload. Bytes 8-9: the
// tail, little-endian.
RecordBytes EncodeRecord(const DeviceRecord& record)
{
    RecordBytes bytes{};
    bytes[0] = static_cast<uint8_t>((static_cast<uint8_t>(record.type) & 0x07) << kTypeShift |
                                    (record.buttonNumber & kButtonBits));
    std::copy(record.payload.begin(), record.payload.end(), bytes.begin() + 1);
    bytes[8] = static_cast<uint8_t>(record.tail & 0xFF);
    bytes[9] = static_cast<uint8_t>(record.tail >> 8);
    return bytes;
}

DeviceRecord DecodeRecord(std::span<const uint8_t, kRecordSize> bytes)
{
    DeviceRecord record;
    record.type = static_cast<RecordType>(bytes[0] >> kTypeShift);
    record.buttonNumber = bytes[0] & kButtonBits;
    std::copy(bytes.begin() + 1, bytes.begin() + 8, record.payload.begin());
    record.tail = static_cast<uint16_t>(bytes[8] | bytes[9] << 8);
    return record;
}

// Byte 0: report ID 3.
// Byte 1: XDpi, low byte.
// Byte 2: report rate 0..3 (125, 250, 500, 1000 Hz); the first set rate entry wins, none
//         set gives 0.
// Byte 3: bit 0 breathing, bit 1 colourful; only an entry of exactly 1 counts.
// Byte 4: device code of the HShine level, low byte.
// Bytes 5-7: levels of lights 1-3, low bytes; the off/on choice is not sent.
SettingsReport BuildSettingsReport(const SettingsRecord& settings)
{
    SettingsReport report{};
    report[0] = kSettingsReportId;
    report[1] = lowByte(settings[XDpi]);
    if (settings[Rate125Hz] != 0) {
        report[2] = 0;
    } else if (settings[Rate250Hz] != 0) {
        report[2] = 1;
    } else if (settings[Rate500Hz] != 0) {
        report[2] = 2;
    } else if (settings[Rate1000Hz] != 0) {
        report[2] = 3;
    }
    report[3] = static_cast<uint8_t>((settings[Breathing] == 1 ? 0x01 : 0) |
                                     (settings[Colorful] == 1 ? 0x02 : 0));
    report[4] = static_cast<uint8_t>(HShineCode(settings[HShine]) & 0xFF);
    report[5] = lowByte(settings[RLED]);
    report[6] = lowByte(settings[YLED]);
    report[7] = lowByte(settings[GLED]);
    return report;
}

uint16_t ButtonTableEntry(const ButtonMapReport& report, int buttonIndex)
{
    if (buttonIndex < 0 || buttonIndex >= kButtonCount) {
        return kNoRecordAddress;
    }
    return static_cast<uint16_t>(report[1 + 2 * buttonIndex] | report[2 + 2 * buttonIndex] << 8);
}

int ButtonRecordLength(const SettingsRecord& settings, int buttonIndex)
{
    if (buttonIndex < 1 || buttonIndex >= kButtonCount) {
        return 0;
    }
    switch (EncodingOf(settings.RegionValues[buttonIndex])) {
    case FunctionEncoding::None:
        return 0;
    case FunctionEncoding::DoubleClick:
        return 4 * kRecordSize;
    case FunctionEncoding::Macro:
        return macroLength(settings.MacroImageLength[buttonIndex]);
    case FunctionEncoding::MouseClick:
    case FunctionEncoding::KeyCombination:
    case FunctionEncoding::DpiStep:
    case FunctionEncoding::Catalogue:
        return kRecordSize;
    }
    return 0;
}

namespace {

// Records of button `buttonIndex` with button number n = buttonIndex + 1, written at
// `out`, which has room for ButtonRecordLength bytes.
void writeButtonRecords(const SettingsRecord& settings, int buttonIndex, uint8_t* out)
{
    const int32_t code = settings.RegionValues[buttonIndex];
    const auto number = static_cast<uint8_t>(buttonIndex + 1);
    auto put = [&](const DeviceRecord& record) {
        const RecordBytes bytes = EncodeRecord(record);
        std::memcpy(out, bytes.data(), bytes.size());
        out += kRecordSize;
    };

    switch (EncodingOf(code)) {
    case FunctionEncoding::None:
        return;
    case FunctionEncoding::MouseClick: {
        // Codes 1-5 are left, right, middle, back, forward.
        constexpr uint8_t masks[] = {kMaskLeft, kMaskRight, kMaskMiddle, kMaskBack, kMaskForward};
        put({RecordType::MouseDown, number, {masks[code - 1]}, kTailHold});
        return;
    }
    case FunctionEncoding::DoubleClick: {
        for (RecordType type : {RecordType::MouseDown, RecordType::MouseUp, RecordType::MouseDown,
                                RecordType::MouseUp}) {
            DeviceRecord record{type, number, {}, 0};
            std::copy_n(DoubleClickTemplate.begin(), 7, record.payload.begin());
            record.tail =
                static_cast<uint16_t>(DoubleClickTemplate[7] | DoubleClickTemplate[8] << 8);
            put(record);
        }
        return;
    }
    case FunctionEncoding::KeyCombination: {
        DeviceRecord record{RecordType::KeyDown, number, {}, kTailHold};
        EncodeKeyCombination(settings.KeyCombo[buttonIndex], record.payload);
        put(record);
        return;
    }
    case FunctionEncoding::Macro: {
        const int length = macroLength(settings.MacroImageLength[buttonIndex]);
        std::memcpy(out, settings.MacroImage[buttonIndex].data(), static_cast<size_t>(length));
        // The image carries button number 0; a stray number from a damaged profile is
        // replaced, so every record names its own button.
        for (int offset = 0; offset < length; offset += kRecordSize) {
            out[offset] = static_cast<uint8_t>((out[offset] & ~kButtonBits) | number);
        }
        return;
    }
    case FunctionEncoding::DpiStep: {
        // Codes 24-26 are up, down, cycle.
        constexpr uint8_t steps[] = {kDpiUp, kDpiDown, kDpiCycle};
        put({RecordType::DpiStep, number, {steps[code - 24]}, kTailNone});
        return;
    }
    case FunctionEncoding::Catalogue: {
        const FunctionRecord* entry = FindCatalogueRecord(code);
        put({entry->type, number, entry->payload, CatalogueTail(code)});
        return;
    }
    }
}

} // namespace

// Byte 0: report ID 4. Addresses below count from byte 1.
// Addresses 0-1: 0, button 1 is never mapped.
// Addresses 2b, 2b+1 (b = 1..9): address of the first record of button b + 1, little-endian,
//         FF FF when the button has none.
// Addresses 20-47: 0.
// Addresses 48-2047: the data area, the records of buttons 2..10 one after another.
ButtonMapBuild BuildButtonMapReport(const SettingsRecord& settings)
{
    ButtonMapBuild build;
    build.report[0] = kButtonMapReportId;
    int written = 0;
    for (int buttonIndex = 1; buttonIndex < kButtonCount; ++buttonIndex) {
        if (EncodingOf(settings.RegionValues[buttonIndex]) == FunctionEncoding::None) {
            setTableEntry(build.report, buttonIndex, kNoRecordAddress);
            continue;
        }
        const int length = ButtonRecordLength(settings, buttonIndex);
        if (written + length > kDataAreaSize) {
            build.status = BuildStatus::DoesNotFit;
            build.overflowButton = buttonIndex + 1;
            return build;
        }
        setTableEntry(build.report, buttonIndex, static_cast<uint16_t>(kDataAreaAddress + written));
        writeButtonRecords(settings, buttonIndex, build.report.data() + dataIndex(written));
        written += length;
    }
    return build;
}

} // namespace bexlan
