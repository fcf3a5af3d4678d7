#pragma once

#include "model/key_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bexlan {

// One value per region of the main window; region 131 means "no region".
inline constexpr int kRegionCount = 131;
inline constexpr int kNoRegion = 131;

inline constexpr int kButtonCount = 10;
inline constexpr int kMacroImageSize = 255;
// Whole 10-byte records that fit in a macro image.
inline constexpr int kMaxMacroRecords = 25;
inline constexpr int kMaxMacroImageLength = 10 * kMaxMacroRecords;

// Indices of RegionValues that carry a setting or state. The region with the same number
// shows or changes the value, and its label is the value's key in a profile file.
enum Region : int {
    Button1 = 0,
    Button2 = 1,
    Button3 = 2,
    Button4 = 3,
    Button5 = 4,
    Button6 = 5,
    Button7 = 6,
    Button8 = 7,
    Button9 = 8,
    Button10 = 9,
    SingleColor = 14,
    Colorful = 15,
    Breathing = 16,
    Rate125Hz = 20,
    Rate250Hz = 21,
    Rate500Hz = 22,
    Rate1000Hz = 23,
    LightOff1 = 24,
    AlwaysOn1 = 25,
    LightOff2 = 28,
    AlwaysOn2 = 29,
    LightOff3 = 32,
    AlwaysOn3 = 33,
    HShine = 36,
    RLED = 37,
    YLED = 38,
    GLED = 39,
    // Three levels with steppers but no visible region; never saved or sent.
    SpareLevel1 = 52,
    SpareLevel2 = 53,
    SpareLevel3 = 54,
    XDpi = 55,
    EnhancedPrecision = 69,
    WheelLines = 70,
    WheelScreen = 71,
    XSpeed = 82,
    XScroll = 83,
    XDblClk = 84,
    BrightHigh = 88,
    BrightMiddle = 89,
    BrightLow = 90,
    BrightOff = 91,
    BreathQuick = 92,
    BreathMiddle = 93,
    BreathSlow = 94,
    BreathOff = 95,
    C0 = 104,
    C1 = 105,
    C2 = 106,
    C3 = 107,
    C4 = 108,
    C5 = 109,
    C6 = 110,
    C7 = 111,
    C8 = 112,
    Settings1 = 115,
    Settings2 = 116,
    Settings3 = 117,
    Settings4 = 118,
    Settings5 = 119,
    BasicPage = 125,
    AdvancedPage = 126,
    ColorPage = 127,
};

// The region that shows the function of button `buttonIndex` (0..9, button 1..10).
constexpr Region ButtonRegion(int buttonIndex)
{
    return static_cast<Region>(Button1 + buttonIndex);
}

struct SettingsRecord {
    // Settings and UI flags by region number; see SettingEntries.
    std::array<int32_t, kRegionCount> RegionValues{};
    // Per button (index 0..9): the combination sent by the "Keyboard" function.
    std::array<KeyCombination, kButtonCount> KeyCombo{};
    // Per button: its macro as 10-byte device records with button number 0.
    std::array<std::array<uint8_t, kMacroImageSize>, kButtonCount> MacroImage{};
    // Per button: bytes of MacroImage in use, a multiple of 10.
    std::array<int32_t, kButtonCount> MacroImageLength{};
    // The macro file that belongs to the profile; UTF-8.
    std::string MacroFilePath;

    int32_t& operator[](Region region) { return RegionValues[region]; }
    int32_t operator[](Region region) const { return RegionValues[region]; }
};

// How an entry is edited on screen.
enum class SettingKind { Function, Radio, Toggle, Level, Colour };

// Radio groups: selecting one member clears the others.
enum class RadioGroup {
    None,
    LightMode,
    ReportRate,
    Light1,
    Light2,
    Light3,
    WheelMode,
    Brightness,
    BreathingSpeed,
    Profile,
    Page,
};

struct SettingEntry {
    Region region;
    std::string_view name; // the entry's own name, e.g. "XDpi"
    int32_t defaultValue;
    SettingKind kind;
    int32_t minimum; // the range of a stepper or toggle; for others the meaningful codes
    int32_t maximum;
    RadioGroup group;
};

