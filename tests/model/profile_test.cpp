#include "model/profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "model/atomic_file.h"
#include "model/macro_file.h"

namespace bexlan {
namespace {

namespace fs = std::filesystem;

constexpr Language kLanguages[] = {Language::Turkish, Language::TraditionalChinese,
                                   Language::English};

std::string_view labelOf(int region, Language language)
{
    return LookupText(TextTable::RegionLabelTable, region, language);
}

bool labelled(int region, Language language)
{
    return !labelOf(region, language).empty();
}

// A record in which every entry, key and macro byte is told apart from the others.
SettingsRecord distinctRecord()
{
    SettingsRecord record;
    for (int region = 0; region < kRegionCount; ++region) {
        record.RegionValues[region] = 1000 + region * 7;
    }
    record.RegionValues[Button2] = -1;
    record.RegionValues[C3] = INT32_MIN;
    for (int button = 0; button < kButtonCount; ++button) {
        for (int i = 0; i < kKeyCombinationLength; ++i) {
            record.KeyCombo[button][i] = static_cast<uint8_t>(button * 10 + i + 1);
        }
        for (int i = 0; i < kMacroImageSize; ++i) {
            record.MacroImage[button][i] = static_cast<uint8_t>(i * 3 + button);
        }
        record.MacroImage[button][0] = 0x20; // records start with a non-zero type
    }
    record.MacroFilePath = "/nowhere/makro dosyası/şablon.mac";
    return record;
}

std::string utf8Of(const std::vector<uint8_t>& utf16le)
{
    std::u16string units;
    for (std::size_t i = 2; i + 1 < utf16le.size(); i += 2) {
        units += static_cast<char16_t>(utf16le[i] | utf16le[i + 1] << 8);
    }
    return Utf16ToUtf8(units);
}

class ProfileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("bexlan_profile_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::vector<uint8_t> readBytes(const fs::path& path)
    {
        return ReadFileBytes(path, kMaxIniFileBytes).value_or(std::vector<uint8_t>{});
    }

    fs::path m_dir;
    std::unique_ptr<MacroLibrary> m_library = std::make_unique<MacroLibrary>();
};

TEST_F(ProfileTest, SavedAndLoadedInOneLanguageRestoresEverySavedEntry)
{
    const SettingsRecord saved = distinctRecord();
    for (const Language language : kLanguages) {
        SCOPED_TRACE(static_cast<int>(language));
        const fs::path path = m_dir / "Setting1.ini";
        ASSERT_TRUE(SaveProfile(path, saved, language));

        SettingsRecord loaded;
        loaded.RegionValues.fill(-7);
        ASSERT_EQ(LoadProfile(path, language, 0, loaded, *m_library), ProfileLoadResult::Loaded);

        // A key shared by several regions holds the last of them and loads into all.
        for (int region = 0; region < kRegionCount; ++region) {
            SCOPED_TRACE(region);
            if (region >= BasicPage && region <= ColorPage) {
                continue;
            }
            int32_t expected = -7;
            if (labelled(region, language)) {
                for (int other = 0; other < kRegionCount; ++other) {
                    if (EqualIgnoringAsciiCase(labelOf(other, language),
                                               labelOf(region, language))) {
                        expected = saved.RegionValues[other];
                    }
                }
            }
            EXPECT_EQ(loaded.RegionValues[region], expected);
        }
        EXPECT_EQ(loaded.KeyCombo, saved.KeyCombo);
        EXPECT_EQ(loaded.MacroImage, saved.MacroImage);
        EXPECT_EQ(loaded.MacroFilePath, saved.MacroFilePath);
    }
}

TEST_F(ProfileTest, SharedKeysHoldTheLastEntryWritten)
{
    SettingsRecord saved;
    saved[BrightMiddle] = 1;
    saved[BreathQuick] = 1;
    saved[BrightOff] = 5;
    saved.RegionValues[51] = 3;
    saved.RegionValues[80] = 9;
    const fs::path path = m_dir / "p.ini";
    for (const Language language : kLanguages) {
        ASSERT_TRUE(SaveProfile(path, saved, language));
        SettingsRecord loaded;
        LoadProfile(path, language, 0, loaded, *m_library);
        EXPECT_EQ(loaded[BrightMiddle], 0);
        EXPECT_EQ(loaded[BreathQuick], 1);
        EXPECT_EQ(loaded[BrightOff], 0);
        for (const int slider : {51, 78, 79, 80}) {
            EXPECT_EQ(loaded.RegionValues[slider], 9);
        }
    }
}

TEST_F(ProfileTest, FileHoldsTheDocumentedTextInWritingOrder)
{
    SettingsRecord record;
    record[Button1] = 1;
    record[Button2] = -1;
    record[SingleColor] = 1;
    record[C0] = 0x00FF0000;
    record.KeyCombo[0][0] = 7;
    record.KeyCombo[0][9] = 255;
    record.MacroFilePath = "/home/u/m.mac";
    const fs::path path = m_dir / "p.ini";
    ASSERT_TRUE(SaveProfile(path, record, Language::English));

    const auto bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const std::string text = utf8Of(bytes);
    EXPECT_EQ(text.rfind("[Setting]\r\nButton1=0x1\r\nButton2=0xffffffff\r\nButton3=0x0\r\n", 0),
              0u);
    EXPECT_NE(text.find("\r\n800     1600     2400      3000     4000=0x0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSingle Color=0x1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nC0=0xff0000\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nMacros Files=/home/u/m.mac\r\nKeyboard Settings1="
                        "007,000,000,000,000,000,000,000,000,255,\r\nKeyboard Settings2="),
              std::string::npos);
    std::string zeroList;
    for (int i = 0; i < kMacroImageSize; ++i) {
        zeroList += "000,";
    }
    EXPECT_NE(text.find("Keyboard Settings10=" + zeroList.substr(0, 40) +
                        "\r\nMacros Settings1=" + zeroList + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nMacros Settings10=" + zeroList + "\r\n"));
    // Unlabelled entries such as WheelLines have no key; a shared key appears once.
    const IniFile file = IniFile::Parse(bytes, CodePage::Windows1252);
    EXPECT_EQ(file.Value("Setting", ""), std::nullopt);
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\nS="); at != std::string::npos;
         at = text.find("\r\nS=", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 1u);
}

TEST_F(ProfileTest, OtherLanguageRestoresOnlyTheLabelsBothShare)
{
    const SettingsRecord saved = distinctRecord();
    const fs::path path = m_dir / "english.ini";
    ASSERT_TRUE(SaveProfile(path, saved, Language::English));

    SettingsRecord loaded = distinctRecord();
    loaded.RegionValues.fill(-7);
    ASSERT_EQ(LoadProfile(path, Language::Turkish, 1, loaded, *m_library),
              ProfileLoadResult::Loaded);

    std::set<int> shared = {13, 20, 21, 22, 23, 36, 37, 38, 39, 55, 82, 83, 84, 51, 78, 79, 80};
    for (int region = Button1; region <= Button10; ++region) {
        shared.insert(region);
    }
    for (int region = C0; region <= C8; ++region) {
        shared.insert(region);
    }
    for (int region = 0; region < kRegionCount; ++region) {
        SCOPED_TRACE(region);
        if (region >= BasicPage && region <= ColorPage) {
            continue;
        }
        if (!labelled(region, Language::Turkish)) {
            EXPECT_EQ(loaded.RegionValues[region], -7);
        } else if (shared.count(region) != 0) {
            // The slider tracks share "S", which holds the last of them.
            const bool slider = region == 51 || region == 78 || region == 79;
            EXPECT_EQ(loaded.RegionValues[region], saved.RegionValues[slider ? 80 : region]);
        } else {
            EXPECT_EQ(loaded.RegionValues[region], 0);
        }
    }
    EXPECT_EQ(loaded.KeyCombo, decltype(loaded.KeyCombo){});
    EXPECT_EQ(loaded.MacroImage, decltype(loaded.MacroImage){});
    EXPECT_EQ(loaded.MacroImageLength, decltype(loaded.MacroImageLength){});
    EXPECT_EQ(loaded.MacroFilePath, "");
}

TEST_F(ProfileTest, WheelLinesKeepsItsValueWhileWheelScreenIsLoaded)
{
    SettingsRecord saved;
    saved[WheelLines] = 0;
    saved[WheelScreen] = 1;
    const fs::path path = m_dir / "p.ini";
    ASSERT_TRUE(SaveProfile(path, saved, Language::English));
    SettingsRecord loaded;
    loaded[WheelLines] = 1;
    loaded[WheelScreen] = 0;
    LoadProfile(path, Language::English, 0, loaded, *m_library);
    EXPECT_EQ(loaded[WheelLines], 1);
    EXPECT_EQ(loaded[WheelScreen], 1);
}

TEST_F(ProfileTest, PageEntriesFollowTheCurrentPage)
{
    const fs::path path = m_dir / "p.ini";
    SettingsRecord saved;
    saved[BasicPage] = 1;
    saved[AdvancedPage] = 1;
    saved[ColorPage] = 1;
    ASSERT_TRUE(SaveProfile(path, saved, Language::English));
    const struct {
        int page;
        int32_t basic, advanced, colour;
    } cases[] = {{0, 1, 0, 0}, {1, 0, 1, 0}, {2, 0, 0, 1}, {7, 1, 0, 0}, {-1, 1, 0, 0}};
    for (const auto& c : cases) {
        for (const fs::path& from : {path, m_dir / "missing.ini"}) {
            SCOPED_TRACE(std::to_string(c.page) + " " + from.string());
            SettingsRecord loaded;
            LoadProfile(from, Language::English, c.page, loaded, *m_library);
            EXPECT_EQ(loaded[BasicPage], c.basic);
            EXPECT_EQ(loaded[AdvancedPage], c.advanced);
            EXPECT_EQ(loaded[ColorPage], c.colour);
        }
    }
}

TEST_F(ProfileTest, MissingFileGivesFactoryValuesAndEmptiesTheMacroSlots)
{
    SettingsRecord record = distinctRecord();
    record.MacroImageLength.fill(40);
    m_library->MacroCount = 2;
    m_library->MacroNames[0] = "copy";
    m_library->MacroSlots[0].eventCount = 3;
    m_library->MacroSlots[300].eventCount = 1;
    m_library->SelectedMacro = 1;
    m_library->MacroFilePath = "/m/a.mac";

    ASSERT_EQ(LoadProfile(m_dir / "Setting5.ini", Language::Turkish, 1, record, *m_library),
              ProfileLoadResult::Defaults);

    SettingsRecord expected;
    ResetToDefaults(expected);
    expected[BasicPage] = 0;
    expected[AdvancedPage] = 1;
    EXPECT_EQ(record.RegionValues, expected.RegionValues);
    EXPECT_EQ(record.KeyCombo, expected.KeyCombo);
    EXPECT_EQ(record.MacroImage, expected.MacroImage);
    EXPECT_EQ(record.MacroImageLength, expected.MacroImageLength);
    EXPECT_EQ(m_library->MacroSlots[0], MacroRecord{});
    EXPECT_EQ(m_library->MacroSlots[300], MacroRecord{});
    EXPECT_EQ(m_library->MacroCount, 2u);
    EXPECT_EQ(m_library->MacroNames[0], "copy");
    EXPECT_EQ(m_library->SelectedMacro, 1);
    EXPECT_EQ(m_library->MacroFilePath, "/m/a.mac");
}

TEST_F(ProfileTest, UnreadableFileChangesNothing)
{
    fs::create_directory(m_dir / "folder.ini");
    const SettingsRecord before = distinctRecord();
    SettingsRecord record = before;
    EXPECT_EQ(LoadProfile(m_dir / "folder.ini", Language::English, 0, record, *m_library),
              ProfileLoadResult::Unreadable);
    EXPECT_EQ(record.RegionValues, before.RegionValues);
    EXPECT_EQ(record.MacroImage, before.MacroImage);
}

TEST_F(ProfileTest, MacroFileNamedByTheProfileIsLoadedWhenItExists)
{
    auto macros = std::make_unique<MacroLibrary>();
    macros->MacroCount = 1;
    macros->MacroSlots[0].Append(MacroEvent::Delay(50));
    macros->MacroNames[0] = "Kopyala";
    const fs::path macroPath = m_dir / "set.mac";
    ASSERT_TRUE(WriteFileAtomically(macroPath, BuildMacroFile(*macros)));
    ASSERT_TRUE(BuildMacroNameFile(*macros).Save(m_dir / "set.name"));

    SettingsRecord saved;
    saved.MacroFilePath = macroPath.string();
    ASSERT_TRUE(SaveProfile(m_dir / "with.ini", saved, Language::Turkish));
    saved.MacroFilePath = (m_dir / "gone.mac").string();
    ASSERT_TRUE(SaveProfile(m_dir / "without.ini", saved, Language::Turkish));

    SettingsRecord record;
    LoadProfile(m_dir / "without.ini", Language::Turkish, 0, record, *m_library);
    EXPECT_EQ(record.MacroFilePath, (m_dir / "gone.mac").string());
    EXPECT_EQ(m_library->MacroCount, 0u);
    EXPECT_EQ(m_library->MacroFilePath, "");

    LoadProfile(m_dir / "with.ini", Language::Turkish, 0, record, *m_library);
    EXPECT_EQ(m_library->MacroCount, 1u);
    EXPECT_EQ(m_library->MacroSlots[0], macros->MacroSlots[0]);
    EXPECT_EQ(m_library->MacroNames[0], "Kopyala");
    EXPECT_EQ(m_library->MacroFilePath, macroPath.string());
}

TEST_F(ProfileTest, MacroImageLengthIsRestoredFromTheRecords)
{
    struct Case {
        const char* name;
        std::vector<int> recordTypes; // byte 0 of the leading records
        int32_t expected;
    };
    const std::vector<Case> cases = {
        {"empty", {}, 0},
        {"three records", {0x60, 0x60, 0x20}, 30},
        {"stops at the first empty record", {0x20, 0, 0xA0}, 10},
        {"at most 25 records", std::vector<int>(25, 0x60), 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsRecord saved;
        for (std::size_t r = 0; r < c.recordTypes.size(); ++r) {
            saved.MacroImage[4][10 * r] = static_cast<uint8_t>(c.recordTypes[r]);
            saved.MacroImage[4][10 * r + 8] = 0x32; // a delay keeps the record non-empty
        }
        saved.MacroImage[4][251] = 0x11; // the spare bytes past record 25 count for nothing
        ASSERT_TRUE(SaveProfile(m_dir / "p.ini", saved, Language::English));
        SettingsRecord loaded;
        loaded.MacroImageLength.fill(70);
        LoadProfile(m_dir / "p.ini", Language::English, 0, loaded, *m_library);
        EXPECT_EQ(loaded.MacroImageLength[4], c.expected);
        EXPECT_EQ(loaded.MacroImageLength[3], 0);
    }
}

TEST(ProfileByteListTest, DecodesByTheDigitArithmeticAndZeroFillsShortLists)
{
    const struct {
        const char* text;
        std::array<uint8_t, 4> expected;
    } cases[] = {
        {"007,255,000,100,", {7, 255, 0, 100}},
        {"007;255 000x100", {7, 255, 0, 100}}, // the separator is never looked at
        {"256,999,", {0, 231, 0, 0}},          // modulo 256
        {"007,25", {7, 0, 0, 0}},              // a cut-off byte is 0
        {"", {0, 0, 0, 0}},                    // a missing list is zeros
        {"0:0,", {100, 0, 0, 0}},              // ':' counts as ten
        {"   ,", {static_cast<uint8_t>(-16 * 111), 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::array<uint8_t, 4> bytes;
        bytes.fill(0xEE);
        DecodeByteList(c.text, bytes);
        EXPECT_EQ(bytes, c.expected);
    }
    const std::array<uint8_t, 3> list = {7, 0, 255};
    EXPECT_EQ(EncodeByteList(list), "007,000,255,");
}

TEST_F(ProfileTest, FailedSaveLeavesTheOldFileWhole)
{
    const fs::path path = m_dir / "Setting2.ini";
    SettingsRecord old;
    old[Button3] = 8;
    ASSERT_TRUE(SaveProfile(path, old, Language::English));
    const auto oldBytes = readBytes(path);

    // The file size limit cuts the new file short, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::error_code error;
    const bool written = SaveProfile(path, distinctRecord(), Language::English, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(error);
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_FALSE(SaveProfile(m_dir / "missing" / "p.ini", old, Language::English));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace bexlan

namespace bexlan {
namespace {

// DefSet.ini is the Turkish profile of the factory values, as saved at start-up, followed by
// the keys of the other two languages, so that "Factory Configuration" restores the factory
// values in whichever language is current.
TEST(FactoryProfileTest, ShippedFileHoldsTheFactoryValuesInEveryLanguage)
{
    const auto bytes = ReadFileBytes(BEXLAN_SOURCE_DIR "/data/DefSet.ini", kMaxIniFileBytes);
    ASSERT_TRUE(bytes.has_value());

    SettingsRecord factory;
    ResetToDefaults(factory);
    const auto turkish = BuildProfile(factory, Language::Turkish).Serialize();
    IniFile expected = BuildProfile(factory, Language::Turkish);
    WriteProfileKeys(expected, factory, Language::TraditionalChinese);
    WriteProfileKeys(expected, factory, Language::English);
    EXPECT_EQ(*bytes, expected.Serialize()) << "regenerate data/DefSet.ini from DefaultSettings";
    ASSERT_GE(bytes->size(), turkish.size());
    EXPECT_TRUE(std::equal(turkish.begin(), turkish.end(), bytes->begin()));

    const IniFile file = IniFile::Parse(*bytes, CodePage::Windows1252);
    for (const Language language : kLanguages) {
        SCOPED_TRACE(static_cast<int>(language));
        SettingsRecord loaded = distinctRecord();
        auto library = std::make_unique<MacroLibrary>();
        ApplyProfile(file, language, 0, loaded, *library);
        for (int region = 0; region < kRegionCount; ++region) {
            if (labelled(region, language)) {
                EXPECT_EQ(loaded.RegionValues[region], DefaultSettings[region]) << region;
            }
        }
        EXPECT_EQ(loaded.KeyCombo, factory.KeyCombo);
        EXPECT_EQ(loaded.MacroImage, factory.MacroImage);
        EXPECT_EQ(loaded.MacroFilePath, "");
    }
}

} // namespace
} // namespace bexlan
