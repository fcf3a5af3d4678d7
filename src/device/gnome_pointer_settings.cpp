#include "device/gnome_pointer_settings.h"

#include <gio/gio.h>

namespace bexlan {

namespace {

constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kSpeedKey = "speed";
constexpr const char* kDoubleClickKey = "double-click";

// The installed schema with a speed key, or null; the caller unrefs it.
GSettingsSchema* lookupSchema()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr)
        return nullptr;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
    if (schema != nullptr && !g_settings_schema_has_key(schema, kSpeedKey)) {
        g_settings_schema_unref(schema);
        return nullptr;
    }
    return schema;
}

} // namespace

bool GnomeMouseSchemaInstalled()
{
    GSettingsSchema* schema = lookupSchema();
    if (schema == nullptr)
        return false;
    g_settings_schema_unref(schema);
    return true;
}

std::unique_ptr<GnomePointerSettings>
GnomePointerSettings::Create(const std::filesystem::path& storeFile)
{
    GSettingsSchema* schema = lookupSchema();
    if (schema == nullptr)
        return nullptr;
    const DoubleClickHome doubleClick = g_settings_schema_has_key(schema, kDoubleClickKey)
                                            ? DoubleClickHome::Desktop
                                            : DoubleClickHome::Store;
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    if (settings == nullptr)
        return nullptr;
    return std::unique_ptr<GnomePointerSettings>(
        new GnomePointerSettings(settings, doubleClick, storeFile));
}

GnomePointerSettings::GnomePointerSettings(GSettings* settings, DoubleClickHome doubleClick,
                                           const std::filesystem::path& storeFile)
    : m_settings(settings), m_doubleClick(doubleClick), m_store(storeFile)
{
}

GnomePointerSettings::~GnomePointerSettings()
{
    g_object_unref(m_settings);
}

int32_t GnomePointerSettings::speed() const
{
    return PointerSpeedFromGnomeSpeed(g_settings_get_double(m_settings, kSpeedKey));
}

bool GnomePointerSettings::setSpeed(int32_t speed)
{
    if (speed < kMinPointerSpeed || speed > kMaxPointerSpeed)
        return false;
    if (!g_settings_set_double(m_settings, kSpeedKey, GnomeSpeedFromPointerSpeed(speed)))
        return false;
    // Writes reach dconf asynchronously; a short-lived bexlanctl must not exit before.
    g_settings_sync();
    return true;
}

uint32_t GnomePointerSettings::doubleClickTime() const
{
    if (m_doubleClick == DoubleClickHome::Store)
        return m_store.doubleClickTime();
    const int milliseconds = g_settings_get_int(m_settings, kDoubleClickKey);
    if (milliseconds < static_cast<int>(kMinDoubleClickTime) ||
        milliseconds > static_cast<int>(kMaxDoubleClickTime))
        return kDefaultPointerValues.doubleClickMs;
    return static_cast<uint32_t>(milliseconds);
}

bool GnomePointerSettings::setDoubleClickTime(uint32_t milliseconds)
{
    if (m_doubleClick == DoubleClickHome::Store)
        return m_store.setDoubleClickTime(milliseconds);
    if (milliseconds < kMinDoubleClickTime || milliseconds > kMaxDoubleClickTime)
        return false;
    if (!g_settings_set_int(m_settings, kDoubleClickKey, static_cast<int>(milliseconds)))
        return false;
    g_settings_sync();
    return true;
}

} // namespace bexlan
