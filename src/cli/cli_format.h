#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/macro_record.h"

namespace bexlan {

// "03 01 02": two upper-case hexadecimal digits a byte, separated by single spaces.
std::string FormatHexBytes(std::span<const uint8_t> bytes);

// Hexadecimal bytes as people type them: "03 01 02", "030102", "03:01:02", "0x03,0x01".
// Separators are white space, ':', ',' and '-'; each group holds whole bytes. nullopt for
// anything else.
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text);

// The text with '\\', tab and line feed written as "\\\\", "\\t" and "\\n", so that one entry
// stays on one line of tab-separated output.
std::string EscapeText(std::string_view text);

// One macro event in words, e.g. "key down LCtrl+C", "delay 50 ms", "mouse up left".
std::string DescribeMacroEvent(const MacroEvent& event);

// Local time as "2024-05-01 09:30:00".
std::string FormatLocalTime(std::chrono::system_clock::time_point time);

} // namespace bexlan
