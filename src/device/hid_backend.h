#pragma once

#include "device/device_events.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace bexlan {

// One top-level collection of a HID interface. A hidraw node with several top-level
// collections is listed once per collection, all with the same path.
struct HidInterfaceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    // Largest feature report in bytes, report ID byte included; 0 when the collection has none
    // or its descriptor could not be read.
    std::size_t featureReportByteLength = 0;
    int interfaceNumber = -1; // USB interface number, -1 when unknown
};

enum class TransferStatus {
    Ok,
    Failed,     // the device or the system refused the transfer
    Short,      // fewer bytes moved than the report holds
    BadRequest, // empty buffer, or a length the interface does not take
};

// Outcome of one feature-report transfer. `bytes` counts the report ID byte.
struct TransferResult {
    TransferStatus status = TransferStatus::Failed;
    std::size_t bytes = 0;
    std::string error; // the backend's own words, for logs and the command line

    bool ok() const { return status == TransferStatus::Ok; }
};

// An open interface. Buffers follow the HID convention: byte 0 is the report ID and counts in
// the length, so an 8-byte report 3 is a buffer of 8 bytes beginning with 3. Closing happens
// on destruction.
class HidConnection {
public:
    virtual ~HidConnection() = default;
    virtual TransferResult setFeatureReport(std::span<const uint8_t> report) = 0;
    // `report[0]` names the report to read; on success the whole span holds the report.
    virtual TransferResult getFeatureReport(std::span<uint8_t> report) = 0;
};

// Where interfaces come from: hidapi for real hardware, or the virtual mouse.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;
    // Null when the path cannot be opened (gone, or no permission).
    virtual std::unique_ptr<HidConnection> open(const std::string& path) = 0;
    // Arrival and removal of the mice this backend can see; null when unavailable.
    virtual std::unique_ptr<DeviceEventSource> watchDevices() = 0;
};

} // namespace bexlan
