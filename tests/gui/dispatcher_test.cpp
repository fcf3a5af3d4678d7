// The click dispatcher on a main window over the virtual mouse: settings clicks and their
// repaints, Space, pages, the macro library's commands, profiles, uploads and the ways the
// window ends.
#include "gui/click_dispatcher.h"
#include "model/button_functions.h"
#include "model/device_reports.h"
#include "model/macro_file.h"
#include "model/profile.h"
#include "support/qt_environment.h"
#include "support/scripted_command_windows.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QWindow>

#include <fstream>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

QRect toQRect(int region)
{
    const Rect rect = RegionRect(region);
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

// Everything the window paints from the moment it is cleared.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) : m_widget(widget) { widget.installEventFilter(this); }

    // Paints what is pending, then forgets it.
    void clear()
    {
        m_widget.repaint();
        m_region = QRegion();
    }
    // The region of the next paint.
    QRegion next()
    {
        EXPECT_TRUE(WaitUntil([this] { return !m_region.isEmpty(); }));
        return m_region;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_widget && event->type() == QEvent::Paint) {
            m_region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget& m_widget;
    QRegion m_region;
};

MacroRecord clickMacro(uint8_t button)
{
    MacroRecord record;
    record.Append(MacroEvent::MouseDown(button));
    record.Append(MacroEvent::MouseUp(button));
    return record;
}

class DispatcherTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_test.start();
        m_dispatcher = std::make_unique<ClickDispatcher>(m_test.window(), m_windows);
    }

    MainWindowState& state() { return m_test.state(); }
    SettingsRecord& settings() { return state().settings; }
    MacroLibrary& library() { return state().library; }
    QLineEdit& nameEdit() { return *m_test.window().NameEdit(); }
    ScriptedPrompts& prompts() { return m_test.prompts(); }
    std::filesystem::path scratch() const { return ToFilesystemPath(m_scratch.path()); }

    // A real click, through the window's own dispatcher.
    void click(int region)
    {
        QTest::mouseClick(m_test.handle(), Qt::LeftButton, {}, CentreOf(region));
    }
    void space() { QTest::keyClick(m_test.handle(), Qt::Key_Space); }
    // The action alone, with scripted menus and macro windows.
    void dispatch(int region) { m_dispatcher->dispatch(region); }

    QString lastMessage()
    {
        return m_test.prompts().messages().empty() ? QString()
                                                   : m_test.prompts().messages().back().text;
    }

    TestWindow m_test;
    ScriptedCommandWindows m_windows;
    std::unique_ptr<ClickDispatcher> m_dispatcher;
    QTemporaryDir m_scratch;
};

// --- Settings clicks ----------------------------------------------------------------------

TEST_F(DispatcherTest, StepperAtItsLimitRepaintsOnlyTheArrow)
{
    PaintRecorder paints(m_test.window());
    settings()[XDpi] = 5;
    paints.clear();
    dispatch(46);
    EXPECT_EQ(settings()[XDpi], 5);
    EXPECT_EQ(paints.next(), QRegion(toQRect(46)));

    settings()[HShine] = 0;
    paints.clear();
    dispatch(18);
    EXPECT_EQ(settings()[HShine], 0);
    EXPECT_EQ(paints.next(), QRegion(toQRect(18)));

    // A step that changes the value also redraws the number and the slider.
    paints.clear();
    dispatch(47);
    EXPECT_EQ(settings()[XDpi], 4);
    EXPECT_EQ(paints.next(), QRegion(toQRect(47)) + toQRect(55) + toQRect(51));
}

TEST_F(DispatcherTest, DpiUpFiveTimesThenASixth)
{
    settings()[XDpi] = 0;
    for (int i = 0; i < 5; ++i) {
        click(46);
    }
    EXPECT_EQ(settings()[XDpi], 5);
    click(46);
    EXPECT_EQ(settings()[XDpi], 5);
}

TEST_F(DispatcherTest, OneReportRateLeftSet)
{
    click(21);
    click(23);
    EXPECT_EQ(settings()[Rate125Hz] + settings()[Rate250Hz] + settings()[Rate500Hz] +
                  settings()[Rate1000Hz],
              1);
    EXPECT_EQ(settings()[Rate1000Hz], 1);
}

TEST_F(DispatcherTest, SpaceRepeatsTheLastClick)
{
    settings()[XDpi] = 1;
    space();
    EXPECT_EQ(settings()[XDpi], 1) << "nothing to repeat before the first click";
    click(46);
    EXPECT_EQ(settings()[XDpi], 2);
    space();
    EXPECT_EQ(settings()[XDpi], 3);
    click(16);
    space();
    EXPECT_EQ(settings()[Breathing], 0) << "the toggle flipped twice";
}

