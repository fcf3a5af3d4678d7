#include "model/macro_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

constexpr KeyIndex kA = 46;

// A macro whose events tell slots apart: `n` left clicks.
MacroRecord clicks(int n)
{
    MacroRecord macro;
    for (int i = 0; i < n; ++i) {
        macro.Append(MacroEvent::MouseDown(kMacroLeftButton));
        macro.Append(MacroEvent::MouseUp(kMacroLeftButton));
    }
    return macro;
}

// Header with `count`, then `records` whole records of clicks(1), clicks(2), ...
std::vector<uint8_t> macroFile(uint32_t count, int records)
{
    std::vector<uint8_t> bytes(kMacroHeadSize);
    std::copy(MacroSignature.begin(), MacroSignature.end(), bytes.begin());
    for (int i = 0; i < 4; ++i)
        bytes[kMacroCountOffset + static_cast<std::size_t>(i)] =
            static_cast<uint8_t>(count >> (8 * i));
    for (int i = 0; i < records; ++i) {
        const MacroRecord::Image image = clicks(i + 1).ToImage();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

class MacroFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("bexlan_macro_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_library = std::make_unique<MacroLibrary>();
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    static void write(const fs::path& path, std::span<const uint8_t> bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static void write(const fs::path& path, std::string_view text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::vector<uint8_t> read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // A library that a failed read must leave alone.
    void fillLibrary()
    {
        m_library->MacroSlots[0] = clicks(9);
        m_library->MacroCount = 1;
        m_library->SelectedMacro = 1;
        m_library->HotMacroRow = 1;
    }

    fs::path m_dir;
    std::unique_ptr<MacroLibrary> m_library;
};

TEST(MacroNameFilePathTest, ReplacesTheExtensionOfTheFileName)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/m/set.mac", "/m/set.name"},
        {"/m/set.backup.mac", "/m/set.backup.name"},
        {"set.mac", "set.name"},
        {"/m/set.", "/m/set.name"},
        {"/m/set", "/m/set.name"},
        {"/home/u/.config/set", "/home/u/.config/set.name"}, // a dotted folder is no extension
        {"", ".name"},
    };
    for (const auto& [macroPath, namePath] : cases)
        EXPECT_EQ(MacroNameFilePathFor(macroPath), namePath) << macroPath;
}

TEST_F(MacroFileTest, ReadsTheRecordsTheHeaderCounts)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        uint32_t count;
        int recordsPresent;
    };
    std::vector<Case> cases = {
        {"three macros", macroFile(3, 3), 3, 3},
        {"count past 300", macroFile(400, 301), 300, 300},
        {"file ends early", macroFile(5, 2), 5, 2},
        {"zero macros", macroFile(0, 0), 0, 0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        write(m_dir / "set.mac", c.bytes);
        fillLibrary();
        m_library->MacroFilePath = (m_dir / "set.mac").string();

        ASSERT_EQ(ReadMacroFile(*m_library), MacroReadStatus::Read);
        EXPECT_EQ(m_library->MacroCount, c.count);
        EXPECT_EQ(m_library->SelectedMacro, 0);
        EXPECT_EQ(m_library->HotMacroRow, 0);
        for (int i = 0; i < kMacroSlotCount; ++i) {
            const MacroRecord expected = i < c.recordsPresent ? clicks(i + 1) : MacroRecord{};
            ASSERT_EQ(m_library->MacroSlots[static_cast<std::size_t>(i)], expected) << i;
        }
    }
}

TEST_F(MacroFileTest, KeepsTheBytesOfARecordCutShort)
{
    std::vector<uint8_t> bytes = macroFile(2, 2);
    bytes.resize(kMacroHeadSize + kMacroRecordSize + 27); // the second record's first two events
    ASSERT_EQ(ReadMacroFileBytes(bytes, *m_library), MacroReadStatus::Read);

    MacroRecord expected;
    expected.eventCount = 4;
    expected.sizeCounter = 12;
    expected.events[0] = MacroEvent::MouseDown(kMacroLeftButton);
    expected.events[1] = MacroEvent::MouseUp(kMacroLeftButton);
    EXPECT_EQ(m_library->MacroSlots[1], expected);
}

TEST_F(MacroFileTest, FilesThatAreNoMacroFileLeaveTheLibraryAlone)
{
    std::vector<uint8_t> wrongSignature = macroFile(1, 1);
    wrongSignature[25] = ' '; // the signature ends in a zero byte
    const std::vector<uint8_t> full = macroFile(1, 1);
    const std::vector<uint8_t> headerCut(full.begin(), full.begin() + 63);
    const std::string text = "[MacroNum]\r\nNumber=3\r\n";

    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"text file", {text.begin(), text.end()}},
        {"signature differs", wrongSignature},
        {"header cut short", headerCut},
        {"empty", {}},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        write(m_dir / "x.mac", bytes);
        fillLibrary();
        m_library->MacroFilePath = (m_dir / "x.mac").string();
        EXPECT_EQ(ReadMacroFile(*m_library), MacroReadStatus::NotMacroFile);
        EXPECT_EQ(m_library->MacroCount, 1u);
        EXPECT_EQ(m_library->SelectedMacro, 1);
        EXPECT_EQ(m_library->MacroSlots[0], clicks(9));
    }

    fs::create_directory(m_dir / "folder.mac");
    for (const fs::path& path : {m_dir / "missing.mac", m_dir / "folder.mac", fs::path()}) {
        m_library->MacroFilePath = path.string();
        EXPECT_EQ(ReadMacroFile(*m_library), MacroReadStatus::NotOpened) << path;
        EXPECT_EQ(m_library->MacroSlots[0], clicks(9));
    }
}

