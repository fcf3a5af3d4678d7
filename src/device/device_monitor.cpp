#include "device/device_monitor.h"

#include "device/mouse_ids.h"

#include <charconv>
#include <libudev.h>

namespace bexlan {

namespace {

std::optional<uint32_t> parseHexField(std::string_view text)
{
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The IDs of the hid device above a hidraw node, if that node is one of the mouse's.
std::optional<HidId> mouseIdOf(udev_device* hidraw)
{
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    if (hid == nullptr)
        return std::nullopt;
    const char* property = udev_device_get_property_value(hid, "HID_ID");
    if (property == nullptr)
        return std::nullopt;
    const std::optional<HidId> id = ParseHidId(property);
    if (!id || !IsMouseId(id->vendorId, id->productId))
        return std::nullopt;
    return id;
}

} // namespace

std::optional<HidId> ParseHidId(std::string_view text)
{
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = text.find(':', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto bus = parseHexField(text.substr(0, first));
    const auto vendor = parseHexField(text.substr(first + 1, second - first - 1));
    const auto product = parseHexField(text.substr(second + 1));
    if (!bus || !vendor || !product || *bus > 0xFFFF || *vendor > 0xFFFF || *product > 0xFFFF)
        return std::nullopt;
    return HidId{static_cast<uint16_t>(*bus), static_cast<uint16_t>(*vendor),
                 static_cast<uint16_t>(*product)};
}

std::unique_ptr<UdevMonitor> UdevMonitor::Create()
{
    udev* context = udev_new();
    if (context == nullptr)
        return nullptr;
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor == nullptr) {
        udev_unref(context);
        return nullptr;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    std::unique_ptr<UdevMonitor> result(new UdevMonitor(context, monitor));
    result->rememberPresent();
    return result;
}

UdevMonitor::UdevMonitor(udev* context, udev_monitor* monitor) : m_udev(context), m_monitor(monitor)
{
}

UdevMonitor::~UdevMonitor()
{
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

int UdevMonitor::fileDescriptor() const
{
    return udev_monitor_get_fd(m_monitor);
}

void UdevMonitor::rememberPresent()
{
    udev_enumerate* enumerate = udev_enumerate_new(m_udev);
    if (enumerate == nullptr)
        return;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (device == nullptr)
            continue;
        const char* devnode = udev_device_get_devnode(device);
        if (const auto id = mouseIdOf(device); id && devnode != nullptr)
            m_known[udev_device_get_syspath(device)] = Known{devnode, *id};
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
}

std::optional<DeviceEvent> UdevMonitor::translate(udev_device* device)
{
    const char* action = udev_device_get_action(device);
    const char* syspath = udev_device_get_syspath(device);
    if (action == nullptr || syspath == nullptr)
        return std::nullopt;
    const std::string_view verb(action);
    if (verb == "add") {
        const char* devnode = udev_device_get_devnode(device);
        const auto id = mouseIdOf(device);
        if (!id || devnode == nullptr)
            return std::nullopt;
        m_known[syspath] = Known{devnode, *id};
        return DeviceEvent{DeviceEventKind::Arrived, devnode, id->vendorId, id->productId};
    }
    if (verb == "remove") {
        const auto it = m_known.find(syspath);
        if (it == m_known.end())
            return std::nullopt;
        DeviceEvent event{DeviceEventKind::Removed, it->second.devnode, it->second.id.vendorId,
                          it->second.id.productId};
        m_known.erase(it);
        return event;
    }
    return std::nullopt;
}

std::vector<DeviceEvent> UdevMonitor::readEvents()
{
    std::vector<DeviceEvent> events;
    // The monitor socket is non-blocking: this returns null once nothing waits.
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        if (auto event = translate(device))
            events.push_back(std::move(*event));
        udev_device_unref(device);
    }
    return events;
}

} // namespace bexlan
