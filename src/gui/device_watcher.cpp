#include "gui/device_watcher.h"

#include "device/device_monitor.h"

#include <QSocketNotifier>

namespace bexlan {

DeviceWatcher::DeviceWatcher(std::unique_ptr<DeviceEventSource> source, QObject* parent)
    : QObject(parent), m_source(std::move(source))
{
    if (m_source && m_source->fileDescriptor() >= 0) {
        m_notifier = new QSocketNotifier(m_source->fileDescriptor(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &DeviceWatcher::readEvents);
    }
}

DeviceWatcher::~DeviceWatcher() = default;

void DeviceWatcher::readEvents()
{
    bool arrived = false;
    for (const DeviceEvent& event : m_source->readEvents()) {
        arrived = arrived || event.kind == DeviceEventKind::Arrived;
    }
    if (arrived) {
        emit mouseArrived();
    }
}

} // namespace bexlan
