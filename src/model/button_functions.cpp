#include "model/button_functions.h"

namespace bexlan {

namespace {

using F = ButtonFunction;

constexpr FunctionRecord keyDown(uint8_t modifiers, uint8_t usage = 0)
{
    return {RecordType::KeyDown, {modifiers, usage, 0, 0, 0, 0, 0}};
}

constexpr FunctionRecord mediaKey(uint8_t byte1, uint8_t byte2 = 0, uint8_t byte3 = 0)
{
    return {RecordType::MediaKey, {byte1, byte2, byte3, 0, 0, 0, 0}};
}

// Modifier bits of a HID boot keyboard report.
constexpr uint8_t kLeftCtrl = 0x01;
constexpr uint8_t kLeftAlt = 0x04;
constexpr uint8_t kLeftGui = 0x08;

// Media-key bit field: byte 1 holds the transport and volume keys, byte 3 the browser key.
constexpr uint8_t kNextTrack = 0x01;
constexpr uint8_t kPreviousTrack = 0x02;
constexpr uint8_t kStop = 0x04;
constexpr uint8_t kPlayPause = 0x08;
constexpr uint8_t kMute = 0x10;
constexpr uint8_t kVolumeUp = 0x40;
constexpr uint8_t kVolumeDown = 0x80;
constexpr uint8_t kBrowser = 0x02;

constexpr F kMainMenu[] = {F::Left,        F::Right,    F::Mid,   F::Back,       F::Forward,
                           F::DoubleClick, F::Keyboard, F::Macro, F::ButtonClose};
constexpr F kSubmenuTitles[] = {F::BaseCommand, F::AdvancedCommand, F::MediaCommand};
constexpr F kBaseCommands[] = {F::Copy,  F::Paste, F::Cut,  F::SelectAll, F::Search,   F::New,
                               F::Print, F::Save,  F::Undo, F::IeKey,     F::StartMenu};
constexpr F kAdvancedCommands[] = {F::DpiUp,  F::DpiDown,     F::SwitchDpi,
                                   F::AltTab, F::CloseWindow, F::ControlPanel,
                                   F::Cmd,    F::Desktop,     F::LockComputer};
constexpr F kMediaCommands[] = {F::PlayPause, F::Stop,       F::NextTrack, F::LastTrack,
                                F::VolumeUp,  F::VolumeDown, F::Mute};

} // namespace

// HID usages: A 04, C 06, D 07, E 08, F 09, L 0F, N 11, P 13, R 15, S 16, V 19, X 1B, Z 1D,
// Tab 2B, F4 3D.
const std::array<std::optional<FunctionRecord>, 40> FunctionCatalogue = [] {
    std::array<std::optional<FunctionRecord>, 40> table{};
    auto set = [&](F code, FunctionRecord record) { table[FunctionCode(code)] = record; };
    set(F::Copy, keyDown(kLeftCtrl, 0x06));
    set(F::Paste, keyDown(kLeftCtrl, 0x19));
    set(F::Cut, keyDown(kLeftCtrl, 0x1B));
    set(F::SelectAll, keyDown(kLeftCtrl, 0x04));
    set(F::Search, keyDown(kLeftCtrl, 0x09));
    set(F::New, keyDown(kLeftCtrl, 0x11));
    set(F::Print, keyDown(kLeftCtrl, 0x13));
    set(F::Save, keyDown(kLeftCtrl, 0x16));
    set(F::Undo, keyDown(kLeftCtrl, 0x1D));
    set(F::IeKey, mediaKey(0, 0, kBrowser));
    set(F::StartMenu, keyDown(kLeftGui));
    set(F::AltTab, keyDown(kLeftAlt, 0x2B));
    set(F::CloseWindow, keyDown(kLeftAlt, 0x3D));
    set(F::ControlPanel, keyDown(kLeftGui, 0x08));
    set(F::Cmd, keyDown(kLeftGui, 0x15));
    set(F::Desktop, keyDown(kLeftGui, 0x07));
    set(F::LockComputer, keyDown(kLeftGui, 0x0F));
    set(F::PlayPause, mediaKey(kPlayPause));
    set(F::Stop, mediaKey(kStop));
    set(F::NextTrack, mediaKey(kNextTrack));
    set(F::LastTrack, mediaKey(kPreviousTrack));
    set(F::VolumeUp, mediaKey(kVolumeUp));
    set(F::VolumeDown, mediaKey(kVolumeDown));
    set(F::Mute, mediaKey(kMute));
    return table;
}();

MenuGroup FunctionMenuGroup(int32_t code)
{
    if ((code >= 1 && code <= 8) || code == 12) {
        return MenuGroup::MainMenu;
    }
    if (code >= 9 && code <= 11) {
        return MenuGroup::SubmenuTitle;
    }
    if (code >= 13 && code <= 23) {
        return MenuGroup::BaseCommand;
    }
    if (code >= 24 && code <= 32) {
        return MenuGroup::AdvancedCommand;
    }
    if (code >= 33 && code <= 39) {
        return MenuGroup::MediaCommand;
    }
    return MenuGroup::None;
}

std::span<const ButtonFunction> MenuFunctions(MenuGroup group)
{
    switch (group) {
    case MenuGroup::None:
        return {};
    case MenuGroup::MainMenu:
        return kMainMenu;
    case MenuGroup::BaseCommand:
        return kBaseCommands;
    case MenuGroup::AdvancedCommand:
        return kAdvancedCommands;
    case MenuGroup::MediaCommand:
        return kMediaCommands;
    case MenuGroup::SubmenuTitle:
        return kSubmenuTitles;
    }
    return {};
}

FunctionEncoding EncodingOf(int32_t code)
{
    if (code >= 1 && code <= 5) {
        return FunctionEncoding::MouseClick;
    }
    if (code >= 24 && code <= 26) {
        return FunctionEncoding::DpiStep;
    }
    switch (code) {
    case FunctionCode(F::DoubleClick):
        return FunctionEncoding::DoubleClick;
    case FunctionCode(F::Keyboard):
        return FunctionEncoding::KeyCombination;
    case FunctionCode(F::Macro):
        return FunctionEncoding::Macro;
    default:
        break;
    }
    return FindCatalogueRecord(code) != nullptr ? FunctionEncoding::Catalogue
                                                : FunctionEncoding::None;
}

std::optional<ButtonFunction> FunctionFromCommand(int commandId)
{
    if (commandId <= kFunctionCommandBase || commandId > kFunctionCommandBase + kLastFunctionCode) {
        return std::nullopt;
    }
    const int32_t code = commandId - kFunctionCommandBase;
    if (FunctionMenuGroup(code) == MenuGroup::SubmenuTitle) {
        return std::nullopt;
    }
    return static_cast<ButtonFunction>(code);
}

const FunctionRecord* FindCatalogueRecord(int32_t code)
{
    if (code < 0 || code >= static_cast<int32_t>(FunctionCatalogue.size())) {
        return nullptr;
    }
    const auto& entry = FunctionCatalogue[static_cast<size_t>(code)];
    return entry ? &*entry : nullptr;
}

uint16_t CatalogueTail(int32_t code)
{
    const bool volume = code == FunctionCode(F::VolumeUp) || code == FunctionCode(F::VolumeDown);
    return volume ? kTailHold : kTailNone;
}

} // namespace bexlan
