#pragma once

#include "device/hid_backend.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace bexlan {

// Real hardware through hidapi's hidraw backend. hidapi 0.13 cannot hand out report
// descriptors, so each node's descriptor is read from sysfs and parsed by our own parser.
class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& path) override;
    std::unique_ptr<DeviceEventSource> watchDevices() override;
};

// The sysfs file holding the report descriptor of a hidraw device path ("/dev/hidraw3" ->
// "/sys/class/hidraw/hidraw3/device/report_descriptor"); nullopt for any other kind of path.
std::optional<std::filesystem::path> ReportDescriptorFile(std::string_view devicePath);

} // namespace bexlan
