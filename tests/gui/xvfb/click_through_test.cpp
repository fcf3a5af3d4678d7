// Under a real X server (Xvfb): a click on the mask's outside colour falls through the main
// window to the window below, and a click on the shape stays with the main window. The
// program re-runs itself under `xvfb-run -a`, and skips when xvfb-run or xdotool is missing.
#include "support/qt_environment.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace bexlan {
namespace {

constexpr int kSkipped = 77;
const char* const kUnderXvfb = "BEXLAN_UNDER_XVFB";

// A plain window covering the screen that remembers where it was pressed.
class Below : public QWidget {
public:
    std::vector<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        presses.push_back(event->globalPosition().toPoint());
    }
};

void xdotoolClick(QPoint global)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(global.x()),
                       QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// A point of the mask's outside colour with only outside colour around it, so the click
// cannot graze the shape.
QPoint clearOutsidePoint(const QImage& mask)
{
    const QRgb outside = mask.pixel(0, 0);
    for (int y = 2; y < mask.height() - 2; ++y) {
        for (int x = 2; x < mask.width() - 2; ++x) {
            bool clear = true;
            for (int dy = -2; dy <= 2 && clear; ++dy) {
                for (int dx = -2; dx <= 2 && clear; ++dx) {
                    clear = mask.pixel(x + dx, y + dy) == outside;
                }
            }
            if (clear) {
                return QPoint(x, y);
            }
        }
    }
    return QPoint(0, 0);
}

TEST(ClickThroughTest, OutsideColourLetsClicksThroughAndTheShapeKeepsThem)
{
    Below below;
    below.setWindowFlags(Qt::FramelessWindowHint);
    below.setGeometry(QGuiApplication::primaryScreen()->geometry());
    below.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&below));

    TestWindow test;
    CBexlanDlg& window = test.start();
    window.raise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint origin = window.state().WindowRect.topLeft();

    const QPoint outside = clearOutsidePoint(test.skins().image(MainMask));
    ASSERT_NE(outside, QPoint(0, 0)) << "the mask has no clear outside area";
    xdotoolClick(origin + outside);
    EXPECT_TRUE(WaitUntil([&] { return !below.presses.empty(); }))
        << "the click on the outside colour did not reach the window below";
    if (!below.presses.empty()) {
        EXPECT_EQ(below.presses.back(), origin + outside);
    }

    below.presses.clear();
    xdotoolClick(origin + CentreOf(21));
    EXPECT_TRUE(WaitUntil([&] { return window.state().LastClickedRegion == 21; }))
        << "the click on the shape did not reach the main window";
    EXPECT_TRUE(below.presses.empty());
}

bool onPath(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

} // namespace
} // namespace bexlan

int main(int argc, char** argv)
{
    if (std::getenv(bexlan::kUnderXvfb) == nullptr) {
        if (!bexlan::onPath("xvfb-run") || !bexlan::onPath("xdotool")) {
            std::puts("SKIPPED: xvfb-run and xdotool are needed for this test (apt install "
                      "xvfb xauth xdotool)");
            return bexlan::kSkipped;
        }
        setenv(bexlan::kUnderXvfb, "1", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                                const_cast<char*>("-s"),
                                const_cast<char*>("-screen 0 1024x768x24")};
        std::string self = "/proc/self/exe";
        std::vector<char> resolved(4096);
        const ssize_t length = readlink(self.c_str(), resolved.data(), resolved.size() - 1);
        if (length > 0) {
            self.assign(resolved.data(), static_cast<size_t>(length));
        }
        args.push_back(self.data());
        for (int i = 1; i < argc; ++i) {
            args.push_back(argv[i]);
        }
        args.push_back(nullptr);
        execvp("xvfb-run", args.data());
        std::perror("xvfb-run");
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new bexlan::QtEnvironment);
    return RUN_ALL_TESTS();
}
