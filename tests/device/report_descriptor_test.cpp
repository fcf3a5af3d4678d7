#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bexlan {
namespace {

using Bytes = std::vector<uint8_t>;

// The mouse's two vendor collections: report 3 with 7 data bytes, report 4 with 2048.
const Bytes kVendorDescriptor{
    0x06, 0x00, 0xFF, // Usage Page (vendor 0xFF00)
    0x09, 0x01,       // Usage (1)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x03,       //   Report ID (3)
    0x15, 0x00,       //   Logical Minimum (0)
    0x26, 0xFF, 0x00, //   Logical Maximum (255)
    0x75, 0x08,       //   Report Size (8)
    0x95, 0x07,       //   Report Count (7)
    0x09, 0x01,       //   Usage (1)
    0xB1, 0x02,       //   Feature (Data, Variable, Absolute)
    0xC0,             // End Collection
    0x06, 0x00, 0xFF, // Usage Page (vendor 0xFF00)
    0x09, 0x02,       // Usage (2)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x04,       //   Report ID (4)
    0x75, 0x08,       //   Report Size (8)
    0x96, 0x00, 0x08, //   Report Count (2048)
    0x09, 0x02,       //   Usage (2)
    0xB1, 0x02,       //   Feature (Data, Variable, Absolute)
    0xC0,             // End Collection
};

// A wheel mouse without report IDs: 5 buttons + 3 bits of padding, then X, Y and wheel.
const Bytes kMouseDescriptor{
    0x05, 0x01,             // Usage Page (Generic Desktop)
    0x09, 0x02,             // Usage (Mouse)
    0xA1, 0x01,             // Collection (Application)
    0x09, 0x01,             //   Usage (Pointer)
    0xA1, 0x00,             //   Collection (Physical)
    0x05, 0x09,             //     Usage Page (Button)
    0x19, 0x01,             //     Usage Minimum (1)
    0x29, 0x05,             //     Usage Maximum (5)
    0x15, 0x00, 0x25, 0x01, //     Logical Minimum (0), Logical Maximum (1)
    0x95, 0x05, 0x75, 0x01, //     Report Count (5), Report Size (1)
    0x81, 0x02,             //     Input (Data, Variable, Absolute): 5 bits
    0x95, 0x01, 0x75, 0x03, //     Report Count (1), Report Size (3)
    0x81, 0x01,             //     Input (Constant): 3 bits
    0x05, 0x01,             //     Usage Page (Generic Desktop)
    0x09, 0x30,             //     Usage (X)
    0x09, 0x31,             //     Usage (Y)
    0x09, 0x38,             //     Usage (Wheel)
    0x15, 0x81, 0x25, 0x7F, //     Logical Minimum (-127), Logical Maximum (127)
    0x75, 0x08, 0x95, 0x03, //     Report Size (8), Report Count (3)
    0x81, 0x06,             //     Input (Data, Variable, Relative): 24 bits
    0xC0,                   //   End Collection
    0xC0,                   // End Collection
};

TEST(ReportDescriptor, VendorCollectionsGiveTheMouseInterfaceLengths)
{
    const ParsedDescriptor parsed = ParseReportDescriptor(kVendorDescriptor);
    ASSERT_TRUE(parsed.ok()) << DescriptorErrorText(parsed.error);
    ASSERT_EQ(parsed.collections.size(), 2u);
    EXPECT_EQ(parsed.collections[0].usagePage, 0xFF00);
    EXPECT_EQ(parsed.collections[0].usage, 1);
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 8u);
    EXPECT_EQ(parsed.collections[1].usagePage, 0xFF00);
    EXPECT_EQ(parsed.collections[1].usage, 2);
    EXPECT_EQ(parsed.collections[1].featureReportByteLength, 2049u);
    EXPECT_EQ(parsed.collections[1].inputReportByteLength, 0u);
}

TEST(ReportDescriptor, StandardMouseHasInputOnlyAndCountsTheIdByteAnyway)
{
    const ParsedDescriptor parsed = ParseReportDescriptor(kMouseDescriptor);
    ASSERT_TRUE(parsed.ok()) << DescriptorErrorText(parsed.error);
    ASSERT_EQ(parsed.collections.size(), 1u); // the physical collection is nested
    EXPECT_EQ(parsed.collections[0].usagePage, 0x0001);
    EXPECT_EQ(parsed.collections[0].usage, 0x0002);
    EXPECT_EQ(parsed.collections[0].inputReportByteLength, 5u); // ID byte + 1 + 3
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 0u);
    EXPECT_EQ(parsed.collections[0].outputReportByteLength, 0u);
}

TEST(ReportDescriptor, LargestReportOfACollectionWinsAndPopRestoresGlobals)
{
    const Bytes descriptor{
        0x06, 0x00, 0xFF, // Usage Page (vendor 0xFF00)
        0x09, 0x01,       // Usage (1)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x03,       //   Report ID (3)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x03,       //   Report Count (3)
        0xA4,             //   Push
        0x85, 0x05,       //     Report ID (5)
        0x75, 0x10,       //     Report Size (16)
        0x95, 0x01,       //     Report Count (1)
        0xB1, 0x02,       //     Feature: report 5, 2 bytes
        0xB4,             //   Pop: report 3, 3 x 8 bits again
        0xB1, 0x02,       //   Feature: report 3, 3 bytes
        0x95, 0x04,       //   Report Count (4)
        0xB1, 0x02,       //   Feature: report 3, 4 more bytes
        0x75, 0x01,       //   Report Size (1)
        0x95, 0x01,       //   Report Count (1)
        0x91, 0x02,       //   Output: report 3, 1 bit
        0xC0,             // End Collection
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok()) << DescriptorErrorText(parsed.error);
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 8u); // 7 bytes of report 3 + ID
    EXPECT_EQ(parsed.collections[0].outputReportByteLength, 2u);  // a bit rounds up to a byte
}

