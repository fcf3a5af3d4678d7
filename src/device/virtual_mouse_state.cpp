#include "device/virtual_mouse_state.h"

#include <optional>
#include <string_view>

namespace bexlan {

namespace {

constexpr std::string_view kHeader = "bexlan-virtual-mouse 1";

std::string hex(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::optional<uint8_t> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<uint8_t>(c - 'A' + 10);
    return std::nullopt;
}

StateResult malformed(std::size_t line, const std::string& what)
{
    return {StateStatus::Malformed, "line " + std::to_string(line) + ": " + what};
}

// Decodes one report line's hexadecimal digits into `out`, which has the report's size.
StateResult decodeReport(std::string_view digits, uint8_t reportId, std::span<uint8_t> out,
                         std::size_t line)
{
    const std::string name = "report " + std::to_string(reportId);
    if (digits.size() != out.size() * 2)
        return malformed(line, name + " needs " + std::to_string(out.size() * 2) +
                                   " hexadecimal digits, found " + std::to_string(digits.size()));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto high = hexDigit(digits[2 * i]);
        const auto low = hexDigit(digits[2 * i + 1]);
        if (!high || !low)
            return malformed(line, name + " holds a character that is not hexadecimal");
        out[i] = static_cast<uint8_t>(*high << 4 | *low);
    }
    if (out[0] != reportId)
        return malformed(line, name + " does not begin with its report ID");
    return {};
}

} // namespace

std::string FormatVirtualMouseState(const VirtualMouseMemory& memory)
{
    std::string text(kHeader);
    text += "\n# Memory of the virtual mouse: the last report 3 and report 4 it accepted,\n"
            "# in hexadecimal, report ID first.\n";
    text += "report3 " + hex(memory.settings) + "\n";
    text += "report4 " + hex(memory.buttonMap) + "\n";
    return text;
}

StateResult ParseVirtualMouseState(std::span<const uint8_t> bytes, VirtualMouseMemory& memory)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    VirtualMouseMemory parsed;
    bool headerSeen = false;
    bool settingsSeen = false;
    bool buttonMapSeen = false;
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kHeader)
                return malformed(lineNumber, "not a virtual mouse state file (expected \"" +
                                                 std::string(kHeader) + "\")");
            headerSeen = true;
            continue;
        }
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::size_t space = line.find(' ');
        const std::string_view keyword = line.substr(0, space);
        const std::string_view value =
            space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
        bool* seen = nullptr;
        StateResult result;
        if (keyword == "report3") {
            seen = &settingsSeen;
            result = decodeReport(value, kSettingsReportId, parsed.settings, lineNumber);
        } else if (keyword == "report4") {
            seen = &buttonMapSeen;
            result = decodeReport(value, kButtonMapReportId, parsed.buttonMap, lineNumber);
        } else {
            return malformed(lineNumber,
                             "unknown entry \"" + std::string(keyword.substr(0, 32)) + "\"");
        }
        if (*seen)
            return malformed(lineNumber, std::string(keyword) + " appears twice");
        if (!result.ok())
            return result;
        *seen = true;
    }
    if (!headerSeen)
        return {StateStatus::Malformed, "the file is empty"};
    if (!settingsSeen || !buttonMapSeen)
        return {StateStatus::Malformed,
                std::string("the file lacks ") + (settingsSeen ? "report4" : "report3")};
    memory = parsed;
    return {};
}

} // namespace bexlan
