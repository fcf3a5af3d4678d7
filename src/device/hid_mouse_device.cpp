#include "device/hid_mouse_device.h"

#include "device/device_monitor.h"
#include "device/mouse_ids.h"

namespace bexlan {

HidMouseDevice::HidMouseDevice(HidBackend& backend) : m_backend(backend) {}

HidMouseDevice::~HidMouseDevice()
{
    CloseDevice();
}

bool HidMouseDevice::qualifies(const HidInterfaceInfo& info, std::size_t length) const
{
    return IsMouseId(info.vendorId, info.productId) && info.usagePage == kMouseUsagePage &&
           info.featureReportByteLength == length;
}

bool HidMouseDevice::OpenDevice(std::size_t length)
{
    CloseDevice();
    for (const HidInterfaceInfo& info : m_backend.enumerate()) {
        if (!qualifies(info, length))
            continue;
        // An interface we cannot open (gone meanwhile, no permission) is passed over.
        if (auto connection = m_backend.open(info.path)) {
            m_connection = std::move(connection);
            m_interface = info;
            return true;
        }
    }
    return false;
}

void HidMouseDevice::CloseDevice()
{
    m_connection.reset();
    m_interface.reset();
}

bool HidMouseDevice::checkRequest(std::size_t size)
{
    if (!m_connection) {
        m_lastTransfer = {TransferStatus::BadRequest, 0, "the mouse is not open"};
        return false;
    }
    // A report of another length would go to the wrong interface of the mouse.
    if (size == 0 || size != m_interface->featureReportByteLength) {
        m_lastTransfer = {TransferStatus::BadRequest, 0,
                          "a report of " + std::to_string(size) +
                              " bytes does not fit this interface"};
        return false;
    }
    return true;
}

bool HidMouseDevice::SetFeatureReport(std::span<const uint8_t> report)
{
    if (!checkRequest(report.size()))
        return false;
    m_lastTransfer = m_connection->setFeatureReport(report);
    return m_lastTransfer.ok();
}

bool HidMouseDevice::GetFeatureReport(std::span<uint8_t> report)
{
    if (!checkRequest(report.size()))
        return false;
    m_lastTransfer = m_connection->getFeatureReport(report);
    return m_lastTransfer.ok();
}

std::unique_ptr<DeviceEventSource> HidMouseDevice::RegisterDeviceEvents()
{
    return m_backend.watchDevices();
}

} // namespace bexlan
