#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_commands.h"
#include "model/atomic_file.h"
#include "model/button_functions.h"
#include "model/device_reports.h"
#include "model/language_tables.h"
#include "model/macro_file.h"
#include "model/profile.h"
#include "support/cli_fixture.h"

namespace bexlan {
namespace {

namespace fs = std::filesystem;

void writeBytes(const std::string& path, std::span<const uint8_t> bytes)
{
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
}

TEST_F(CliTest, UsageErrorsExitTwoWithOneLine)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--bogus", "list"},
        {"--lang", "xx", "list"},
        {"--lang"},
        {"--virtual-mouse=", "list"},
        {"list", "extra"},
        {"read"},
        {"read", "-o"},
        {"apply"},
        {"apply", "a.ini", "b.ini"},
        {"apply", "a.ini", "--bogus"},
        {"apply", "a.ini", "--verify", "--verify"},
        {"apply", "a.ini", "--verify=yes"},
        {"reports"},
        {"decode", "-o", "x.ini"},
        {"decode", "--report3", "03 01 02 00 04 01 01 01", "-o", "x.ini"},
        {"decode", "--report3", "03 01", "--report4", "r.bin", "-o", "x.ini"},
        {"decode", "--report3", "04 01 02 00 04 01 01 01", "--report4", "r.bin", "-o", "x.ini"},
        {"decode", "--report3", "zz", "--report4", "r.bin", "-o", "x.ini"},
        {"decode", "--backup", "b", "--report4", "r.bin", "-o", "x.ini"},
        {"texts"},
        {"texts", "--lang", "auto"},
        {"restore"},
        {"macros"},
    };
    for (const auto& args : cases) {
        const CliRun result = run(args);
        std::string joined;
        for (const auto& a : args) {
            joined += a + " ";
        }
        EXPECT_EQ(result.status, ExitUsage) << joined;
        EXPECT_TRUE(result.oneErrorLine()) << joined << "-> " << result.err;
        EXPECT_EQ(result.out, "") << joined;
    }
}

TEST_F(CliTest, EveryCommandHasHelp)
{
    const CliRun overview = run({"--help"});
    EXPECT_EQ(overview.status, ExitSuccess);
    for (const CommandInfo& command : Commands()) {
        EXPECT_NE(overview.out.find("  " + std::string(command.name) + " "), std::string::npos);
        for (const char* flag : {"--help", "-h"}) {
            const CliRun help = run({std::string(command.name), flag});
            EXPECT_EQ(help.status, ExitSuccess) << command.name;
            EXPECT_TRUE(help.out.starts_with("Usage: bexlanctl " + std::string(command.name)))
                << help.out;
            EXPECT_EQ(help.err, "");
        }
    }
    EXPECT_TRUE(mouse.transfers().empty());
}

TEST_F(CliTest, ReportsPrintsReport3AndWritesReport4)
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    ASSERT_TRUE(SaveProfile(file("zh.ini"), settings, Language::TraditionalChinese));
    const CliRun reports = run({"reports", file("zh.ini"), "--report4", file("r4.bin")});
    EXPECT_EQ(reports.status, ExitSuccess) << reports.err;
    EXPECT_EQ(reports.out, "report3: 03 01 02 00 04 01 01 01\n");
    const auto report4 = ReadFileBytes(file("r4.bin"), 4096);
    ASSERT_TRUE(report4);
    const ButtonMapReport expected = BuildButtonMapReport(settings).report;
    EXPECT_EQ(*report4, std::vector<uint8_t>(expected.begin(), expected.end()));
    EXPECT_TRUE(mouse.transfers().empty());

    // Auto-detection reads the Chinese keys; forcing English loses them.
    settings[XDpi] = 3;
    ASSERT_TRUE(SaveProfile(file("zh.ini"), settings, Language::TraditionalChinese));
    EXPECT_EQ(run({"reports", file("zh.ini")}).out, "report3: 03 03 02 00 04 01 01 01\n");
    settings[Breathing] = 1; // a key whose label differs between the languages
    ASSERT_TRUE(SaveProfile(file("zh.ini"), settings, Language::TraditionalChinese));
    EXPECT_EQ(run({"reports", file("zh.ini")}).out, "report3: 03 03 02 01 04 01 01 01\n");
    EXPECT_EQ(run({"--lang", "en", "reports", file("zh.ini")}).out,
              "report3: 03 03 02 00 04 01 01 01\n");
}

TEST_F(CliTest, ReportsOfAProfileThatDoesNotFitWriteNothing)
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    for (int button = 1; button < kButtonCount; ++button) {
        settings.RegionValues[button] = FunctionCode(ButtonFunction::Macro);
        settings.MacroImage[button].fill(0x20);
    }
    ASSERT_TRUE(SaveProfile(file("big.ini"), settings, Language::English));
    const CliRun reports = run({"reports", file("big.ini"), "--report4", file("r4.bin")});
    EXPECT_EQ(reports.status, ExitBadInput);
    EXPECT_TRUE(reports.oneErrorLine());
    EXPECT_NE(reports.err.find("Button 10 does not fit"), std::string::npos) << reports.err;
    EXPECT_EQ(reports.out, "");
    EXPECT_FALSE(fs::exists(file("r4.bin")));
}

