#include "device/device_monitor.h"

#include <gtest/gtest.h>

namespace bexlan {
namespace {

struct HidIdCase {
    std::string text;
    std::optional<HidId> expected;
};

class HidIdParsing : public testing::TestWithParam<HidIdCase> {};

TEST_P(HidIdParsing, ReadsBusVendorAndProduct)
{
    const auto parsed = ParseHidId(GetParam().text);
    ASSERT_EQ(parsed.has_value(), GetParam().expected.has_value()) << GetParam().text;
    if (parsed) {
        EXPECT_EQ(parsed->bus, GetParam().expected->bus);
        EXPECT_EQ(parsed->vendorId, GetParam().expected->vendorId);
        EXPECT_EQ(parsed->productId, GetParam().expected->productId);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HidIdParsing,
    testing::Values(HidIdCase{"0003:0000258A:00001FF0", HidId{3, 0x258A, 0x1FF0}},
                    HidIdCase{"0003:00001b80:0000b412", HidId{3, 0x1B80, 0xB412}},
                    HidIdCase{"", std::nullopt}, HidIdCase{"0003:0000258A", std::nullopt},
                    HidIdCase{"0003:0001258A:00001FF0", std::nullopt},
                    HidIdCase{"0003:0000258G:00001FF0", std::nullopt},
                    HidIdCase{"0003::00001FF0", std::nullopt},
                    HidIdCase{"0003:0000258A:00001FF0:", std::nullopt},
                    HidIdCase{"0003:000000000258A:00001FF0", std::nullopt}));

TEST(UdevMonitor, ReadingWithNothingPendingDoesNotBlock)
{
    auto monitor = UdevMonitor::Create();
    if (!monitor)
        GTEST_SKIP() << "udev is not available here";
    EXPECT_GE(monitor->fileDescriptor(), 0);
    // Hotplug events for other devices may arrive at any time; only our mouse is reported.
    for (const DeviceEvent& event : monitor->readEvents())
        EXPECT_TRUE(event.vendorId == 0x258A || event.vendorId == 0x1B80);
}

} // namespace
} // namespace bexlan