TEST(ReportDescriptor, FourByteUsageCarriesItsOwnPage)
{
    const Bytes descriptor{
        0x05, 0x01,                   // Usage Page (Generic Desktop)
        0x0B, 0x01, 0x00, 0x00, 0xFF, // Usage (page 0xFF00, usage 1)
        0xA1, 0x01,                   // Collection (Application)
        0xC0,                         // End Collection
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok());
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0].usagePage, 0xFF00);
    EXPECT_EQ(parsed.collections[0].usage, 1);
}

TEST(ReportDescriptor, ReportAtTheKernelLimitIsAccepted)
{
    const Bytes descriptor{
        0xA1, 0x01,       // Collection (Application)
        0x75, 0x08,       //   Report Size (8)
        0x96, 0xFF, 0x3F, //   Report Count (16383)
        0xB1, 0x02,       //   Feature
        0xC0,             // End Collection
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok()) << DescriptorErrorText(parsed.error);
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, kMaxReportByteLength);
}

struct MalformedCase {
    std::string name;
    Bytes bytes;
    DescriptorError error;
};

Bytes repeated(const Bytes& item, std::size_t times, const Bytes& tail = {})
{
    Bytes out;
    for (std::size_t i = 0; i < times; ++i)
        out.insert(out.end(), item.begin(), item.end());
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

class MalformedDescriptor : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptor, GivesAnErrorAndNoCollections)
{
    const ParsedDescriptor parsed = ParseReportDescriptor(GetParam().bytes);
    EXPECT_EQ(parsed.error, GetParam().error) << DescriptorErrorText(parsed.error);
    EXPECT_TRUE(parsed.collections.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedDescriptor,
    testing::Values(
        MalformedCase{"Empty", {}, DescriptorError::Empty},
        // Usage Page announces 2 data bytes, 1 follows.
        MalformedCase{"TruncatedTwoByteItem", {0x06, 0x00}, DescriptorError::TruncatedItem},
        // Logical Maximum announces 4 data bytes, 2 follow.
        MalformedCase{"TruncatedFourByteItem", {0x27, 0x01, 0x02}, DescriptorError::TruncatedItem},
        // Long item: 0xFE, data size 2, tag 0x10, data.
        MalformedCase{"LongItem", {0xFE, 0x02, 0x10, 0xAA, 0xBB}, DescriptorError::LongItem},
        MalformedCase{"TruncatedLongItem", {0xFE}, DescriptorError::LongItem},
        // Type 3 (reserved), tag 3, no data.
        MalformedCase{"ReservedType", {0x3C}, DescriptorError::ReservedItem},
        // Main item tag 0 inside a collection.
        MalformedCase{"UndefinedMainTag", {0xA1, 0x01, 0x00, 0xC0}, DescriptorError::ReservedItem},
        MalformedCase{"PopWithoutPush", {0xB4}, DescriptorError::PopWithoutPush},
        MalformedCase{"PushTooDeep", repeated({0xA4}, 33), DescriptorError::PushTooDeep},
        MalformedCase{"EndWithoutCollection", {0xC0}, DescriptorError::EndWithoutCollection},
        MalformedCase{"UnclosedCollection", {0xA1, 0x01}, DescriptorError::UnclosedCollection},
        MalformedCase{"CollectionTooDeep", repeated({0xA1, 0x00}, 33),
                      DescriptorError::CollectionTooDeep},
        MalformedCase{"TooManyCollections", repeated({0xA1, 0x01, 0xC0}, 65),
                      DescriptorError::TooManyCollections},
        // Report Size 8, Report Count 1, Feature, all before any collection.
        MalformedCase{"FeatureOutsideCollection",
                      {0x75, 0x08, 0x95, 0x01, 0xB1, 0x02},
                      DescriptorError::MainItemOutsideCollection},
        MalformedCase{"ReportIdZero", {0x85, 0x00}, DescriptorError::BadReportId},
        MalformedCase{"ReportIdAbove255", {0x86, 0x00, 0x01}, DescriptorError::BadReportId},
        // Report Size 8, Report Count 0xFFFFFFFF.
        MalformedCase{"AbsurdReportCount",
                      {0xA1, 0x01, 0x75, 0x08, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02, 0xC0},
                      DescriptorError::ReportTooLarge},
        // Report Size and Report Count both 0xFFFFFFFF: the product must not wrap.
        MalformedCase{"AbsurdSizeTimesCount",
                      {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81,
                       0x02, 0xC0},
                      DescriptorError::ReportTooLarge},
        // Two features of 16000 bytes each in the same report.
        MalformedCase{"ReportGrowsPastTheLimit",
                      {0xA1, 0x01, 0x75, 0x08, 0x96, 0x80, 0x3E, 0xB1, 0x02, 0xB1, 0x02, 0xC0},
                      DescriptorError::ReportTooLarge}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(ReportDescriptor, EveryTruncationOfAGoodDescriptorIsSafe)
{
    // Cutting the vendor descriptor anywhere must give an error or a shorter valid result,
    // never a read past the end (the sanitizer build checks that).
    for (std::size_t size = 0; size < kVendorDescriptor.size(); ++size) {
        const Bytes prefix(kVendorDescriptor.begin(), kVendorDescriptor.begin() + size);
        const ParsedDescriptor parsed = ParseReportDescriptor(prefix);
        if (parsed.ok()) {
            for (const TopLevelCollection& c : parsed.collections)
                EXPECT_LE(c.featureReportByteLength, 2049u);
        }
    }
}

} // namespace
} // namespace bexlan
