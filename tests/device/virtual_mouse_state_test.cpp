#include "device/virtual_mouse_state.h"

#include <gtest/gtest.h>

#include <string>

namespace bexlan {
namespace {

std::span<const uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string hexOf(std::size_t size, uint8_t first)
{
    std::string digits = first == 3 ? "03" : "04";
    digits += std::string((size - 1) * 2, '0');
    return digits;
}

const std::string kReport3 = "report3 " + hexOf(8, 3);
const std::string kReport4 = "report4 " + hexOf(2049, 4);

TEST(VirtualMouseStateFormat, RoundTripsEveryByte)
{
    VirtualMouseMemory memory;
    for (std::size_t i = 0; i < memory.settings.size(); ++i)
        memory.settings[i] = static_cast<uint8_t>(0xF0 + i);
    memory.settings[0] = kSettingsReportId;
    for (std::size_t i = 0; i < memory.buttonMap.size(); ++i)
        memory.buttonMap[i] = static_cast<uint8_t>(i * 31);
    memory.buttonMap[0] = kButtonMapReportId;

    const std::string text = FormatVirtualMouseState(memory);
    VirtualMouseMemory parsed;
    ASSERT_TRUE(ParseVirtualMouseState(bytesOf(text), parsed).ok());
    EXPECT_EQ(parsed.settings, memory.settings);
    EXPECT_EQ(parsed.buttonMap, memory.buttonMap);
}

TEST(VirtualMouseStateFormat, AcceptsCrlfCommentsUpperCaseAndAnyOrder)
{
    std::string upper = kReport4;
    upper.replace(8, 4, "04AB");
    const std::string text =
        "bexlan-virtual-mouse 1\r\n# edited by hand\r\n\r\n" + upper + "\r\n" + kReport3 + "\r\n";
    VirtualMouseMemory parsed;
    const StateResult result = ParseVirtualMouseState(bytesOf(text), parsed);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(parsed.buttonMap[1], 0xAB);
}

struct BadState {
    std::string name;
    std::string text;
    std::string mentions;
};

class MalformedState : public testing::TestWithParam<BadState> {};

TEST_P(MalformedState, IsRejectedWithAReasonAndLeavesTheMemory)
{
    VirtualMouseMemory memory;
    memory.settings[1] = 0x55;
    const StateResult result = ParseVirtualMouseState(bytesOf(GetParam().text), memory);
    EXPECT_EQ(result.status, StateStatus::Malformed);
    EXPECT_NE(result.message.find(GetParam().mentions), std::string::npos) << result.message;
    EXPECT_EQ(memory.settings[1], 0x55);
}

const std::string kHead = "bexlan-virtual-mouse 1\n";

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedState,
    testing::Values(
        BadState{"Empty", "", "empty"},
        BadState{"OtherFile", "[Setting]\n" + kReport3 + "\n", "not a virtual mouse state"},
        BadState{"NewerVersion", "bexlan-virtual-mouse 2\n", "not a virtual mouse state"},
        BadState{"MissingReport4", kHead + kReport3 + "\n", "lacks report4"},
        BadState{"MissingReport3", kHead + kReport4 + "\n", "lacks report3"},
        BadState{"Twice", kHead + kReport3 + "\n" + kReport3 + "\n", "twice"},
        BadState{"ShortReport", kHead + "report3 03010200\n" + kReport4, "line 2"},
        BadState{"NotHex", kHead + "report3 03010200040101zz\n" + kReport4, "hexadecimal"},
        BadState{"WrongReportId", kHead + "report3 0401020004010101\n" + kReport4, "report ID"},
        BadState{"UnknownEntry", kHead + kReport3 + "\nreport5 05\n" + kReport4, "report5"},
        BadState{"NoValue", kHead + "report3\n" + kReport4, "line 2"}),
    [](const testing::TestParamInfo<BadState>& info) { return info.param.name; });

} // namespace
} // namespace bexlan
