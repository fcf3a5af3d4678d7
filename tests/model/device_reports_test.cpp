#include "model/device_reports.h"

#include "model/button_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bexlan {
namespace {

using Bytes = std::vector<uint8_t>;

SettingsRecord factorySettings()
{
    SettingsRecord settings;
    ResetToDefaults(settings);
    return settings;
}

// Every button but button 2 switched off, so only button 2's records are written.
SettingsRecord onlyButton2(int32_t code)
{
    SettingsRecord settings = factorySettings();
    for (int button = 2; button < kButtonCount; ++button) {
        settings.RegionValues[button] = FunctionCode(ButtonFunction::ButtonClose);
    }
    settings[Button2] = code;
    return settings;
}

// `count` bytes of report 4 from address `address` (addresses start after the report ID).
Bytes at(const ButtonMapReport& report, int address, int count)
{
    const auto begin = report.begin() + 1 + address;
    return Bytes(begin, begin + count);
}

bool zeroFrom(const ButtonMapReport& report, int address)
{
    return std::all_of(report.begin() + 1 + address, report.end(),
                       [](uint8_t b) { return b == 0; });
}

std::vector<uint16_t> buttonTable(const ButtonMapReport& report)
{
    std::vector<uint16_t> entries;
    for (int button = 1; button < kButtonCount; ++button) {
        entries.push_back(ButtonTableEntry(report, button));
    }
    return entries;
}

// A macro image of `records` records: KeyDown A, each with a 0x0102 ms delay.
void setMacro(SettingsRecord& settings, int buttonIndex, int records)
{
    settings.RegionValues[buttonIndex] = FunctionCode(ButtonFunction::Macro);
    auto& image = settings.MacroImage[buttonIndex];
    for (int r = 0; r < records; ++r) {
        const RecordBytes bytes = EncodeRecord({RecordType::KeyDown, 0, {0x00, 0x04}, 0x0102});
        std::copy(bytes.begin(), bytes.end(), image.begin() + kRecordSize * r);
    }
    settings.MacroImageLength[buttonIndex] = kRecordSize * records;
}

TEST(DeviceRecord, ByteLayout)
{
    const DeviceRecord record{RecordType::KeyDown, 10, {1, 2, 3, 4, 5, 6, 7}, 0x1234};
    const RecordBytes bytes = EncodeRecord(record);
    EXPECT_EQ(bytes, (RecordBytes{0x6A, 1, 2, 3, 4, 5, 6, 7, 0x34, 0x12}));
    EXPECT_EQ(DecodeRecord(bytes), record);

    // Types no builder writes still decode; the button number keeps to its five bits.
    const RecordBytes odd{0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    EXPECT_EQ(static_cast<int>(DecodeRecord(odd).type), 7);
    EXPECT_EQ(DecodeRecord(odd).buttonNumber, 31);
    EXPECT_EQ(EncodeRecord({RecordType::MouseUp, 0x25, {}, 0})[0], 0xA5);
}

TEST(SettingsReportBuild, FactorySettings)
{
    EXPECT_EQ(BuildSettingsReport(factorySettings()),
              (SettingsReport{0x03, 0x01, 0x02, 0x00, 0x04, 0x01, 0x01, 0x01}));
}

TEST(SettingsReportBuild, EachByteFollowsItsSettings)
{
    const struct {
        const char* what;
        std::vector<std::pair<Region, int32_t>> changes;
        int byte;
        uint8_t expected;
    } cases[] = {
        {"dpi level", {{XDpi, 5}}, 1, 5},
        {"dpi low byte", {{XDpi, 0x105}}, 1, 0x05},
        {"125 Hz", {{Rate125Hz, 1}, {Rate500Hz, 0}}, 2, 0},
        {"250 Hz", {{Rate250Hz, 1}, {Rate500Hz, 0}}, 2, 1},
        {"1000 Hz", {{Rate1000Hz, 1}, {Rate500Hz, 0}}, 2, 3},
        {"the first rate set wins", {{Rate125Hz, 1}, {Rate1000Hz, 1}}, 2, 0},
        {"no rate set", {{Rate500Hz, 0}}, 2, 0},
        {"breathing", {{Breathing, 1}}, 3, 0x01},
        {"breathing 2 is not on", {{Breathing, 2}}, 3, 0x00},
        {"colourful", {{Colorful, 1}, {SingleColor, 0}}, 3, 0x02},
        {"both", {{Colorful, 1}, {Breathing, 1}}, 3, 0x03},
        {"hshine level 0", {{HShine, 0}}, 4, 2},
        {"hshine level 7", {{HShine, 7}}, 4, 26},
        {"hshine below range", {{HShine, -4}}, 4, 2},
        {"hshine above range", {{HShine, 12}}, 4, 26},
        {"light 1", {{RLED, 16}}, 5, 16},
        {"light 2 low byte", {{YLED, 0x12C}}, 6, 0x2C},
        {"light 3 off still sends its level", {{GLED, 9}, {LightOff3, 1}}, 7, 9},
    };
    for (const auto& c : cases) {
        SettingsRecord settings = factorySettings();
        for (const auto& [region, value] : c.changes) {
            settings[region] = value;
        }
        EXPECT_EQ(BuildSettingsReport(settings)[c.byte], c.expected) << c.what;
    }
}

TEST(ButtonMapBuild, FactorySettings)
{
    const ButtonMapBuild build = BuildButtonMapReport(factorySettings());
    ASSERT_EQ(build.status, BuildStatus::Ok);
    EXPECT_EQ(build.overflowButton, 0);
    EXPECT_EQ(build.report[0], 4);
    EXPECT_EQ(at(build.report, 0, 2), (Bytes{0, 0}));
    EXPECT_EQ(buttonTable(build.report),
              (std::vector<uint16_t>{48, 58, 68, 78, 88, 98, 138, 148, 158}));
    EXPECT_EQ(at(build.report, 2, 4), (Bytes{48, 0, 58, 0})); // little-endian
    EXPECT_EQ(at(build.report, 20, 28), Bytes(28, 0));

    // clang-format off
    const Bytes data{
        0x22, 0x02, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,          // 48  button 2 RIGHT
        0x23, 0x04, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,          // 58  button 3 MID
        0x24, 0x08, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,          // 68  button 4 BACK
        0x25, 0x10, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,          // 78  button 5 FORWARD
        0x46, 0x00, 0, 0, 0, 0, 0, 0, 0x00, 0x00,          // 88  button 6 Switch DPI
        0x27, 0x01, 0, 0, 0, 0, 0, 0, 0x0F, 0x00,          // 98  button 7 DoubleClick: down
        0xA7, 0x01, 0, 0, 0, 0, 0, 0, 0x0F, 0x00,          //                           up
        0x27, 0x01, 0, 0, 0, 0, 0, 0, 0x0F, 0x00,          //                           down
        0xA7, 0x01, 0, 0, 0, 0, 0, 0, 0x0F, 0x00,          //                           up
        0x88, 0x00, 0x00, 0x02, 0, 0, 0, 0, 0x00, 0x00,    // 138 button 8 IE Key
        0x69, 0x08, 0, 0, 0, 0, 0, 0, 0x00, 0x00,          // 148 button 9 StartMenu
        0x6A, 0x04, 0x3D, 0, 0, 0, 0, 0, 0x00, 0x00,       // 158 button 10 Close Window
    };
    // clang-format on
    EXPECT_EQ(at(build.report, 48, static_cast<int>(data.size())), data);
    EXPECT_TRUE(zeroFrom(build.report, 168));
}

TEST(ButtonMapBuild, SingleRecordOfEachFunction)
{
    const struct {
        int32_t code;
        Bytes record; // with button number 2
    } cases[] = {
        {1, {0x22, 0x01, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {2, {0x22, 0x02, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {3, {0x22, 0x04, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {4, {0x22, 0x08, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {5, {0x22, 0x10, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {13, {0x62, 0x01, 0x06, 0, 0, 0, 0, 0, 0, 0}},
        {14, {0x62, 0x01, 0x19, 0, 0, 0, 0, 0, 0, 0}},
        {15, {0x62, 0x01, 0x1B, 0, 0, 0, 0, 0, 0, 0}},
        {16, {0x62, 0x01, 0x04, 0, 0, 0, 0, 0, 0, 0}},
        {17, {0x62, 0x01, 0x09, 0, 0, 0, 0, 0, 0, 0}},
        {18, {0x62, 0x01, 0x11, 0, 0, 0, 0, 0, 0, 0}},
        {19, {0x62, 0x01, 0x13, 0, 0, 0, 0, 0, 0, 0}},
        {20, {0x62, 0x01, 0x16, 0, 0, 0, 0, 0, 0, 0}},
        {21, {0x62, 0x01, 0x1D, 0, 0, 0, 0, 0, 0, 0}},
        {22, {0x82, 0x00, 0x00, 0x02, 0, 0, 0, 0, 0, 0}},
        {23, {0x62, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}},
        {24, {0x42, 0x01, 0, 0, 0, 0, 0, 0, 0, 0}},
        {25, {0x42, 0x02, 0, 0, 0, 0, 0, 0, 0, 0}},
        {26, {0x42, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}},
        {27, {0x62, 0x04, 0x2B, 0, 0, 0, 0, 0, 0, 0}},
        {28, {0x62, 0x04, 0x3D, 0, 0, 0, 0, 0, 0, 0}},
        {29, {0x62, 0x08, 0x08, 0, 0, 0, 0, 0, 0, 0}},
        {30, {0x62, 0x08, 0x15, 0, 0, 0, 0, 0, 0, 0}},
        {31, {0x62, 0x08, 0x07, 0, 0, 0, 0, 0, 0, 0}},
        {32, {0x62, 0x08, 0x0F, 0, 0, 0, 0, 0, 0, 0}},
        {33, {0x82, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}},
        {34, {0x82, 0x04, 0, 0, 0, 0, 0, 0, 0, 0}},
        {35, {0x82, 0x01, 0, 0, 0, 0, 0, 0, 0, 0}},
        {36, {0x82, 0x02, 0, 0, 0, 0, 0, 0, 0, 0}},
        {37, {0x82, 0x40, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {38, {0x82, 0x80, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {39, {0x82, 0x10, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ButtonMapBuild build = BuildButtonMapReport(onlyButton2(c.code));
        ASSERT_EQ(build.status, BuildStatus::Ok) << c.code;
        EXPECT_EQ(ButtonTableEntry(build.report, 1), 48) << c.code;
        EXPECT_EQ(at(build.report, 48, kRecordSize), c.record) << "code " << c.code;
        EXPECT_TRUE(zeroFrom(build.report, 58)) << c.code;
    }
}

TEST(ButtonMapBuild, CodesWithoutRecordsShiftNothing)
{
    for (int32_t code : {12, 9, 10, 11, 0, -5, 40, 1000}) {
        SettingsRecord settings = factorySettings();
        settings[Button4] = code;
        const ButtonMapBuild build = BuildButtonMapReport(settings);
        ASSERT_EQ(build.status, BuildStatus::Ok);
        EXPECT_EQ(buttonTable(build.report),
                  (std::vector<uint16_t>{48, 58, 0xFFFF, 68, 78, 88, 128, 138, 148}))
            << code;
        EXPECT_EQ(at(build.report, 6, 2), (Bytes{0xFF, 0xFF}));
        EXPECT_EQ(at(build.report, 68, 2), (Bytes{0x25, 0x10})) << "button 5 moves up";
    }
}

TEST(ButtonMapBuild, KeyCombinationOfAButton)
{
    SettingsRecord settings = onlyButton2(FunctionCode(ButtonFunction::Keyboard));
    settings.KeyCombo[1] = {70, 58, 46}; // LCtrl, LShift, A
    settings.KeyCombo[2] = {47};         // not used: button 3 is off
    const ButtonMapBuild build = BuildButtonMapReport(settings);
    EXPECT_EQ(at(build.report, 48, kRecordSize),
              (Bytes{0x62, 0x03, 0x04, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_TRUE(zeroFrom(build.report, 58));
}

TEST(ButtonMapBuild, MacroRecordsGetTheButtonNumber)
{
    SettingsRecord settings = factorySettings();
    // clang-format off
    const Bytes image{
        0x60, 0x00, 0x04, 0, 0, 0, 0, 0, 0x32, 0x00, // KeyDown A, then 50 ms
        0x60, 0x00, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00, // KeyDown nothing: all keys up
        0x3F, 0x01, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00, // MouseDown left, stray number bits
        0xA0, 0x01, 0xFF, 0, 0, 0, 0, 0, 0x00, 0x00, // MouseUp left, wheel down
    };
    // clang-format on
    settings[Button5] = FunctionCode(ButtonFunction::Macro);
    std::copy(image.begin(), image.end(), settings.MacroImage[4].begin());
    settings.MacroImageLength[4] = 40;

    const ButtonMapBuild build = BuildButtonMapReport(settings);
    ASSERT_EQ(build.status, BuildStatus::Ok);
    EXPECT_EQ(ButtonTableEntry(build.report, 4), 78);
    EXPECT_EQ(ButtonTableEntry(build.report, 5), 118) << "button 6 follows the 40 bytes";
    Bytes expected = image;
    for (size_t record = 0; record < 4; ++record) {
        expected[record * kRecordSize] =
            static_cast<uint8_t>((image[record * kRecordSize] & 0xE0) | 5);
    }
    EXPECT_EQ(at(build.report, 78, 40), expected);
}

TEST(ButtonMapBuild, MacroLengthsAreWholeRecordsWithinTheImage)
{
    const struct {
        int32_t length;
        int sent;
    } cases[] = {
        {0, 0}, {10, 10}, {15, 10}, {250, 250}, {255, 250}, {10000, 250}, {-10, 0},
    };
    for (const auto& c : cases) {
        SettingsRecord settings = factorySettings();
        setMacro(settings, 3, kMaxMacroRecords);
        settings.MacroImageLength[3] = c.length;
        EXPECT_EQ(ButtonRecordLength(settings, 3), c.sent) << c.length;
        const ButtonMapBuild build = BuildButtonMapReport(settings);
        ASSERT_EQ(build.status, BuildStatus::Ok);
        // Button 4's address, then button 5's right after the bytes sent.
        EXPECT_EQ(ButtonTableEntry(build.report, 3), 68);
        EXPECT_EQ(ButtonTableEntry(build.report, 4), 68 + c.sent) << c.length;
    }
}

TEST(ButtonMapBuild, DataAreaFilledExactly)
{
    SettingsRecord settings = factorySettings();
    for (int button = 1; button <= 8; ++button) {
        setMacro(settings, button, kMaxMacroRecords);
    }
    settings[Button10] = FunctionCode(ButtonFunction::ButtonClose);
    const ButtonMapBuild build = BuildButtonMapReport(settings);
    ASSERT_EQ(build.status, BuildStatus::Ok);
    EXPECT_EQ(ButtonTableEntry(build.report, 8), 48 + 7 * 250);
    EXPECT_EQ(ButtonTableEntry(build.report, 9), 0xFFFF);
    // The last record of button 9 ends on the report's last byte.
    EXPECT_EQ(at(build.report, 2038, 10), (Bytes{0x69, 0x00, 0x04, 0, 0, 0, 0, 0, 0x02, 0x01}));
}

TEST(ButtonMapBuild, RecordsThatDoNotFitAreRefused)
{
    const struct {
        const char* what;
        int32_t button10;
        int button10Records;
    } cases[] = {
        {"nine full macros", FunctionCode(ButtonFunction::Macro), kMaxMacroRecords},
        {"one record past a full area", FunctionCode(ButtonFunction::Left), 0},
        {"a double click past a full area", FunctionCode(ButtonFunction::DoubleClick), 0},
    };
    for (const auto& c : cases) {
        SettingsRecord settings = factorySettings();
        for (int button = 1; button <= 8; ++button) {
            setMacro(settings, button, kMaxMacroRecords);
        }
        settings[Button10] = c.button10;
        if (c.button10Records > 0) {
            setMacro(settings, 9, c.button10Records);
        }
        EXPECT_GT(ButtonRecordLength(settings, 9), 0) << c.what;
        const ButtonMapBuild build = BuildButtonMapReport(settings);
        EXPECT_EQ(build.status, BuildStatus::DoesNotFit) << c.what;
        EXPECT_EQ(build.overflowButton, 10) << c.what;
    }
}

} // namespace
} // namespace bexlan
