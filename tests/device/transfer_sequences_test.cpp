#include "device/transfer_sequences.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/pointer_settings.h"
#include "device/virtual_mouse.h"
#include "model/atomic_file.h"
#include "model/button_functions.h"
#include "support/recording_pointer.h"
#include "support/scratch_dir.h"

namespace bexlan {
namespace {

using Direction = VirtualMouse::Direction;
constexpr KeyIndex kKeyA = 46;
constexpr KeyIndex kKeyLCtrl = 70;

// Waits in milliseconds, in order.
std::vector<long> waitsOf(const FakeClock& clock)
{
    std::vector<long> out;
    for (const auto wait : clock.waits()) {
        out.push_back(static_cast<long>(wait.count()));
    }
    return out;
}

class TransferTest : public ::testing::Test {
protected:
    TransferContext context()
    {
        return TransferContext{device, pointer, clock, scratch.path() / "download.bin", &backups};
    }
    std::optional<std::vector<uint8_t>> downloadBin() const
    {
        return ReadFileBytes(scratch.path() / "download.bin", 1 << 20);
    }

    ScratchDir scratch;
    VirtualMouse mouse;
    HidMouseDevice device{mouse};
    RecordingPointer pointer;
    FakeClock clock;
    BackupStore backups{scratch.path() / "backups"};
};

SettingsRecord changedSettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    settings[XDpi] = 3;
    settings[Rate500Hz] = 0;
    settings[Rate1000Hz] = 1;
    settings[Button4] = FunctionCode(ButtonFunction::VolumeUp);
    settings[Button5] = FunctionCode(ButtonFunction::Keyboard);
    settings.KeyCombo[4] = KeyCombination{kKeyA, kKeyLCtrl};
    settings[XSpeed] = 9;
    return settings;
}

const std::vector<long> kRetryWaits = {300, 300, 300, 300, 300};

TEST_F(TransferTest, ApplySendsBothReportsWithOneFixedPause)
{
    auto ctx = context();
    const SettingsRecord settings = changedSettings();
    const ApplyResult result = ApplySettings(ctx, settings, PointerMode::Apply);

    EXPECT_EQ(result.status, ApplyStatus::Done);
    EXPECT_EQ(result.message,
              TableMessage(MessageDownloadComplete, MessageSucceed, MessageIcon::None));
    EXPECT_EQ(waitsOf(clock), std::vector<long>{300});
    EXPECT_EQ(mouse.memory().settings, BuildSettingsReport(settings));
    EXPECT_EQ(mouse.memory().buttonMap, BuildButtonMapReport(settings).report);
    // The order of the exchange: report 3 set and read back, then report 4 set.
    ASSERT_EQ(mouse.transfers().size(), 3u);
    EXPECT_EQ(mouse.transfers()[0].direction, Direction::Set);
    EXPECT_EQ(mouse.transfers()[1].direction, Direction::Get);
    EXPECT_EQ(mouse.transfers()[1].reportId, 3);
    EXPECT_EQ(mouse.transfers()[2].reportId, 4);

    const auto copy = downloadBin();
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, std::vector<uint8_t>(mouse.memory().buttonMap.begin(),
                                          mouse.memory().buttonMap.end()));
    EXPECT_EQ(pointer.read().speed, 20);
    EXPECT_FALSE(device.isOpen());
}

struct ApplyCase {
    const char* name;
    std::function<void(VirtualMouse&)> fault;
    ApplyStatus status;
    std::optional<UserMessage> message;
    std::vector<long> waits;
    int report3Sets;
    int report4Sets;
    bool downloadBinWritten;
};

