#pragma once

#include "model/device_reports.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bexlan {

// The memory of the virtual mouse as a small text file, so it survives between runs and a
// person can read it:
//
//   bexlan-virtual-mouse 1
//   # comment lines and blank lines are ignored
//   report3 0301020004010101
//   report4 0400003000...            (4098 hexadecimal digits)
//
// The first line names the format and its version. Each "reportN" line holds the whole
// report in hexadecimal, report ID first, and must appear exactly once. Lines end in LF
// (CRLF is accepted).
struct VirtualMouseMemory {
    SettingsReport settings{};
    ButtonMapReport buttonMap{};
};

inline constexpr std::size_t kMaxStateFileBytes = 64 * 1024;

enum class StateStatus {
    Ok,
    Unreadable,  // missing, not a file, too large, or no permission
    Malformed,   // not a state file of this version, or a report is broken
    WriteFailed, // the file could not be replaced
};

struct StateResult {
    StateStatus status = StateStatus::Ok;
    std::string message; // says what is wrong and where; empty when Ok

    bool ok() const { return status == StateStatus::Ok; }
};

std::string FormatVirtualMouseState(const VirtualMouseMemory& memory);

// Fills `memory` only when the whole text is valid.
StateResult ParseVirtualMouseState(std::span<const uint8_t> text, VirtualMouseMemory& memory);

} // namespace bexlan
