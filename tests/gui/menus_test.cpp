// The owner-drawn popup menus and their commands: items, sizes, looks, tracking on the main
// window, and what each command does to the slot or profile that opened its menu.
#include "gui/click_dispatcher.h"
#include "gui/popup_menu.h"
#include "model/macro_conversion.h"
#include "model/profile.h"
#include "support/qt_environment.h"
#include "support/scripted_command_windows.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <functional>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr Language kLanguages[] = {Language::Turkish, Language::TraditionalChinese,
                                   Language::English};

CMyMenu* submenuOf(QAction* action)
{
    return qobject_cast<CMyMenu*>(action->menu());
}

// --- The menus as built -------------------------------------------------------------------

TEST(PopupMenus, EntriesAndSubmenusInEveryLanguage)
{
    for (Language language : kLanguages) {
        SCOPED_TRACE(static_cast<int>(language));
        const auto menu = BuildFunctionMenu(language, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), 12);
        std::vector<int> submenuSizes;
        for (int i = 0; i < items.size(); ++i) {
            if (CMyMenu* submenu = submenuOf(items[i])) {
                EXPECT_TRUE(i >= 8 && i <= 10) << i;
                submenuSizes.push_back(static_cast<int>(submenu->actions().size()));
                for (QAction* item : submenu->actions()) {
                    EXPECT_EQ(submenuOf(item), nullptr) << "one level of submenus only";
                }
            }
        }
        EXPECT_EQ(submenuSizes, (std::vector<int>{11, 9, 7}));
        EXPECT_EQ(BuildSaveMenu(language, nullptr)->actions().size(), 6);
    }
}

TEST(PopupMenus, ItemsCarryTheirCommandsAndTexts)
{
    const auto menu = BuildFunctionMenu(Language::English, nullptr);
    const QList<QAction*> items = menu->actions();
    EXPECT_EQ(CMyMenu::CommandOf(items[0]), 5001);
    EXPECT_EQ(items[0]->text(), QStringLiteral("LEFT"));
    EXPECT_EQ(CMyMenu::CommandOf(items[7]), 5008);
    EXPECT_EQ(CMyMenu::CommandOf(items[8]), std::nullopt) << "a submenu entry sends nothing";
    EXPECT_EQ(items[10]->text(), QStringLiteral("MediaCommand"));
    EXPECT_EQ(CMyMenu::CommandOf(items[11]), 5012);
    QAction* volumeUp = submenuOf(items[10])->actions()[4];
    EXPECT_EQ(volumeUp->text(), QStringLiteral("Vol+"));
    EXPECT_EQ(CMyMenu::CommandOf(volumeUp), 5037);
    EXPECT_EQ(CMyMenu::CommandOf(nullptr), std::nullopt);

    const auto save = BuildSaveMenu(Language::Turkish, nullptr);
    EXPECT_EQ(save->actions()[0]->text(), QStringLiteral("Farklı\u00A0Kaydet"));
    EXPECT_EQ(CMyMenu::CommandOf(save->actions()[0]), 5040);
    EXPECT_EQ(CMyMenu::CommandOf(save->actions()[5]), 5045);
}

TEST(PopupMenus, EveryItemHasTheMenusSizeWithoutFrameOrMargin)
{
    const auto function = BuildFunctionMenu(Language::English, nullptr);
    CMyMenu* media = submenuOf(function->actions()[10]);
    const auto save = BuildSaveMenu(Language::English, nullptr);
    const std::tuple<CMyMenu*, QSize, QSize> cases[] = {
        {function.get(), QSize(112, 24), QSize(112, 12 * 24)},
        {media, QSize(112, 24), QSize(112, 7 * 24)},
        {save.get(), QSize(73, 24), QSize(73, 6 * 24)},
    };
    for (const auto& [menu, item, whole] : cases) {
        SCOPED_TRACE(menu->objectName().toStdString());
        EXPECT_EQ(menu->sizeHint(), whole);
        const QList<QAction*> actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            EXPECT_EQ(menu->actionGeometry(actions[i]), QRect(QPoint(0, 24 * i), item)) << i;
        }
    }
}

TEST(PopupMenus, FontIsSong12)
{
    const auto menu = BuildSaveMenu(Language::English, nullptr);
    EXPECT_EQ(menu->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(menu->font()).family().contains(QStringLiteral("UMing")))
        << QFontInfo(menu->font()).family().toStdString();
}