TEST_F(DispatcherTest, PageTabsShowTheNameEntryOnlyOnTheAdvancedPage)
{
    click(126);
    EXPECT_EQ(state().CurrentPage, Page::Advanced);
    EXPECT_TRUE(nameEdit().isVisible());
    EXPECT_EQ(settings()[AdvancedPage], 1);
    EXPECT_EQ(settings()[BasicPage], 0);
    click(125);
    EXPECT_EQ(state().CurrentPage, Page::Basic);
    EXPECT_FALSE(nameEdit().isVisible());
}

// --- Macro library ------------------------------------------------------------------------

TEST_F(DispatcherTest, RowAfterTheLastMacroShowsTheNewMacroText)
{
    FillLibrary(library(), 3);
    m_test.window().showPage(Page::Advanced);
    const Rect list = RegionRect(86);
    QTest::mouseClick(m_test.handle(), Qt::LeftButton, {},
                      QPoint(list.left + 10, list.top + 3 * 12 + 6));
    EXPECT_EQ(library().SelectedMacro, 3);
    EXPECT_EQ(nameEdit().text(), QStringLiteral("<yeni makro>"));

    QTest::mouseClick(m_test.handle(), Qt::LeftButton, {},
                      QPoint(list.left + 10, list.top + 12 + 6));
    EXPECT_EQ(library().SelectedMacro, 1);
    EXPECT_EQ(nameEdit().text(), QStringLiteral("m2"));
}

TEST_F(DispatcherTest, RenameNamesTheSelectedMacro)
{
    FillLibrary(library(), 2);
    library().SelectedMacro = 1;
    nameEdit().setText(QStringLiteral("Şarjör"));
    dispatch(61);
    EXPECT_EQ(library().MacroNames[1], "Şarjör");
}

TEST_F(DispatcherTest, DeletingTheOnlyMacroLeavesTheNameEntry)
{
    FillLibrary(library(), 1);
    nameEdit().setText(QStringLiteral("m1"));
    dispatch(67);
    EXPECT_EQ(library().MacroCount, 0u);
    EXPECT_EQ(library().SelectedMacro, 0);
    EXPECT_EQ(nameEdit().text(), QStringLiteral("m1"));
}

TEST_F(DispatcherTest, DeletingTheLastOfSeveralSelectsTheNewLast)
{
    FillLibrary(library(), 3);
    library().SelectedMacro = 2;
    dispatch(67);
    EXPECT_EQ(library().MacroCount, 2u);
    EXPECT_EQ(library().SelectedMacro, 1);
    EXPECT_EQ(nameEdit().text(), QStringLiteral("m2"));
}

TEST_F(DispatcherTest, EditorRecordsInTheFreeSlotAndCancelKeepsAll)
{
    FillLibrary(library(), 2);
    library().SelectedMacro = 2;
    m_windows.editorAnswer = clickMacro(kMacroLeftButton);
    dispatch(68);
    ASSERT_EQ(m_windows.editedRecords.size(), 1u);
    EXPECT_EQ(m_windows.editedRecords[0].eventCount, 0) << "the editor starts on the free slot";
    EXPECT_EQ(library().MacroCount, 3u);
    EXPECT_EQ(library().SelectedMacro, 3);
    EXPECT_EQ(library().MacroSlots[2], clickMacro(kMacroLeftButton));

    m_windows.editorAnswer.reset();
    library().SelectedMacro = 0;
    const MacroRecord before = library().MacroSlots[0];
    dispatch(68);
    EXPECT_EQ(library().MacroSlots[0], before);
    EXPECT_EQ(library().MacroCount, 3u);
}

TEST_F(DispatcherTest, EditorDoesNotOpenWithAFullLibrary)
{
    FillLibrary(library(), 300);
    m_windows.editorAnswer = clickMacro(kMacroLeftButton);
    dispatch(68);
    EXPECT_TRUE(m_windows.editedRecords.empty());
    EXPECT_EQ(library().MacroCount, 300u);
}

TEST_F(DispatcherTest, SaveWithoutAFileDoesNothing)
{
    FillLibrary(library(), 2);
    dispatch(65);
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(prompts().dialogs().empty());
}