TEST_F(TransferTest, ApplyFailuresStopWhereTheyHappen)
{
    const auto error = [](int entry) {
        return TableMessage(entry, MessageFail, MessageIcon::Error);
    };
    const auto done = TableMessage(MessageDownloadComplete, MessageSucceed, MessageIcon::None);
    std::vector<long> fourRetriesThenPause(4, 300);
    fourRetriesThenPause.push_back(300);
    std::vector<long> pauseThenFiveRetries{300};
    pauseThenFiveRetries.insert(pauseThenFiveRetries.end(), kRetryWaits.begin(), kRetryWaits.end());
    std::vector<long> pauseThenFourRetries(pauseThenFiveRetries.begin(),
                                           pauseThenFiveRetries.end() - 1);

    const ApplyCase cases[] = {
        {"no mouse",
         [](VirtualMouse& m) { m.unplug(); },
         ApplyStatus::NoMouse,
         std::nullopt,
         {},
         0,
         0,
         false},
        {"report 3 refused five times",
         [](VirtualMouse& m) { m.refuseSets(3, VirtualMouse::kForever); }, ApplyStatus::Failed,
         error(MessageSetDataFailed), kRetryWaits, 5, 0, false},
        {"report 3 taken at the fifth attempt", [](VirtualMouse& m) { m.refuseSets(3, 4); },
         ApplyStatus::Done, done, fourRetriesThenPause, 5, 1, true},
        {"report 3 not readable",
         [](VirtualMouse& m) { m.failGets(3, 1); },
         ApplyStatus::Failed,
         error(MessageGetDataFailed),
         {300},
         1,
         0,
         false},
        {"mouse gone after report 3",
         [](VirtualMouse& m) { m.disconnectAfter(1); },
         ApplyStatus::Failed,
         error(MessageGetDataFailed),
         {300},
         1,
         0,
         false},
        {"no button-map interface",
         [](VirtualMouse& m) { m.setButtonMapInterface(VirtualMouse::ButtonMapInterface::Absent); },
         ApplyStatus::NoButtonMapInterface,
         std::nullopt,
         {300},
         1,
         0,
         false},
        {"report 4 refused five times",
         [](VirtualMouse& m) { m.refuseSets(4, VirtualMouse::kForever); }, ApplyStatus::Failed,
         error(MessageDownloadFailure), pauseThenFiveRetries, 1, 5, true},
        {"report 4 taken at the fifth attempt", [](VirtualMouse& m) { m.refuseSets(4, 4); },
         ApplyStatus::Done, done, pauseThenFourRetries, 1, 5, true},
    };
    const SettingsRecord settings = changedSettings();
    const VirtualMouseMemory factory = FactoryMemory();
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualMouse faulty;
        HidMouseDevice faultyDevice(faulty);
        FakeClock faultyClock;
        RecordingPointer faultyPointer;
        ScratchDir folder;
        TransferContext ctx{faultyDevice, faultyPointer, faultyClock,
                            folder.path() / "download.bin", nullptr};
        c.fault(faulty);

        const ApplyResult result = ApplySettings(ctx, settings, PointerMode::Apply);

        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(waitsOf(faultyClock), c.waits);
        int sets3 = 0;
        int sets4 = 0;
        for (const auto& t : faulty.transfers()) {
            sets3 += t.direction == Direction::Set && t.reportId == 3;
            sets4 += t.direction == Direction::Set && t.reportId == 4;
        }
        EXPECT_EQ(sets3, c.report3Sets);
        EXPECT_EQ(sets4, c.report4Sets);
        const auto copy = ReadFileBytes(folder.path() / "download.bin", 1 << 20);
        EXPECT_EQ(copy.has_value(), c.downloadBinWritten);
        if (copy) {
            // Even a refused report 4 leaves the copy of what was attempted.
            EXPECT_EQ(*copy, std::vector<uint8_t>(result.report4.begin(), result.report4.end()));
        }
        if (c.status != ApplyStatus::Done) {
            EXPECT_EQ(faulty.memory().buttonMap, factory.buttonMap);
        }
        // The pointer settings go to the desktop whether or not the mouse is there.
        EXPECT_EQ(faultyPointer.read().speed, 20);
        EXPECT_FALSE(faultyDevice.isOpen());
    }
}

