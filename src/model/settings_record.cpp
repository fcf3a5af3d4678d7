#include "model/settings_record.h"

#include <algorithm>
#include <limits>

namespace bexlan {

namespace {

using K = SettingKind;
using G = RadioGroup;

constexpr int32_t kLastCode = 39;
constexpr int32_t kLastColour = 0x00FFFFFF;

constexpr SettingEntry function(Region region, std::string_view name, int32_t code)
{
    return {region, name, code, K::Function, 1, kLastCode, G::None};
}

constexpr SettingEntry radio(Region region, std::string_view name, RadioGroup group,
                             int32_t selected)
{
    return {region, name, selected, K::Radio, 0, 1, group};
}

constexpr SettingEntry toggle(Region region, std::string_view name)
{
    return {region, name, 0, K::Toggle, 0, 1, G::None};
}

constexpr SettingEntry level(Region region, std::string_view name, int32_t maximum, int32_t value)
{
    return {region, name, value, K::Level, 0, maximum, G::None};
}

constexpr SettingEntry colour(Region region, std::string_view name, int32_t value)
{
    return {region, name, value, K::Colour, 0, kLastColour, G::None};
}

} // namespace

const std::array<SettingEntry, kSettingEntryCount> SettingEntries{{
    function(Button1, "Button1", 1),
    function(Button2, "Button2", 2),
    function(Button3, "Button3", 3),
    function(Button4, "Button4", 4),
    function(Button5, "Button5", 5),
    function(Button6, "Button6", 26),
    function(Button7, "Button7", 6),
    function(Button8, "Button8", 22),
    function(Button9, "Button9", 23),
    function(Button10, "Button10", 28),
    radio(SingleColor, "SingleColor", G::LightMode, 1),
    radio(Colorful, "Colorful", G::LightMode, 0),
    toggle(Breathing, "Breathing"),
    radio(Rate125Hz, "Rate125Hz", G::ReportRate, 0),
    radio(Rate250Hz, "Rate250Hz", G::ReportRate, 0),
    radio(Rate500Hz, "Rate500Hz", G::ReportRate, 1),
    radio(Rate1000Hz, "Rate1000Hz", G::ReportRate, 0),
    radio(LightOff1, "LightOff1", G::Light1, 1),
    radio(AlwaysOn1, "AlwaysOn1", G::Light1, 0),
    radio(LightOff2, "LightOff2", G::Light2, 1),
    radio(AlwaysOn2, "AlwaysOn2", G::Light2, 0),
    radio(LightOff3, "LightOff3", G::Light3, 1),
    radio(AlwaysOn3, "AlwaysOn3", G::Light3, 0),
    level(HShine, "HShine", 7, 1),
    level(RLED, "RLED", 16, 1),
    level(YLED, "YLED", 16, 1),
    level(GLED, "GLED", 16, 1),
    level(SpareLevel1, "SpareLevel1", 9, 9),
    level(SpareLevel2, "SpareLevel2", 9, 9),
    level(SpareLevel3, "SpareLevel3", 9, 9),
    level(XDpi, "XDpi", 5, 1),
    toggle(EnhancedPrecision, "EnhancedPrecision"),
    radio(WheelLines, "WheelLines", G::WheelMode, 1),
    radio(WheelScreen, "WheelScreen", G::WheelMode, 0),
    level(XSpeed, "XSpeed", 9, 4),
    level(XScroll, "XScroll", 9, 2),
    level(XDblClk, "XDblClk", 9, 4),
    radio(BrightHigh, "BrightHigh", G::Brightness, 1),
    radio(BrightMiddle, "BrightMiddle", G::Brightness, 0),
    radio(BrightLow, "BrightLow", G::Brightness, 0),
    radio(BrightOff, "BrightOff", G::Brightness, 0),
    radio(BreathQuick, "BreathQuick", G::BreathingSpeed, 1),
    radio(BreathMiddle, "BreathMiddle", G::BreathingSpeed, 0),
    radio(BreathSlow, "BreathSlow", G::BreathingSpeed, 0),
    radio(BreathOff, "BreathOff", G::BreathingSpeed, 0),
    // Colours are 0x00BBGGRR.
    colour(C0, "C0", 0x00FF0000),
    colour(C1, "C1", 0x000000FF),
    colour(C2, "C2", 0x0000FF00),
    colour(C3, "C3", 0x00FF0000),
    colour(C4, "C4", 0x00FF00FF),
    colour(C5, "C5", 0x0000FFFF),
    colour(C6, "C6", 0x00FFFF00),
    colour(C7, "C7", 0x00FFFFFF),
    colour(C8, "C8", 0x00000000),
    radio(Settings1, "Settings1", G::Profile, 0),
    radio(Settings2, "Settings2", G::Profile, 0),
    radio(Settings3, "Settings3", G::Profile, 0),
    radio(Settings4, "Settings4", G::Profile, 0),
    radio(Settings5, "Settings5", G::Profile, 0),
    radio(BasicPage, "BasicPage", G::Page, 1),
    radio(AdvancedPage, "AdvancedPage", G::Page, 0),
    radio(ColorPage, "ColorPage", G::Page, 0),
}};

const std::array<int32_t, kRegionCount> DefaultSettings = [] {
    std::array<int32_t, kRegionCount> values{};
    for (const SettingEntry& entry : SettingEntries) {
        values[entry.region] = entry.defaultValue;
    }
    return values;
}();

const std::array<uint16_t, 8> HShineCodes{2, 4, 6, 8, 11, 15, 20, 26};

uint16_t HShineCode(int32_t level)
{
    const int32_t last = static_cast<int32_t>(HShineCodes.size()) - 1;
    return HShineCodes[static_cast<size_t>(std::clamp(level, 0, last))];
}

const SettingEntry* FindSetting(int region)
{
    for (const SettingEntry& entry : SettingEntries) {
        if (entry.region == region) {
            return &entry;
        }
    }
    return nullptr;
}

const SettingEntry* FindSetting(std::string_view name)
{
    for (const SettingEntry& entry : SettingEntries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

void ResetToDefaults(SettingsRecord& record)
{
    record.RegionValues = DefaultSettings;
}

void ClearKeysAndMacros(SettingsRecord& record)
{
    record.KeyCombo = {};
    record.MacroImage = {};
    record.MacroImageLength = {};
}

namespace {

constexpr Region kLightModeMembers[] = {SingleColor, Colorful};
constexpr Region kReportRateMembers[] = {Rate125Hz, Rate250Hz, Rate500Hz, Rate1000Hz};
constexpr Region kLight1Members[] = {LightOff1, AlwaysOn1};
constexpr Region kLight2Members[] = {LightOff2, AlwaysOn2};
constexpr Region kLight3Members[] = {LightOff3, AlwaysOn3};
constexpr Region kWheelModeMembers[] = {WheelLines, WheelScreen};
constexpr Region kBrightnessMembers[] = {BrightHigh, BrightMiddle, BrightLow, BrightOff};
constexpr Region kBreathingMembers[] = {BreathQuick, BreathMiddle, BreathSlow, BreathOff};
constexpr Region kProfileMembers[] = {Settings1, Settings2, Settings3, Settings4, Settings5};
constexpr Region kPageMembers[] = {BasicPage, AdvancedPage, ColorPage};

} // namespace

RadioGroup RadioGroupOf(int region)
{
    const SettingEntry* entry = FindSetting(region);
    return entry != nullptr ? entry->group : RadioGroup::None;
}

std::span<const Region> RadioGroupMembers(RadioGroup group)
{
    switch (group) {
    case RadioGroup::None:
        return {};
    case RadioGroup::LightMode:
        return kLightModeMembers;
    case RadioGroup::ReportRate:
        return kReportRateMembers;
    case RadioGroup::Light1:
        return kLight1Members;
    case RadioGroup::Light2:
        return kLight2Members;
    case RadioGroup::Light3:
        return kLight3Members;
    case RadioGroup::WheelMode:
        return kWheelModeMembers;
    case RadioGroup::Brightness:
        return kBrightnessMembers;
    case RadioGroup::BreathingSpeed:
        return kBreathingMembers;
    case RadioGroup::Profile:
        return kProfileMembers;
    case RadioGroup::Page:
        return kPageMembers;
    }
    return {};
}

EditResult SelectRadio(SettingsRecord& record, int region)
{
    const RadioGroup group = RadioGroupOf(region);
    if (group == RadioGroup::None) {
        return EditResult::NotApplicable;
    }
    EditResult result = EditResult::Unchanged;
    for (Region member : RadioGroupMembers(group)) {
        const int32_t wanted = member == region ? 1 : 0;
        if (record[member] != wanted) {
            record[member] = wanted;
            result = EditResult::Changed;
        }
    }
    return result;
}

EditResult Toggle(SettingsRecord& record, int region)
{
    const SettingEntry* entry = FindSetting(region);
    if (entry == nullptr || entry->kind != SettingKind::Toggle) {
        return EditResult::NotApplicable;
    }
    int32_t& value = record[entry->region];
    value = value == 0 ? 1 : 0;
    return EditResult::Changed;
}

const std::array<Stepper, 11> Steppers{{
    {17, 18, HShine, 7, kNoRegion},
    {26, 27, RLED, 16, kNoRegion},
    {30, 31, YLED, 16, kNoRegion},
    {34, 35, GLED, 16, kNoRegion},
    {40, 41, SpareLevel1, 9, 48},
    {42, 43, SpareLevel2, 9, 49},
    {44, 45, SpareLevel3, 9, 50},
    {46, 47, XDpi, 5, 51},
    {72, 73, XSpeed, 9, 78},
    {74, 75, XScroll, 9, 79},
    {76, 77, XDblClk, 9, 80},
}};

EditResult Step(SettingsRecord& record, int valueRegion, StepDirection direction)
{
    const auto stepper = std::find_if(Steppers.begin(), Steppers.end(),
                                      [&](const Stepper& s) { return s.value == valueRegion; });
    if (stepper == Steppers.end()) {
        return EditResult::NotApplicable;
    }
    int32_t& value = record[stepper->value];
    if (direction == StepDirection::Up && value < stepper->maximum) {
        ++value;
        return EditResult::Changed;
    }
    if (direction == StepDirection::Down && value > 0) {
        --value;
        return EditResult::Changed;
    }
    return EditResult::Unchanged;
}

std::optional<StepperArrow> FindStepperArrow(int arrowRegion)
{
    for (const Stepper& stepper : Steppers) {
        if (stepper.upRegion == arrowRegion) {
            return StepperArrow{&stepper, StepDirection::Up};
        }
        if (stepper.downRegion == arrowRegion) {
            return StepperArrow{&stepper, StepDirection::Down};
        }
    }
    return std::nullopt;
}

namespace {

constexpr int32_t kMinSpeed = 1;
constexpr int32_t kMaxSpeed = 20;
constexpr int64_t kMinDoubleClickMs = 100;
constexpr int64_t kMaxDoubleClickMs = 5000;

int32_t saturate(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

WindowsPointerValues PointerValuesFromRecord(const SettingsRecord& record)
{
    // 64-bit arithmetic: the steps may hold any value a profile or the desktop gave.
    WindowsPointerValues values{};
    values.speed = static_cast<int32_t>(
        std::clamp<int64_t>(2 * int64_t{record[XSpeed]} + 2, kMinSpeed, kMaxSpeed));
    // WheelLines is not consulted: WheelScreen alone decides.
    if (record[WheelScreen] != 0) {
        values.wheelLines = kWheelScrollsScreen;
    } else {
        values.wheelLines = std::max(0, saturate(int64_t{record[XScroll]} + 1));
    }
    const int64_t ms = std::clamp<int64_t>((9 - int64_t{record[XDblClk]}) * 80 + 200,
                                           kMinDoubleClickMs, kMaxDoubleClickMs);
    values.doubleClickMs = static_cast<uint32_t>(ms / 50 * 50);
    return values;
}

void TakePointerValues(SettingsRecord& record, const WindowsPointerValues& values)
{
    record[XSpeed] = values.speed / 2 - 1;
    if (values.wheelLines == kWheelScrollsScreen) {
        record[WheelScreen] = 1;
        record[WheelLines] = 0;
    } else {
        record[WheelScreen] = 0;
        record[WheelLines] = 1;
        record[XScroll] = saturate(int64_t{values.wheelLines} - 1);
    }
    // Times below 200 ms are faster than step 9 itself; the unsigned subtraction below
    // would wrap them into a huge negative step that applies back as the slowest time.
    if (values.doubleClickMs < 200u) {
        record[XDblClk] = 9;
        return;
    }
    const uint32_t steps = (values.doubleClickMs - 200u) / 75u;
    int64_t step = 9 - int64_t{steps};
    if (step == -1) {
        step = 0;
    }
    record[XDblClk] = static_cast<int32_t>(step);
}

} // namespace bexlan
