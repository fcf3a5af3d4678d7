// The main window's start-up and its composed frames: where the settings come from, the
// looks under the cursor, the mask, the language switch and a mouse plugged in later.
#include "gui/region_drawing.h"
#include "support/qt_environment.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

QRect rectOf(int region)
{
    const Rect r = RegionRect(region);
    return QRect(r.left, r.top, r.width(), r.height());
}

// True when every pixel of `area` in `frame` equals the same pixel of `picture`.
bool showsPicture(const QImage& frame, const QImage& picture, const QRect& area,
                  QPoint pictureOrigin = QPoint())
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (frame.pixel(x, y) != picture.pixel(x - pictureOrigin.x(), y - pictureOrigin.y())) {
                return false;
            }
        }
    }
    return true;
}

// A strip along the right edge of a region, where no text reaches.
QRect rightStrip(int region)
{
    const QRect r = rectOf(region);
    return QRect(r.right() - 3, r.top() + 1, 3, r.height() - 2);
}

TEST(MainWindowStartTest, ReadsTheMouseAndOpensInTurkishOnTheBasicPage)
{
    TestWindow test;
    CBexlanDlg& window = test.start();
    const MainWindowState& state = window.state();

    EXPECT_EQ(window.startSource(), StartSource::Mouse);
    EXPECT_TRUE(test.prompts().messages().empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZERU Gaming Mouse Driver"));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(state.WindowRect.size(), test.skins().image(MainMask).size());
    EXPECT_EQ(window.geometry().topLeft(), state.WindowRect.topLeft());
    EXPECT_EQ(state.LanguageIndex, Language::Turkish);
    EXPECT_EQ(window.LanguageCombo()->currentIndex(), 0);
    EXPECT_EQ(window.LanguageCombo()->currentText(), QStringLiteral("TÜRKÇE"));
    EXPECT_EQ(state.CurrentPage, Page::Basic);
    EXPECT_FALSE(window.NameEdit()->isVisible());
    EXPECT_EQ(window.NameEdit()->geometry(), rectOf(81));

    // The factory memory of the virtual mouse, as the upload of the defaults left it.
    EXPECT_EQ(state.settings[Rate500Hz], 1);
    EXPECT_EQ(state.settings[XDpi], 1);
    EXPECT_EQ(state.settings[AlwaysOn1], 1);
    for (int button = 0; button < kButtonCount; ++button) {
        EXPECT_EQ(state.settings.RegionValues[button], DefaultSettings[button]) << button;
    }
    // Pointer settings come from the desktop (Windows defaults here), not from the mouse.
    EXPECT_EQ(state.settings[XSpeed], 4);
    EXPECT_EQ(state.settings[XScroll], 2);
    EXPECT_EQ(state.settings[XDblClk], 5);
}

TEST(MainWindowStartTest, WithoutAMouseOrFactoryProfileOpensWithTheDefaults)
{
    TestWindow test;
    test.mouse().unplug();
    CBexlanDlg& window = test.start();

    EXPECT_EQ(window.startSource(), StartSource::FactoryProfile);
    EXPECT_TRUE(test.prompts().messages().empty()) << "a missing mouse is no error";
    auto expected = DefaultSettings;
    for (Region pointer : {XSpeed, XScroll, XDblClk, WheelLines, WheelScreen}) {
        expected[pointer] = window.state().settings[pointer];
    }
    EXPECT_EQ(window.state().settings.RegionValues, expected);
}

TEST(MainWindowStartTest, UnreadableMouseIsReportedAndTheFactoryProfileLoaded)
{
    TestWindow test;
    test.writeFactoryProfile("[Setting]\nXDpi=0x3\n125Hz=0x1\n500Hz=0x0\n");
    test.mouse().failGets(4, VirtualMouse::kForever);
    CBexlanDlg& window = test.start();

    ASSERT_EQ(test.prompts().messages().size(), 1u);
    const ScriptedPrompts::Message& message = test.prompts().messages()[0];
    EXPECT_EQ(message.text, QStringLiteral("bilgi alma başarısız！"));
    EXPECT_EQ(message.caption, QStringLiteral("başarısız"));
    EXPECT_EQ(message.icon, MessageIcon::Error);
    EXPECT_EQ(window.startSource(), StartSource::FactoryProfile);
    EXPECT_EQ(window.state().settings[XDpi], 3);
    EXPECT_EQ(window.state().settings[Rate125Hz], 1);
    EXPECT_EQ(window.state().settings[Rate500Hz], 0);
}

TEST(MainWindowStartTest, MousePluggedInLaterIsReadWhileNothingChanged)
{
    TestWindow test;
    VirtualMouseMemory memory = FactoryMemory();
    memory.settings[1] = 4; // XDpi
    test.mouse().setMemory(memory);
    test.mouse().unplug();
    CBexlanDlg& window = test.start();
    ASSERT_EQ(window.state().settings[XDpi], DefaultSettings[XDpi]);

    test.mouse().plugIn();
    EXPECT_TRUE(WaitUntil([&] { return window.startSource() == StartSource::Mouse; }));
    EXPECT_EQ(window.state().settings[XDpi], 4);
    EXPECT_FALSE(window.awaitingMouse());
}

TEST(MainWindowStartTest, MousePluggedInAfterAChangeLeavesTheSettingsAlone)
{
    TestWindow test;
    test.mouse().unplug();
    CBexlanDlg& window = test.start();
    window.state().settings[Rate1000Hz] = 1;
    window.state().settings[Rate500Hz] = 0;
    const auto values = window.state().settings.RegionValues;
    const size_t transfers = test.mouse().transfers().size();

    ASSERT_TRUE(window.awaitingMouse());
    test.mouse().plugIn();
    EXPECT_TRUE(WaitUntil([&] { return !window.awaitingMouse(); }));
    EXPECT_EQ(window.state().settings.RegionValues, values);
    EXPECT_EQ(test.mouse().transfers().size(), transfers) << "the mouse is not even read";
}

class MainWindowFrameTest : public testing::Test {
protected:
    void SetUp() override { m_test.start(); }

    MainWindowState& state() { return m_test.state(); }
    const QImage& picture(int slot) { return m_test.skins().image(slot); }
    void hover(QPoint at) { QTest::mouseMove(m_test.handle(), at); }

    TestWindow m_test;
};

TEST_F(MainWindowFrameTest, RegionsTakeTheirLookFromThePagePictures)
{
    // The skins must differ where the looks are compared, or the test proves nothing.
    ASSERT_FALSE(showsPicture(picture(MainNormal), picture(MainDown), rightStrip(3)));
    ASSERT_FALSE(showsPicture(picture(MainNormal), picture(MainOver), rightStrip(22)));

    QImage frame = m_test.frame();
    EXPECT_TRUE(showsPicture(frame, picture(MainNormal), rightStrip(3)));
    EXPECT_TRUE(showsPicture(frame, picture(MainOver), rightStrip(22))) << "500Hz is set";

    hover(CentreOf(3));
    hover(CentreOf(22));
    frame = m_test.frame();
    EXPECT_TRUE(showsPicture(frame, picture(MainNormal), rightStrip(3))) << "cursor left it";
    EXPECT_TRUE(showsPicture(frame, picture(MainOver), rightStrip(22))) << "on beats hot";

    hover(CentreOf(3));
    frame = m_test.frame();
    EXPECT_TRUE(showsPicture(frame, picture(MainDown), rightStrip(3)));

    m_test.window().showPage(Page::Advanced);
    hover(CentreOf(68));
    EXPECT_TRUE(showsPicture(m_test.frame(), picture(AdvancedDown), rightStrip(68)));
}

TEST_F(MainWindowFrameTest, MaskIsLaidOverEveryFrame)
{
    const QImage& mask = picture(MainMask);
    const QImage frame = m_test.frame();
    const QRgb outside = mask.pixel(0, 0);
    const QRgb inside = mask.pixel(50, 50);
    int outsidePixels = 0;
    for (int y = 0; y < mask.height(); y += 3) {
        for (int x = 0; x < mask.width(); x += 3) {
            if (mask.pixel(x, y) != inside) {
                ASSERT_EQ(frame.pixel(x, y), mask.pixel(x, y)) << x << "," << y;
                outsidePixels += mask.pixel(x, y) == outside;
            }
        }
    }
    EXPECT_GT(outsidePixels, 0);
}

TEST_F(MainWindowFrameTest, LanguageChoiceRepaintsCaptionsAndTitle)
{
    const QImage turkish = m_test.frame();
    const QRect title(QPoint(30, 15), picture(MainIconFirst).size());
    EXPECT_TRUE(showsPicture(turkish, picture(MainIconFirst), title, title.topLeft()));

    QComboBox* combo = m_test.window().LanguageCombo();
    combo->setCurrentIndex(2);
    EXPECT_EQ(state().LanguageIndex, Language::English);
    const QImage english = m_test.frame();
    EXPECT_TRUE(showsPicture(english, picture(MainIconFirst + 2), title, title.topLeft()));
    EXPECT_NE(english.copy(rectOf(125)), turkish.copy(rectOf(125))) << "tab caption";
    EXPECT_NE(english.copy(rectOf(2)), turkish.copy(rectOf(2))) << "function name";

    combo->setCurrentIndex(0);
    EXPECT_EQ(m_test.frame(), turkish);
}

TEST_F(MainWindowFrameTest, OutOfRangeValuesDrawClamped)
{
    state().settings[XDpi] = 77;
    state().settings[HShine] = 99;
    const QImage wild = m_test.frame();
    state().settings[XDpi] = 5;
    state().settings[HShine] = 7;
    EXPECT_EQ(m_test.frame(), wild);
}

} // namespace
} // namespace bexlan
