#include "model/atomic_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("bexlan_atomic_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir, ec);
    }

    static void writePlain(const fs::path& path, std::string_view text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string readPlain(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
};

std::vector<uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

TEST_F(AtomicFileTest, CreatesAndReplacesFilesKeepingTheirPermissions)
{
    const fs::path target = m_dir / "Setting1.ini";
    ASSERT_TRUE(WriteFileAtomically(target, bytesOf("first")));
    EXPECT_EQ(readPlain(target), "first");

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    std::error_code error = std::make_error_code(std::errc::io_error);
    ASSERT_TRUE(WriteFileAtomically(target, bytesOf("second, longer"), &error));
    EXPECT_FALSE(error);
    EXPECT_EQ(readPlain(target), "second, longer");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(WriteFileAtomically(target, {}));
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(entries(), std::vector<std::string>{"Setting1.ini"});
}

TEST_F(AtomicFileTest, ReplacesTheFileBehindASymbolicLink)
{
    fs::create_directory(m_dir / "real");
    writePlain(m_dir / "real" / "p.ini", "old");
    fs::create_symlink("real/p.ini", m_dir / "link.ini");

    ASSERT_TRUE(WriteFileAtomically(m_dir / "link.ini", bytesOf("new")));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.ini"));
    EXPECT_EQ(readPlain(m_dir / "real" / "p.ini"), "new");
}

TEST_F(AtomicFileTest, FailedWritesReportFailureAndLeaveTheOldFileWhole)
{
    writePlain(m_dir / "keep.ini", "old contents");
    fs::create_directory(m_dir / "folder.ini");
    writePlain(m_dir / "plain", "x");
    writePlain(m_dir / "locked.ini", "locked");
    fs::permissions(m_dir / "locked.ini", fs::perms::owner_read | fs::perms::group_read);

    const std::vector<std::pair<const char*, fs::path>> cases = {
        {"missing folder", m_dir / "missing" / "p.ini"},
        {"folder in the way", m_dir / "folder.ini"},
        {"read-only file", m_dir / "locked.ini"},
        {"file as folder", m_dir / "plain" / "p.ini"},
        {"no file name", m_dir / ""},
        {"empty path", fs::path()},
    };
    for (const auto& [name, target] : cases) {
        SCOPED_TRACE(name);
        std::error_code error;
        EXPECT_FALSE(WriteFileAtomically(target, bytesOf("new"), &error));
        EXPECT_TRUE(error);
    }
    EXPECT_TRUE(fs::is_directory(m_dir / "folder.ini"));
    EXPECT_EQ(readPlain(m_dir / "keep.ini"), "old contents");
    EXPECT_EQ(readPlain(m_dir / "locked.ini"), "locked");
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"folder.ini", "keep.ini", "locked.ini", "plain"}));
}

TEST_F(AtomicFileTest, ReadOnlyFolderRefusesTheWrite)
{
    if (::geteuid() == 0) {
        // Root writes into read-only folders; procfs refuses new files even to root.
        EXPECT_FALSE(WriteFileAtomically("/proc/self/keep.ini", bytesOf("new")));
        return;
    }
    writePlain(m_dir / "keep.ini", "old");
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(m_dir / "keep.ini", bytesOf("new")));
    fs::permissions(m_dir, fs::perms::owner_all);
    EXPECT_EQ(readPlain(m_dir / "keep.ini"), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"keep.ini"});
}

// A write that fails half-way, as on a full disk: the file size limit cuts the temporary
// file short.
TEST_F(AtomicFileTest, WriteCutShortRemovesTheTemporaryFile)
{
    writePlain(m_dir / "keep.ini", "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    std::error_code error;
    const bool written =
        WriteFileAtomically(m_dir / "keep.ini", std::vector<uint8_t>(4096, 'x'), &error);

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(readPlain(m_dir / "keep.ini"), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"keep.ini"});
}

TEST_F(AtomicFileTest, ReadsWholeFilesUpToTheLimit)
{
    writePlain(m_dir / "ten", "0123456789");
    fs::create_directory(m_dir / "folder");

    EXPECT_EQ(ReadFileBytes(m_dir / "ten", 10), bytesOf("0123456789"));
    EXPECT_EQ(ReadFileBytes(m_dir / "ten", 9), std::nullopt);
    EXPECT_EQ(ReadFileBytes(m_dir / "missing", 10), std::nullopt);
    EXPECT_EQ(ReadFileBytes(m_dir / "folder", 10), std::nullopt);
    writePlain(m_dir / "empty", "");
    EXPECT_EQ(ReadFileBytes(m_dir / "empty", 0), std::vector<uint8_t>{});
}

} // namespace
} // namespace bexlan
