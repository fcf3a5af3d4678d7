// The main window driven with QTest at region coordinates: hover, drag, sliders, the DPI
// scale, the macro list's hover row and wheel.
#include "support/qt_environment.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

// A point of the basic page's face that lies in no region.
constexpr QPoint kBareFace(420, 130);

class MainWindowInputTest : public testing::Test {
protected:
    void SetUp() override { m_test.start(); }

    MainWindowState& state() { return m_test.state(); }
    QWindow* window() { return m_test.handle(); }
    void hover(QPoint at) { QTest::mouseMove(window(), at); }
    void click(QPoint at) { QTest::mouseClick(window(), Qt::LeftButton, {}, at); }
    void wheel(QPoint at, int delta)
    {
        QWheelEvent event(at, window()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m_test.window(), &event);
    }
    void showAdvancedPage() { m_test.window().showPage(Page::Advanced); }

    TestWindow m_test;
};

TEST_F(MainWindowInputTest, HoverFollowsTheCursorOverThePageShown)
{
    hover(CentreOf(3));
    EXPECT_EQ(state().HotRegion, 3);
    EXPECT_EQ(state().LastHotRegion, 3);
    hover(kBareFace);
    EXPECT_EQ(state().HotRegion, kNoRegion);

    // Regions of the other page are skipped; region 86 lies in bare face on the basic page.
    hover(CentreOf(86));
    EXPECT_EQ(state().HotRegion, kNoRegion);

    showAdvancedPage();
    hover(QPoint(46, 310)); // inside both 70 and 79: the lower number wins
    EXPECT_EQ(state().HotRegion, 70);
}

TEST_F(MainWindowInputTest, DragMovesTheWindowAndClicksNothing)
{
    const QRect before = state().WindowRect;
    const auto values = state().settings.RegionValues;

    QTest::mousePress(window(), Qt::LeftButton, {}, kBareFace);
    EXPECT_EQ(state().Dragging, DragState::Dragging);
    QTest::mouseMove(window(), kBareFace + QPoint(25, 12));
    // The window has followed the cursor, which is over the anchor again.
    QTest::mouseRelease(window(), Qt::LeftButton, {}, kBareFace);

    EXPECT_EQ(state().Dragging, DragState::Idle);
    EXPECT_EQ(state().WindowRect, before.translated(25, 12));
    EXPECT_EQ(m_test.window().pos(), state().WindowRect.topLeft());
    EXPECT_EQ(state().WindowRect.size(), before.size());
    EXPECT_EQ(state().LastClickedRegion, kNoRegion);
    EXPECT_EQ(state().settings.RegionValues, values);
}

TEST_F(MainWindowInputTest, PressInARegionDoesNotDrag)
{
    const QRect before = state().WindowRect;
    QTest::mousePress(window(), Qt::LeftButton, {}, CentreOf(20));
    QTest::mouseMove(window(), CentreOf(20) + QPoint(30, 30));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, CentreOf(20) + QPoint(30, 30));
    EXPECT_EQ(state().WindowRect, before);
}

TEST_F(MainWindowInputTest, PointerSlidersTakeTheReleasePosition)
{
    showAdvancedPage();
    struct Case {
        int slider;
        Region value;
        int dx;
        int32_t expected;
    };
    const Case cases[] =
        {
            {78, XSpeed, 0, 0},    {78, XSpeed, 22, 0},   {78, XSpeed, 23, 1},
            {79, XScroll, 120, 5}, {80, XDblClk, 229, 9}, {80, XDblClk, 230, 10},
            {78, XSpeed, 236, 10}, // the last pixel gives one more than the arrows allow
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slider << " at +" << c.dx);
        click(AtOffset(c.slider, c.dx));
        EXPECT_EQ(state().settings[c.value], c.expected);
        EXPECT_EQ(state().LastClickedRegion, kNoRegion) << "sliders are no clicks to repeat";
    }
}

TEST_F(MainWindowInputTest, DpiScaleActsLikeTheSliderBelowIt)
{
    const Rect scale = RegionRect(13);
    const Rect slider = RegionRect(51);
    for (int x : {scale.left, 476, 521, 600, 667, scale.right - 1}) {
        SCOPED_TRACE(x);
        click(QPoint(x, scale.top + 2));
        const int32_t fromScale = state().settings[XDpi];
        EXPECT_EQ(fromScale, (x - slider.left) / 45);
        if (x < slider.right) {
            state().settings[XDpi] = -1;
            click(QPoint(x, slider.top + 2));
            EXPECT_EQ(state().settings[XDpi], fromScale);
        }
    }
}

TEST_F(MainWindowInputTest, MacroListHoverStopsAtTheFreeSlot)
{
    FillLibrary(state().library, 2);
    showAdvancedPage();
    const Rect list = RegionRect(86);
    hover(QPoint(list.left + 10, list.top + 12 + 3));
    EXPECT_EQ(state().library.HotMacroRow, 1);
    hover(QPoint(list.left + 10, list.top + 12 * 7 + 3));
    EXPECT_EQ(state().library.HotMacroRow, 2) << "the <yeni makro> row and no further";
    hover(CentreOf(65));
    EXPECT_EQ(state().library.HotMacroRow, state().library.SelectedMacro);
}

TEST_F(MainWindowInputTest, WheelScrollsTheListOneRowAMessage)
{
    FillLibrary(state().library, 25);
    showAdvancedPage();

    wheel(CentreOf(86), -120); // not over the list yet: HotRegion decides
    EXPECT_EQ(state().library.MacroListTop, 0);

    hover(CentreOf(86));
    wheel(CentreOf(86), 120);
    EXPECT_EQ(state().library.MacroListTop, 0);
    for (int notch = 0; notch < 10; ++notch) {
        wheel(CentreOf(86), -360);
    }
    EXPECT_EQ(state().library.MacroListTop, 6) << "rows 6-25 show, 25 being <yeni makro>";
    wheel(CentreOf(86), 120);
    EXPECT_EQ(state().library.MacroListTop, 5);
}

TEST_F(MainWindowInputTest, ReleaseDecidesTheClickedRegion)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, CentreOf(20));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, CentreOf(21));
    EXPECT_EQ(state().LastClickedRegion, 21);

    click(kBareFace); // starts and ends a drag: no click
    EXPECT_EQ(state().LastClickedRegion, 21);

    // A release outside every region acts on "no region", which is never repeated.
    QTest::mousePress(window(), Qt::LeftButton, {}, CentreOf(20));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, kBareFace);
    EXPECT_EQ(state().LastClickedRegion, 21);
}

} // namespace
} // namespace bexlan
