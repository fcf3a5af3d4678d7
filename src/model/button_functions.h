#pragma once

#include "model/device_reports.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace bexlan {

// The function a mouse button performs, stored as a signed 32-bit code in Button1..Button10.
// 9-11 are submenu titles and never stored by the menus; codes outside 1..39 may still
// arrive from profiles and are uploaded like ButtonClose.
enum class ButtonFunction : int32_t {
    Left = 1,
    Right = 2,
    Mid = 3,
    Back = 4,
    Forward = 5,
    DoubleClick = 6,
    Keyboard = 7,
    Macro = 8,
    BaseCommand = 9,
    AdvancedCommand = 10,
    MediaCommand = 11,
    ButtonClose = 12,
    Copy = 13,
    Paste = 14,
    Cut = 15,
    SelectAll = 16,
    Search = 17,
    New = 18,
    Print = 19,
    Save = 20,
    Undo = 21,
    IeKey = 22,
    StartMenu = 23,
    DpiUp = 24,
    DpiDown = 25,
    SwitchDpi = 26,
    AltTab = 27,
    CloseWindow = 28,
    ControlPanel = 29,
    Cmd = 30,
    Desktop = 31,
    LockComputer = 32,
    PlayPause = 33,
    Stop = 34,
    NextTrack = 35,
    LastTrack = 36,
    VolumeUp = 37,
    VolumeDown = 38,
    Mute = 39,
};

inline constexpr int32_t kFirstFunctionCode = 1;
inline constexpr int32_t kLastFunctionCode = 39;

constexpr int32_t FunctionCode(ButtonFunction function)
{
    return static_cast<int32_t>(function);
}

// The FunctionNameTable entry that names code `code` (the entry number is the code).
constexpr int FunctionNameEntry(int32_t code)
{
    return code;
}

// Where a code sits in a button's popup menu.
enum class MenuGroup { None, MainMenu, BaseCommand, AdvancedCommand, MediaCommand, SubmenuTitle };

MenuGroup FunctionMenuGroup(int32_t code);

// Codes of a menu in menu order. MainMenu lists 1-8 and 12 (the submenus sit between 8
// and 12); SubmenuTitle lists 9-11.
std::span<const ButtonFunction> MenuFunctions(MenuGroup group);

// How a code reaches the mouse.
enum class FunctionEncoding {
    None,           // no record, ButtonTable entry FFFF
    MouseClick,     // one MouseDown record by fixed rule
    DoubleClick,    // four records of DoubleClickTemplate
    KeyCombination, // one KeyDown record from the button's KeyCombo
    Macro,          // the button's MacroImage
    DpiStep,        // one DpiStep record by fixed rule
    Catalogue,      // one record from FunctionCatalogue
};

FunctionEncoding EncodingOf(int32_t code);

// Menu commands: 5000 + code for the function menu.
inline constexpr int kFunctionCommandBase = 5000;
// The code a function-menu command assigns; nullopt for identifiers that are no
// assignable function (5000, 5009-5011, 5040 and above, anything outside the range).
std::optional<ButtonFunction> FunctionFromCommand(int commandId);

// The device record of a catalogue code: record type and payload bytes 1..7 (the tail is
// 00 00 here; the report builder uses FF FF for the volume keys).
struct FunctionRecord {
    RecordType type;
    std::array<uint8_t, 7> payload;
};

// Indexed by code 0..39; codes without a catalogue record hold nullopt.
extern const std::array<std::optional<FunctionRecord>, 40> FunctionCatalogue;

// Catalogue record of any code, safe for every value; nullptr when the code has none.
const FunctionRecord* FindCatalogueRecord(int32_t code);

// Tail of the catalogue record of `code`: FF FF for Vol+ and Vol-, 00 00 otherwise.
uint16_t CatalogueTail(int32_t code);

// The factory function of each button 1..10.
inline constexpr std::array<ButtonFunction, 10> FactoryFunctions{
    ButtonFunction::Left,        ButtonFunction::Right,   ButtonFunction::Mid,
    ButtonFunction::Back,        ButtonFunction::Forward, ButtonFunction::SwitchDpi,
    ButtonFunction::DoubleClick, ButtonFunction::IeKey,   ButtonFunction::StartMenu,
    ButtonFunction::CloseWindow};

} // namespace bexlan