// The pixels of `area` that are not the field colour: the text, smoothed, so each must be
// the field colour moved some way towards the text colour. -1 when one is not.
int textPixels(const QImage& image, const QRect& area, QRgb field, QRgb text)
{
    const int from[3] = {qRed(field), qGreen(field), qBlue(field)};
    const int to[3] = {qRed(text), qGreen(text), qBlue(text)};
    // The channel that moves furthest tells how far each pixel has moved.
    int widest = 0;
    for (int c = 1; c < 3; ++c) {
        if (std::abs(to[c] - from[c]) > std::abs(to[widest] - from[widest])) {
            widest = c;
        }
    }
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if ((pixel & 0xFFFFFF) == (field & 0xFFFFFF)) {
                continue;
            }
            const int at[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
            const double t = double(at[widest] - from[widest]) / double(to[widest] - from[widest]);
            for (int c = 0; c < 3; ++c) {
                if (std::abs(at[c] - (from[c] + t * (to[c] - from[c]))) > 3) {
                    return -1;
                }
            }
            ++count;
        }
    }
    return count;
}

TEST(PopupMenus, ItemsAreFramedAndTheSelectedOneStandsOut)
{
    const auto menu = BuildSaveMenu(Language::English, nullptr);
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    menu->setActiveAction(menu->actions()[1]);
    const QImage image = menu->grab().toImage();
    ASSERT_EQ(image.size(), QSize(73, 144));

    struct Probe {
        QPoint at;
        QRgb colour;
    };
    const Probe probes[] = {
        // Item 0: frame on every edge (1 pixel left and top, 2 right and bottom), black field.
        {{0, 0}, CMyMenu::kFrameColour},
        {{72, 10}, CMyMenu::kFrameColour},
        {{71, 10}, CMyMenu::kFrameColour},
        {{10, 22}, CMyMenu::kFrameColour},
        {{1, 1}, CMyMenu::kFieldColour},
        {{70, 21}, CMyMenu::kFieldColour},
        // Item 1, selected: blue field.
        {{0, 24}, CMyMenu::kFrameColour},
        {{1, 25}, CMyMenu::kSelectedFieldColour},
        {{70, 45}, CMyMenu::kSelectedFieldColour},
    };
    for (const Probe& probe : probes) {
        EXPECT_EQ(image.pixel(probe.at) & 0xFFFFFF, probe.colour & 0xFFFFFF)
            << probe.at.x() << "," << probe.at.y();
    }
    // The texts: white on black, orange on blue.
    EXPECT_GT(textPixels(image, QRect(1, 1, 70, 21), CMyMenu::kFieldColour, CMyMenu::kTextColour),
              20);
    EXPECT_GT(textPixels(image, QRect(1, 25, 70, 21), CMyMenu::kSelectedFieldColour,
                         CMyMenu::kSelectedTextColour),
              20);
}

// --- Tracking on the main window ----------------------------------------------------------

// Keys for the popup menus that open while `action` runs; each step goes to the menu
// open at that moment, so Right moves into a submenu.
void whileMenuOpen(const std::vector<Qt::Key>& keys, const std::function<void()>& action,
                   QPoint* openedAt = nullptr)
{
    QTimer::singleShot(0, [keys, openedAt] {
        if (openedAt != nullptr && QApplication::activePopupWidget() != nullptr) {
            *openedAt = QApplication::activePopupWidget()->pos();
        }
        for (Qt::Key key : keys) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            QTest::keyClick(popup, key);
        }
    });
    action();
}

std::vector<Qt::Key> downs(int count, std::vector<Qt::Key> then)
{
    std::vector<Qt::Key> keys(static_cast<std::size_t>(count), Qt::Key_Down);
    keys.insert(keys.end(), then.begin(), then.end());
    return keys;
}

class MenuTrackingTest : public testing::Test {
protected:
    void SetUp() override { m_test.start(); }
    void click(int region)
    {
        QTest::mouseClick(m_test.handle(), Qt::LeftButton, {}, CentreOf(region));
    }
    MainWindowState& state() { return m_test.state(); }

    TestWindow m_test;
};

TEST_F(MenuTrackingTest, VolumeUpChosenUnderSlot3)
{
    m_test.window().setLanguage(Language::English);
    const auto before = std::make_unique<SettingsRecord>(state().settings);
    QPoint openedAt;
    // Vol+ is the fifth item of the eleventh entry, the media submenu.
    whileMenuOpen(
        downs(11, {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                   Qt::Key_Return}),
        [this] { click(3); }, &openedAt);

    EXPECT_EQ(state().settings[Button4], 37);
    auto expected = std::make_unique<SettingsRecord>(*before);
    (*expected)[Button4] = 37;
    EXPECT_EQ(state().settings.RegionValues, expected->RegionValues);
    EXPECT_EQ(state().settings.KeyCombo, before->KeyCombo);
    EXPECT_EQ(state().settings.MacroImage, before->MacroImage);

    const Rect slot = RegionRect(3);
    EXPECT_EQ(openedAt, m_test.window().mapToGlobal(QPoint(slot.left - 3, slot.bottom)));
}

