// The three macro windows driven like a user would: keys through the relay, clicks on
// their regions, and the results their entry points hand back.
#include "gui/choice_window.h"
#include "gui/fonts.h"
#include "gui/keyboard_relay.h"
#include "gui/macro_window.h"
#include "gui/single_key_window.h"
#include "gui/skin_images.h"
#include "model/window_regions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

namespace bexlan {
namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "gui_macro_windows_test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        InstallFontSubstitutions();
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};
testing::Environment* const qtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr KeyIndex kLCtrl = 70, kC = 61, kA = 46, kEsc = 1, kEnter = 57;

KeyCombination Keys(std::initializer_list<KeyIndex> keys)
{
    KeyCombination combination{};
    std::copy(keys.begin(), keys.end(), combination.begin());
    return combination;
}

QPoint centre(const Rect& rect)
{
    return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

QPoint editorRegion(int region)
{
    return centre(EditorRegionTable[static_cast<size_t>(region)]);
}

QPoint chooserRegion(int region)
{
    return centre(ChooserRegionTable[static_cast<size_t>(region)]);
}

void click(QWidget& window, QPoint at)
{
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, at);
}

void typeCtrlC(QWidget& target)
{
    QTest::keyPress(&target, Qt::Key_Control);
    QTest::keyPress(&target, Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(&target, Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(&target, Qt::Key_Control);
}

void wheel(QWidget& window, QPoint at, int delta)
{
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &event);
}

// Runs `drive` on the modal window as soon as its loop has started.
void whenModal(std::function<void(QWidget&)> drive)
{
    QTimer::singleShot(0, [drive] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        drive(*window);
    });
}

// Every test builds its own windows over the skins the build draws (the windows also work
// without them, on a plain background).
class MacroWindowsTest : public testing::Test {
protected:
    MacroWindowsTest() : skins(BEXLAN_BINARY_DIR "/bin/skins"), fonts(CreateFonts()) {}

    SkinImages skins;
    Fonts fonts;
    MacroWindowContext context{skins, fonts, Language::English};
    KeyboardRelay relay;
};

TEST_F(MacroWindowsTest, EditorRecordsKeysAndButtonsAndOkHandsBackTheMacro)
{
    CMacro editor(MacroRecord{}, context);
    editor.show();
    ASSERT_EQ(relay.HookPassThrough(), RelayMode::Capture);
    ASSERT_EQ(relay.CaptureWindow(), &editor);

    typeCtrlC(editor);
    click(editor, editorRegion(CMacro::DelayAfterPressCheck));
    click(editor, editorRegion(CMacro::LeftButton));
    // Keys that would close a dialog are recorded instead.
    QTest::keyClick(&editor, Qt::Key_Escape);
    QTest::keyClick(&editor, Qt::Key_Return);
    ASSERT_TRUE(editor.isVisible());

    click(editor, editorRegion(CMacro::OkRegion));
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);
    const MacroRecord& record = editor.Record();
    const std::vector<MacroEvent> events(record.events.begin(),
                                         record.events.begin() + record.eventCount);
    EXPECT_EQ(events, (std::vector{
                          MacroEvent::KeyDown(Keys({kLCtrl, kC})),
                          MacroEvent::KeyUp(Keys({kLCtrl, kC})),
                          MacroEvent::MouseDown(kMacroLeftButton),
                          MacroEvent::Delay(10),
                          MacroEvent::MouseUp(kMacroLeftButton),
                          MacroEvent::KeyDown(Keys({kEsc})),
                          MacroEvent::Delay(10),
                          MacroEvent::KeyUp(Keys({kEsc})),
                          MacroEvent::KeyDown(Keys({kEnter})),
                          MacroEvent::Delay(10),
                          MacroEvent::KeyUp(Keys({kEnter})),
                      }));
}