TEST_F(TransferTest, ApplyWithoutPointerLeavesTheDesktopAlone)
{
    auto ctx = context();
    EXPECT_EQ(ApplySettings(ctx, changedSettings(), PointerMode::Leave).status, ApplyStatus::Done);
    EXPECT_EQ(pointer.sets, 0);
}

TEST_F(TransferTest, ButtonRecordsThatDoNotFitAreNotSentAtAll)
{
    SettingsRecord settings = changedSettings();
    for (int button = 1; button < kButtonCount; ++button) {
        settings.RegionValues[button] = FunctionCode(ButtonFunction::Macro);
        settings.MacroImageLength[button] = kMaxMacroImageLength;
        for (int record = 0; record < kMaxMacroRecords; ++record) {
            settings.MacroImage[button][record * kRecordSize] = 0x60; // KeyDown
        }
    }
    auto ctx = context();
    const ApplyResult result = ApplySettings(ctx, settings, PointerMode::Apply);

    EXPECT_EQ(result.status, ApplyStatus::DoesNotFit);
    EXPECT_EQ(result.overflowButton, 10); // 8 x 250 bytes fill the 2000-byte area exactly
    ASSERT_TRUE(result.message);
    EXPECT_EQ(MessageCaption(*result.message, Language::English), "Fail");
    EXPECT_NE(MessageText(*result.message, Language::English).find("Button 10"), std::string::npos);
    EXPECT_TRUE(mouse.transfers().empty());
    EXPECT_EQ(mouse.memory().settings, FactoryMemory().settings);
    EXPECT_FALSE(downloadBin());
    EXPECT_EQ(pointer.read().speed, 20);
}

TEST_F(TransferTest, UploadOfABackupPutsItsBytesBack)
{
    VirtualMouseMemory saved = FactoryMemory();
    saved.settings[1] = 4;
    saved.buttonMap[100] = 0x5A;
    auto ctx = context();
    EXPECT_EQ(UploadReports(ctx, saved.settings, saved.buttonMap).status, ApplyStatus::Done);
    EXPECT_EQ(mouse.memory().settings, saved.settings);
    EXPECT_EQ(mouse.memory().buttonMap, saved.buttonMap);
    EXPECT_EQ(pointer.sets, 0);
}

TEST_F(TransferTest, ReadBackOfTheFactoryUploadGivesTheFactoryCodes)
{
    SettingsRecord settings;
    settings[XDpi] = 5; // overwritten by the defaults, then by the mouse
    MacroLibrary library;
    auto ctx = context();
    const ReadBackResult result = ReadBackSettings(ctx, settings, library, PointerMode::Apply);

    ASSERT_EQ(result.status, ReadBackStatus::Done);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(waitsOf(clock), std::vector<long>{300});
    const int32_t factoryCodes[] = {1, 2, 3, 4, 5, 26, 6, 22, 23, 28};
    for (int button = 0; button < kButtonCount; ++button) {
        EXPECT_EQ(settings.RegionValues[button], factoryCodes[button]) << "button " << button + 1;
    }
    EXPECT_EQ(settings[Rate500Hz], 1);
    EXPECT_EQ(settings[Rate125Hz] + settings[Rate250Hz] + settings[Rate1000Hz], 0);
    EXPECT_EQ(settings[HShine], 1);
    EXPECT_EQ(settings[XDpi], 1);
    for (const Region on : {AlwaysOn1, AlwaysOn2, AlwaysOn3}) {
        EXPECT_EQ(settings[on], 1);
    }
    for (const Region level : {RLED, YLED, GLED}) {
        EXPECT_EQ(settings[level], 1);
    }
    EXPECT_EQ(library.MacroCount, 0u);
    EXPECT_FALSE(result.macrosDecoded);
    // The desktop got the pointer settings of the defaults: speed 10, 3 lines, 600 ms.
    EXPECT_EQ(pointer.read().speed, 10);
    EXPECT_EQ(pointer.read().wheelLines, 3);
    EXPECT_EQ(pointer.read().doubleClickMs, 600u);
    EXPECT_FALSE(device.isOpen());

    // The raw reports are kept for a later restore.
    ASSERT_TRUE(result.backup);
    const auto kept = backups.list();
    ASSERT_EQ(kept.size(), 1u);
    const BackupLoad loaded = BackupStore::load(kept[0].path);
    EXPECT_EQ(loaded.backup.report3, FactoryMemory().settings);
    EXPECT_EQ(loaded.backup.report4, FactoryMemory().buttonMap);
}

