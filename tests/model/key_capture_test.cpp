#include "model/key_capture.h"

#include <gtest/gtest.h>

using namespace bexlan;

namespace {

constexpr KeyIndex kLCtrl = 70, kLShift = 58, kC = 61, kA = 46;

KeyCombination Keys(std::initializer_list<KeyIndex> keys)
{
    KeyCombination combination{};
    std::copy(keys.begin(), keys.end(), combination.begin());
    return combination;
}

TEST(KeyCapture, HoldingCtrlWhileTypingCGivesCtrlC)
{
    KeyCapture capture;
    capture.KeyDown(kLCtrl);
    capture.KeyDown(kC);
    capture.KeyDown(kC); // auto-repeat
    capture.KeyUp();
    capture.KeyUp();
    EXPECT_EQ(capture.HeldKeys(), Keys({kLCtrl, kC}));
    EXPECT_EQ(capture.HeldKeyCount(), 0);
    EXPECT_EQ(FormatKeyCombination(capture.HeldKeys()), "LCtrl+C");
}

TEST(KeyCapture, APressAfterAllReleasesStartsANewCombination)
{
    KeyCapture capture;
    capture.KeyDown(kLShift);
    capture.KeyUp();
    EXPECT_EQ(capture.HeldKeys(), Keys({kLShift})) << "kept until the next press";
    capture.KeyDown(kA);
    EXPECT_EQ(capture.HeldKeys(), Keys({kA}));
}

TEST(KeyCapture, SevenLettersKeepTheFirstSix)
{
    KeyCapture capture;
    for (KeyIndex key : {46, 47, 48, 49, 50, 51, 52})
        capture.KeyDown(key);
    EXPECT_EQ(capture.HeldKeys(), Keys({46, 47, 48, 49, 50, 51}));
    EXPECT_EQ(capture.HeldKeyCount(), 6);
}

TEST(KeyCapture, ReleasesOfUnstoredKeysOnlyCountDown)
{
    KeyCapture capture;
    capture.KeyUp(); // a key held before the window opened
    EXPECT_EQ(capture.HeldKeyCount(), 0);
    capture.KeyDown(kA);
    capture.KeyUp();
    capture.KeyUp();
    EXPECT_EQ(capture.HeldKeyCount(), 0);
    EXPECT_EQ(capture.HeldKeys(), Keys({kA}));
}

} // namespace