TEST_F(CliTest, DecodeTurnsReportsIntoAProfile)
{
    const VirtualMouseMemory factory = FactoryMemory();
    writeBytes(file("r4.bin"), factory.buttonMap);
    const CliRun decoded = run({"decode", "--report3", "0x03,0x04,0x03,0x02,0x0B,0x00,0x05,0x01",
                                "--report4", file("r4.bin"), "-o", file("p.ini"), "--lang", "en"});
    ASSERT_EQ(decoded.status, ExitSuccess) << decoded.err;

    SettingsRecord loaded;
    MacroLibrary library;
    ASSERT_EQ(LoadProfile(file("p.ini"), Language::English, 0, loaded, library),
              ProfileLoadResult::Loaded);
    EXPECT_EQ(loaded[XDpi], 4);
    EXPECT_EQ(loaded[Rate1000Hz], 1);
    EXPECT_EQ(loaded[Colorful], 1);
    EXPECT_EQ(loaded[HShine], 4);
    EXPECT_EQ(loaded[LightOff1], 1);
    EXPECT_EQ(loaded[YLED], 5);
    EXPECT_EQ(loaded[Button7], FunctionCode(ButtonFunction::DoubleClick));
    EXPECT_EQ(loaded[Button10], FunctionCode(ButtonFunction::CloseWindow));
}

TEST_F(CliTest, DecodeRefusesAReport4FileThatIsNone)
{
    const VirtualMouseMemory factory = FactoryMemory();
    std::vector<uint8_t> wrongId(factory.buttonMap.begin(), factory.buttonMap.end());
    wrongId[0] = 3;
    const std::vector<uint8_t> cut(factory.buttonMap.begin(), factory.buttonMap.end() - 1);
    writeBytes(file("wrong-id.bin"), wrongId);
    writeBytes(file("cut.bin"), cut);
    for (const std::string& report4 : {file("wrong-id.bin"), file("cut.bin"), file("none.bin")}) {
        const CliRun decoded = run({"decode", "--report3", "03 01 02 00 04 01 01 01", "--report4",
                                    report4, "-o", file("p.ini")});
        EXPECT_EQ(decoded.status, ExitBadInput) << report4;
        EXPECT_TRUE(decoded.oneErrorLine()) << decoded.err;
        EXPECT_FALSE(fs::exists(file("p.ini")));
    }
}

TEST_F(CliTest, MacrosListsEveryMacroWithItsEvents)
{
    MacroLibrary library;
    library.MacroSlots[0].Append(MacroEvent::MouseDown(kMacroRightButton));
    library.MacroSlots[0].Append(MacroEvent::MouseUp(kMacroRightButton));
    library.MacroSlots[1].Append(MacroEvent::MouseDown(0, kMacroWheelDown));
    library.MacroSlots[1].Append(MacroEvent::KeyDown(KeyCombination{70, 46}));
    library.MacroNames[1] = "Tab\there";
    library.MacroCount = 2;
    library.MacroFilePath = file("lib.mac");
    library.MacroNameFilePath = MacroNameFilePathFor(library.MacroFilePath);
    ASSERT_EQ(SaveMacroLibrary(library), MacroSaveStatus::Saved);

    const CliRun listed = run({"macros", file("lib.mac")});
    EXPECT_EQ(listed.status, ExitSuccess) << listed.err;
    EXPECT_EQ(listed.out, "1\tMacro 1\t2 events\n\tmouse down right\n\tmouse up right\n"
                          "2\tTab\\there\t2 events\n\twheel down\n\tkey down LCtrl+A\n");

    std::ofstream(file("text.mac")) << "not a macro file at all, but long enough for a header "
                                       "of sixty-four bytes\n";
    for (const std::string& bad : {file("text.mac"), file("missing.mac")}) {
        const CliRun refused = run({"macros", bad});
        EXPECT_EQ(refused.status, ExitBadInput) << bad;
        EXPECT_TRUE(refused.oneErrorLine()) << refused.err;
    }
}

TEST_F(CliTest, TextsPrintEveryEntryOfOneLanguage)
{
    const CliRun texts = run({"texts", "--lang", "en"});
    ASSERT_EQ(texts.status, ExitSuccess);
    int entries = 0;
    for (int table = 0; table < kTextTableCount; ++table) {
        entries += TextTableEntries(static_cast<TextTable>(table));
    }
    EXPECT_EQ(std::count(texts.out.begin(), texts.out.end(), '\n'), entries);
    EXPECT_NE(texts.out.find("\nMessageTable\t8\tFailed to set datafor!\n"), std::string::npos);
    EXPECT_NE(texts.out.find("\nFunctionNameTable\t0\t\n"), std::string::npos);
    EXPECT_NE(texts.out.find("\nRegionLabelTable\t65\t Save\n"), std::string::npos);

    const CliRun turkish = run({"texts", "--lang=tr"});
    EXPECT_NE(turkish.out.find("\nFunctionNameTable\t40\tFarklı\u00a0Kaydet\n"), std::string::npos);
}

TEST_F(CliTest, UdevRuleNamesTheMouse)
{
    const CliRun rule = run({"udev-rule"});
    EXPECT_EQ(rule.status, ExitSuccess);
    EXPECT_NE(rule.out.find("258"), std::string::npos) << rule.out;
}

} // namespace
} // namespace bexlan
