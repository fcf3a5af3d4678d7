#pragma once

#include "device/hid_backend.h"
#include "device/virtual_mouse_state.h"

#include <filesystem>
#include <limits>
#include <memory>
#include <vector>

namespace bexlan {

// The mouse without a mouse: a backend that presents the mouse's interfaces and behaves like
// its firmware as far as this program relies on it. It keeps the last report 3 and report 4
// it accepted and answers get-feature with them; it starts with what an upload of the
// factory settings sends. Faults can be switched on to exercise every failure path.
//
// Interfaces, in enumeration order, all vendor 0x258A product 0x1FF0 unless changed:
//   kPointerPath    usage page 0x0001 (the ordinary mouse), no feature reports
//   kSettingsPath   usage page 0xFF00, feature reports of 8 bytes (report 3)
//   kButtonMapPath  usage page 0xFF00, feature reports of 2049 bytes (report 4)
//
// Connections and event sources share the mouse's state, so they stay safe to use after
// the VirtualMouse itself is gone (they then act as if the mouse were unplugged).
class VirtualMouse : public HidBackend {
public:
    static constexpr const char* kPointerPath = "virtual-mouse:0";
    static constexpr const char* kSettingsPath = "virtual-mouse:1";
    static constexpr const char* kButtonMapPath = "virtual-mouse:2";
    // A fault count that never runs out.
    static constexpr int kForever = std::numeric_limits<int>::max();

    VirtualMouse();
    ~VirtualMouse() override;
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& path) override;
    std::unique_ptr<DeviceEventSource> watchDevices() override;

    // --- Memory ---
    const VirtualMouseMemory& memory() const;
    void setMemory(const VirtualMouseMemory& memory);

    // Keeps the memory in `path` from now on. An existing file is loaded first; a missing
    // one is created with the current memory. A bad or unwritable file changes nothing and
    // says why. After this, a set that cannot be saved is refused, so the file never lags
    // behind what the mouse reported as accepted.
    StateResult attachStateFile(const std::filesystem::path& path);

    // --- Faults ---
    // Refuses the next `count` sets of report `reportId`.
    void refuseSets(uint8_t reportId, int count);
    // Fails the next `count` gets of report `reportId`.
    void failGets(uint8_t reportId, int count);
    // Without it the mouse offers no interface with 2049-byte feature reports.
    enum class ButtonMapInterface { Present, Absent };
    void setButtonMapInterface(ButtonMapInterface presence);
    // Unplugs the mouse once `transfers` more sets or gets have been made.
    void disconnectAfter(int transfers);
    void setIdentity(uint16_t vendorId, uint16_t productId);

    // Removal makes every open connection fail for good and posts a removal event; arrival
    // posts an arrival event. Enumeration lists nothing while unplugged.
    void unplug();
    void plugIn();
    bool isPluggedIn() const;

    // --- Observation ---
    enum class Direction { Set, Get };
    struct Transfer {
        Direction direction;
        uint8_t reportId;
        std::size_t length;
        bool accepted;
    };
    // Every set and get made through any connection, in order.
    const std::vector<Transfer>& transfers() const;
    void clearTransfers();

    struct State; // shared with connections and event sources

private:
    std::shared_ptr<State> m_state;
};

// The reports a mouse holds after an upload of the factory settings.
VirtualMouseMemory FactoryMemory();

} // namespace bexlan