TEST_F(TransferTest, ReadBackReturnsWhatApplySent)
{
    const SettingsRecord sent = changedSettings();
    auto ctx = context();
    ASSERT_EQ(ApplySettings(ctx, sent, PointerMode::Leave).status, ApplyStatus::Done);

    SettingsRecord settings;
    MacroLibrary library;
    ASSERT_TRUE(ReadBackSettings(ctx, settings, library, PointerMode::Leave).ok());
    for (int button = 1; button < kButtonCount; ++button) {
        EXPECT_EQ(settings.RegionValues[button], sent.RegionValues[button]) << button;
    }
    EXPECT_EQ(settings.KeyCombo[4], (KeyCombination{kKeyLCtrl, kKeyA}));
    EXPECT_EQ(settings[XDpi], 3);
    EXPECT_EQ(settings[Rate1000Hz], 1);
    EXPECT_EQ(pointer.sets, 0);
}

TEST_F(TransferTest, ReadBackFailuresReportAndKeepNoBackup)
{
    const auto error = TableMessage(MessageGetDataFailed, MessageFail, MessageIcon::Error);
    const struct {
        const char* name;
        std::function<void(VirtualMouse&)> fault;
        ReadBackStatus status;
        std::optional<UserMessage> message;
        std::vector<long> waits;
        bool report3Decoded;
    } cases[] = {
        {"no mouse",
         [](VirtualMouse& m) { m.unplug(); },
         ReadBackStatus::NoMouse,
         std::nullopt,
         {},
         false},
        {"report 3 not readable",
         [](VirtualMouse& m) { m.failGets(3, 1); },
         ReadBackStatus::Failed,
         error,
         {},
         false},
        {"no button-map interface",
         [](VirtualMouse& m) { m.setButtonMapInterface(VirtualMouse::ButtonMapInterface::Absent); },
         ReadBackStatus::NoButtonMapInterface,
         std::nullopt,
         {300},
         true},
        {"report 4 not readable",
         [](VirtualMouse& m) { m.failGets(4, 1); },
         ReadBackStatus::Failed,
         error,
         {300},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualMouse faulty;
        VirtualMouseMemory memory = FactoryMemory();
        memory.settings[1] = 4; // XDpi 4
        faulty.setMemory(memory);
        HidMouseDevice faultyDevice(faulty);
        FakeClock faultyClock;
        RecordingPointer faultyPointer;
        ScratchDir folder;
        BackupStore store(folder.path());
        TransferContext ctx{faultyDevice, faultyPointer, faultyClock, {}, &store};
        c.fault(faulty);

        SettingsRecord settings;
        MacroLibrary library;
        const ReadBackResult result = ReadBackSettings(ctx, settings, library, PointerMode::Apply);

        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(waitsOf(faultyClock), c.waits);
        EXPECT_EQ(settings[XDpi], c.report3Decoded ? 4 : 1);
        EXPECT_EQ(settings[Button7], DefaultSettings[Button7]);
        EXPECT_FALSE(result.backup);
        EXPECT_TRUE(store.list().empty());
        EXPECT_EQ(faultyPointer.read().speed, 10); // defaults applied in any case
        EXPECT_FALSE(faultyDevice.isOpen());
    }
}

} // namespace
} // namespace bexlan
