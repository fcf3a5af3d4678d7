#include "device/virtual_mouse.h"

#include "device/device_monitor.h"
#include "device/mouse_ids.h"
#include "model/atomic_file.h"
#include "model/settings_record.h"

#include <algorithm>
#include <map>
#include <sys/eventfd.h>
#include <unistd.h>

namespace bexlan {

namespace {

// Collects events for one watcher; the eventfd tells the watcher's event loop to look.
class VirtualEventSource : public DeviceEventSource {
public:
    VirtualEventSource() : m_fd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~VirtualEventSource() override
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    VirtualEventSource(const VirtualEventSource&) = delete;
    VirtualEventSource& operator=(const VirtualEventSource&) = delete;

    bool valid() const { return m_fd >= 0; }
    int fileDescriptor() const override { return m_fd; }

    std::vector<DeviceEvent> readEvents() override
    {
        uint64_t counter = 0;
        // Clears the readable state; nothing to read just means no event waited.
        [[maybe_unused]] const ssize_t n = read(m_fd, &counter, sizeof counter);
        std::vector<DeviceEvent> events;
        events.swap(m_events);
        return events;
    }

    void post(const DeviceEvent& event)
    {
        m_events.push_back(event);
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = write(m_fd, &one, sizeof one);
    }

private:
    int m_fd;
    std::vector<DeviceEvent> m_events;
};

// What the watcher owns; the mouse keeps only a weak reference to the source to post into.
class VirtualEventHandle : public DeviceEventSource {
public:
    explicit VirtualEventHandle(std::shared_ptr<VirtualEventSource> source)
        : m_source(std::move(source))
    {
    }
    int fileDescriptor() const override { return m_source->fileDescriptor(); }
    std::vector<DeviceEvent> readEvents() override { return m_source->readEvents(); }

private:
    std::shared_ptr<VirtualEventSource> m_source;
};

struct InterfaceSpec {
    const char* path;
    uint16_t usagePage;
    uint16_t usage;
    std::size_t featureLength;
    uint8_t reportId; // the report the interface serves; 0 for none
    int interfaceNumber;
};

constexpr std::array<InterfaceSpec, 3> kInterfaces{{
    {VirtualMouse::kPointerPath, 0x0001, 0x0002, 0, 0, 0},
    {VirtualMouse::kSettingsPath, kMouseUsagePage, 0x0001, kSettingsInterfaceLength,
     kSettingsReportId, 1},
    {VirtualMouse::kButtonMapPath, kMouseUsagePage, 0x0002, kButtonMapInterfaceLength,
     kButtonMapReportId, 2},
}};

} // namespace

struct VirtualMouse::State {
    VirtualMouseMemory memory = FactoryMemory();
    std::optional<std::filesystem::path> stateFile;

    uint16_t vendorId = kMouseVendorIds[0];
    uint16_t productId = kMouseProductIds[0];
    ButtonMapInterface buttonMapInterface = ButtonMapInterface::Present;
    bool pluggedIn = true;
    // Raised on every removal; a connection opened before it is dead.
    uint64_t generation = 0;

    std::map<uint8_t, int> refusedSets;
    std::map<uint8_t, int> failedGets;
    std::optional<int> transfersUntilDisconnect;

    std::vector<Transfer> transfers;
    std::vector<std::weak_ptr<VirtualEventSource>> watchers;

    void post(DeviceEventKind kind)
    {
        std::erase_if(watchers, [](const auto& w) { return w.expired(); });
        for (const auto& weak : watchers) {
            const auto watcher = weak.lock();
            if (!watcher)
                continue;
            for (const InterfaceSpec& spec : kInterfaces) {
                if (spec.reportId == kButtonMapReportId &&
                    buttonMapInterface == ButtonMapInterface::Absent)
                    continue;
                watcher->post(DeviceEvent{kind, spec.path, vendorId, productId});
            }
        }
    }

    void unplug()
    {
        if (!pluggedIn)
            return;
        pluggedIn = false;
        ++generation;
        post(DeviceEventKind::Removed);
    }

    // Counts one transfer towards a scheduled disconnection.
    void countTransfer()
    {
        if (transfersUntilDisconnect && --*transfersUntilDisconnect <= 0) {
            transfersUntilDisconnect.reset();
            unplug();
        }
    }

