#include "model/macro_event_text.h"

#include <bit>

namespace bexlan {

namespace {

enum KindEntry : int { KindKeyDown = 0, KindKeyUp = 1, KindDelay = 2, KindMouse = 3, KindHold = 4 };
constexpr int kButtonBits = 5;

std::string row(int number, std::string_view kind, std::string_view detail)
{
    std::string text = std::to_string(number) + ":\t<";
    text += kind;
    text += ">\t<";
    text += detail;
    text += ">";
    return text;
}

// The name of the lowest button bit; "" when no known bit is set.
std::string_view buttonName(uint8_t bits, const EventTextTables& tables, Language language)
{
    const int bit = std::countr_zero(bits);
    if (bit >= kButtonBits)
        return {};
    return LookupText(tables.names, tables.firstButton + bit, language);
}

} // namespace

std::string MacroEventText(const MacroEvent& event, int number, const EventTextTables& tables,
                           Language language)
{
    const auto kind = [&](int entry) { return LookupText(tables.kinds, entry, language); };
    switch (static_cast<MacroEventKind>(event.kind)) {
    case MacroEventKind::MacroMouseDown:
        if (event.data[1] == kMacroWheelUp)
            return row(number, kind(KindMouse), LookupText(tables.names, tables.wheelUp, language));
        if (event.data[1] == kMacroWheelDown)
            return row(number, kind(KindMouse),
                       LookupText(tables.names, tables.wheelDown, language));
        return row(number, kind(KindKeyDown), buttonName(event.data[0], tables, language));
    case MacroEventKind::MacroMouseUp:
        return row(number, kind(KindKeyUp), buttonName(event.data[0], tables, language));
    case MacroEventKind::MacroDelay:
        return row(number, kind(KindDelay), std::to_string(event.DelayMs()) + " ms");
    case MacroEventKind::MacroKeyDown:
        return row(number, kind(KindKeyDown), FormatKeyCombination(event.Keys()));
    case MacroEventKind::MacroKeyUp:
        return row(number, kind(KindKeyUp), FormatKeyCombination(event.Keys()));
    default:
        return std::to_string(number) + ":\t<#" + std::to_string(event.kind) + ">";
    }
}

std::string HeldKeysText(const KeyCombination& keys, Language language)
{
    std::string text = "<";
    text += LookupText(TextTable::EditorEventKindTable, KindHold, language);
    text += ">\t";
    text += FormatKeyCombination(keys);
    return text;
}

} // namespace bexlan
