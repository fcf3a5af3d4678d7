// The relay under the offscreen platform: which keys reach a capture window as what rows,
// and what the rest of the application still sees.
#include "gui/keyboard_relay.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

namespace bexlan {
namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "gui_keyboard_relay_test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};
testing::Environment* const qtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

struct Message {
    QEvent::Type type;
    KeyIndex key;
    friend bool operator==(const Message&, const Message&) = default;
};

void PrintTo(const Message& m, std::ostream* os)
{
    *os << (m.type == KeyDownMessage ? "down " : "up ") << int(m.key);
}

// A capture window that notes every message with the key the relay holds at that moment.
class Recorder : public QWidget {
public:
    explicit Recorder(KeyboardRelay& relay) : m_relay(relay) {}
    std::vector<Message> messages;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == KeyDownMessage || event->type() == KeyUpMessage) {
            messages.push_back({event->type(), m_relay.LastKeyIndex()});
            return true;
        }
        return QWidget::event(event);
    }

private:
    KeyboardRelay& m_relay;
};

// A widget that counts the key events that reach it and, like most widgets, lets them go
// on to its parent.
class KeyCounter : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;
    int releases = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++presses;
        event->ignore();
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        ++releases;
        event->ignore();
    }
};

class KeyboardRelayTest : public testing::Test {
protected:
    KeyboardRelayTest() : recorder(relay)
    {
        child = new KeyCounter(&parent);
        parent.show();
        child->setFocus();
    }

    void capture() { relay.Claim(&recorder); }

    KeyboardRelay relay;
    Recorder recorder;
    KeyCounter parent;
    KeyCounter* child;
};

TEST_F(KeyboardRelayTest, PassesEveryKeyWhileNoCaptureWindowHoldsIt)
{
    EXPECT_EQ(relay.HookPassThrough(), RelayMode::PassThrough);
    QTest::keyClick(child, Qt::Key_A);
    EXPECT_EQ(child->presses, 1);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(KeyboardRelay::Installed(), &relay);
}

TEST_F(KeyboardRelayTest, RelaysPressAndReleaseAndSwallowsTheKey)
{
    capture();
    QTest::keyClick(child, Qt::Key_A);
    EXPECT_EQ(recorder.messages, (std::vector<Message>{{KeyDownMessage, 46}, {KeyUpMessage, 46}}));
    EXPECT_EQ(child->presses + child->releases + parent.presses, 0);

    relay.Release();
    QTest::keyClick(child, Qt::Key_A);
    EXPECT_EQ(child->presses, 1) << "released: keys reach the application again";
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST_F(KeyboardRelayTest, TranslatesKeysWithoutKeyCodes)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        KeyIndex expected;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, 57},
        {Qt::Key_Enter, Qt::KeypadModifier, 102},
        {Qt::Key_Up, Qt::KeypadModifier, 93}, // keypad 8 with Num Lock off
        {Qt::Key_Up, Qt::NoModifier, 84},
        {Qt::Key_Escape, Qt::NoModifier, 1},
        {Qt::Key_VolumeUp, Qt::NoModifier, kUnknownKey},
    };
    capture();
    for (const Case& c : cases) {
        recorder.messages.clear();
        QTest::keyPress(child, c.key, c.modifiers);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].key, c.expected)
            << QKeySequence(c.key).toString().toStdString();
        QTest::keyRelease(child, c.key, c.modifiers);
    }
}

TEST_F(KeyboardRelayTest, LockKeysAreRelayedOnceAndStillDelivered)
{
    capture();
    QTest::keyClick(child, Qt::Key_CapsLock);
    EXPECT_EQ(recorder.messages, (std::vector<Message>{{KeyDownMessage, 45}, {KeyUpMessage, 45}}));
    // Delivered where it was going, and on to the parent that the child passes it to,
    // without a second relay on the way.
    EXPECT_EQ(child->presses, 1);
    EXPECT_EQ(parent.presses, 1);
}

TEST_F(KeyboardRelayTest, AutoRepeatSendsOnlyFurtherPresses)
{
    capture();
    QTest::keyPress(child, Qt::Key_B);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"), true);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"), true);
        QApplication::sendEvent(child, &up);
        QApplication::sendEvent(child, &down);
    }
    QTest::keyRelease(child, Qt::Key_B);
    std::vector<Message> expected(4, Message{KeyDownMessage, 63});
    expected.push_back({KeyUpMessage, 63});
    EXPECT_EQ(recorder.messages, expected);
}

TEST_F(KeyboardRelayTest, ShortcutsDoNotFireWhileCapturing)
{
    int fired = 0;
    QAction action(&parent);
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    action.setShortcutContext(Qt::ApplicationShortcut);
    parent.addAction(&action);
    QObject::connect(&action, &QAction::triggered, [&] { ++fired; });
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));

    capture();
    QTest::keyClick(child, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fired, 0);
    relay.Release();
    QTest::keyClick(child, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fired, 1) << "the shortcut works, so the first press was really held back";
}

TEST_F(KeyboardRelayTest, ADestroyedCaptureWindowNoLongerHoldsTheKeyboard)
{
    auto window = std::make_unique<Recorder>(relay);
    relay.Claim(window.get());
    window.reset();
    QTest::keyClick(child, Qt::Key_A);
    EXPECT_EQ(child->presses, 1);
}

} // namespace
} // namespace bexlan