    static bool takeFault(std::map<uint8_t, int>& faults, uint8_t reportId)
    {
        const auto it = faults.find(reportId);
        if (it == faults.end() || it->second <= 0)
            return false;
        if (it->second != kForever)
            --it->second;
        return true;
    }

    static std::span<uint8_t> reportMemory(VirtualMouseMemory& m, uint8_t reportId)
    {
        if (reportId == kSettingsReportId)
            return m.settings;
        return m.buttonMap;
    }
};

namespace {

class VirtualConnection : public HidConnection {
public:
    VirtualConnection(std::shared_ptr<VirtualMouse::State> state, const InterfaceSpec& spec)
        : m_state(std::move(state)), m_spec(spec), m_generation(m_state->generation)
    {
    }

    TransferResult setFeatureReport(std::span<const uint8_t> report) override
    {
        return transfer(VirtualMouse::Direction::Set, report.size(), report.empty() ? 0 : report[0],
                        [&] { return store(report); });
    }

    TransferResult getFeatureReport(std::span<uint8_t> report) override
    {
        return transfer(VirtualMouse::Direction::Get, report.size(), report.empty() ? 0 : report[0],
                        [&] { return answer(report); });
    }

private:
    template <typename Action>
    TransferResult transfer(VirtualMouse::Direction direction, std::size_t length, uint8_t reportId,
                            Action action)
    {
        VirtualMouse::State& s = *m_state;
        if (!s.pluggedIn || s.generation != m_generation)
            return {TransferStatus::Failed, 0, "the virtual mouse is disconnected"};
        TransferResult result;
        if (length == 0)
            result = {TransferStatus::BadRequest, 0, "empty report"};
        else if (m_spec.reportId == 0 || reportId != m_spec.reportId ||
                 length != m_spec.featureLength)
            result = {TransferStatus::Failed, 0,
                      "the virtual mouse has no " + std::to_string(length) + "-byte report " +
                          std::to_string(reportId) + " on this interface"};
        else
            result = action();
        s.transfers.push_back({direction, reportId, length, result.ok()});
        s.countTransfer();
        return result;
    }

