#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace bexlan {

class DeviceEventSource;

// Turns the device layer's arrival and removal events into a Qt signal, from the event loop.
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    // `source` may be null (no udev): the watcher then never signals.
    explicit DeviceWatcher(std::unique_ptr<DeviceEventSource> source, QObject* parent = nullptr);
    ~DeviceWatcher() override;

signals:
    // One of the mouse's interfaces appeared.
    void mouseArrived();

private:
    void readEvents();

    std::unique_ptr<DeviceEventSource> m_source;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace bexlan