TEST_F(MenuTrackingTest, EscapeClosesTheMenuWithoutAChoice)
{
    const auto before = state().settings.RegionValues;
    whileMenuOpen({Qt::Key_Down, Qt::Key_Escape}, [this] { click(5); });
    EXPECT_EQ(state().settings.RegionValues, before);
}

TEST_F(MenuTrackingTest, SaveSetting3)
{
    state().settings[Settings1] = 1;
    QPoint openedAt;
    whileMenuOpen(
        downs(4, {Qt::Key_Return}), [this] { click(121); }, &openedAt);

    const std::filesystem::path file = m_test.window().services().paths.profile(3);
    EXPECT_EQ(file.filename(), "Setting3.ini");
    EXPECT_TRUE(std::filesystem::exists(file));
    for (Region slot : {Settings1, Settings2, Settings4, Settings5}) {
        EXPECT_EQ(state().settings[slot], 0) << slot;
    }
    EXPECT_EQ(state().settings[Settings3], 1);

    auto reread = std::make_unique<SettingsRecord>();
    auto library = std::make_unique<MacroLibrary>();
    EXPECT_EQ(LoadProfile(file, state().LanguageIndex, 0, *reread, *library),
              ProfileLoadResult::Loaded);
    EXPECT_EQ((*reread)[Settings3], 1) << "the profile holds its own slot";

    const Rect button = RegionRect(121);
    EXPECT_EQ(openedAt, m_test.window().mapToGlobal(QPoint(button.left, button.top - 144)));
}

// --- Commands -----------------------------------------------------------------------------

class MenuCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_test.start();
        m_commands = std::make_unique<MenuCommands>(m_test.window(), m_windows);
    }
    MainWindowState& state() { return m_test.state(); }
    SettingsRecord& settings() { return state().settings; }

    TestWindow m_test;
    ScriptedCommandWindows m_windows;
    std::unique_ptr<MenuCommands> m_commands;
};

TEST_F(MenuCommandTest, TargetIsTheHotRegion)
{
    settings().KeyCombo[3] = {4, 5};
    settings().MacroImage[3][0] = 0x20;
    const auto before = std::make_unique<SettingsRecord>(settings());
    state().HotRegion = 3;
    m_commands->OnMenuCommand(5037);
    EXPECT_EQ(settings()[Button4], 37);
    EXPECT_EQ(settings().KeyCombo, before->KeyCombo);
    EXPECT_EQ(settings().MacroImage, before->MacroImage);
}

TEST_F(MenuCommandTest, CommandsWithoutAMeaningForTheirTargetAreIgnored)
{
    const std::pair<int, int> cases[] = {
        {5037, 0}, {5037, -1}, {5037, 10},  {5037, 131}, {5009, 3},   {5000, 3},
        {5046, 3}, {5041, 3},  {5012, 121}, {5046, 121}, {4999, 121},
    };
    const auto before = std::make_unique<SettingsRecord>(settings());
    for (const auto& [id, target] : cases) {
        m_commands->OnMenuCommand(id, target);
        EXPECT_EQ(settings().RegionValues, before->RegionValues) << id << " on " << target;
    }
    EXPECT_TRUE(m_test.prompts().dialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(m_test.window().services().paths.profile(1)));
}

TEST_F(MenuCommandTest, SettingSaveAsCancelledStillMarksTheCaption)
{
    settings()[Settings2] = 1;
    m_commands->OnMenuCommand(5040, 121);

    ASSERT_EQ(m_test.prompts().dialogs().size(), 1u);
    const ScriptedPrompts::Dialog& dialog = m_test.prompts().dialogs()[0];
    EXPECT_EQ(dialog.kind, ScriptedPrompts::DialogKind::Save);
    EXPECT_EQ(dialog.request.defaultExtension, QStringLiteral("ini"));
    EXPECT_EQ(dialog.request.initialName, QStringLiteral("*.ini"));
    EXPECT_EQ(dialog.request.filters[0].description, QStringLiteral("INI File (*.ini)"));
    EXPECT_EQ(dialog.request.flags, FileDialogFlags(FileDialogFlag::HideReadOnly));
    for (Region slot : {Settings1, Settings2, Settings3, Settings4, Settings5}) {
        EXPECT_EQ(settings()[slot], 0) << slot;
    }
    EXPECT_EQ(settings().RegionValues[114], 1);
    EXPECT_TRUE(m_test.prompts().messages().empty());
}

