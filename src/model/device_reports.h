#pragma once

#include "model/settings_record.h"

#include <array>
#include <cstdint>
#include <span>

namespace bexlan {

// --- Command records ----------------------------------------------------------------------

inline constexpr int kRecordSize = 10;

// Bits 7-5 of a record's byte 0. Values 0, 6 and 7 are never written but may be read.
enum class RecordType : uint8_t {
    MouseDown = 1,
    DpiStep = 2,
    KeyDown = 3,
    MediaKey = 4,
    MouseUp = 5,
};

// Mouse-button masks of MouseDown and MouseUp.
inline constexpr uint8_t kMaskLeft = 0x01;
inline constexpr uint8_t kMaskRight = 0x02;
inline constexpr uint8_t kMaskMiddle = 0x04;
inline constexpr uint8_t kMaskBack = 0x08;
inline constexpr uint8_t kMaskForward = 0x10;

// Byte 1 of a DpiStep record.
inline constexpr uint8_t kDpiCycle = 0;
inline constexpr uint8_t kDpiUp = 1;
inline constexpr uint8_t kDpiDown = 2;

// Tails (bytes 8-9) that are no delay.
inline constexpr uint16_t kTailHold = 0xFFFF; // clicks, key combinations, volume keys
inline constexpr uint16_t kTailNone = 0x0000; // shortcuts, media keys, DPI steps

// One 10-byte command record of the mouse, decoded.
struct DeviceRecord {
    RecordType type{};
    uint8_t buttonNumber = 0;         // 2..10 in uploads, 0 inside a MacroImage
    std::array<uint8_t, 7> payload{}; // bytes 1-7
    uint16_t tail = 0;                // bytes 8-9: delay in ms inside a macro

    bool operator==(const DeviceRecord&) const = default;
};

using RecordBytes = std::array<uint8_t, kRecordSize>;

RecordBytes EncodeRecord(const DeviceRecord& record);
DeviceRecord DecodeRecord(std::span<const uint8_t, kRecordSize> bytes);

// Bytes 1-9 of each of the four records of a double click: left button, 15 ms.
inline constexpr std::array<uint8_t, 9> DoubleClickTemplate{0x01, 0, 0, 0, 0, 0, 0, 0x0F, 0x00};

// --- Report 3: general settings ---------------------------------------------------------

inline constexpr uint8_t kSettingsReportId = 3;
inline constexpr int kSettingsReportSize = 8; // report ID included
using SettingsReport = std::array<uint8_t, kSettingsReportSize>;

SettingsReport BuildSettingsReport(const SettingsRecord& settings);

// --- Report 4: button map ------------------------------------------------------------------

inline constexpr uint8_t kButtonMapReportId = 4;
inline constexpr int kButtonMapReportSize = 2049; // report ID included
using ButtonMapReport = std::array<uint8_t, kButtonMapReportSize>;

// Addresses count from the byte after the report ID.
inline constexpr int kDataAreaAddress = 48;
inline constexpr int kDataAreaSize = 2000;
// ButtonTable entry of a button without records.
inline constexpr uint16_t kNoRecordAddress = 0xFFFF;

// The ButtonTable entry of button `buttonIndex` (0..9 for buttons 1..10).
uint16_t ButtonTableEntry(const ButtonMapReport& report, int buttonIndex);

// Bytes the button at `buttonIndex` (1..9) puts into the data area: 0, 10, 40 (double
// click) or its macro's length in whole records, at most 250.
int ButtonRecordLength(const SettingsRecord& settings, int buttonIndex);

enum class BuildStatus { Ok, DoesNotFit };

struct ButtonMapBuild {
    BuildStatus status = BuildStatus::Ok;
    ButtonMapReport report{};
    // With DoesNotFit: the number (2..10) of the first button whose records overrun the
    // data area. 0 with Ok.
    int overflowButton = 0;
};

// The report 4 of the settings. When the records of all buttons do not fit the 2000-byte
// data area the result is DoesNotFit and the report must not be sent; nothing is ever
// written past the data area.
ButtonMapBuild BuildButtonMapReport(const SettingsRecord& settings);

} // namespace bexlan
