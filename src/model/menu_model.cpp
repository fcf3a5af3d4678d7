#include "model/menu_model.h"

namespace bexlan {

namespace {

constexpr int kItemHeight = 24;
constexpr int kFunctionItemWidth = 112;
constexpr int kSaveItemWidth = 73;

MenuItem functionItem(ButtonFunction function, Language language)
{
    const int code = FunctionCode(function);
    return MenuItem{
        kFunctionCommandBase + code, FunctionNameEntry(code),
        std::string(LookupText(TextTable::FunctionNameTable, FunctionNameEntry(code), language)),
        std::nullopt};
}

MenuKind submenuOfTitle(ButtonFunction title)
{
    switch (title) {
    case ButtonFunction::BaseCommand:
        return MenuKind::MenuBase;
    case ButtonFunction::AdvancedCommand:
        return MenuKind::MenuADVA;
    default:
        return MenuKind::MenuMedia;
    }
}

MenuGroup groupOf(MenuKind kind)
{
    switch (kind) {
    case MenuKind::MainMenu:
        return MenuGroup::MainMenu;
    case MenuKind::MenuBase:
        return MenuGroup::BaseCommand;
    case MenuKind::MenuADVA:
        return MenuGroup::AdvancedCommand;
    case MenuKind::MenuMedia:
        return MenuGroup::MediaCommand;
    case MenuKind::SaveMenu:
        break;
    }
    return MenuGroup::None;
}

} // namespace

MenuItemSize MenuItemSizeOf(MenuKind kind)
{
    return {kind == MenuKind::SaveMenu ? kSaveItemWidth : kFunctionItemWidth, kItemHeight};
}

std::vector<MenuItem> MenuItems(MenuKind kind, Language language)
{
    std::vector<MenuItem> items;
    if (kind == MenuKind::SaveMenu) {
        for (int slot = 0; slot <= kProfileSlotCount; ++slot) {
            const int command = SaveCommand(slot);
            const int entry = command - kFunctionCommandBase;
            items.push_back({command, entry,
                             std::string(LookupText(TextTable::FunctionNameTable, entry, language)),
                             std::nullopt});
        }
        return items;
    }
    if (kind == MenuKind::MainMenu) {
        // The submenu titles carry the codes 9-11, so by code they fall between "Macro" (8)
        // and "ButtonClose" (12).
        const auto titles = MenuFunctions(MenuGroup::SubmenuTitle);
        auto title = titles.begin();
        for (ButtonFunction function : MenuFunctions(MenuGroup::MainMenu)) {
            for (; title != titles.end() && FunctionCode(*title) < FunctionCode(function);
                 ++title) {
                MenuItem entry = functionItem(*title, language);
                entry.command = 0;
                entry.submenu = submenuOfTitle(*title);
                items.push_back(std::move(entry));
            }
            items.push_back(functionItem(function, language));
        }
        return items;
    }
    for (ButtonFunction function : MenuFunctions(groupOf(kind))) {
        items.push_back(functionItem(function, language));
    }
    return items;
}

std::optional<MenuKind> MenuOfFunction(int32_t code)
{
    switch (FunctionMenuGroup(code)) {
    case MenuGroup::MainMenu:
        return MenuKind::MainMenu;
    case MenuGroup::BaseCommand:
        return MenuKind::MenuBase;
    case MenuGroup::AdvancedCommand:
        return MenuKind::MenuADVA;
    case MenuGroup::MediaCommand:
        return MenuKind::MenuMedia;
    case MenuGroup::None:
    case MenuGroup::SubmenuTitle:
        break;
    }
    return std::nullopt;
}

std::optional<int> SaveSlotFromCommand(int command)
{
    const int slot = command - kSaveCommandBase;
    if (slot < 0 || slot > kProfileSlotCount) {
        return std::nullopt;
    }
    return slot;
}

} // namespace bexlan
