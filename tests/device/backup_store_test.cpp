#include "device/backup_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/scratch_dir.h"

namespace bexlan {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

DeviceBackup sampleBackup(uint8_t marker)
{
    DeviceBackup backup;
    backup.report3 = {3, marker, 2, 0, 4, 1, 1, 1};
    backup.report4[0] = 4;
    backup.report4[1] = marker;
    backup.report4[2048] = static_cast<uint8_t>(~marker);
    return backup;
}

system_clock::time_point at(int hour, int minute, int second, int ms = 0)
{
    return sys_days{year{2024} / May / 1} + hours{hour} + minutes{minute} + seconds{second} +
           milliseconds{ms};
}

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST(BackupStore, SavedBackupsListNewestFirstAndLoadBack)
{
    ScratchDir dir;
    BackupStore store(dir.path() / "backups");
    ASSERT_TRUE(store.save(sampleBackup(1), at(9, 30, 0, 123)));
    ASSERT_TRUE(store.save(sampleBackup(2), at(10, 0, 0)));
    ASSERT_TRUE(store.save(sampleBackup(3), at(8, 0, 0)));

    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "reports-20240501-100000000.bin");
    EXPECT_EQ(entries[1].name, "reports-20240501-093000123.bin");
    EXPECT_EQ(entries[1].time, at(9, 30, 0, 123));
    EXPECT_EQ(entries[2].time, at(8, 0, 0));

    const BackupLoad loaded = BackupStore::load(entries[1].path);
    ASSERT_EQ(loaded.status, BackupLoadStatus::Loaded);
    EXPECT_EQ(loaded.backup, sampleBackup(1));
    EXPECT_EQ(fs::file_size(entries[1].path), kBackupFileSize);
}

TEST(BackupStore, KeepsOnlyTheNewestAndLeavesForeignFilesAlone)
{
    ScratchDir dir;
    BackupStore store(dir.path(), 3);
    writeBytes(dir.path() / "notes.txt", {1, 2, 3});
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(store.save(sampleBackup(static_cast<uint8_t>(i)), at(12, i, 0)));
    }
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.front().time, at(12, 4, 0));
    EXPECT_EQ(entries.back().time, at(12, 2, 0));
    EXPECT_TRUE(fs::exists(dir.path() / "notes.txt"));
}

TEST(BackupStore, BackupsOfTheSameMillisecondAreAllKept)
{
    ScratchDir dir;
    BackupStore store(dir.path());
    const auto first = store.save(sampleBackup(1), at(7, 0, 0));
    const auto second = store.save(sampleBackup(2), at(7, 0, 0));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->name, second->name);
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, second->name); // the later one counts as newer
    EXPECT_EQ(BackupStore::load(entries[1].path).backup, sampleBackup(1));
    EXPECT_EQ(store.find(second->name.substr(0, second->name.size() - 4))->path, second->path);
    EXPECT_FALSE(store.find("reports-19990101-000000000"));
}

TEST(BackupStore, SaveIntoAnUnusableFolderFailsWithAReason)
{
    ScratchDir dir;
    writeBytes(dir.path() / "file", {0});
    BackupStore store(dir.path() / "file" / "backups");
    std::error_code error;
    EXPECT_FALSE(store.save(sampleBackup(1), at(1, 0, 0), &error));
    EXPECT_TRUE(error);
    EXPECT_TRUE(store.list().empty());
}

TEST(BackupStore, LoadRejectsFilesThatAreNoBackup)
{
    ScratchDir dir;
    std::vector<uint8_t> whole = SerializeBackup(sampleBackup(9));
    std::vector<uint8_t> shortFile(whole.begin(), whole.end() - 1);
    std::vector<uint8_t> longFile = whole;
    longFile.push_back(0);
    std::vector<uint8_t> wrongId = whole;
    wrongId[kSettingsReportSize] = 3;

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        BackupLoadStatus expected;
    } cases[] = {
        {"whole", whole, BackupLoadStatus::Loaded},
        {"short", shortFile, BackupLoadStatus::WrongSize},
        {"long", longFile, BackupLoadStatus::WrongSize},
        {"empty", {}, BackupLoadStatus::WrongSize},
        {"wrong-id", wrongId, BackupLoadStatus::NotReports},
    };
    for (const auto& c : cases) {
        const fs::path path = dir.path() / c.name;
        writeBytes(path, c.bytes);
        EXPECT_EQ(BackupStore::load(path).status, c.expected) << c.name;
    }
    EXPECT_EQ(BackupStore::load(dir.path() / "missing").status, BackupLoadStatus::Missing);
    EXPECT_EQ(BackupStore::load(dir.path()).status, BackupLoadStatus::Missing);
}

} // namespace
} // namespace bexlan