TEST_F(MacroFileTest, ReadOnlyFilesLoad)
{
    write(m_dir / "ro.mac", macroFile(2, 2));
    fs::permissions(m_dir / "ro.mac", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(LoadMacroLibrary(*m_library, (m_dir / "ro.mac").string()), MacroReadStatus::Read);
    EXPECT_EQ(m_library->MacroCount, 2u);
}

TEST_F(MacroFileTest, NamesComeFromTheNameFileBesideTheMacroFile)
{
    struct Case {
        const char* name;
        std::string nameFile; // empty: no name file
        std::vector<std::pair<int, std::string>> expected;
    };
    const std::string longName(300, 'x');
    const std::vector<Case> cases = {
        {"no name file", "", {{0, ""}, {4, ""}}},
        {"a missing key is empty",
         "[MacroNum]\r\nNumber=2\r\n[MacroName]\r\nMacro_1=Jump\r\n",
         {{0, "Jump"}, {1, ""}}},
        {"names past the macro count belong to free slots",
         "[MacroNum]\r\nNumber=5\r\n[MacroName]\r\nMacro_5=Later\r\n",
         {{4, "Later"}}},
        {"only Number names are read",
         "[MacroNum]\r\nNumber=1\r\n[MacroName]\r\nMacro_1=A\r\nMacro_2=B\r\n",
         {{0, "A"}, {1, ""}}},
        {"leading digits count",
         "[MacroNum]\r\nNumber=2x\r\n[MacroName]\r\nMacro_2=B\r\n",
         {{1, "B"}}},
        {"no digits", "[MacroNum]\r\nNumber=x2\r\n[MacroName]\r\nMacro_1=A\r\n", {{0, ""}}},
        {"count past 301",
         "[MacroNum]\r\nNumber=99999999999\r\n[MacroName]\r\nMacro_301=Last\r\nMacro_302=X\r\n",
         {{300, "Last"}}},
        {"long names are cut",
         "[MacroNum]\r\nNumber=1\r\n[MacroName]\r\nMacro_1=" + longName + "\r\n",
         {{0, std::string(255, 'x')}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write(m_dir / "set.mac", macroFile(5, 5));
        fs::remove(m_dir / "set.name");
        if (!c.nameFile.empty())
            write(m_dir / "set.name", c.nameFile);
        m_library->MacroNames.fill("stale");

        ASSERT_EQ(LoadMacroLibrary(*m_library, (m_dir / "set.mac").string()),
                  MacroReadStatus::Read);
        EXPECT_EQ(m_library->MacroNameFilePath, (m_dir / "set.name").string());
        for (const auto& [slot, name] : c.expected)
            EXPECT_EQ(m_library->MacroNames[static_cast<std::size_t>(slot)], name) << slot;
        EXPECT_EQ(m_library->MacroNames[299], "");
    }
    EXPECT_EQ(m_library->DisplayName(4), "Macro 5");
}

TEST_F(MacroFileTest, SavedLibrariesLoadBackWithNamesInAnyScript)
{
    m_library->MacroCount = 3;
    m_library->MacroSlots[0] = clicks(1);
    m_library->MacroSlots[1].Append(MacroEvent::KeyDown({kA}));
    m_library->MacroSlots[1].Append(MacroEvent::Delay(50));
    m_library->MacroSlots[1].Append(MacroEvent::KeyUp({kA}));
    m_library->MacroSlots[2] = clicks(84 / 2);
    m_library->MacroSlots[3] = clicks(1); // the free slot is not saved
    m_library->MacroNames = {"Zıplama", "連發", "Ärger 😀"};
    m_library->MacroNames[3] = "free";
    m_library->MacroFilePath = (m_dir / "lib.mac").string();
    m_library->MacroNameFilePath = (m_dir / "lib.name").string();

    ASSERT_EQ(SaveMacroLibrary(*m_library), MacroSaveStatus::Saved);
    const std::vector<uint8_t> names = read(m_dir / "lib.name");
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], 0xFF); // UTF-16LE byte-order mark
    EXPECT_EQ(names[1], 0xFE);
    EXPECT_EQ(fs::file_size(m_dir / "lib.mac"), kMacroHeadSize + 3 * kMacroRecordSize);

    auto loaded = std::make_unique<MacroLibrary>();
    ASSERT_EQ(LoadMacroLibrary(*loaded, m_library->MacroFilePath), MacroReadStatus::Read);
    EXPECT_EQ(loaded->MacroCount, 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded->MacroSlots[i], m_library->MacroSlots[i]) << i;
        EXPECT_EQ(loaded->MacroNames[i], m_library->MacroNames[i]) << i;
    }
    EXPECT_EQ(loaded->MacroSlots[3], MacroRecord{});
    EXPECT_EQ(loaded->MacroNames[3], "");
}

