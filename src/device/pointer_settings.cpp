#include "device/pointer_settings.h"

#include "device/gnome_pointer_settings.h"

#include <cmath>
#include <string>

namespace bexlan {

namespace {

constexpr std::string_view kSection = "Pointer";
constexpr std::string_view kSpeedKey = "Speed";
constexpr std::string_view kWheelKey = "WheelScrollLines";
constexpr std::string_view kDoubleClickKey = "DoubleClickTime";
// The store is ASCII; the code page only matters for text we never write.
constexpr CodePage kStoreCodePage = CodePage::Windows1252;

bool validSpeed(int64_t speed)
{
    return speed >= kMinPointerSpeed && speed <= kMaxPointerSpeed;
}

bool validWheelLines(int64_t lines)
{
    return lines >= kWheelScrollsScreen;
}

bool validDoubleClickTime(int64_t milliseconds)
{
    return milliseconds >= kMinDoubleClickTime && milliseconds <= kMaxDoubleClickTime;
}

} // namespace

WindowsPointerValues PointerSettings::read() const
{
    return {speed(), wheelScrollLines(), doubleClickTime()};
}

bool PointerSettings::apply(const WindowsPointerValues& values)
{
    const bool speedTaken = setSpeed(values.speed);
    const bool wheelTaken = setWheelScrollLines(values.wheelLines);
    const bool timeTaken = setDoubleClickTime(values.doubleClickMs);
    return speedTaken && wheelTaken && timeTaken;
}

StoredPointerSettings::StoredPointerSettings(std::filesystem::path file)
    : m_file(std::move(file)), m_ini(TextEncoding::Ansi)
{
    if (auto loaded = IniFile::Load(m_file, kStoreCodePage))
        m_ini = std::move(*loaded);
    const int32_t speed = m_ini.GetInt(kSection, kSpeedKey, kDefaultPointerValues.speed);
    const int32_t lines = m_ini.GetInt(kSection, kWheelKey, kDefaultPointerValues.wheelLines);
    const int32_t time = m_ini.GetInt(kSection, kDoubleClickKey,
                                      static_cast<int32_t>(kDefaultPointerValues.doubleClickMs));
    if (validSpeed(speed))
        m_values.speed = speed;
    if (validWheelLines(lines))
        m_values.wheelLines = lines;
    if (validDoubleClickTime(time))
        m_values.doubleClickMs = static_cast<uint32_t>(time);
}

bool StoredPointerSettings::store(std::string_view key, int64_t value)
{
    IniFile next = m_ini;
    if (!next.SetString(kSection, key, std::to_string(value)))
        return false;
    std::error_code error;
    if (m_file.has_parent_path())
        std::filesystem::create_directories(m_file.parent_path(), error);
    if (error || !next.Save(m_file))
        return false;
    m_ini = std::move(next);
    return true;
}

bool StoredPointerSettings::setSpeed(int32_t speed)
{
    if (!validSpeed(speed) || !store(kSpeedKey, speed))
        return false;
    m_values.speed = speed;
    return true;
}

bool StoredPointerSettings::setWheelScrollLines(int32_t lines)
{
    if (!validWheelLines(lines) || !store(kWheelKey, lines))
        return false;
    m_values.wheelLines = lines;
    return true;
}

bool StoredPointerSettings::setDoubleClickTime(uint32_t milliseconds)
{
    if (!validDoubleClickTime(milliseconds) || !store(kDoubleClickKey, milliseconds))
        return false;
    m_values.doubleClickMs = milliseconds;
    return true;
}

PointerBackendKind ChoosePointerBackend(bool gnomeSchemaInstalled)
{
    return gnomeSchemaInstalled ? PointerBackendKind::Gnome : PointerBackendKind::Stored;
}

std::unique_ptr<PointerSettings> OpenPointerSettings(const std::filesystem::path& storeFile,
                                                     PointerBackendKind kind)
{
    if (kind == PointerBackendKind::Gnome) {
        if (auto gnome = GnomePointerSettings::Create(storeFile))
            return gnome;
    }
    return std::make_unique<StoredPointerSettings>(storeFile);
}

std::unique_ptr<PointerSettings> OpenPointerSettings(const std::filesystem::path& storeFile)
{
    return OpenPointerSettings(storeFile, ChoosePointerBackend(GnomeMouseSchemaInstalled()));
}

double GnomeSpeedFromPointerSpeed(int32_t speed)
{
    if (speed <= kMinPointerSpeed)
        return -1.0;
    if (speed >= kMaxPointerSpeed)
        return 1.0;
    if (speed <= 10)
        return (speed - 10) / 9.0;
    return (speed - 10) / 10.0;
}

int32_t PointerSpeedFromGnomeSpeed(double gnomeSpeed)
{
    if (!std::isfinite(gnomeSpeed) || gnomeSpeed == 0.0)
        return 10;
    const double clamped = std::fmax(-1.0, std::fmin(1.0, gnomeSpeed));
    const double speed = clamped < 0 ? 10 + 9 * clamped : 10 + 10 * clamped;
    return static_cast<int32_t>(std::lround(speed));
}

} // namespace bexlan