TEST_F(MenuCommandTest, SettingSaveAsWritesTheChosenFile)
{
    QTemporaryDir dir;
    const std::filesystem::path file = ToFilesystemPath(dir.path()) / "mine.ini";
    m_test.prompts().answerNextDialog(file);
    settings()[XDpi] = 2;
    m_commands->OnMenuCommand(5040, 121);
    auto reread = std::make_unique<SettingsRecord>();
    auto library = std::make_unique<MacroLibrary>();
    EXPECT_EQ(LoadProfile(file, state().LanguageIndex, 0, *reread, *library),
              ProfileLoadResult::Loaded);
    EXPECT_EQ((*reread)[XDpi], 2);
}

TEST_F(MenuCommandTest, FailedProfileSaveSaysSo)
{
    m_test.prompts().answerNextDialog(std::filesystem::path("/nonexistent-folder/x.ini"));
    m_test.window().setLanguage(Language::English);
    m_commands->OnMenuCommand(5040, 121);
    ASSERT_EQ(m_test.prompts().messages().size(), 1u);
    EXPECT_EQ(m_test.prompts().messages()[0].text, QStringLiteral("The file save failed"));
}

TEST_F(MenuCommandTest, KeyboardTakesTheCapturedCombination)
{
    settings()[Button3] = FunctionCode(ButtonFunction::Copy);
    m_commands->OnMenuCommand(5007, 2);
    EXPECT_EQ(m_windows.keyWindows, 1);
    EXPECT_EQ(settings()[Button3], FunctionCode(ButtonFunction::Copy)) << "cancelled";

    m_windows.keysAnswer = KeyCombination{};
    m_commands->OnMenuCommand(5007, 2);
    EXPECT_EQ(settings()[Button3], FunctionCode(ButtonFunction::Copy)) << "nothing captured";

    const KeyCombination keys{3, 17};
    m_windows.keysAnswer = keys;
    m_commands->OnMenuCommand(5007, 2);
    EXPECT_EQ(settings()[Button3], 7);
    EXPECT_EQ(settings().KeyCombo[2], keys);
}

MacroRecord clicks(int count)
{
    MacroRecord record;
    for (int i = 0; i < count; ++i) {
        record.Append(MacroEvent::MouseDown(kMacroLeftButton));
        record.Append(MacroEvent::MouseUp(kMacroLeftButton));
    }
    return record;
}

TEST_F(MenuCommandTest, MacroTakesTheChosenMacroAsRecords)
{
    FillLibrary(state().library, 4);
    const int32_t before = settings()[Button5];
    m_commands->OnMenuCommand(5008, 4);
    EXPECT_EQ(m_windows.chooserMacroCount, 4u);
    EXPECT_EQ(settings()[Button5], before) << "cancelled";

    m_windows.chooserAnswer = clicks(2);
    m_commands->OnMenuCommand(5008, 4);
    EXPECT_EQ(settings()[Button5], 8);
    EXPECT_EQ(settings().MacroImageLength[4], 40);
    EXPECT_EQ(settings().MacroImage[4], ConvertMacroToImage(clicks(2)).image);
    EXPECT_TRUE(m_test.prompts().messages().empty());
}

TEST_F(MenuCommandTest, MacroTooLongForTheButtonIsCutAndTheUserTold)
{
    m_test.window().setLanguage(Language::English);
    m_windows.chooserAnswer = clicks(15); // 30 records, room for 25
    m_commands->OnMenuCommand(5008, 1);
    EXPECT_EQ(settings()[Button2], 8);
    EXPECT_EQ(settings().MacroImageLength[1], 250);
    ASSERT_EQ(m_test.prompts().messages().size(), 1u);
    EXPECT_TRUE(m_test.prompts().messages()[0].text.startsWith(QStringLiteral("5 events")))
        << m_test.prompts().messages()[0].text.toStdString();
    EXPECT_EQ(m_test.prompts().messages()[0].icon, MessageIcon::Warning);
}

TEST_F(MenuCommandTest, SpaceOverAnotherSlotStillAssignsTheSlotThatOpenedTheMenu)
{
    ClickDispatcher dispatcher(m_test.window(), m_windows);
    m_windows.menuAnswer = 5037;
    state().HotRegion = 5;
    const int32_t hovered = settings()[Button6];
    dispatcher.dispatch(3);
    EXPECT_EQ(m_windows.functionMenus, 1);
    EXPECT_EQ(settings()[Button4], 37);
    EXPECT_EQ(settings()[Button6], hovered);
}

} // namespace
} // namespace bexlan