    TransferResult store(std::span<const uint8_t> report)
    {
        VirtualMouse::State& s = *m_state;
        if (VirtualMouse::State::takeFault(s.refusedSets, m_spec.reportId))
            return {TransferStatus::Failed, 0, "the virtual mouse refused the report"};
        VirtualMouseMemory next = s.memory;
        std::ranges::copy(report, s.reportMemory(next, m_spec.reportId).begin());
        if (s.stateFile) {
            const std::string text = FormatVirtualMouseState(next);
            std::error_code error;
            if (!WriteFileAtomically(*s.stateFile,
                                     {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                                     &error))
                return {TransferStatus::Failed, 0,
                        "cannot save the virtual mouse to " + s.stateFile->string() + ": " +
                            error.message()};
        }
        s.memory = next;
        return {TransferStatus::Ok, report.size(), {}};
    }

    TransferResult answer(std::span<uint8_t> report)
    {
        VirtualMouse::State& s = *m_state;
        if (VirtualMouse::State::takeFault(s.failedGets, m_spec.reportId))
            return {TransferStatus::Failed, 0, "the virtual mouse did not answer"};
        const std::span<uint8_t> stored = s.reportMemory(s.memory, m_spec.reportId);
        std::ranges::copy(stored, report.begin());
        return {TransferStatus::Ok, report.size(), {}};
    }

    std::shared_ptr<VirtualMouse::State> m_state;
    InterfaceSpec m_spec;
    uint64_t m_generation;
};

} // namespace

VirtualMouseMemory FactoryMemory()
{
    SettingsRecord record;
    ResetToDefaults(record);
    VirtualMouseMemory memory;
    memory.settings = BuildSettingsReport(record);
    memory.buttonMap = BuildButtonMapReport(record).report;
    return memory;
}

VirtualMouse::VirtualMouse() : m_state(std::make_shared<State>()) {}

VirtualMouse::~VirtualMouse()
{
    // Connections and watchers that outlive us see a mouse that went away.
    m_state->pluggedIn = false;
    ++m_state->generation;
}

std::vector<HidInterfaceInfo> VirtualMouse::enumerate()
{
    std::vector<HidInterfaceInfo> result;
    if (!m_state->pluggedIn)
        return result;
    for (const InterfaceSpec& spec : kInterfaces) {
        if (spec.reportId == kButtonMapReportId &&
            m_state->buttonMapInterface == ButtonMapInterface::Absent)
            continue;
        HidInterfaceInfo info;
        info.path = spec.path;
        info.vendorId = m_state->vendorId;
        info.productId = m_state->productId;
        info.usagePage = spec.usagePage;
        info.usage = spec.usage;
        info.featureReportByteLength = spec.featureLength;
        info.interfaceNumber = spec.interfaceNumber;
        result.push_back(info);
    }
    return result;
}

std::unique_ptr<HidConnection> VirtualMouse::open(const std::string& path)
{
    if (!m_state->pluggedIn)
        return nullptr;
    for (const InterfaceSpec& spec : kInterfaces) {
        if (path != spec.path)
            continue;
        if (spec.reportId == kButtonMapReportId &&
            m_state->buttonMapInterface == ButtonMapInterface::Absent)
            return nullptr;
        return std::make_unique<VirtualConnection>(m_state, spec);
    }
    return nullptr;
}

std::unique_ptr<DeviceEventSource> VirtualMouse::watchDevices()
{
    auto source = std::make_shared<VirtualEventSource>();
    if (!source->valid())
        return nullptr;
    m_state->watchers.push_back(source);
    return std::make_unique<VirtualEventHandle>(std::move(source));
}

const VirtualMouseMemory& VirtualMouse::memory() const
{
    return m_state->memory;
}

void VirtualMouse::setMemory(const VirtualMouseMemory& memory)
{
    m_state->memory = memory;
}

StateResult VirtualMouse::attachStateFile(const std::filesystem::path& path)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error)
        return {StateStatus::Unreadable,
                "cannot look at " + path.string() + ": " + error.message()};
    if (exists) {
        const auto bytes = ReadFileBytes(path, kMaxStateFileBytes);
        if (!bytes)
            return {StateStatus::Unreadable,
                    "cannot read " + path.string() +
                        " (not a regular file, no permission, or larger than " +
                        std::to_string(kMaxStateFileBytes / 1024) + " KiB)"};
        VirtualMouseMemory loaded;
        StateResult result = ParseVirtualMouseState(*bytes, loaded);
        if (!result.ok()) {
            result.message = path.string() + ": " + result.message;
            return result;
        }
        m_state->memory = loaded;
    } else {
        const std::string text = FormatVirtualMouseState(m_state->memory);
        if (!WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                                 &error))
            return {StateStatus::WriteFailed,
                    "cannot create " + path.string() + ": " + error.message()};
    }
    m_state->stateFile = path;
    return {};
}

void VirtualMouse::refuseSets(uint8_t reportId, int count)
{
    m_state->refusedSets[reportId] = count;
}

void VirtualMouse::failGets(uint8_t reportId, int count)
{
    m_state->failedGets[reportId] = count;
}

void VirtualMouse::setButtonMapInterface(ButtonMapInterface presence)
{
    m_state->buttonMapInterface = presence;
}

void VirtualMouse::disconnectAfter(int transfers)
{
    if (transfers <= 0) {
        m_state->transfersUntilDisconnect.reset();
        m_state->unplug();
        return;
    }
    m_state->transfersUntilDisconnect = transfers;
}

void VirtualMouse::setIdentity(uint16_t vendorId, uint16_t productId)
{
    m_state->vendorId = vendorId;
    m_state->productId = productId;
}

void VirtualMouse::unplug()
{
    m_state->unplug();
}

void VirtualMouse::plugIn()
{
    if (m_state->pluggedIn)
        return;
    m_state->pluggedIn = true;
    m_state->post(DeviceEventKind::Arrived);
}

bool VirtualMouse::isPluggedIn() const
{
    return m_state->pluggedIn;
}

const std::vector<VirtualMouse::Transfer>& VirtualMouse::transfers() const
{
    return m_state->transfers;
}

void VirtualMouse::clearTransfers()
{
    m_state->transfers.clear();
}

} // namespace bexlan
