#pragma once

#include "device/pointer_settings.h"

#include <memory>

typedef struct _GSettings GSettings;

namespace bexlan {

// GNOME's mouse settings (org.gnome.desktop.peripherals.mouse): speed and double-click time
// go to the desktop; GNOME has no wheel scroll lines, so those stay in our store, as does
// the double-click time on a GNOME without that key.
class GnomePointerSettings : public PointerSettings {
public:
    // Null when the schema is not installed.
    static std::unique_ptr<GnomePointerSettings> Create(const std::filesystem::path& storeFile);
    ~GnomePointerSettings() override;
    GnomePointerSettings(const GnomePointerSettings&) = delete;
    GnomePointerSettings& operator=(const GnomePointerSettings&) = delete;

    int32_t speed() const override;
    bool setSpeed(int32_t speed) override;
    int32_t wheelScrollLines() const override { return m_store.wheelScrollLines(); }
    bool setWheelScrollLines(int32_t lines) override { return m_store.setWheelScrollLines(lines); }
    uint32_t doubleClickTime() const override;
    bool setDoubleClickTime(uint32_t milliseconds) override;

private:
    enum class DoubleClickHome { Desktop, Store };

    GnomePointerSettings(GSettings* settings, DoubleClickHome doubleClick,
                         const std::filesystem::path& storeFile);

    GSettings* m_settings;
    DoubleClickHome m_doubleClick;
    StoredPointerSettings m_store;
};

} // namespace bexlan
