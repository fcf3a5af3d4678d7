#include "model/macro_record.h"

#include <algorithm>
#include <cstring>

namespace bexlan {

namespace {

constexpr std::size_t kEventsOffset = 5;
constexpr std::size_t kReservedOffset = kEventsOffset + kMacroEventSlots * kMacroEventSize;
static_assert(kReservedOffset + 3 == kMacroRecordSize);

MacroEvent withKind(MacroEventKind kind)
{
    MacroEvent event;
    event.kind = static_cast<uint8_t>(kind);
    return event;
}

MacroEvent withKeys(MacroEventKind kind, const KeyCombination& keys)
{
    MacroEvent event = withKind(kind);
    std::copy(keys.begin(), keys.end(), event.data.begin());
    return event;
}

} // namespace

KeyCombination MacroEvent::Keys() const
{
    KeyCombination keys{};
    std::copy(data.begin(), data.end(), keys.begin());
    return keys;
}

MacroEvent MacroEvent::MouseDown(uint8_t buttonBit, uint8_t wheelStep)
{
    MacroEvent event = withKind(MacroEventKind::MacroMouseDown);
    event.data[0] = buttonBit;
    event.data[1] = wheelStep;
    return event;
}

MacroEvent MacroEvent::MouseUp(uint8_t buttonBit)
{
    MacroEvent event = withKind(MacroEventKind::MacroMouseUp);
    event.data[0] = buttonBit;
    return event;
}

MacroEvent MacroEvent::Delay(uint16_t ms)
{
    MacroEvent event = withKind(MacroEventKind::MacroDelay);
    event.data[0] = static_cast<uint8_t>(ms >> 8);
    event.data[1] = static_cast<uint8_t>(ms & 0xFF);
    return event;
}

MacroEvent MacroEvent::KeyDown(const KeyCombination& keys)
{
    return withKeys(MacroEventKind::MacroKeyDown, keys);
}

MacroEvent MacroEvent::KeyUp(const KeyCombination& keys)
{
    return withKeys(MacroEventKind::MacroKeyUp, keys);
}

MacroEvent MacroEvent::DpiStep(uint8_t stepCode)
{
    MacroEvent event = withKind(MacroEventKind::MacroDpiStep);
    event.data[0] = stepCode;
    return event;
}

int MacroEventCost(uint8_t kind)
{
    switch (kind) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 17:
    case 18:
    case 19:
        return 3;
    case 4:
    case 5:
    case 6:
        return 5;
    default:
        return 0;
    }
}

int MacroRecord::UsedEvents() const
{
    return std::clamp(eventCount, 0, kMacroEventSlots);
}

bool MacroRecord::Append(const MacroEvent& event)
{
    if (eventCount < 0 || eventCount >= kMacroEventSlots)
        return false;
    events[static_cast<std::size_t>(eventCount)] = event;
    ++eventCount;
    // The counter is one byte on disk; saturate rather than wrap to a small budget.
    sizeCounter = static_cast<uint8_t>(std::min(sizeCounter + MacroEventCost(event.kind), 255));
    return true;
}

void MacroRecord::ToImage(std::span<uint8_t, kMacroRecordSize> out) const
{
    const auto count = static_cast<uint32_t>(eventCount);
    out[0] = static_cast<uint8_t>(count);
    out[1] = static_cast<uint8_t>(count >> 8);
    out[2] = static_cast<uint8_t>(count >> 16);
    out[3] = static_cast<uint8_t>(count >> 24);
    out[4] = sizeCounter;
    std::size_t at = kEventsOffset;
    for (const MacroEvent& event : events) {
        out[at] = event.kind;
        std::memcpy(&out[at + 1], event.data.data(), event.data.size());
        at += kMacroEventSize;
    }
    std::copy(reserved.begin(), reserved.end(), out.begin() + kReservedOffset);
}

MacroRecord::Image MacroRecord::ToImage() const
{
    Image image{};
    ToImage(image);
    return image;
}

MacroRecord MacroRecord::FromImage(std::span<const uint8_t, kMacroRecordSize> image)
{
    MacroRecord record;
    record.eventCount = static_cast<int32_t>(
        static_cast<uint32_t>(image[0]) | static_cast<uint32_t>(image[1]) << 8 |
        static_cast<uint32_t>(image[2]) << 16 | static_cast<uint32_t>(image[3]) << 24);
    record.sizeCounter = image[4];
    std::size_t at = kEventsOffset;
    for (MacroEvent& event : record.events) {
        event.kind = image[at];
        std::memcpy(event.data.data(), &image[at + 1], event.data.size());
        at += kMacroEventSize;
    }
    std::copy_n(image.begin() + kReservedOffset, record.reserved.size(), record.reserved.begin());
    return record;
}

std::string MacroDisplayName(std::string_view name, int slot)
{
    if (!name.empty())
        return std::string(name);
    return "Macro " + std::to_string(slot + 1);
}

} // namespace bexlan