TEST_F(MacroWindowsTest, EditorListSelectsDeletesAndScrolls)
{
    MacroRecord record;
    for (int i = 0; i < 25; ++i)
        record.Append(MacroEvent::Delay(static_cast<uint16_t>(i + 1)));
    CMacro editor(record, context);
    editor.show();

    // The list row under the pointer: row 2 of the list is event 3 while the list is at 0.
    const QPoint row2(300, kListTop + 2 * kListRowHeight + 5);
    click(editor, row2);
    EXPECT_EQ(editor.Editor().SelectedEvent(), 2);
    click(editor, editorRegion(CMacro::DeleteButton));
    EXPECT_EQ(editor.Record().eventCount, 24);
    EXPECT_EQ(editor.Record().events[2], MacroEvent::Delay(4));

    QTest::mouseMove(&editor, row2);
    wheel(editor, row2, -120);
    wheel(editor, row2, -120);
    EXPECT_EQ(editor.Editor().FirstRow(), 2);
    QTest::mouseMove(&editor, editorRegion(CMacro::ClearButton));
    wheel(editor, editorRegion(CMacro::ClearButton), -120);
    EXPECT_EQ(editor.Editor().FirstRow(), 2) << "wheel outside the list";

    click(editor, editorRegion(CMacro::ClearButton));
    EXPECT_EQ(editor.Record().eventCount, 0);
    EXPECT_EQ(editor.Editor().DelayValue(), 8);
}

TEST_F(MacroWindowsTest, EditorDelayArrowStepsOnPressAndStopsAfterRelease)
{
    CMacro editor(MacroRecord{}, context);
    editor.show();
    QTest::mousePress(&editor, Qt::LeftButton, Qt::NoModifier, editorRegion(CMacro::DelayUpArrow));
    EXPECT_EQ(editor.Editor().DelayValue(), 11);
    EXPECT_TRUE(editor.DelayTimerActive());
    QTest::mouseRelease(&editor, Qt::LeftButton, Qt::NoModifier,
                        editorRegion(CMacro::DelayUpArrow));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !editor.DelayTimerActive(); }));
    const int settled = editor.Editor().DelayValue();
    EXPECT_GE(settled, 11);
    QTest::mouseClick(&editor, Qt::LeftButton, Qt::NoModifier,
                      editorRegion(CMacro::DelayDownArrow));
    EXPECT_EQ(editor.Editor().DelayValue(), settled - 1);
}

TEST_F(MacroWindowsTest, MinimisedEditorKeepsTheKeyboard)
{
    CMacro editor(MacroRecord{}, context);
    editor.show();
    click(editor, editorRegion(CMacro::MinimiseBox));
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::Capture);
    EXPECT_EQ(relay.CaptureWindow(), &editor);
    QWidget elsewhere;
    elsewhere.show();
    QTest::keyClick(&elsewhere, Qt::Key_A);
    EXPECT_EQ(editor.Record().events[0], MacroEvent::KeyDown(Keys({kA})));
}

TEST_F(MacroWindowsTest, RunMacroEditorReturnsOnOkAndNothingOnClose)
{
    MacroRecord start;
    start.Append(MacroEvent::Delay(100));

    whenModal([](QWidget& window) {
        click(window, editorRegion(CMacro::InsertDelayButton)); // adds 10 to the delay
        click(window, editorRegion(CMacro::OkRegion));
    });
    const std::optional<MacroRecord> edited = RunMacroEditor(nullptr, start, context);
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(edited->events[0], MacroEvent::Delay(110));
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);

    whenModal([](QWidget& window) {
        click(window, editorRegion(CMacro::InsertDelayButton));
        click(window, editorRegion(CMacro::CloseBox));
    });
    EXPECT_EQ(RunMacroEditor(nullptr, start, context), std::nullopt);
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);
}

TEST_F(MacroWindowsTest, KeyWindowCapturesCtrlC)
{
    whenModal([this](QWidget& window) {
        EXPECT_EQ(relay.CaptureWindow(), &window);
        typeCtrlC(window);
        EXPECT_EQ(static_cast<CSingleKey&>(window).HeldKeyCount(), 0);
        click(window, centre(KeyWindowRect(CSingleKey::OkButton)));
    });
    EXPECT_EQ(RunKeyCombinationWindow(nullptr, context), Keys({kLCtrl, kC}));
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);
}

