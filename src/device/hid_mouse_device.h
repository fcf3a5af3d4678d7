#pragma once

#include "device/hid_backend.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace bexlan {

// The only way to the mouse. It finds the mouse's vendor interface whose feature reports
// have the length the caller asks for (8 for report 3, 2049 for report 4), keeps it open for
// one transfer, and sends and receives feature reports. Real hardware and the virtual mouse
// differ only in the backend.
class HidMouseDevice {
public:
    explicit HidMouseDevice(HidBackend& backend);
    ~HidMouseDevice();
    HidMouseDevice(const HidMouseDevice&) = delete;
    HidMouseDevice& operator=(const HidMouseDevice&) = delete;

    // Closes any open interface, then opens the first interface, in enumeration order, of the
    // mouse's vendor/product IDs with usage page 0xFF00 and feature reports of exactly
    // `length` bytes. False leaves the device closed.
    bool OpenDevice(std::size_t length);
    void CloseDevice();
    bool isOpen() const { return m_connection != nullptr; }

    // Byte 0 of the buffer is the report ID and counts in its size, which must be the feature
    // length of the open interface. False when closed or when the transfer fails.
    bool SetFeatureReport(std::span<const uint8_t> report);
    // On success the buffer holds the whole report named by its byte 0.
    bool GetFeatureReport(std::span<uint8_t> report);

    // Arrival and removal of the mouse; null when the system cannot report them.
    std::unique_ptr<DeviceEventSource> RegisterDeviceEvents();

    // The interface that is open, if any.
    const std::optional<HidInterfaceInfo>& openInterface() const { return m_interface; }
    // The outcome of the last set or get, for messages on the command line.
    const TransferResult& lastTransfer() const { return m_lastTransfer; }

private:
    bool qualifies(const HidInterfaceInfo& info, std::size_t length) const;
    bool checkRequest(std::size_t size);

    HidBackend& m_backend;
    std::unique_ptr<HidConnection> m_connection;
    std::optional<HidInterfaceInfo> m_interface;
    TransferResult m_lastTransfer;
};

} // namespace bexlan
