#pragma once

#include "model/ini_file.h"
#include "model/settings_record.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

namespace bexlan {

// The desktop's pointer speed (1..20), wheel scroll lines (-1 for one screen per notch) and
// double-click time (ms), in the units of the Windows settings the profiles were made for.
// A setter returns false and changes nothing for a value out of range or when the value
// cannot be stored.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;

    virtual int32_t speed() const = 0;
    virtual bool setSpeed(int32_t speed) = 0;
    virtual int32_t wheelScrollLines() const = 0;
    virtual bool setWheelScrollLines(int32_t lines) = 0;
    virtual uint32_t doubleClickTime() const = 0;
    virtual bool setDoubleClickTime(uint32_t milliseconds) = 0;

    WindowsPointerValues read() const;
    // Sets all three; true only when all three were taken.
    bool apply(const WindowsPointerValues& values);
};

inline constexpr int32_t kMinPointerSpeed = 1;
inline constexpr int32_t kMaxPointerSpeed = 20;
inline constexpr uint32_t kMinDoubleClickTime = 1;
inline constexpr uint32_t kMaxDoubleClickTime = 5000;
// What a fresh Windows installation uses.
inline constexpr WindowsPointerValues kDefaultPointerValues{10, 3, 500};

// Keeps the three values in a small INI file of our own ("[Pointer]" with Speed,
// WheelScrollLines, DoubleClickTime), for desktops whose settings we cannot reach. A
// missing file or a missing or invalid value reads as the Windows default. Each set
// rewrites the file atomically.
class StoredPointerSettings : public PointerSettings {
public:
    explicit StoredPointerSettings(std::filesystem::path file);

    int32_t speed() const override { return m_values.speed; }
    bool setSpeed(int32_t speed) override;
    int32_t wheelScrollLines() const override { return m_values.wheelLines; }
    bool setWheelScrollLines(int32_t lines) override;
    uint32_t doubleClickTime() const override { return m_values.doubleClickMs; }
    bool setDoubleClickTime(uint32_t milliseconds) override;

private:
    bool store(std::string_view key, int64_t value);

    std::filesystem::path m_file;
    IniFile m_ini;
    WindowsPointerValues m_values = kDefaultPointerValues;
};

enum class PointerBackendKind { Stored, Gnome };

// Whether the GNOME mouse settings schema (org.gnome.desktop.peripherals.mouse) is installed.
bool GnomeMouseSchemaInstalled();

// GNOME when its schema is installed, our own store otherwise.
PointerBackendKind ChoosePointerBackend(bool gnomeSchemaInstalled);

// The pointer settings of this desktop. `storeFile` keeps what the desktop cannot hold (all
// three values for the stored backend, the wheel lines for GNOME). Asking for GNOME where
// its schema is missing gives the store.
std::unique_ptr<PointerSettings> OpenPointerSettings(const std::filesystem::path& storeFile,
                                                     PointerBackendKind kind);
std::unique_ptr<PointerSettings> OpenPointerSettings(const std::filesystem::path& storeFile);

// GNOME's speed is a double in -1..1 with 0 the default; the Windows default 10 maps to 0,
// 1 to -1 and 20 to 1, linearly on each side.
double GnomeSpeedFromPointerSpeed(int32_t speed);
int32_t PointerSpeedFromGnomeSpeed(double gnomeSpeed);

} // namespace bexlan
