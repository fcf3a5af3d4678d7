// The desktop-wide capture on a real X server: while the key-combination window is open, a
// key sent to the server reaches it even though another program's window has the focus,
// and that program does not see the key.
//
// The test runs itself three times over: under ctest it starts a private X server with
// xvfb-run and runs again inside it ("capture"), which in turn starts the program whose
// window lies below ("listener") as a separate X client.
#include "gui/fonts.h"
#include "gui/keyboard_relay.h"
#include "gui/single_key_window.h"
#include "gui/skin_images.h"
#include "model/window_regions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace bexlan {
namespace {

const char* const kRoleVariable = "BEXLAN_X11_ROLE";
// X key codes of the letters sent (evdev + 8).
constexpr int kKeyCodeA = 38;
constexpr int kKeyCodeB = 56;
constexpr int kKeyCodeC = 54;
constexpr int kKeyCodeD = 40;
constexpr int kWaitMs = 15000;

QString selfPath()
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

// The other program: a large focused window that prints every key it receives.
class ListenerWindow : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        std::printf("key %u\n", event->nativeScanCode());
        std::fflush(stdout);
    }
};

int runListener(int argc, char** argv)
{
    QApplication app(argc, argv);
    ListenerWindow window;
    window.setGeometry(0, 0, 900, 700);
    window.show();
    window.activateWindow();
    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (!window.isActiveWindow())
            return;
        ready.stop();
        std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
        std::fflush(stdout);
    });
    ready.start(10);
    // "activate" on stdin takes the input focus back; end of input ends the program.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            app.quit();
            return;
        }
        window.activateWindow();
        QGuiApplication::sync();
        std::printf("focused\n");
        std::fflush(stdout);
    });
    return app.exec();
}

bool xdotool(const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(kWaitMs) || process.exitCode() != 0)
        return false;
    if (output != nullptr)
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return true;
}

class Listener {
public:
    Listener()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kRoleVariable), QStringLiteral("listener"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(selfPath(), {});
    }
    ~Listener()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(kWaitMs))
            m_process.kill();
    }

    // Waits for a line starting with `prefix`; returns its remainder.
    std::optional<QString> waitFor(const QString& prefix)
    {
        std::optional<QString> found;
        (void)QTest::qWaitFor(
            [&] {
                found = take(prefix);
                return found.has_value();
            },
            kWaitMs);
        return found;
    }

    void send(const char* line) { m_process.write(line); }

    const QStringList& lines() const { return m_lines; }

private:
    std::optional<QString> take(const QString& prefix)
    {
        while (m_process.canReadLine())
            m_lines.append(QString::fromUtf8(m_process.readLine()).trimmed());
        for (; m_next < m_lines.size(); ++m_next) {
            if (m_lines[m_next].startsWith(prefix))
                return m_lines[m_next++].mid(prefix.size());
        }
        return std::nullopt;
    }

    QProcess m_process;
    QStringList m_lines;
    qsizetype m_next = 0;
};

void runCaptureRole()
{
    Listener listener;
    const std::optional<QString> listenerWindow = listener.waitFor(QStringLiteral("ready "));
    ASSERT_TRUE(listenerWindow.has_value()) << "the listener never got the focus";
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("b")}));
    ASSERT_TRUE(listener.waitFor(QStringLiteral("key %1").arg(kKeyCodeB)))
        << "without a capture window the focused program gets the key";

    SkinImages skins(BEXLAN_BINARY_DIR "/bin/skins");
    const Fonts fonts = CreateFonts();
    const MacroWindowContext context{skins, fonts, Language::English};
    KeyboardRelay relay;
    CSingleKey window(context);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return relay.HoldsKeyboard(); }, kWaitMs));

    // The other program takes the focus back: only the grab can bring the key to us now.
    listener.send("activate\n");
    ASSERT_TRUE(listener.waitFor(QStringLiteral("focused")));
    QString focus;
    ASSERT_TRUE(xdotool({QStringLiteral("getwindowfocus")}, &focus));
    EXPECT_EQ(focus, *listenerWindow);

    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("a")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.HeldKeys()[0] == 46; }, kWaitMs))
        << "the key did not reach the capture window";

    // Minimised, a window is unmapped and X drops its grab; a stand-in keeps the keyboard.
    window.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return relay.HoldsKeyboard(); }, kWaitMs));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("d")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.HeldKeys()[0] == 48; }, kWaitMs))
        << "the key typed while the window was away did not reach it";
    window.show();

    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier,
                      QPoint(KeyWindowRect(CSingleKey::CancelButton).left + 5,
                             KeyWindowRect(CSingleKey::CancelButton).top + 5));
    EXPECT_FALSE(relay.HoldsKeyboard());
    // Keys are ordered: once the listener has this one, an earlier one would have come too.
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("c")}));
    ASSERT_TRUE(listener.waitFor(QStringLiteral("key %1").arg(kKeyCodeC)))
        << "after the window closed the keyboard is the desktop's again";
    for (int captured : {kKeyCodeA, kKeyCodeD})
        EXPECT_FALSE(listener.lines().contains(QStringLiteral("key %1").arg(captured)))
            << "the program below saw captured key " << captured;
}

TEST(KeyboardRelayX11, CaptureWindowTakesKeysFromTheWholeDesktop)
{
    if (qgetenv(kRoleVariable) == "capture") {
        int argc = 1;
        char name[] = "gui_keyboard_relay_x11_test";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        InstallFontSubstitutions();
        runCaptureRole();
        return;
    }
    for (const char* tool : {"xvfb-run", "Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed (scripts/install-deps installs it)";
    }
    // A private server, so the test neither depends on nor disturbs a desktop.
    const std::string command = "timeout 300 xvfb-run -a -s '-screen 0 1024x768x24' env " +
                                std::string(kRoleVariable) + "=capture QT_QPA_PLATFORM=xcb '" +
                                selfPath().toStdString() +
                                "' --gtest_filter=KeyboardRelayX11.* --gtest_brief=1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace
} // namespace bexlan

int main(int argc, char** argv)
{
    if (qgetenv(bexlan::kRoleVariable) == "listener")
        return bexlan::runListener(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