// Every entry of RegionValues that carries a setting or state, in region order. Entries
// not listed hold no setting and default to 0.
inline constexpr int kSettingEntryCount = 62;
extern const std::array<SettingEntry, kSettingEntryCount> SettingEntries;

// The entry of a region, or nullptr when the region carries no setting.
const SettingEntry* FindSetting(int region);
// The entry of a name ("XDpi", "Rate500Hz", ...), case-sensitive; nullptr when unknown.
const SettingEntry* FindSetting(std::string_view name);

extern const std::array<int32_t, kRegionCount> DefaultSettings;

// Device codes of the eight HShine levels; only the low byte is sent.
extern const std::array<uint16_t, 8> HShineCodes;

// The device code of an HShine level. A level outside 0..7 (from a hand-edited profile)
// is taken as the nearest level, so the code shown and the code sent always agree.
uint16_t HShineCode(int32_t level);

// Copies DefaultSettings into RegionValues; keys, macros and the macro path stay.
void ResetToDefaults(SettingsRecord& record);

// Empties every KeyCombo, MacroImage and MacroImageLength.
void ClearKeysAndMacros(SettingsRecord& record);

// --- Editing rules of the main window -------------------------------------------------

RadioGroup RadioGroupOf(int region);
// Members of a group in region order; empty for RadioGroup::None.
std::span<const Region> RadioGroupMembers(RadioGroup group);

enum class EditResult { Changed, Unchanged, NotApplicable };

// Sets `region` to 1 and every other member of its group to 0. NotApplicable when the
// region is no radio member.
EditResult SelectRadio(SettingsRecord& record, int region);

// 0 becomes 1, anything else 0. NotApplicable when the region is no toggle.
EditResult Toggle(SettingsRecord& record, int region);

enum class StepDirection { Up, Down };

// One step of a level within its range: up only below the top, down only above 0, so an
// out-of-range value from a profile is never pushed further out. NotApplicable when the
// region has no stepper.
EditResult Step(SettingsRecord& record, int valueRegion, StepDirection direction);

// The arrow regions of the main window and the value each one steps.
struct Stepper {
    int upRegion;
    int downRegion;
    Region value;
    int32_t maximum; // the range is 0..maximum
    int alsoRepaint; // slider region repainted with the value, kNoRegion when none
};
extern const std::array<Stepper, 11> Steppers;

struct StepperArrow {
    const Stepper* stepper;
    StepDirection direction;
};
// The stepper an arrow region belongs to; nullopt for any other region.
std::optional<StepperArrow> FindStepperArrow(int arrowRegion);

// --- Pointer settings of the desktop ----------------------------------------------------

// The three pointer settings in the desktop's own units.
struct WindowsPointerValues {
    int32_t speed;          // 1..20
    int32_t wheelLines;     // lines per notch, -1 for one screen per notch
    uint32_t doubleClickMs; // double-click time
};

inline constexpr int32_t kWheelScrollsScreen = -1;

// What the record asks the desktop to use: speed 2 * XSpeed + 2, wheel -1 when WheelScreen
// is set else XScroll + 1, double-click (9 - XDblClk) * 80 + 200 rounded down to 50 ms.
// Steps outside their range (only from hand-edited profiles or odd desktop values) never
// yield an invalid setting: speed is kept in 1..20, wheel lines at 0 or more, and the time
// in 100..5000 ms.
WindowsPointerValues PointerValuesFromRecord(const SettingsRecord& record);

// Takes the desktop's values into XSpeed, XScroll, WheelLines, WheelScreen and XDblClk:
// XSpeed = speed / 2 - 1; wheel -1 sets WheelScreen (XScroll unchanged), other counts set
// WheelLines and XScroll = lines - 1; XDblClk = 9 - (time - 200) / 75 with -1 replaced by
// 0, and 9 for times below 200 ms. Speeds of 1 and very slow times still give steps
// outside 0..9; they are kept so that applying them gives back the desktop's values.
void TakePointerValues(SettingsRecord& record, const WindowsPointerValues& values);

} // namespace bexlan
