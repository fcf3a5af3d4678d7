#include "device/virtual_mouse.h"

#include "device/device_monitor.h"
#include "device/hid_mouse_device.h"
#include "model/atomic_file.h"
#include "model/settings_record.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <poll.h>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

SettingsReport someSettings()
{
    return {kSettingsReportId, 5, 3, 0x03, 26, 16, 0, 7};
}

ButtonMapReport someButtonMap()
{
    ButtonMapReport report{};
    report[0] = kButtonMapReportId;
    for (std::size_t i = 1; i < report.size(); ++i)
        report[i] = static_cast<uint8_t>(i * 7);
    return report;
}

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool readable(const DeviceEventSource& source)
{
    pollfd fd{source.fileDescriptor(), POLLIN, 0};
    return poll(&fd, 1, 0) == 1 && (fd.revents & POLLIN) != 0;
}

class VirtualMouseTest : public testing::Test {
protected:
    bool set(const auto& report)
    {
        return device.OpenDevice(report.size()) && device.SetFeatureReport(report);
    }
    template <typename Report>
    std::optional<Report> get()
    {
        Report report{};
        report[0] = report.size() == kSettingsReportSize ? kSettingsReportId : kButtonMapReportId;
        if (!device.OpenDevice(report.size()) || !device.GetFeatureReport(report))
            return std::nullopt;
        return report;
    }

    VirtualMouse mouse;
    HidMouseDevice device{mouse};
};

TEST_F(VirtualMouseTest, StartsWithTheFactoryUpload)
{
    SettingsRecord defaults;
    ResetToDefaults(defaults);
    EXPECT_EQ(get<SettingsReport>(),
              (SettingsReport{0x03, 0x01, 0x02, 0x00, 0x04, 0x01, 0x01, 0x01}));
    EXPECT_EQ(get<ButtonMapReport>(), BuildButtonMapReport(defaults).report);
}

TEST_F(VirtualMouseTest, AnswersWithTheLastAcceptedReportOfEachKind)
{
    ASSERT_TRUE(set(someSettings()));
    ASSERT_TRUE(set(someButtonMap()));
    EXPECT_EQ(get<SettingsReport>(), someSettings());
    EXPECT_EQ(get<ButtonMapReport>(), someButtonMap());
}

TEST_F(VirtualMouseTest, RefusedSetsChangeNothingUntilTheCountRunsOut)
{
    mouse.refuseSets(kSettingsReportId, 2);
    const SettingsReport before = mouse.memory().settings;
    EXPECT_FALSE(set(someSettings()));
    EXPECT_FALSE(set(someSettings()));
    EXPECT_EQ(mouse.memory().settings, before);
    EXPECT_TRUE(set(someButtonMap())); // the other report is not affected
    EXPECT_TRUE(set(someSettings()));
    EXPECT_EQ(mouse.memory().settings, someSettings());
}

TEST_F(VirtualMouseTest, FailedGetsAndForeverFaults)
{
    mouse.failGets(kButtonMapReportId, 1);
    EXPECT_FALSE(get<ButtonMapReport>().has_value());
    EXPECT_TRUE(get<ButtonMapReport>().has_value());

    mouse.refuseSets(kButtonMapReportId, VirtualMouse::kForever);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(set(someButtonMap()));
    EXPECT_TRUE(get<SettingsReport>().has_value());
}

TEST_F(VirtualMouseTest, ReportOfTheWrongIdOnAnInterfaceIsRejected)
{
    SettingsReport wrong = someSettings();
    wrong[0] = kButtonMapReportId;
    EXPECT_FALSE(set(wrong));
    EXPECT_NE(mouse.memory().settings[1], wrong[1]);
}

TEST_F(VirtualMouseTest, TransferLogRecordsEveryAttempt)
{
    mouse.refuseSets(kSettingsReportId, 1);
    set(someSettings());
    set(someSettings());
    get<SettingsReport>();
    const auto& log = mouse.transfers();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].direction, VirtualMouse::Direction::Set);
    EXPECT_FALSE(log[0].accepted);
    EXPECT_TRUE(log[1].accepted);
    EXPECT_EQ(log[2].direction, VirtualMouse::Direction::Get);
    EXPECT_EQ(log[2].reportId, kSettingsReportId);
    EXPECT_EQ(log[2].length, 8u);
}

TEST_F(VirtualMouseTest, DisconnectsAfterTheGivenTransfersAndComesBack)
{
    mouse.disconnectAfter(2);
    ASSERT_TRUE(device.OpenDevice(8));
    SettingsReport report = someSettings();
    EXPECT_TRUE(device.SetFeatureReport(report));
    EXPECT_TRUE(device.GetFeatureReport(report));
    EXPECT_FALSE(device.SetFeatureReport(report)); // the handle died with the mouse
    EXPECT_FALSE(mouse.isPluggedIn());
    EXPECT_FALSE(device.OpenDevice(8));

    mouse.plugIn();
    EXPECT_TRUE(device.OpenDevice(8));
    EXPECT_TRUE(device.SetFeatureReport(report));
}

TEST_F(VirtualMouseTest, HandleFromBeforeAnUnplugStaysDead)
{
    ASSERT_TRUE(device.OpenDevice(8));
    mouse.unplug();
    mouse.plugIn();
    SettingsReport report = someSettings();
    EXPECT_FALSE(device.SetFeatureReport(report));
    EXPECT_TRUE(set(report));
}