TEST_F(MacroFileTest, SavingRewritesTheNameFileFromScratch)
{
    write(m_dir / "lib.name",
          "[MacroNum]\r\nNumber=5\r\n[MacroName]\r\nMacro_5=Gone\r\n[Other]\r\nk=v\r\n");
    m_library->MacroFilePath = (m_dir / "lib.mac").string();
    m_library->MacroNameFilePath = (m_dir / "lib.name").string();

    ASSERT_EQ(SaveMacroLibrary(*m_library), MacroSaveStatus::Saved);
    EXPECT_EQ(read(m_dir / "lib.mac"), macroFile(0, 0));
    const std::optional<IniFile> names = IniFile::Load(m_dir / "lib.name", CodePage::Windows1252);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->Value(kMacroNumSection, kMacroNumberKey), "0");
    EXPECT_FALSE(names->HasSection(kMacroNameSection));
    EXPECT_FALSE(names->HasSection("Other"));
}

TEST_F(MacroFileTest, FailedSavesReportFailureAndLeaveTheOldFilesWhole)
{
    const std::vector<uint8_t> oldMacros = macroFile(1, 1);
    const std::string oldNames = "[MacroNum]\r\nNumber=1\r\n";
    write(m_dir / "lib.mac", oldMacros);
    write(m_dir / "lib.name", oldNames);
    m_library->MacroCount = 300;
    m_library->MacroFilePath = (m_dir / "lib.mac").string();
    m_library->MacroNameFilePath = (m_dir / "lib.name").string();

    // The disk fills half-way through the macro file.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100'000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const MacroSaveStatus status = SaveMacroLibrary(*m_library);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(status, MacroSaveStatus::MacroFileFailed);
    EXPECT_EQ(read(m_dir / "lib.mac"), oldMacros);
    const std::vector<uint8_t> names = read(m_dir / "lib.name");
    EXPECT_EQ(std::string(names.begin(), names.end()), oldNames);

    // A name file that cannot be replaced is reported although the macros were written.
    fs::remove(m_dir / "lib.name");
    fs::create_directory(m_dir / "lib.name");
    m_library->MacroCount = 1;
    EXPECT_EQ(SaveMacroLibrary(*m_library), MacroSaveStatus::NameFileFailed);
    EXPECT_EQ(fs::file_size(m_dir / "lib.mac"), kMacroHeadSize + kMacroRecordSize);

    m_library->MacroFilePath.clear();
    EXPECT_EQ(SaveMacroLibrary(*m_library), MacroSaveStatus::NoPath);
}

} // namespace
} // namespace bexlan
