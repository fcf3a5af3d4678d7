#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/device_reports.h"

namespace bexlan {

// The two reports as the mouse returned them, so its configuration can be put back exactly.
struct DeviceBackup {
    SettingsReport report3{};
    ButtonMapReport report4{};

    friend bool operator==(const DeviceBackup&, const DeviceBackup&) = default;
};

// A backup file is report 3 (8 bytes, starting with 3) followed by report 4 (2049 bytes,
// starting with 4): 2057 bytes, nothing else.
inline constexpr std::size_t kBackupFileSize = kSettingsReportSize + kButtonMapReportSize;
inline constexpr int kBackupsKept = 20;

struct BackupEntry {
    std::string name; // file name, e.g. "reports-20240501-093000123.bin"
    std::filesystem::path path;
    std::chrono::system_clock::time_point time; // when it was read from the mouse
};

enum class BackupLoadStatus { Loaded, Missing, Unreadable, WrongSize, NotReports };

struct BackupLoad {
    BackupLoadStatus status = BackupLoadStatus::Missing;
    DeviceBackup backup;
};

// A folder of the last reports read from the mouse, newest kept. File names carry the UTC
// time of the read, so the folder needs no index. Files that do not follow the naming are
// neither listed nor deleted.
class BackupStore {
public:
    explicit BackupStore(std::filesystem::path folder, int keep = kBackupsKept);

    const std::filesystem::path& folder() const { return m_folder; }

    // Writes a new backup atomically (creating the folder), then deletes the oldest beyond
    // the kept number. nullopt, with `error` set when given, if it could not be written.
    std::optional<BackupEntry> save(const DeviceBackup& backup,
                                    std::chrono::system_clock::time_point when,
                                    std::error_code* error = nullptr);

    // Every backup, newest first.
    std::vector<BackupEntry> list() const;

    // The backup whose file name is `name`, with or without ".bin".
    std::optional<BackupEntry> find(std::string_view name) const;

    // Deletes all but the newest `keep` backups.
    void prune() const;

    // Reads and checks one backup file.
    static BackupLoad load(const std::filesystem::path& path);

private:
    std::filesystem::path m_folder;
    int m_keep;
};

// The contents of a backup file.
std::vector<uint8_t> SerializeBackup(const DeviceBackup& backup);
// nullopt unless `bytes` is exactly a backup file with both report IDs in place.
std::optional<DeviceBackup> ParseBackup(std::span<const uint8_t> bytes);

} // namespace bexlan
