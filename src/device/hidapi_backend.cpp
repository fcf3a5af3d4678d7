#include "device/hidapi_backend.h"

#include "device/device_monitor.h"
#include "device/report_descriptor.h"
#include "model/atomic_file.h"

#include <hidapi/hidapi.h>

#include <set>

namespace bexlan {

namespace {

// Report descriptors are at most 4096 bytes (HID_MAX_DESCRIPTOR_SIZE).
constexpr std::size_t kMaxDescriptorBytes = 4096;

std::string toUtf8(const wchar_t* text)
{
    std::string out;
    if (text == nullptr)
        return out;
    for (; *text != L'\0'; ++text) {
        auto c = static_cast<uint32_t>(*text);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class HidapiConnection : public HidConnection {
public:
    explicit HidapiConnection(hid_device* device) : m_device(device) {}
    ~HidapiConnection() override { hid_close(m_device); }
    HidapiConnection(const HidapiConnection&) = delete;
    HidapiConnection& operator=(const HidapiConnection&) = delete;

    TransferResult setFeatureReport(std::span<const uint8_t> report) override
    {
        if (report.empty())
            return {TransferStatus::BadRequest, 0, "empty report"};
        return finish(hid_send_feature_report(m_device, report.data(), report.size()),
                      report.size());
    }

    TransferResult getFeatureReport(std::span<uint8_t> report) override
    {
        if (report.empty())
            return {TransferStatus::BadRequest, 0, "empty report"};
        return finish(hid_get_feature_report(m_device, report.data(), report.size()),
                      report.size());
    }

private:
    // hidapi's convention in one place: the buffer starts with the report ID, which counts in
    // the length and in the returned byte count; -1 means failure, described by hid_error.
    TransferResult finish(int returned, std::size_t expected)
    {
        if (returned < 0)
            return {TransferStatus::Failed, 0, toUtf8(hid_error(m_device))};
        const auto moved = static_cast<std::size_t>(returned);
        if (moved < expected)
            return {TransferStatus::Short, moved,
                    "transferred " + std::to_string(moved) + " of " + std::to_string(expected) +
                        " bytes"};
        return {TransferStatus::Ok, expected, {}};
    }

    hid_device* m_device;
};

} // namespace

std::optional<std::filesystem::path> ReportDescriptorFile(std::string_view devicePath)
{
    constexpr std::string_view prefix = "/dev/hidraw";
    if (!devicePath.starts_with(prefix) || devicePath.size() == prefix.size() ||
        devicePath.size() > prefix.size() + 6)
        return std::nullopt;
    for (char c : devicePath.substr(prefix.size()))
        if (c < '0' || c > '9')
            return std::nullopt;
    const std::string node(devicePath.substr(std::string_view("/dev/").size()));
    return std::filesystem::path("/sys/class/hidraw") / node / "device" / "report_descriptor";
}

HidapiBackend::HidapiBackend()
{
    hid_init();
}

std::vector<HidInterfaceInfo> HidapiBackend::enumerate()
{
    std::vector<HidInterfaceInfo> result;
    hid_device_info* list = hid_enumerate(0, 0);
    std::set<std::string> seen;
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        if (info->path == nullptr || !seen.insert(info->path).second)
            continue;
        HidInterfaceInfo base;
        base.path = info->path;
        base.vendorId = info->vendor_id;
        base.productId = info->product_id;
        base.interfaceNumber = info->interface_number;

        // hidapi lists a node once per top-level collection, with the usage page but without
        // report lengths; our parser gives both for every collection of the node.
        std::optional<ParsedDescriptor> parsed;
        if (const auto file = ReportDescriptorFile(info->path)) {
            if (const auto bytes = ReadFileBytes(*file, kMaxDescriptorBytes))
                parsed = ParseReportDescriptor(*bytes);
        }
        if (parsed && parsed->ok() && !parsed->collections.empty()) {
            for (const TopLevelCollection& collection : parsed->collections) {
                HidInterfaceInfo entry = base;
                entry.usagePage = collection.usagePage;
                entry.usage = collection.usage;
                entry.featureReportByteLength = collection.featureReportByteLength;
                result.push_back(entry);
            }
        } else {
            // Unreadable or malformed descriptor: listed, but it cannot qualify as the mouse.
            base.usagePage = info->usage_page;
            base.usage = info->usage;
            result.push_back(base);
        }
    }
    hid_free_enumeration(list);
    return result;
}

std::unique_ptr<HidConnection> HidapiBackend::open(const std::string& path)
{
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr)
        return nullptr;
    return std::make_unique<HidapiConnection>(device);
}

std::unique_ptr<DeviceEventSource> HidapiBackend::watchDevices()
{
    return UdevMonitor::Create();
}

} // namespace bexlan
