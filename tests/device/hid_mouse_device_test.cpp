#include "device/hid_mouse_device.h"

#include "device/virtual_mouse.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace bexlan {
namespace {

// Lists interfaces from a table; opens every path except those marked as failing, and
// counts the connections still open.
class TableBackend : public HidBackend {
public:
    std::vector<HidInterfaceInfo> interfaces;
    std::set<std::string> unopenable;
    std::vector<std::string> opened;
    int openConnections = 0;

    std::vector<HidInterfaceInfo> enumerate() override { return interfaces; }

    std::unique_ptr<HidConnection> open(const std::string& path) override
    {
        if (unopenable.count(path) != 0)
            return nullptr;
        opened.push_back(path);
        return std::make_unique<Connection>(*this);
    }

    std::unique_ptr<DeviceEventSource> watchDevices() override { return nullptr; }

private:
    class Connection : public HidConnection {
    public:
        explicit Connection(TableBackend& owner) : m_owner(owner) { ++m_owner.openConnections; }
        ~Connection() override { --m_owner.openConnections; }
        TransferResult setFeatureReport(std::span<const uint8_t> report) override
        {
            return {TransferStatus::Ok, report.size(), {}};
        }
        TransferResult getFeatureReport(std::span<uint8_t> report) override
        {
            return {TransferStatus::Ok, report.size(), {}};
        }

    private:
        TableBackend& m_owner;
    };
};

HidInterfaceInfo iface(std::string path, uint16_t vendor, uint16_t product, uint16_t page,
                       std::size_t length)
{
    HidInterfaceInfo info;
    info.path = std::move(path);
    info.vendorId = vendor;
    info.productId = product;
    info.usagePage = page;
    info.featureReportByteLength = length;
    return info;
}

struct AcceptanceCase {
    std::string name;
    HidInterfaceInfo info;
    std::size_t askedLength;
    bool accepted;
};

class Acceptance : public testing::TestWithParam<AcceptanceCase> {};

TEST_P(Acceptance, AllFourTestsMustPass)
{
    TableBackend backend;
    backend.interfaces = {GetParam().info};
    HidMouseDevice device(backend);
    EXPECT_EQ(device.OpenDevice(GetParam().askedLength), GetParam().accepted);
    EXPECT_EQ(device.isOpen(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Acceptance,
    testing::Values(
        AcceptanceCase{"Vendor258AProduct1FF0", iface("a", 0x258A, 0x1FF0, 0xFF00, 8), 8, true},
        AcceptanceCase{"Vendor1B80Product1FF0", iface("a", 0x1B80, 0x1FF0, 0xFF00, 8), 8, true},
        AcceptanceCase{"Vendor258AProductB412", iface("a", 0x258A, 0xB412, 0xFF00, 8), 8, true},
        AcceptanceCase{"Vendor1B80ProductB412", iface("a", 0x1B80, 0xB412, 0xFF00, 2049), 2049,
                       true},
        AcceptanceCase{"OtherVendor", iface("a", 0x046D, 0x1FF0, 0xFF00, 8), 8, false},
        AcceptanceCase{"OtherProduct", iface("a", 0x258A, 0x1FF1, 0xFF00, 8), 8, false},
        AcceptanceCase{"OtherUsagePage", iface("a", 0x258A, 0x1FF0, 0xFF01, 8), 8, false},
        AcceptanceCase{"StandardMouseCollection", iface("a", 0x258A, 0x1FF0, 0x0001, 0), 8, false},
        AcceptanceCase{"ShortInterfaceWhenLongAsked", iface("a", 0x258A, 0x1FF0, 0xFF00, 8), 2049,
                       false},
        AcceptanceCase{"LongInterfaceWhenShortAsked", iface("a", 0x258A, 0x1FF0, 0xFF00, 2049), 8,
                       false},
        AcceptanceCase{"NearlyTheLength", iface("a", 0x258A, 0x1FF0, 0xFF00, 9), 8, false}),
    [](const testing::TestParamInfo<AcceptanceCase>& info) { return info.param.name; });

TEST(HidMouseDevice, FirstQualifyingInterfaceThatOpensWins)
{
    TableBackend backend;
    backend.interfaces = {
        iface("keyboard", 0x046D, 0xC31C, 0xFF00, 8), iface("gone", 0x258A, 0x1FF0, 0xFF00, 8),
        iface("first", 0x1B80, 0xB412, 0xFF00, 8), iface("second", 0x258A, 0x1FF0, 0xFF00, 8)};
    backend.unopenable = {"gone"};
    HidMouseDevice device(backend);
    ASSERT_TRUE(device.OpenDevice(8));
    EXPECT_EQ(device.openInterface()->path, "first");
    EXPECT_EQ(backend.opened, std::vector<std::string>{"first"});
}

TEST(HidMouseDevice, OpeningClosesTheOpenInterfaceEvenWhenNothingQualifies)
{
    TableBackend backend;
    backend.interfaces = {iface("short", 0x258A, 0x1FF0, 0xFF00, 8)};
    HidMouseDevice device(backend);
    ASSERT_TRUE(device.OpenDevice(8));
    EXPECT_FALSE(device.OpenDevice(2049));
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(backend.openConnections, 0);

    ASSERT_TRUE(device.OpenDevice(8));
    device.CloseDevice();
    EXPECT_EQ(backend.openConnections, 0);
    EXPECT_FALSE(device.openInterface().has_value());
}

TEST(HidMouseDevice, NoMouseLeavesItClosedAndTransfersFail)
{
    TableBackend backend;
    HidMouseDevice device(backend);
    EXPECT_FALSE(device.OpenDevice(8));
    std::array<uint8_t, 8> report{3};
    EXPECT_FALSE(device.SetFeatureReport(report));
    EXPECT_FALSE(device.GetFeatureReport(report));
    EXPECT_EQ(device.lastTransfer().status, TransferStatus::BadRequest);
}

TEST(HidMouseDevice, VirtualMouseOpensTheInterfaceOfTheAskedLength)
{
    VirtualMouse mouse;
    HidMouseDevice device(mouse);
    ASSERT_TRUE(device.OpenDevice(8));
    EXPECT_EQ(device.openInterface()->path, VirtualMouse::kSettingsPath);
    ASSERT_TRUE(device.OpenDevice(2049));
    EXPECT_EQ(device.openInterface()->path, VirtualMouse::kButtonMapPath);
}

TEST(HidMouseDevice, ReportOfAnotherLengthNeverReachesTheMouse)
{
    VirtualMouse mouse;
    HidMouseDevice device(mouse);
    ASSERT_TRUE(device.OpenDevice(8));
    ButtonMapReport big{kButtonMapReportId};
    EXPECT_FALSE(device.SetFeatureReport(big));
    EXPECT_FALSE(device.GetFeatureReport(big));
    EXPECT_EQ(device.lastTransfer().status, TransferStatus::BadRequest);
    EXPECT_FALSE(device.SetFeatureReport(std::span<const uint8_t>{}));
    EXPECT_TRUE(mouse.transfers().empty());
}

TEST(HidMouseDevice, MissingButtonMapInterfaceLeavesTheSettingsInterface)
{
    VirtualMouse mouse;
    mouse.setButtonMapInterface(VirtualMouse::ButtonMapInterface::Absent);
    HidMouseDevice device(mouse);
    EXPECT_FALSE(device.OpenDevice(2049));
    EXPECT_FALSE(device.isOpen());
    EXPECT_TRUE(device.OpenDevice(8));
}

} // namespace
} // namespace bexlan
