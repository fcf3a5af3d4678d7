#pragma once

#include "model/button_functions.h"
#include "model/language_tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bexlan {

// The two popup menus of the main window as data: the button function menu with its three
// submenus, and the profile save menu. Every item sends a window command in 5000-5046.

enum class MenuKind : int32_t {
    MainMenu = 0,
    MenuBase = 1,
    MenuADVA = 2,
    MenuMedia = 3,
    SaveMenu = 4
};

inline constexpr int kFirstMenuCommand = 5000;
inline constexpr int kLastMenuCommand = 5046;
// 5040 + profile slot; slot 0 is a file of the user's choice.
inline constexpr int kSaveCommandBase = 5040;
inline constexpr int kProfileSlotCount = 5;

struct MenuItem {
    // The command the item sends; 0 for a submenu entry.
    int command = 0;
    // The entry of FunctionNameTable the item shows: command - 5000, or 9-11 for a submenu.
    int textEntry = 0;
    std::string text;
    // The submenu a submenu entry opens.
    std::optional<MenuKind> submenu;
};

struct MenuItemSize {
    int width;
    int height;
};

// Every item of the function menus is 112 x 24 pixels, of the save menu 73 x 24.
MenuItemSize MenuItemSizeOf(MenuKind kind);

// The items of `kind` in menu order, with their texts in `language`.
std::vector<MenuItem> MenuItems(MenuKind kind, Language language);

// The menu a function code's item sits in; nullopt for codes without an item (0, 9-11,
// and anything outside 1..39).
std::optional<MenuKind> MenuOfFunction(int32_t code);

// Save menu commands: the profile slot (0-5) of a command, and the command of a slot.
std::optional<int> SaveSlotFromCommand(int command);
constexpr int SaveCommand(int slot)
{
    return kSaveCommandBase + slot;
}
constexpr int FunctionCommand(ButtonFunction function)
{
    return kFunctionCommandBase + FunctionCode(function);
}

} // namespace bexlan
