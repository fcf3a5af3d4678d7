#include "model/macro_conversion.h"

#include <algorithm>

#include "model/device_reports.h"
#include "model/key_table.h"

namespace bexlan {

namespace {

constexpr uint8_t typeByte(RecordType type)
{
    return static_cast<uint8_t>(static_cast<uint8_t>(type) << 5);
}

// The record of one event, or false for kinds that write none (delays included).
// Byte 0 is the record type with button number 0; bytes 8-9 (the delay) stay 0 here.
bool recordOf(const MacroEvent& event, RecordBytes& record)
{
    record.fill(0);
    switch (event.kind) {
    case 1: // a raw key record: byte 1 modifier byte, byte 2 one usage
        record[0] = typeByte(RecordType::KeyDown);
        record[1] = event.data[0];
        record[2] = event.data[1];
        return true;
    case static_cast<uint8_t>(MacroEventKind::MacroMouseDown):
        // byte 1 button mask, byte 2 wheel step
        record[0] = typeByte(RecordType::MouseDown);
        record[1] = event.data[0];
        record[2] = event.data[1];
        return true;
    case static_cast<uint8_t>(MacroEventKind::MacroMouseUp):
        record[0] = typeByte(RecordType::MouseUp);
        record[1] = event.data[0];
        record[2] = event.data[1];
        return true;
    case static_cast<uint8_t>(MacroEventKind::MacroKeyDown): {
        // bytes 1-7: modifier byte, then up to six usages
        record[0] = typeByte(RecordType::KeyDown);
        KeyboardReportBytes keys{};
        EncodeKeyCombination(event.Keys(), keys);
        std::copy(keys.begin(), keys.end(), record.begin() + 1);
        return true;
    }
    case static_cast<uint8_t>(MacroEventKind::MacroKeyUp):
        // A key record that holds no key releases whatever was down.
        record[0] = typeByte(RecordType::KeyDown);
        return true;
    case static_cast<uint8_t>(MacroEventKind::MacroDpiStep):
        // byte 1: 0 cycle, 1 up, 2 down
        record[0] = typeByte(RecordType::DpiStep);
        record[1] = event.data[0];
        return true;
    default:
        return false;
    }
}

} // namespace

MacroImageConversion ConvertMacroToImage(const MacroRecord& macro)
{
    MacroImageConversion result;
    int records = 0;
    bool full = false;
    const int used = macro.UsedEvents();
    for (int i = 0; i < used; ++i) {
        const MacroEvent& event = macro.events[static_cast<std::size_t>(i)];
        if (event.Is(MacroEventKind::MacroDelay)) {
            if (full) {
                ++result.droppedEvents;
            } else if (records > 0) {
                // Little-endian in bytes 8-9 of the record written last.
                const std::size_t last = static_cast<std::size_t>(records - 1) * kRecordSize;
                result.image[last + 8] = event.data[1];
                result.image[last + 9] = event.data[0];
            }
            continue;
        }
        RecordBytes record;
        if (!recordOf(event, record))
            continue;
        if (full || records == kMaxMacroRecords) {
            // Cut rather than skip, so what is sent is a prefix of the macro.
            full = true;
            ++result.droppedEvents;
            continue;
        }
        std::copy(record.begin(), record.end(),
                  result.image.begin() + static_cast<std::ptrdiff_t>(records * kRecordSize));
        ++records;
    }
    result.length = records * kRecordSize;
    return result;
}

int AssignMacroImage(SettingsRecord& settings, int buttonIndex, const MacroRecord& macro)
{
    if (buttonIndex < 0 || buttonIndex >= kButtonCount)
        return 0;
    const MacroImageConversion conversion = ConvertMacroToImage(macro);
    const auto button = static_cast<std::size_t>(buttonIndex);
    settings.MacroImage[button] = conversion.image;
    settings.MacroImageLength[button] = conversion.length;
    return conversion.droppedEvents;
}

} // namespace bexlan
