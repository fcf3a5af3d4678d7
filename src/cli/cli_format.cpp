#include "cli/cli_format.h"

#include <cstdio>
#include <ctime>

#include "model/key_table.h"

namespace bexlan {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ':' || c == ',' || c == '-';
}

std::string buttonWord(uint8_t bit)
{
    switch (bit) {
    case kMacroLeftButton:
        return "left";
    case kMacroRightButton:
        return "right";
    case kMacroMiddleButton:
        return "middle";
    case kMacroButtonFive:
        return "button 5";
    case kMacroButtonFour:
        return "button 4";
    default:
        return "buttons 0x" + FormatHexBytes(std::span(&bit, 1));
    }
}

} // namespace

std::string FormatHexBytes(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text)
{
    std::vector<uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isSeparator(text[end])) {
            ++end;
        }
        std::string_view group = text.substr(i, end - i);
        if (group.starts_with("0x") || group.starts_with("0X")) {
            group.remove_prefix(2);
        }
        if (group.empty() || group.size() % 2 != 0) {
            return std::nullopt;
        }
        for (std::size_t k = 0; k < group.size(); k += 2) {
            const int high = hexValue(group[k]);
            const int low = hexValue(group[k + 1]);
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<uint8_t>(high << 4 | low));
        }
        i = end;
    }
    return bytes;
}

std::string EscapeText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string DescribeMacroEvent(const MacroEvent& event)
{
    switch (static_cast<MacroEventKind>(event.kind)) {
    case MacroEventKind::MacroKeyDown:
        return "key down " + FormatKeyCombination(event.Keys());
    case MacroEventKind::MacroKeyUp:
        return "key up " + FormatKeyCombination(event.Keys());
    case MacroEventKind::MacroDelay:
        return "delay " + std::to_string(event.DelayMs()) + " ms";
    case MacroEventKind::MacroMouseDown:
        if (event.data[0] == 0 && event.data[1] == kMacroWheelUp) {
            return "wheel up";
        }
        if (event.data[0] == 0 && event.data[1] == kMacroWheelDown) {
            return "wheel down";
        }
        return "mouse down " + buttonWord(event.data[0]);
    case MacroEventKind::MacroMouseUp:
        return "mouse up " + buttonWord(event.data[0]);
    case MacroEventKind::MacroDpiStep:
        switch (event.data[0]) {
        case 0:
            return "DPI cycle";
        case 1:
            return "DPI up";
        case 2:
            return "DPI down";
        default:
            return "DPI step " + std::to_string(event.data[0]);
        }
    }
    return "unknown event kind " + std::to_string(event.kind);
}

std::string FormatLocalTime(std::chrono::system_clock::time_point time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace bexlan