TEST_F(VirtualMouseTest, UnplugAndPlugInAreReportedThroughTheDescriptor)
{
    auto events = device.RegisterDeviceEvents();
    ASSERT_NE(events, nullptr);
    EXPECT_FALSE(readable(*events));

    mouse.unplug();
    ASSERT_TRUE(readable(*events));
    const auto removed = events->readEvents();
    EXPECT_FALSE(readable(*events));
    ASSERT_FALSE(removed.empty());
    for (const DeviceEvent& event : removed) {
        EXPECT_EQ(event.kind, DeviceEventKind::Removed);
        EXPECT_EQ(event.vendorId, 0x258A);
        EXPECT_EQ(event.productId, 0x1FF0);
    }

    mouse.plugIn();
    const auto arrived = events->readEvents();
    ASSERT_FALSE(arrived.empty());
    EXPECT_EQ(arrived.front().kind, DeviceEventKind::Arrived);
    EXPECT_TRUE(events->readEvents().empty());
}

TEST(VirtualMouse, ConnectionsAndWatchersOutliveTheMouseSafely)
{
    auto mouse = std::make_unique<VirtualMouse>();
    auto connection = mouse->open(VirtualMouse::kSettingsPath);
    auto events = mouse->watchDevices();
    ASSERT_NE(connection, nullptr);
    ASSERT_NE(events, nullptr);
    mouse.reset();
    SettingsReport report = someSettings();
    EXPECT_EQ(connection->setFeatureReport(report).status, TransferStatus::Failed);
    EXPECT_TRUE(events->readEvents().empty());
}

TEST(VirtualMouse, IdentityCanBeChanged)
{
    VirtualMouse mouse;
    mouse.setIdentity(0x1B80, 0xB412);
    for (const HidInterfaceInfo& info : mouse.enumerate()) {
        EXPECT_EQ(info.vendorId, 0x1B80);
        EXPECT_EQ(info.productId, 0xB412);
    }
    HidMouseDevice device(mouse);
    EXPECT_TRUE(device.OpenDevice(2049));
}

// --- State file ---

TEST(VirtualMouseState, SurvivesARestart)
{
    ScratchDir dir;
    const fs::path file = dir.path() / "mouse.state";
    {
        VirtualMouse mouse;
        ASSERT_TRUE(mouse.attachStateFile(file).ok());
        EXPECT_TRUE(fs::exists(file)); // created at once with the factory memory
        HidMouseDevice device(mouse);
        ASSERT_TRUE(device.OpenDevice(8));
        ASSERT_TRUE(device.SetFeatureReport(someSettings()));
        ASSERT_TRUE(device.OpenDevice(2049));
        ASSERT_TRUE(device.SetFeatureReport(someButtonMap()));
    }
    VirtualMouse restarted;
    ASSERT_TRUE(restarted.attachStateFile(file).ok());
    EXPECT_EQ(restarted.memory().settings, someSettings());
    EXPECT_EQ(restarted.memory().buttonMap, someButtonMap());
}

TEST(VirtualMouseState, BadFileIsReportedAndLeftAlone)
{
    ScratchDir dir;
    const fs::path file = dir.path() / "mouse.state";
    const std::string garbage = "bexlan-virtual-mouse 1\nreport3 0301\n";
    {
        std::ofstream(file, std::ios::binary) << garbage;
    }
    VirtualMouse mouse;
    const StateResult result = mouse.attachStateFile(file);
    EXPECT_EQ(result.status, StateStatus::Malformed);
    EXPECT_NE(result.message.find(file.string()), std::string::npos);
    EXPECT_NE(result.message.find("line 2"), std::string::npos);
    EXPECT_EQ(mouse.memory().settings, FactoryMemory().settings);

    // Not attached: a set changes the memory but never the bad file.
    HidMouseDevice device(mouse);
    ASSERT_TRUE(device.OpenDevice(8));
    EXPECT_TRUE(device.SetFeatureReport(someSettings()));
    EXPECT_EQ(readText(file), garbage);
}

TEST(VirtualMouseState, UnusablePlacesAreReported)
{
    ScratchDir dir;
    VirtualMouse mouse;
    EXPECT_EQ(mouse.attachStateFile(dir.path()).status, StateStatus::Unreadable);
    EXPECT_EQ(mouse.attachStateFile(dir.path() / "no" / "such" / "dir" / "x.state").status,
              StateStatus::WriteFailed);
}

TEST(VirtualMouseState, SetThatCannotBeSavedIsRefused)
{
    ScratchDir dir;
    const fs::path folder = dir.path() / "state";
    fs::create_directory(folder);
    VirtualMouse mouse;
    ASSERT_TRUE(mouse.attachStateFile(folder / "mouse.state").ok());
    fs::remove_all(folder);

    HidMouseDevice device(mouse);
    ASSERT_TRUE(device.OpenDevice(8));
    EXPECT_FALSE(device.SetFeatureReport(someSettings()));
    EXPECT_NE(device.lastTransfer().error.find("cannot save"), std::string::npos);
    EXPECT_EQ(mouse.memory().settings, FactoryMemory().settings);
}

} // namespace
} // namespace bexlan