TEST_F(DispatcherTest, SaveAsThenSaveWritesBothFiles)
{
    FillLibrary(library(), 2);
    const std::filesystem::path macroFile = scratch() / "a.mac";
    prompts().answerNextDialog(macroFile);
    dispatch(66);

    ASSERT_EQ(prompts().dialogs().size(), 1u);
    const FileDialogRequest& request = prompts().dialogs()[0].request;
    EXPECT_EQ(prompts().dialogs()[0].kind, ScriptedPrompts::DialogKind::Save);
    EXPECT_EQ(request.defaultExtension, QStringLiteral("mac"));
    EXPECT_EQ(request.initialName, QStringLiteral("*.mac"));
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, QStringLiteral("MACRO File (*.mac)"));
    EXPECT_EQ(request.filters[0].pattern, QStringLiteral("*.mac"));
    EXPECT_EQ(request.flags, FileDialogFlag::HideReadOnly | FileDialogFlag::ExtensionDifferent);

    EXPECT_TRUE(std::filesystem::exists(macroFile));
    EXPECT_TRUE(std::filesystem::exists(scratch() / "a.name"));
    EXPECT_EQ(library().MacroFilePath, macroFile.string());
    EXPECT_EQ(settings().MacroFilePath, macroFile.string()) << "a profile names the new file";
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("dosya kaydedildi"));
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("bitir"));

    // A later Save goes to the same two files without asking.
    library().MacroNames[0] = "renamed";
    dispatch(65);
    EXPECT_EQ(prompts().dialogs().size(), 1u);
    auto reread = std::make_unique<MacroLibrary>();
    EXPECT_EQ(LoadMacroLibrary(*reread, macroFile.string()), MacroReadStatus::Read);
    EXPECT_EQ(reread->MacroCount, 2u);
    EXPECT_EQ(reread->MacroNames[0], "renamed");
    EXPECT_EQ(prompts().messages().size(), 2u);
}

TEST_F(DispatcherTest, FailedSavesSayTheFileSaveFailed)
{
    FillLibrary(library(), 1);
    m_test.window().setLanguage(Language::English);

    prompts().answerNextDialog(scratch() / "missing-folder" / "a.mac");
    dispatch(66);
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("The file save failed"));
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Error"));

    // The macro file can be written but the name file cannot: still no success.
    std::filesystem::create_directory(scratch() / "b.name");
    prompts().answerNextDialog(scratch() / "b.mac");
    dispatch(66);
    ASSERT_EQ(prompts().messages().size(), 2u);
    EXPECT_EQ(prompts().messages()[1].text, QStringLiteral("The file save failed"));
}

TEST_F(DispatcherTest, OpeningAMacroFileLoadsItAndShowsTheFirstName)
{
    auto source = std::make_unique<MacroLibrary>();
    FillLibrary(*source, 3);
    source->MacroFilePath = (scratch() / "set.mac").string();
    source->MacroNameFilePath = (scratch() / "set.name").string();
    ASSERT_EQ(SaveMacroLibrary(*source), MacroSaveStatus::Saved);

    prompts().answerNextDialog(scratch() / "set.mac");
    dispatch(64);
    EXPECT_EQ(prompts().dialogs()[0].kind, ScriptedPrompts::DialogKind::Open);
    EXPECT_EQ(prompts().dialogs()[0].request.flags, FileDialogFlags(FileDialogFlag::HideReadOnly));
    EXPECT_EQ(library().MacroCount, 3u);
    EXPECT_EQ(library().MacroNames[2], "m3");
    EXPECT_EQ(library().MacroNameFilePath, (scratch() / "set.name").string());
    EXPECT_EQ(nameEdit().text(), QStringLiteral("m1"));
    EXPECT_TRUE(prompts().messages().empty());
}

TEST_F(DispatcherTest, AFileThatIsNoMacroFileChangesNothing)
{
    FillLibrary(library(), 2);
    library().MacroFilePath = (scratch() / "mine.mac").string();
    library().MacroNameFilePath = (scratch() / "mine.name").string();
    const std::filesystem::path text = scratch() / "notes.mac";
    std::ofstream(text) << "not a macro file at all, but long enough to hold a header......";

    prompts().answerNextDialog(text);
    dispatch(64);
    EXPECT_EQ(library().MacroCount, 2u);
    EXPECT_EQ(library().MacroFilePath, (scratch() / "mine.mac").string())
        << "Save must not overwrite the file that failed to open";
    EXPECT_EQ(prompts().messages().size(), 1u);

    // Cancelling the dialog changes nothing either, silently.
    dispatch(64);
    EXPECT_EQ(prompts().messages().size(), 1u);
}

// --- Profiles and uploads -----------------------------------------------------------------

TEST_F(DispatcherTest, ProfileSlotLoadsItsFileAndIsMarked)
{
    auto saved = std::make_unique<SettingsRecord>(settings());
    (*saved)[XDpi] = 4;
    (*saved)[Rate125Hz] = 1;
    (*saved)[Rate500Hz] = 0;
    ASSERT_TRUE(
        SaveProfile(m_test.window().services().paths.profile(2), *saved, Language::Turkish));

    dispatch(116);
    EXPECT_EQ(settings()[XDpi], 4);
    EXPECT_EQ(settings()[Rate125Hz], 1);
    EXPECT_EQ(settings()[Settings2], 1);

    // A slot without a file gives the factory values and is marked all the same.
    dispatch(119);
    EXPECT_EQ(settings()[XDpi], DefaultSettings[XDpi]);
    EXPECT_EQ(settings()[Settings5], 1);
    EXPECT_EQ(settings()[Settings2], 0);
}

