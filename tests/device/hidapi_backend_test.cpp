#include "device/hidapi_backend.h"

#include "device/udev_rule.h"

#include <gtest/gtest.h>

#include <fstream>

namespace bexlan {
namespace {

TEST(HidapiBackend, DescriptorFileOnlyForHidrawNodes)
{
    EXPECT_EQ(ReportDescriptorFile("/dev/hidraw3"),
              std::filesystem::path("/sys/class/hidraw/hidraw3/device/report_descriptor"));
    EXPECT_EQ(ReportDescriptorFile("/dev/hidraw12"),
              std::filesystem::path("/sys/class/hidraw/hidraw12/device/report_descriptor"));
    for (const char* path : {"", "/dev/hidraw", "/dev/hidraw1/../../etc", "/dev/hidraw-1",
                             "/dev/usb/hiddev0", "1-2:1.0", "/dev/hidraw1234567"})
        EXPECT_FALSE(ReportDescriptorFile(path).has_value()) << path;
}

TEST(HidapiBackend, EnumerationListsOnlyWellFormedEntries)
{
    // Whatever this machine has plugged in: every entry has a path, and a feature length only
    // a descriptor can give.
    HidapiBackend backend;
    for (const HidInterfaceInfo& info : backend.enumerate()) {
        EXPECT_FALSE(info.path.empty());
        EXPECT_LE(info.featureReportByteLength, 16384u);
    }
    EXPECT_EQ(backend.open("/dev/hidraw-does-not-exist"), nullptr);
}

TEST(UdevRule, IsTheInstalledFileAndCoversEveryPair)
{
    std::ifstream in(std::string(BEXLAN_SOURCE_DIR) + "/data/70-bexlan.rules", std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(UdevRuleText(), file);
    for (const char* vendor : {"258a", "1b80"})
        for (const char* product : {"1ff0", "b412"}) {
            const std::string rule = std::string("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"") +
                                     vendor + "\", ATTRS{idProduct}==\"" + product +
                                     "\", TAG+=\"uaccess\"\n";
            EXPECT_NE(file.find(rule), std::string::npos) << rule;
        }
}

} // namespace
} // namespace bexlan
