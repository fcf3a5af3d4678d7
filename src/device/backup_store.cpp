#include "device/backup_store.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "model/atomic_file.h"

namespace bexlan {
namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;

constexpr std::string_view kPrefix = "reports-";
constexpr std::string_view kSuffix = ".bin";

struct ParsedName {
    system_clock::time_point time;
    unsigned sequence = 0; // tells apart backups made in the same millisecond
};

bool readDigits(std::string_view text, std::size_t count, unsigned& value)
{
    if (text.size() < count) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return true;
}

// "reports-YYYYMMDD-HHMMSSmmm[-N].bin"
std::optional<ParsedName> parseName(std::string_view name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    std::string_view rest =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    unsigned date = 0;
    unsigned time = 0;
    if (!readDigits(rest, 8, date) || rest.size() < 18 || rest[8] != '-' ||
        !readDigits(rest.substr(9), 9, time)) {
        return std::nullopt;
    }
    rest.remove_prefix(18);
    ParsedName parsed;
    if (!rest.empty()) {
        if (rest.size() < 2 || rest.size() > 6 || rest[0] != '-' ||
            !readDigits(rest.substr(1), rest.size() - 1, parsed.sequence)) {
            return std::nullopt;
        }
    }
    using namespace std::chrono;
    const year_month_day day{year{static_cast<int>(date / 10000)}, month{date / 100 % 100},
                             std::chrono::day{date % 100}};
    const unsigned hours = time / 10000000;
    const unsigned minutes = time / 100000 % 100;
    const unsigned seconds = time / 1000 % 100;
    if (!day.ok() || hours > 23 || minutes > 59 || seconds > 60) {
        return std::nullopt;
    }
    parsed.time =
        sys_days{day} + hours * 1h + minutes * 1min + seconds * 1s + milliseconds{time % 1000};
    return parsed;
}

std::string formatName(system_clock::time_point when, unsigned sequence)
{
    using namespace std::chrono;
    const auto ms = floor<milliseconds>(when);
    const auto dayStart = floor<days>(ms);
    const year_month_day day{dayStart};
    const hh_mm_ss clock{ms - dayStart};
    char text[64];
    std::snprintf(
        text, sizeof text, "reports-%04d%02u%02u-%02d%02d%02d%03d", static_cast<int>(day.year()),
        static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()),
        static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
        static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    std::string name = text;
    if (sequence > 0) {
        name += '-' + std::to_string(sequence);
    }
    return name + std::string(kSuffix);
}

} // namespace

std::vector<uint8_t> SerializeBackup(const DeviceBackup& backup)
{
    std::vector<uint8_t> bytes(backup.report3.begin(), backup.report3.end());
    bytes.insert(bytes.end(), backup.report4.begin(), backup.report4.end());
    return bytes;
}

std::optional<DeviceBackup> ParseBackup(std::span<const uint8_t> bytes)
{
    if (bytes.size() != kBackupFileSize || bytes[0] != kSettingsReportId ||
        bytes[kSettingsReportSize] != kButtonMapReportId) {
        return std::nullopt;
    }
    DeviceBackup backup;
    std::copy_n(bytes.begin(), kSettingsReportSize, backup.report3.begin());
    std::copy_n(bytes.begin() + kSettingsReportSize, kButtonMapReportSize, backup.report4.begin());
    return backup;
}

BackupStore::BackupStore(std::filesystem::path folder, int keep)
    : m_folder(std::move(folder)), m_keep(std::max(keep, 1))
{
}

std::optional<BackupEntry> BackupStore::save(const DeviceBackup& backup,
                                             system_clock::time_point when, std::error_code* error)
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec) {
        if (error) {
            *error = ec;
        }
        return std::nullopt;
    }
    // Never replace an older backup, even if the clock went back.
    std::string name;
    for (unsigned sequence = 0;; ++sequence) {
        name = formatName(when, sequence);
        if (!fs::exists(m_folder / name, ec) || sequence >= 99999) {
            break;
        }
    }
    const std::vector<uint8_t> bytes = SerializeBackup(backup);
    const fs::path path = m_folder / name;
    if (!WriteFileAtomically(path, bytes, error)) {
        return std::nullopt;
    }
    prune();
    return BackupEntry{name, path, parseName(name)->time};
}

std::vector<BackupEntry> BackupStore::list() const
{
    struct Found {
        BackupEntry entry;
        unsigned sequence;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const std::string name = it->path().filename().string();
        if (const auto parsed = parseName(name)) {
            found.push_back({BackupEntry{name, it->path(), parsed->time}, parsed->sequence});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.entry.time != b.entry.time) {
            return a.entry.time > b.entry.time;
        }
        return a.sequence > b.sequence;
    });
    std::vector<BackupEntry> entries;
    entries.reserve(found.size());
    for (Found& f : found) {
        entries.push_back(std::move(f.entry));
    }
    return entries;
}

std::optional<BackupEntry> BackupStore::find(std::string_view name) const
{
    for (BackupEntry& entry : list()) {
        if (entry.name == name || entry.name == std::string(name) + std::string(kSuffix)) {
            return std::move(entry);
        }
    }
    return std::nullopt;
}

void BackupStore::prune() const
{
    const std::vector<BackupEntry> entries = list();
    for (std::size_t i = static_cast<std::size_t>(m_keep); i < entries.size(); ++i) {
        std::error_code ec;
        fs::remove(entries[i].path, ec);
    }
}

BackupLoad BackupStore::load(const std::filesystem::path& path)
{
    BackupLoad result;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        result.status = BackupLoadStatus::Missing;
        return result;
    }
    const auto size = fs::file_size(path, ec);
    if (!ec && size != kBackupFileSize) {
        result.status = BackupLoadStatus::WrongSize;
        return result;
    }
    const auto bytes = ReadFileBytes(path, kBackupFileSize);
    if (!bytes) {
        result.status = BackupLoadStatus::Unreadable;
        return result;
    }
    const auto backup = ParseBackup(*bytes);
    if (!backup) {
        result.status = bytes->size() == kBackupFileSize ? BackupLoadStatus::NotReports
                                                         : BackupLoadStatus::WrongSize;
        return result;
    }
    result.status = BackupLoadStatus::Loaded;
    result.backup = *backup;
    return result;
}

} // namespace bexlan
