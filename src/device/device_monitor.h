#pragma once

#include "device/device_events.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct udev;
struct udev_device;
struct udev_monitor;

namespace bexlan {

struct HidId {
    uint16_t bus = 0;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// The kernel's HID_ID property of a hid device, "BBBB:VVVVVVVV:PPPPPPPP" in hexadecimal.
std::optional<HidId> ParseHidId(std::string_view text);

// Watches hidraw nodes through udev (after udev has processed them, so permissions are in
// place when an arrival is reported). A removed node can no longer be asked for its IDs, so
// the monitor remembers the mouse nodes it has seen and reports only their removal.
class UdevMonitor : public DeviceEventSource {
public:
    // Null when udev is not available (no netlink socket, e.g. in some containers).
    static std::unique_ptr<UdevMonitor> Create();
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    int fileDescriptor() const override;
    std::vector<DeviceEvent> readEvents() override;

private:
    struct Known {
        std::string devnode;
        HidId id;
    };

    UdevMonitor(udev* context, udev_monitor* monitor);
    void rememberPresent();
    std::optional<DeviceEvent> translate(udev_device* device);

    udev* m_udev;
    udev_monitor* m_monitor;
    std::map<std::string, Known> m_known; // by sysfs path
};

} // namespace bexlan