TEST_F(MacroWindowsTest, KeyWindowHandsBackNothingWhenEmptyOrCancelled)
{
    whenModal([](QWidget& window) { click(window, centre(KeyWindowRect(CSingleKey::OkButton))); });
    EXPECT_EQ(RunKeyCombinationWindow(nullptr, context), std::nullopt);

    whenModal([](QWidget& window) {
        QTest::keyClick(&window, Qt::Key_A);
        click(window, centre(KeyWindowRect(CSingleKey::CancelButton)));
    });
    EXPECT_EQ(RunKeyCombinationWindow(nullptr, context), std::nullopt);
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);
}

TEST_F(MacroWindowsTest, KeyWindowLightsTheButtonUnderThePointer)
{
    const QImage& down = skins.image(SingleKeyDown);
    if (down.isNull())
        GTEST_SKIP() << "no skins drawn in " BEXLAN_BINARY_DIR "/bin/skins";
    CSingleKey window(context);
    window.show();
    const Rect ok = KeyWindowRect(CSingleKey::OkButton);
    QTest::mouseMove(&window, centre(ok));
    ASSERT_EQ(window.HotButton(), CSingleKey::OkButton);
    // A corner of the button, away from its label, shows the pressed look.
    const QPoint corner(ok.left + 1, ok.top + 1);
    EXPECT_EQ(window.composeFrame().pixel(corner), down.pixel(corner));
    click(window, centre(KeyWindowRect(CSingleKey::CancelButton)));
}

std::unique_ptr<MacroLibrary> Library(int count)
{
    auto library = std::make_unique<MacroLibrary>();
    for (int slot = 0; slot < count; ++slot) {
        for (int i = 0; i <= slot; ++i)
            library->MacroSlots[slot].Append(MacroEvent::Delay(static_cast<uint16_t>(slot + 1)));
    }
    library->MacroCount = static_cast<uint32_t>(count);
    return library;
}

TEST_F(MacroWindowsTest, ChooserFollowsArrowKeysAndWheelAndClicks)
{
    auto library = Library(30);
    CChoice chooser(*library, context);
    chooser.show();
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough) << "the chooser takes no keys";

    for (int i = 0; i < 25; ++i)
        QTest::keyClick(&chooser, Qt::Key_Down);
    EXPECT_EQ(chooser.Chooser().ChosenMacro(), 25);
    EXPECT_EQ(chooser.Chooser().FirstMacroRow(), 5);
    QTest::keyClick(&chooser, Qt::Key_Up);
    EXPECT_EQ(chooser.Chooser().ChosenMacro(), 24);

    const QPoint list = chooserRegion(2);
    wheel(chooser, list, +120);
    EXPECT_EQ(chooser.Chooser().FirstMacroRow(), 4);
    const QPoint preview = chooserRegion(3);
    wheel(chooser, preview, -120);
    wheel(chooser, preview, -120);
    EXPECT_EQ(chooser.Chooser().FirstEventRow(), 2) << "macro 25 holds 25 events";

    // The top row of the list is now macro 5.
    click(chooser, QPoint(50, kListTop + 5));
    EXPECT_EQ(chooser.Chooser().ChosenMacro(), 4);
    click(chooser, chooserRegion(6));
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.Preview(), library->MacroSlots[4]);
}

TEST_F(MacroWindowsTest, RunMacroChooserHandsBackSlotZeroOnOkAndNothingOnCancel)
{
    auto library = Library(3);
    library->SelectedMacro = 2;
    whenModal([](QWidget& window) { click(window, chooserRegion(6)); });
    EXPECT_EQ(RunMacroChooser(nullptr, *library, context), library->MacroSlots[0]);

    whenModal([](QWidget& window) { click(window, chooserRegion(5)); });
    EXPECT_EQ(RunMacroChooser(nullptr, *library, context), std::nullopt);
    whenModal([](QWidget& window) { click(window, chooserRegion(7)); });
    EXPECT_EQ(RunMacroChooser(nullptr, *library, context), std::nullopt);
}

TEST_F(MacroWindowsTest, EditorAndChooserShareOneOutline)
{
    auto library = Library(0);
    CMacro editor(MacroRecord{}, context);
    CChoice chooser(*library, context);
    EXPECT_EQ(editor.size(), chooser.size());
}

} // namespace
} // namespace bexlan
