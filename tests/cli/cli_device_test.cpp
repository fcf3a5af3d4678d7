#include <gtest/gtest.h>

#include <fstream>

#include "model/atomic_file.h"
#include "model/button_functions.h"
#include "model/device_reports.h"
#include "model/macro_conversion.h"
#include "model/profile.h"
#include "support/cli_fixture.h"

namespace bexlan {
namespace {

namespace fs = std::filesystem;

constexpr KeyIndex kKeyA = 46;

SettingsRecord customSettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    settings[XDpi] = 4;
    settings[Breathing] = 1;
    settings[Button4] = FunctionCode(ButtonFunction::Mute);
    settings[XSpeed] = 7;
    return settings;
}

SettingsRecord settingsWithMacro()
{
    SettingsRecord settings = customSettings();
    MacroRecord macro;
    macro.Append(MacroEvent::KeyDown(KeyCombination{kKeyA}));
    macro.Append(MacroEvent::Delay(50));
    macro.Append(MacroEvent::KeyUp(KeyCombination{kKeyA}));
    settings[Button3] = FunctionCode(ButtonFunction::Macro);
    AssignMacroImage(settings, 2, macro);
    return settings;
}

VirtualMouseMemory memoryOf(const SettingsRecord& settings)
{
    return {BuildSettingsReport(settings), BuildButtonMapReport(settings).report};
}

TEST_F(CliTest, ListShowsEveryInterfaceOfTheMouse)
{
    const CliRun listed = run({"list"});
    EXPECT_EQ(listed.status, ExitSuccess) << listed.err;
    EXPECT_NE(listed.out.find("virtual-mouse:1\t258A:1FF0\tusage page FF00\tfeature reports 8 "
                              "bytes (report 3)\tcan be opened\n"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("2049 bytes (report 4)"), std::string::npos);

    mouse.unplug();
    const CliRun none = run({"list"});
    EXPECT_EQ(none.status, ExitDeviceFailure);
    EXPECT_TRUE(none.oneErrorLine()) << none.err;
}

TEST_F(CliTest, ReadSavesTheMouseAsAProfileAndKeepsABackup)
{
    mouse.setMemory(memoryOf(customSettings()));
    const CliRun read = run({"read", "-o", file("mouse.ini")});
    ASSERT_EQ(read.status, ExitSuccess) << read.err;

    SettingsRecord loaded;
    MacroLibrary library;
    ASSERT_EQ(LoadProfile(file("mouse.ini"), Language::Turkish, 0, loaded, library),
              ProfileLoadResult::Loaded);
    EXPECT_EQ(loaded[XDpi], 4);
    EXPECT_EQ(loaded[Breathing], 1);
    EXPECT_EQ(loaded[Button4], FunctionCode(ButtonFunction::Mute));
    // The desktop is read, never written: its speed 10 is XSpeed 4.
    EXPECT_EQ(pointer.sets, 0);
    EXPECT_EQ(loaded[XSpeed], 4);

    const CliRun backups = run({"backups"});
    EXPECT_EQ(backups.status, ExitSuccess);
    EXPECT_TRUE(backups.out.starts_with("reports-")) << backups.out;
    EXPECT_EQ(std::count(backups.out.begin(), backups.out.end(), '\n'), 1);
}

TEST_F(CliTest, MacrosReadFromTheMouseSurviveAnotherUpload)
{
    const SettingsRecord original = settingsWithMacro();
    mouse.setMemory(memoryOf(original));
    const CliRun read =
        run({"read", "-o", file("mouse.ini"), "--macros", file("mouse.mac"), "--lang", "en"});
    ASSERT_EQ(read.status, ExitSuccess) << read.err;

    const CliRun macros = run({"macros", file("mouse.mac")});
    EXPECT_EQ(macros.status, ExitSuccess) << macros.err;
    EXPECT_EQ(macros.out, "1\tMacro 1\t3 events\n\tkey down A\n\tdelay 50 ms\n\tkey up A\n");

    VirtualMouse other;
    const CliRun applied = run({"apply", file("mouse.ini"), "--no-pointer"}, &other);
    ASSERT_EQ(applied.status, ExitSuccess) << applied.err;
    EXPECT_EQ(other.memory().buttonMap, memoryOf(original).buttonMap);
    EXPECT_EQ(other.memory().settings, memoryOf(original).settings);
}

TEST_F(CliTest, ApplyUploadsAProfileInAnyLanguage)
{
    const SettingsRecord settings = customSettings();
    ASSERT_TRUE(SaveProfile(file("en.ini"), settings, Language::English));

    const CliRun applied = run({"apply", file("en.ini"), "--verify"});
    EXPECT_EQ(applied.status, ExitSuccess) << applied.err;
    EXPECT_EQ(applied.out,
              "Download the program to complete\nverified: both reports read back as sent\n");
    EXPECT_EQ(mouse.memory().settings, BuildSettingsReport(settings));
    EXPECT_EQ(mouse.memory().buttonMap, BuildButtonMapReport(settings).report);
    EXPECT_EQ(pointer.read().speed, 2 * 7 + 2);
    EXPECT_EQ(ReadFileBytes(file("download.bin"), 4096).value_or(std::vector<uint8_t>{}).size(),
              static_cast<std::size_t>(kButtonMapReportSize));

    const CliRun turkish = run({"--lang", "tr", "apply", file("en.ini"), "--no-pointer"});
    EXPECT_EQ(turkish.status, ExitSuccess);
    EXPECT_EQ(turkish.out, "program indirme tamamlandı！\n");
}

TEST_F(CliTest, ApplyFailuresExitOneWithOneLine)
{
    ASSERT_TRUE(SaveProfile(file("p.ini"), customSettings(), Language::English));
    const struct {
        const char* name;
        void (*fault)(VirtualMouse&);
        const char* says;
    } cases[] = {
        {"no mouse", [](VirtualMouse& m) { m.unplug(); }, "no mouse found"},
        {"report 3 refused", [](VirtualMouse& m) { m.refuseSets(3, VirtualMouse::kForever); },
         "Failed to set datafor! (report 3 was refused 5 times"},
        {"report 3 unreadable", [](VirtualMouse& m) { m.failGets(3, 1); },
         "Failed to get the data! (report 3 could not be read"},
        {"no report 4 interface",
         [](VirtualMouse& m) { m.setButtonMapInterface(VirtualMouse::ButtonMapInterface::Absent); },
         "no interface for report 4"},
        {"report 4 refused", [](VirtualMouse& m) { m.refuseSets(4, VirtualMouse::kForever); },
         "Download the program failure! (report 4 was refused 5 times"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualMouse faulty;
        c.fault(faulty);
        const CliRun applied = run({"apply", file("p.ini")}, &faulty);
        EXPECT_EQ(applied.status, ExitDeviceFailure);
        EXPECT_TRUE(applied.oneErrorLine()) << applied.err;
        EXPECT_NE(applied.err.find(c.says), std::string::npos) << applied.err;
        EXPECT_EQ(faulty.memory().buttonMap, FactoryMemory().buttonMap);
    }
}

TEST_F(CliTest, ApplyRefusesFilesThatAreNoUsableProfile)
{
    std::ofstream(file("notes.txt")) << "just some text\n";
    SettingsRecord tooBig = settingsWithMacro();
    for (int button = 1; button < kButtonCount; ++button) {
        tooBig.RegionValues[button] = tooBig[Button3];
        tooBig.MacroImage[button].fill(0x60); // 25 KeyDown records each: 2250 bytes
    }
    ASSERT_TRUE(SaveProfile(file("big.ini"), tooBig, Language::English));

    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {file("missing.ini"), "no such file"},
        {dir.path().string(), "not a regular file"},
        {file("notes.txt"), "is not a profile"},
        {file("big.ini"), "Button 10 does not fit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const CliRun applied = run({"apply", c.path});
        EXPECT_EQ(applied.status, ExitBadInput);
        EXPECT_TRUE(applied.oneErrorLine()) << applied.err;
        EXPECT_NE(applied.err.find(c.says), std::string::npos) << applied.err;
        EXPECT_TRUE(mouse.transfers().empty());
    }
}

TEST_F(CliTest, ReadWithoutAWholeMouseWritesNothing)
{
    mouse.setButtonMapInterface(VirtualMouse::ButtonMapInterface::Absent);
    const CliRun read = run({"read", "-o", file("p.ini")});
    EXPECT_EQ(read.status, ExitDeviceFailure);
    EXPECT_TRUE(read.oneErrorLine()) << read.err;
    EXPECT_FALSE(fs::exists(file("p.ini")));
    EXPECT_NE(run({"backups"}).out.find("no backups"), std::string::npos);
}

TEST_F(CliTest, RestorePutsAReadBackBack)
{
    const VirtualMouseMemory before = memoryOf(settingsWithMacro());
    mouse.setMemory(before);
    ASSERT_EQ(run({"read", "-o", file("p.ini")}).status, ExitSuccess);
    const std::string backup = run({"backups"}).out.substr(0, run({"backups"}).out.find('\t'));

    mouse.setMemory(FactoryMemory());
    const CliRun restored = run({"restore", backup});
    EXPECT_EQ(restored.status, ExitSuccess) << restored.err;
    EXPECT_EQ(mouse.memory().settings, before.settings);
    EXPECT_EQ(mouse.memory().buttonMap, before.buttonMap);
    EXPECT_EQ(pointer.sets, 0);

    std::ofstream(file("broken.bin")) << "short";
    for (const std::string& bad : {std::string("reports-20000101-000000000"), file("broken.bin")}) {
        const CliRun refused = run({"restore", bad});
        EXPECT_EQ(refused.status, ExitBadInput) << bad;
        EXPECT_TRUE(refused.oneErrorLine()) << refused.err;
    }
}

TEST_F(CliTest, TheVirtualMouseKeepsItsMemoryInItsStateFile)
{
    ASSERT_TRUE(SaveProfile(file("p.ini"), customSettings(), Language::Turkish));
    const std::string state = "--virtual-mouse=" + file("mouse.state");
    ASSERT_EQ(run({state, "apply", file("p.ini"), "--no-pointer"}, nullptr).status, ExitSuccess);

    // A new run, a new virtual mouse: it remembers the upload.
    const CliRun read = run({state, "read", "-o", file("back.ini")}, nullptr);
    ASSERT_EQ(read.status, ExitSuccess) << read.err;
    SettingsRecord loaded;
    MacroLibrary library;
    LoadProfile(file("back.ini"), Language::Turkish, 0, loaded, library);
    EXPECT_EQ(loaded[XDpi], 4);
    EXPECT_EQ(loaded[Button4], FunctionCode(ButtonFunction::Mute));

    std::ofstream(file("bad.state")) << "not a state file\n";
    const CliRun bad = run({"--virtual-mouse=" + file("bad.state"), "list"}, nullptr);
    EXPECT_EQ(bad.status, ExitBadInput);
    EXPECT_TRUE(bad.oneErrorLine()) << bad.err;
}

} // namespace
} // namespace bexlan
