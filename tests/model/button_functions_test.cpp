#include "model/button_functions.h"

#include "model/settings_record.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace bexlan {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(ButtonFunctionMenus, GroupsHoldTheMenuItemsInOrder)
{
    EXPECT_EQ(MenuFunctions(MenuGroup::MainMenu).size(), 9u);
    EXPECT_EQ(MenuFunctions(MenuGroup::SubmenuTitle).size(), 3u);
    EXPECT_EQ(MenuFunctions(MenuGroup::BaseCommand).size(), 11u);
    EXPECT_EQ(MenuFunctions(MenuGroup::AdvancedCommand).size(), 9u);
    EXPECT_EQ(MenuFunctions(MenuGroup::MediaCommand).size(), 7u);
    EXPECT_TRUE(MenuFunctions(MenuGroup::None).empty());

    // Each code 1..39 sits in exactly one group, and the group's list agrees.
    std::set<int32_t> seen;
    for (MenuGroup group : {MenuGroup::MainMenu, MenuGroup::SubmenuTitle, MenuGroup::BaseCommand,
                            MenuGroup::AdvancedCommand, MenuGroup::MediaCommand}) {
        int32_t previous = 0;
        for (ButtonFunction function : MenuFunctions(group)) {
            const int32_t code = FunctionCode(function);
            EXPECT_GT(code, previous) << "menus list codes in ascending order";
            previous = code;
            EXPECT_EQ(FunctionMenuGroup(code), group) << code;
            EXPECT_TRUE(seen.insert(code).second) << code;
        }
    }
    EXPECT_EQ(seen.size(), 39u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 39);
    for (int32_t code : {0, -1, 40, kMin, kMax}) {
        EXPECT_EQ(FunctionMenuGroup(code), MenuGroup::None) << code;
    }
}

TEST(ButtonFunctionMenus, CommandsMapToAssignableCodes)
{
    const struct {
        int command;
        std::optional<ButtonFunction> expected;
    } cases[] = {
        {5001, ButtonFunction::Left},
        {5007, ButtonFunction::Keyboard},
        {5008, ButtonFunction::Macro},
        {5012, ButtonFunction::ButtonClose},
        {5037, ButtonFunction::VolumeUp},
        {5039, ButtonFunction::Mute},
        {5000, std::nullopt},
        {5009, std::nullopt}, // submenu titles are no items
        {5011, std::nullopt},
        {5040, std::nullopt}, // the save menu
        {5046, std::nullopt},
        {-5000, std::nullopt},
        {kMin, std::nullopt},
        {kMax, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FunctionFromCommand(c.command), c.expected) << c.command;
    }
}

TEST(ButtonFunctionEncoding, EachCodeHasOneWayToTheMouse)
{
    const struct {
        int32_t code;
        FunctionEncoding expected;
    } cases[] = {
        {1, FunctionEncoding::MouseClick},
        {5, FunctionEncoding::MouseClick},
        {6, FunctionEncoding::DoubleClick},
        {7, FunctionEncoding::KeyCombination},
        {8, FunctionEncoding::Macro},
        {13, FunctionEncoding::Catalogue},
        {22, FunctionEncoding::Catalogue},
        {23, FunctionEncoding::Catalogue},
        {24, FunctionEncoding::DpiStep},
        {26, FunctionEncoding::DpiStep},
        {27, FunctionEncoding::Catalogue},
        {39, FunctionEncoding::Catalogue},
        // Submenu titles, ButtonClose and anything outside the code space send nothing.
        {9, FunctionEncoding::None},
        {11, FunctionEncoding::None},
        {12, FunctionEncoding::None},
        {0, FunctionEncoding::None},
        {-1, FunctionEncoding::None},
        {40, FunctionEncoding::None},
        {kMin, FunctionEncoding::None},
        {kMax, FunctionEncoding::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodingOf(c.code), c.expected) << c.code;
    }
}

TEST(ButtonFunctionCatalogue, ServesExactlyTheShortcutsAndMediaKeys)
{
    for (int32_t code = -2; code <= 42; ++code) {
        const bool listed = (code >= 13 && code <= 23) || (code >= 27 && code <= 39);
        EXPECT_EQ(FindCatalogueRecord(code) != nullptr, listed) << code;
    }
    EXPECT_EQ(FindCatalogueRecord(kMin), nullptr);
    EXPECT_EQ(FindCatalogueRecord(kMax), nullptr);
}

TEST(ButtonFunctionCatalogue, RecordsOfTheDescribedShortcuts)
{
    const struct {
        ButtonFunction function;
        RecordType type;
        std::array<uint8_t, 7> payload;
        uint16_t tail;
    } cases[] = {
        {ButtonFunction::Copy, RecordType::KeyDown, {0x01, 0x06}, 0x0000},
        {ButtonFunction::Undo, RecordType::KeyDown, {0x01, 0x1D}, 0x0000},
        {ButtonFunction::IeKey, RecordType::MediaKey, {0x00, 0x00, 0x02}, 0x0000},
        {ButtonFunction::StartMenu, RecordType::KeyDown, {0x08}, 0x0000},
        {ButtonFunction::CloseWindow, RecordType::KeyDown, {0x04, 0x3D}, 0x0000},
        {ButtonFunction::LockComputer, RecordType::KeyDown, {0x08, 0x0F}, 0x0000},
        {ButtonFunction::PlayPause, RecordType::MediaKey, {0x08}, 0x0000},
        {ButtonFunction::VolumeUp, RecordType::MediaKey, {0x40}, 0xFFFF},
        {ButtonFunction::VolumeDown, RecordType::MediaKey, {0x80}, 0xFFFF},
        {ButtonFunction::Mute, RecordType::MediaKey, {0x10}, 0x0000},
    };
    for (const auto& c : cases) {
        const int32_t code = FunctionCode(c.function);
        const FunctionRecord* record = FindCatalogueRecord(code);
        ASSERT_NE(record, nullptr) << code;
        EXPECT_EQ(record->type, c.type) << code;
        EXPECT_EQ(record->payload, c.payload) << code;
        EXPECT_EQ(CatalogueTail(code), c.tail) << code;
    }
}

TEST(ButtonFunctionCatalogue, FactoryAssignmentMatchesTheDefaults)
{
    for (int button = 0; button < kButtonCount; ++button) {
        EXPECT_EQ(DefaultSettings[ButtonRegion(button)], FunctionCode(FactoryFunctions[button]))
            << "button " << button + 1;
    }
}

} // namespace
} // namespace bexlan
