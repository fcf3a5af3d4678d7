#include "model/menu_model.h"

#include <gtest/gtest.h>

#include <set>

namespace bexlan {
namespace {

constexpr Language kLanguages[] = {Language::Turkish, Language::TraditionalChinese,
                                   Language::English};

std::vector<int> commands(MenuKind kind)
{
    std::vector<int> ids;
    for (const MenuItem& item : MenuItems(kind, Language::English)) {
        ids.push_back(item.command);
    }
    return ids;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) {
        ids.push_back(id);
    }
    return ids;
}

TEST(MenuModel, SizesOfEveryMenuInEveryLanguage)
{
    for (Language language : kLanguages) {
        SCOPED_TRACE(static_cast<int>(language));
        const auto main = MenuItems(MenuKind::MainMenu, language);
        ASSERT_EQ(main.size(), 12u);
        EXPECT_EQ(MenuItems(*main[8].submenu, language).size(), 11u);
        EXPECT_EQ(MenuItems(*main[9].submenu, language).size(), 9u);
        EXPECT_EQ(MenuItems(*main[10].submenu, language).size(), 7u);
        EXPECT_EQ(MenuItems(MenuKind::SaveMenu, language).size(), 6u);
    }
}

TEST(MenuModel, CommandsInMenuOrder)
{
    std::vector<int> main = range(5001, 5008);
    main.insert(main.end(), {0, 0, 0, 5012});
    EXPECT_EQ(commands(MenuKind::MainMenu), main);
    EXPECT_EQ(commands(MenuKind::MenuBase), range(5013, 5023));
    EXPECT_EQ(commands(MenuKind::MenuADVA), range(5024, 5032));
    EXPECT_EQ(commands(MenuKind::MenuMedia), range(5033, 5039));
    EXPECT_EQ(commands(MenuKind::SaveMenu), range(5040, 5045));
}

TEST(MenuModel, SubmenuEntriesOpenTheirMenusUnderTheirTitles)
{
    const auto main = MenuItems(MenuKind::MainMenu, Language::English);
    EXPECT_EQ(main[8].submenu, MenuKind::MenuBase);
    EXPECT_EQ(main[8].text, "BaseCommand");
    EXPECT_EQ(main[9].submenu, MenuKind::MenuADVA);
    EXPECT_EQ(main[9].text, "AdvancedCommand");
    EXPECT_EQ(main[10].submenu, MenuKind::MenuMedia);
    EXPECT_EQ(main[10].text, "MediaCommand");
    for (int i : {0, 7, 11}) {
        EXPECT_EQ(main[static_cast<std::size_t>(i)].submenu, std::nullopt);
    }
}

TEST(MenuModel, TextsComeFromTheFunctionNamesOfTheLanguage)
{
    const std::tuple<MenuKind, std::size_t, Language, std::string_view> cases[] = {
        {MenuKind::MainMenu, 0, Language::English, "LEFT"},
        {MenuKind::MainMenu, 11, Language::English, "ButtonClose"},
        {MenuKind::MainMenu, 6, Language::Turkish, "Klavye"},
        {MenuKind::MenuMedia, 4, Language::English, "Vol+"},
        {MenuKind::MenuMedia, 4, Language::TraditionalChinese, "音量+"},
        {MenuKind::MenuADVA, 3, Language::English, "Alt+Tab"},
        {MenuKind::SaveMenu, 0, Language::English, "Setting Save As"},
        {MenuKind::SaveMenu, 0, Language::Turkish, "Farklı\u00A0Kaydet"},
        {MenuKind::SaveMenu, 3, Language::English, "Save Setting3"},
    };
    for (const auto& [kind, index, language, text] : cases) {
        const auto items = MenuItems(kind, language);
        ASSERT_LT(index, items.size());
        EXPECT_EQ(items[index].text, text);
    }
    // Every item names its FunctionNameTable entry, which is its command less 5000.
    for (MenuKind kind : {MenuKind::MenuBase, MenuKind::SaveMenu}) {
        for (const MenuItem& item : MenuItems(kind, Language::English)) {
            EXPECT_EQ(item.textEntry, item.command - 5000);
            EXPECT_FALSE(item.text.empty());
        }
    }
}

TEST(MenuModel, EveryFunctionCodeHasExactlyOneItem)
{
    std::set<int> seen;
    for (MenuKind kind :
         {MenuKind::MainMenu, MenuKind::MenuBase, MenuKind::MenuADVA, MenuKind::MenuMedia}) {
        for (const MenuItem& item : MenuItems(kind, Language::English)) {
            if (item.command != 0) {
                EXPECT_TRUE(seen.insert(item.command - 5000).second) << item.command;
                EXPECT_EQ(MenuOfFunction(item.command - 5000), kind);
            }
        }
    }
    EXPECT_EQ(seen.size(), 36u);
    for (int code : {0, 9, 10, 11, 40}) {
        EXPECT_EQ(MenuOfFunction(code), std::nullopt) << code;
    }
}

TEST(MenuModel, ItemSizes)
{
    for (MenuKind kind :
         {MenuKind::MainMenu, MenuKind::MenuBase, MenuKind::MenuADVA, MenuKind::MenuMedia}) {
        EXPECT_EQ(MenuItemSizeOf(kind).width, 112);
        EXPECT_EQ(MenuItemSizeOf(kind).height, 24);
    }
    EXPECT_EQ(MenuItemSizeOf(MenuKind::SaveMenu).width, 73);
    EXPECT_EQ(MenuItemSizeOf(MenuKind::SaveMenu).height, 24);
}

TEST(MenuModel, SaveSlotsOfCommands)
{
    EXPECT_EQ(SaveSlotFromCommand(5040), 0);
    EXPECT_EQ(SaveSlotFromCommand(5045), 5);
    EXPECT_EQ(SaveSlotFromCommand(5039), std::nullopt);
    EXPECT_EQ(SaveSlotFromCommand(5046), std::nullopt);
    EXPECT_EQ(SaveCommand(3), 5043);
    EXPECT_EQ(FunctionCommand(ButtonFunction::VolumeUp), 5037);
}

} // namespace
} // namespace bexlan
