#include "model/report_decoder.h"

#include "model/button_functions.h"
#include "model/macro_conversion.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace bexlan {
namespace {

constexpr KeyIndex kA = 46;
constexpr KeyIndex kC = 61;
constexpr KeyIndex kF4 = 5;
constexpr KeyIndex kLCtrl = 70;
constexpr KeyIndex kLShift = 58;
constexpr KeyIndex kLAlt = 72;

int32_t code(ButtonFunction function)
{
    return FunctionCode(function);
}

// A report 4 written by hand: table entries and records at data addresses.
struct HandReport {
    ButtonMapReport bytes{};

    HandReport() { bytes[0] = kButtonMapReportId; }

    // Entry of button `button` (1..10).
    HandReport& Entry(int button, uint16_t address)
    {
        const int at = 2 * (button - 1) + 1;
        bytes[static_cast<std::size_t>(at)] = static_cast<uint8_t>(address & 0xFF);
        bytes[static_cast<std::size_t>(at + 1)] = static_cast<uint8_t>(address >> 8);
        return *this;
    }
    // All entries of buttons 2..10 set to FF FF (no record).
    HandReport& NoRecords()
    {
        for (int button = 2; button <= 10; ++button)
            Entry(button, kNoRecordAddress);
        return *this;
    }
    HandReport& Record(int address, const RecordBytes& record)
    {
        std::copy(record.begin(), record.end(), bytes.begin() + address + 1);
        return *this;
    }
};

struct Decoded {
    SettingsRecord settings;
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
    ButtonMapDecode result;
};

Decoded decode(std::span<const uint8_t> report)
{
    Decoded d;
    ResetToDefaults(d.settings);
    d.result = DecodeButtonMapReport(report, d.settings, *d.library);
    return d;
}

MacroRecord macroOf(const std::vector<MacroEvent>& events)
{
    MacroRecord macro;
    for (const MacroEvent& event : events)
        macro.Append(event);
    return macro;
}

TEST(SettingsReportDecodeTest, TakesEveryFieldItKnows)
{
    struct Case {
        const char* name;
        SettingsReport report;
        std::vector<std::pair<Region, int32_t>> expected;
        // Unknown codes and dark lights have no setting that sends them back.
        bool sentBackAsRead = true;
    };
    const std::vector<Case> cases = {
        {"factory upload",
         {3, 1, 2, 0, 4, 1, 1, 1},
         {{XDpi, 1},
          {Rate125Hz, 0},
          {Rate500Hz, 1},
          {Breathing, 0},
          {SingleColor, 1},
          {Colorful, 0},
          {HShine, 1},
          {RLED, 1},
          {AlwaysOn1, 1},
          {LightOff1, 0},
          {AlwaysOn3, 1}}},
        {"every bit set",
         {3, 5, 3, 3, 26, 16, 9, 2},
         {{XDpi, 5},
          {Rate1000Hz, 1},
          {Rate500Hz, 0},
          {Breathing, 1},
          {Colorful, 1},
          {SingleColor, 0},
          {HShine, 7},
          {RLED, 16},
          {YLED, 9},
          {GLED, 2}}},
        {"unknown codes leave rate and HShine alone",
         {3, 0, 7, 0, 5, 0, 0, 0},
         {{Rate500Hz, 1}, {Rate1000Hz, 0}, {HShine, 1}},
         false},
        {"dark lights keep their levels",
         {3, 0, 0, 0, 2, 0, 0, 0},
         {{Rate125Hz, 1},
          {HShine, 0},
          {LightOff1, 1},
          {AlwaysOn1, 0},
          {LightOff2, 1},
          {LightOff3, 1},
          {RLED, 1},
          {GLED, 1}},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsRecord settings;
        ResetToDefaults(settings);
        DecodeSettingsReport(c.report, settings);
        for (const auto& [region, value] : c.expected)
            EXPECT_EQ(settings[region], value) << region;
        if (c.sentBackAsRead) {
            EXPECT_EQ(BuildSettingsReport(settings), c.report);
        }
    }
}

TEST(ButtonMapDecodeTest, FactoryUploadReadsBackToTheFactoryFunctions)
{
    SettingsRecord factory;
    ResetToDefaults(factory);
    const ButtonMapBuild build = BuildButtonMapReport(factory);
    ASSERT_EQ(build.status, BuildStatus::Ok);

    Decoded d;
    d.library->MacroCount = 3; // what a read-back replaces
    d.library->MacroNames[0] = "old";
    d.result = DecodeButtonMapReport(build.report, d.settings, *d.library);
    for (int b = 0; b < kButtonCount; ++b)
        EXPECT_EQ(d.settings.RegionValues[b], code(FactoryFunctions[b])) << b;
    EXPECT_EQ(d.settings.KeyCombo[9], (KeyCombination{kLAlt, kF4}));
    EXPECT_EQ(d.library->MacroCount, 0u);
    EXPECT_EQ(d.library->MacroNames[0], "");
    EXPECT_EQ(d.result.macroButtons, 0);
}

TEST(ButtonMapDecodeTest, ReadBackExamples)
{
    // Each report maps button 2 and closes the others.
    struct Case {
        const char* name;
        std::vector<RecordBytes> records;
        int32_t function;
        KeyCombination keys;
    };
    const std::vector<Case> cases = {
        {"catalogue shortcut", {{0x62, 0x01, 0x06, 0, 0, 0, 0, 0, 0x00, 0x00}}, 13, {kLCtrl, kC}},
        {"key combination",
         {{0x62, 0x03, 0x04, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
         7,
         {kLCtrl, kLShift, kA}},
        {"combination that looks like a shortcut",
         {{0x62, 0x01, 0x06, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
         7,
         {kLCtrl, kC}},
        {"fourteen keys keep ten",
         {{0x62, 0xFF, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xFF, 0xFF}},
         7,
         {70, 58, 72, 71, 77, 69, 74, 75, kA, 63}},
        {"single left press", {{0x22, 0x01, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}}, 1, {}},
        {"volume up", {{0x82, 0x40, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}}, 37, {}},
        {"unknown media key leaves the factory function",
         {{0x82, 0x00, 0x20, 0, 0, 0, 0, 0, 0, 0}},
         2,
         {}},
        {"DPI down", {{0x42, 0x02, 0, 0, 0, 0, 0, 0, 0, 0}}, 25, {}},
        {"double click",
         {{0x22, 1, 0, 0, 0, 0, 0, 0, 0x0F, 0},
          {0xA2, 1, 0, 0, 0, 0, 0, 0, 0x0F, 0},
          {0x22, 1, 0, 0, 0, 0, 0, 0, 0x0F, 0},
          {0xA2, 1, 0, 0, 0, 0, 0, 0, 0x0F, 0}},
         6,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HandReport report;
        report.NoRecords().Entry(2, 48);
        for (std::size_t i = 0; i < c.records.size(); ++i)
            report.Record(48 + 10 * static_cast<int>(i), c.records[i]);

        const Decoded d = decode(report.bytes);
        EXPECT_EQ(d.settings[Button1], 1);
        EXPECT_EQ(d.settings[Button2], c.function);
        EXPECT_EQ(d.settings.KeyCombo[1], c.keys);
        EXPECT_EQ(d.settings[Button3], 12);
        EXPECT_EQ(d.result.macroButtons, 0);
    }
}

TEST(ButtonMapDecodeTest, MacroRecordsBecomeALibraryMacroAndTheButtonsImage)
{
    // Button 2: press A with 50 ms after it, then a record of no key. Button 3: one wheel
    // step, which no single click has.
    HandReport report;
    report.NoRecords().Entry(2, 48).Entry(3, 68);
    report.Record(48, {0x62, 0x00, 0x04, 0, 0, 0, 0, 0, 0x32, 0x00});
    report.Record(58, {0x62, 0x00, 0x00, 0, 0, 0, 0, 0, 0x00, 0x00});
    report.Record(68, {0x23, 0x00, 0x01, 0, 0, 0, 0, 0, 0x00, 0x00});

    const Decoded d = decode(report.bytes);
    EXPECT_EQ(d.settings[Button2], 8);
    EXPECT_EQ(d.settings[Button3], 8);
    ASSERT_EQ(d.library->MacroCount, 2u);
    EXPECT_EQ(d.library->SelectedMacro, 2);
    EXPECT_EQ(d.library->MacroSlots[0],
              macroOf({MacroEvent::KeyDown({kA}), MacroEvent::Delay(50), MacroEvent::KeyUp({kA})}));
    EXPECT_EQ(d.library->MacroSlots[0].sizeCounter, 11);
    EXPECT_EQ(d.library->MacroSlots[1], macroOf({MacroEvent::MouseDown(0, kMacroWheelUp)}));
    EXPECT_EQ(d.library->MacroNames[0], "Macro 1");
    EXPECT_EQ(d.library->MacroNames[1], "Macro 2");

    // The images are the records without the button number, ready to be sent again.
    EXPECT_EQ(d.settings.MacroImageLength[1], 20);
    EXPECT_EQ(d.settings.MacroImage[1][0], 0x60);
    EXPECT_EQ(d.settings.MacroImage[1][8], 0x32);
    EXPECT_EQ(d.settings.MacroImageLength[2], 10);
    EXPECT_EQ(d.settings.MacroImage[2][0], 0x20);
    EXPECT_EQ(d.result.macroButtons, 2);
    EXPECT_EQ(d.result.macrosStored, 2);
}

// A configuration that uses every kind of record this system writes.
SettingsRecord everyKindOfButton()
{
    SettingsRecord s;
    ResetToDefaults(s);
    auto macro = [&](int button, const MacroRecord& record) {
        s.RegionValues[static_cast<std::size_t>(button)] = code(ButtonFunction::Macro);
        AssignMacroImage(s, button, record);
    };
    s[Button2] = code(ButtonFunction::Keyboard);
    s.KeyCombo[1] = {kLCtrl, kC};
    macro(2, macroOf({MacroEvent::KeyDown({kLCtrl, kA}), MacroEvent::Delay(50),
                      MacroEvent::KeyUp({kLCtrl, kA}), MacroEvent::Delay(0xFFFF),
                      MacroEvent::MouseDown(kMacroLeftButton),
                      MacroEvent::MouseUp(kMacroLeftButton)}));
    macro(3, macroOf({MacroEvent::MouseDown(0, kMacroWheelDown)}));
    macro(4, macroOf({MacroEvent::DpiStep(1), MacroEvent::Delay(20), MacroEvent::DpiStep(0)}));
    macro(5, MacroRecord{}); // no records: shares its address with the next button
    s[Button7] = code(ButtonFunction::DpiDown);
    macro(7, macroOf({MacroEvent::KeyDown({kA})})); // one press without a delay
    s[Button9] = code(ButtonFunction::ButtonClose);
    std::vector<MacroEvent> long_;
    for (int i = 0; i < 25; ++i)
        long_.push_back(MacroEvent::MouseUp(kMacroRightButton));
    macro(9, macroOf(long_)); // the last button is measured by its button numbers
    return s;
}

TEST(ButtonMapDecodeTest, WhatThisSystemSendsReadsBackAsSent)
{
    std::vector<std::pair<std::string, SettingsRecord>> cases = {
        {"every kind", everyKindOfButton()}};
    for (int32_t c = kFirstFunctionCode; c <= kLastFunctionCode; ++c) {
        if (c == 8 || (c >= 9 && c <= 11))
            continue;
        SettingsRecord s;
        ResetToDefaults(s);
        for (int b = 1; b < kButtonCount; ++b) {
            s.RegionValues[static_cast<std::size_t>(b)] = c;
            s.KeyCombo[static_cast<std::size_t>(b)] = {kLShift, static_cast<KeyIndex>(17 + b)};
        }
        cases.emplace_back("all buttons " + std::to_string(c), s);
    }

    for (const auto& [name, sent] : cases) {
        SCOPED_TRACE(name);
        const ButtonMapBuild build = BuildButtonMapReport(sent);
        ASSERT_EQ(build.status, BuildStatus::Ok);
        const Decoded d = decode(build.report);

        for (int b = 1; b < kButtonCount; ++b) {
            const auto i = static_cast<std::size_t>(b);
            EXPECT_EQ(d.settings.RegionValues[i], sent.RegionValues[i]) << "button " << b + 1;
            if (sent.RegionValues[i] == code(ButtonFunction::Keyboard)) {
                EXPECT_EQ(d.settings.KeyCombo[i], sent.KeyCombo[i]) << "button " << b + 1;
            }
            if (sent.RegionValues[i] == code(ButtonFunction::Macro)) {
                EXPECT_EQ(d.settings.MacroImageLength[i], sent.MacroImageLength[i]) << b + 1;
                EXPECT_EQ(d.settings.MacroImage[i], sent.MacroImage[i]) << "button " << b + 1;
            }
        }
        EXPECT_EQ(BuildButtonMapReport(d.settings).report, build.report);
    }

    // The macros of the library are the events that were sent.
    const Decoded d = decode(BuildButtonMapReport(everyKindOfButton()).report);
    ASSERT_EQ(d.library->MacroCount, 5u); // the empty macro is no library entry
    EXPECT_EQ(d.library->MacroSlots[2],
              macroOf({MacroEvent::DpiStep(1), MacroEvent::Delay(20), MacroEvent::DpiStep(0)}));
    EXPECT_EQ(d.library->MacroSlots[3], macroOf({MacroEvent::KeyDown({kA})}));
    EXPECT_EQ(d.library->MacroSlots[4].eventCount, 25);
}

// Invariants every decode keeps, whatever the report says.
void expectSane(const Decoded& d)
{
    EXPECT_LE(d.library->MacroCount, kMaxMacroCount);
    EXPECT_EQ(d.library->SelectedMacro, static_cast<int32_t>(d.library->MacroCount));
    for (int b = 0; b < kButtonCount; ++b) {
        const int32_t length = d.settings.MacroImageLength[static_cast<std::size_t>(b)];
        EXPECT_TRUE(length >= 0 && length <= kMaxMacroImageLength && length % 10 == 0) << length;
        const int32_t function = d.settings.RegionValues[static_cast<std::size_t>(b)];
        EXPECT_TRUE(function >= kFirstFunctionCode && function <= kLastFunctionCode) << function;
    }
    for (const MacroRecord& macro : d.library->MacroSlots)
        EXPECT_TRUE(macro.eventCount >= 0 && macro.eventCount <= kMacroEventSlots);
}

TEST(ButtonMapDecodeTest, HostileReportsAreReadWithinTheirBytes)
{
    std::vector<std::pair<const char*, HandReport>> cases;
    {
        HandReport r;
        for (int button = 1; button <= 10; ++button)
            r.Entry(button, 0xFFF0);
        cases.emplace_back("addresses past the end", r);
    }
    {
        HandReport r;
        r.Entry(2, 2000).Entry(3, 48).Entry(4, 60000).Entry(5, 1);
        cases.emplace_back("lengths backwards and far too long", r);
    }
    {
        // Button 10 counted by its number up to the last byte, the last record cut short.
        HandReport r;
        r.NoRecords().Entry(10, 1045);
        for (int a = 48; a < 2048; ++a)
            r.bytes[static_cast<std::size_t>(a) + 1] = 0x2A;
        cases.emplace_back("records to the end of the report", r);
    }
    {
        HandReport r;
        std::fill(r.bytes.begin() + 1, r.bytes.end(), 0xFF);
        cases.emplace_back("all bits set", r);
    }
    cases.emplace_back("all zero", HandReport{});
    for (const auto& [name, report] : cases) {
        SCOPED_TRACE(name);
        expectSane(decode(report.bytes));
    }

    // Reports shorter than they should be are read as far as they go.
    const ButtonMapReport factory = BuildButtonMapReport([] {
                                        SettingsRecord s;
                                        ResetToDefaults(s);
                                        return s;
                                    }())
                                        .report;
    for (std::size_t size : {0u, 1u, 21u, 60u, 100u, 2048u}) {
        SCOPED_TRACE(size);
        expectSane(decode(std::span<const uint8_t>(factory.data(), size)));
    }

    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        HandReport r;
        for (std::size_t j = 1; j < r.bytes.size(); ++j)
            r.bytes[j] = static_cast<uint8_t>(random());
        // Small addresses, so the random records are actually walked.
        for (int button = 1; button <= 10; ++button)
            r.Entry(button, static_cast<uint16_t>(random() % 2100));
        expectSane(decode(r.bytes));
    }
}

TEST(ButtonMapDecodeTest, OversizedMacrosAreCutToWhatARecordAndAnImageHold)
{
    // Button 2 claims the whole data area: 200 presses, each with a delay.
    HandReport r;
    r.NoRecords().Entry(2, 48);
    for (int a = 48; a < 2048; a += 10)
        r.Record(a, {0x22, 0x01, 0, 0, 0, 0, 0, 0, 0x05, 0x00});
    r.Entry(3, 2048); // end of the data area

    const Decoded d = decode(r.bytes);
    EXPECT_EQ(d.settings[Button2], 8);
    EXPECT_EQ(d.library->MacroSlots[0].eventCount, 256);
    EXPECT_EQ(d.library->MacroSlots[0].sizeCounter, 255);
    EXPECT_EQ(d.result.droppedEvents, 400 - 256);
    EXPECT_EQ(d.settings.MacroImageLength[1], 250);
    EXPECT_EQ(d.result.cutMacroImages, 1);
}

} // namespace
} // namespace bexlan
