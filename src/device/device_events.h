#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bexlan {

enum class DeviceEventKind { Arrived, Removed };

struct DeviceEvent {
    DeviceEventKind kind = DeviceEventKind::Arrived;
    std::string path; // the interface path as enumeration reports it
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// Arrival and removal of the mouse. The descriptor becomes readable when events wait, so a
// GUI can watch it (QSocketNotifier, Read) and call readEvents() from its event loop.
class DeviceEventSource {
public:
    virtual ~DeviceEventSource() = default;
    virtual int fileDescriptor() const = 0;
    // Takes every waiting event without blocking; only the mouse's vendor/product pairs.
    virtual std::vector<DeviceEvent> readEvents() = 0;
};

} // namespace bexlan