TEST_F(DispatcherTest, LoadConfigurationAsksForAnExistingIniFile)
{
    const auto before = settings().RegionValues;
    dispatch(120);
    ASSERT_EQ(prompts().dialogs().size(), 1u);
    const FileDialogRequest& request = prompts().dialogs()[0].request;
    EXPECT_EQ(request.defaultExtension, QStringLiteral("ini"));
    EXPECT_EQ(request.initialName, QStringLiteral("*.ini"));
    EXPECT_EQ(request.filters[0].description, QStringLiteral("INI File (*.ini)"));
    EXPECT_EQ(request.flags, FileDialogFlag::HideReadOnly | FileDialogFlag::FileMustExist);
    EXPECT_EQ(settings().RegionValues, before) << "cancelled";

    auto saved = std::make_unique<SettingsRecord>(settings());
    (*saved)[XSpeed] = 8;
    ASSERT_TRUE(SaveProfile(scratch() / "mine.ini", *saved, Language::Turkish));
    prompts().answerNextDialog(scratch() / "mine.ini");
    dispatch(120);
    EXPECT_EQ(settings()[XSpeed], 8);
}

TEST_F(DispatcherTest, ApplySendsTheSettingsAndSaysSoInTheCurrentLanguage)
{
    m_test.window().setLanguage(Language::English);
    settings()[XDpi] = 3;
    settings()[Button4] = FunctionCode(ButtonFunction::VolumeUp);
    click(129);

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("Download the program to complete"));
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Succeed"));
    EXPECT_EQ(m_test.mouse().memory().settings, BuildSettingsReport(settings()));
    EXPECT_EQ(m_test.mouse().memory().buttonMap, BuildButtonMapReport(settings()).report);
    EXPECT_TRUE(m_test.window().isVisible());
}

void fillEveryButtonWithAFullMacro(SettingsRecord& settings)
{
    for (int button = 1; button < kButtonCount; ++button) {
        settings.RegionValues[static_cast<std::size_t>(button)] =
            FunctionCode(ButtonFunction::Macro);
        for (int record = 0; record < kMaxMacroRecords; ++record) {
            settings.MacroImage[static_cast<std::size_t>(button)]
                               [static_cast<std::size_t>(record * 10)] = 0x20;
        }
        settings.MacroImageLength[static_cast<std::size_t>(button)] = kMaxMacroImageLength;
    }
}

TEST_F(DispatcherTest, SettingsThatDoNotFitAreRefusedNamingTheButton)
{
    m_test.window().setLanguage(Language::English);
    fillEveryButtonWithAFullMacro(settings());
    const VirtualMouseMemory before = m_test.mouse().memory();
    m_test.mouse().clearTransfers();

    click(129);
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_TRUE(prompts().messages()[0].text.startsWith(QStringLiteral("Button ")))
        << prompts().messages()[0].text.toStdString();
    EXPECT_TRUE(m_test.mouse().transfers().empty());
    EXPECT_EQ(m_test.mouse().memory().buttonMap, before.buttonMap);

    // OK does not end the program with settings that were never sent.
    click(128);
    EXPECT_TRUE(m_test.window().isVisible());
    EXPECT_TRUE(m_test.mouse().transfers().empty());
}

TEST_F(DispatcherTest, FactoryConfigurationLoadsDefSetAndUploadsIt)
{
    m_test.window().setLanguage(Language::English);
    m_test.writeFactoryProfile("[Setting]\nXDpi=0x4\n");
    settings()[XDpi] = 0;
    click(122);
    EXPECT_EQ(settings()[XDpi], 4);
    EXPECT_EQ(m_test.mouse().memory().settings, BuildSettingsReport(settings()));
    EXPECT_EQ(lastMessage(), QStringLiteral("Download the program to complete"));
}

// --- The end of the window ----------------------------------------------------------------

TEST(DispatcherEnd, CloseCancelAndOkEndTheProgramOnlyOkUploads)
{
    const std::pair<int, QDialog::DialogCode> cases[] = {
        {124, QDialog::Rejected}, {130, QDialog::Rejected}, {128, QDialog::Accepted}};
    for (const auto& [region, code] : cases) {
        SCOPED_TRACE(region);
        TestWindow test;
        test.start();
        test.mouse().clearTransfers();
        QTest::mouseClick(test.handle(), Qt::LeftButton, {}, CentreOf(region));
        EXPECT_FALSE(test.window().isVisible());
        EXPECT_EQ(test.window().result(), code);
        const bool uploaded = !test.mouse().transfers().empty();
        EXPECT_EQ(uploaded, region == 128);
    }
}

} // namespace
} // namespace bexlan
