#include "input/Joystick.h"

#include <gtest/gtest.h>

namespace {

const uint8_t kNoButtons[8] = {};

TEST(JoystickReading, AxisValuesAtTheThresholdSetNothing) {
    Joystick stick;
    stick.record(15000, -15000, 0, kNoButtons);
    EXPECT_FALSE(stick.anyOn());
    stick.record(-15000, 15000, 0, kNoButtons);
    EXPECT_FALSE(stick.anyOn());
    EXPECT_EQ(stick.lastOn(), -1);
}

TEST(JoystickReading, OnePastTheThresholdSetsTheDirection) {
    Joystick stick;
    stick.record(-15001, -15001, 0, kNoButtons);
    EXPECT_TRUE(stick.isOn(0)) << "left";
    EXPECT_TRUE(stick.isOn(2)) << "up";
    EXPECT_FALSE(stick.isOn(1));
    EXPECT_FALSE(stick.isOn(3));
    stick.record(15001, 15001, 0, kNoButtons);
    EXPECT_TRUE(stick.isOn(1)) << "right";
    EXPECT_TRUE(stick.isOn(3)) << "down";
    EXPECT_FALSE(stick.isOn(0));
    EXPECT_FALSE(stick.isOn(2));
    EXPECT_EQ(stick.lastOn(), 3);
    EXPECT_FALSE(stick.anyButtonOn());
    stick.record(-32768, 32767, 0, kNoButtons);
    EXPECT_TRUE(stick.isOn(0));
    EXPECT_TRUE(stick.isOn(3));
}

TEST(JoystickReading, OnlyTheFirstFourButtonsCount) {
    const uint8_t allPressed[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    Joystick two;
    two.record(0, 0, 2, allPressed);
    EXPECT_TRUE(two.isOn(4));
    EXPECT_TRUE(two.isOn(5));
    EXPECT_FALSE(two.isOn(6));
    EXPECT_EQ(two.lastOn(), 5);

    Joystick eight;
    eight.record(0, 0, 8, allPressed);
    for (int i = 4; i <= 7; ++i) {
        EXPECT_TRUE(eight.isOn(i)) << i;
    }
    for (int i = 8; i < Joystick::kStateCount; ++i) {
        EXPECT_FALSE(eight.isOn(i)) << i;
    }
    EXPECT_EQ(eight.lastOn(), 7);
    EXPECT_TRUE(eight.anyButtonOn());

    const uint8_t third[4] = {0, 0, 5, 0};
    Joystick one;
    one.record(0, 0, 4, third);
    EXPECT_EQ(one.lastOn(), 6) << "any non-zero button reads as pressed";
}

TEST(JoystickReading, EdgesCompareWithThePreviousReading) {
    const uint8_t fire[4] = {1, 0, 0, 0};
    Joystick stick;
    stick.record(0, 0, 4, fire);
    EXPECT_TRUE(stick.pressedNow(4));
    EXPECT_TRUE(stick.anyPressedNow());
    EXPECT_TRUE(stick.anyButtonPressedNow());
    stick.record(-20000, 0, 4, fire);
    EXPECT_FALSE(stick.pressedNow(4)) << "still held is no new press";
    EXPECT_TRUE(stick.isOn(4));
    EXPECT_TRUE(stick.pressedNow(0));
    EXPECT_TRUE(stick.anyPressedNow());
    EXPECT_FALSE(stick.anyButtonPressedNow()) << "only the stick moved";
    stick.record(-20000, 0, 4, kNoButtons);
    EXPECT_FALSE(stick.anyPressedNow());
    EXPECT_TRUE(stick.anyOn());
    EXPECT_FALSE(stick.anyButtonOn());
}

TEST(JoystickReading, IndicesOutsideTheStatesAnswerFalse) {
    const uint8_t allPressed[4] = {1, 1, 1, 1};
    Joystick stick;
    stick.record(-20000, -20000, 4, allPressed);
    for (int32_t i : {-1, -36, Joystick::kStateCount, 100, INT32_MAX, INT32_MIN}) {
        EXPECT_FALSE(stick.isOn(i)) << i;
        EXPECT_FALSE(stick.pressedNow(i)) << i;
    }
}

TEST(Joystick, WithoutAJoystickNothingIsOnAndPollChangesNothing) {
    // The test machine has no joystick; SDL is not started either, which is
    // how the game makes its joystick.
    Joystick stick;
    ASSERT_FALSE(stick.isOpened());
    stick.poll();
    EXPECT_FALSE(stick.anyOn());
    EXPECT_FALSE(stick.anyPressedNow());
    EXPECT_EQ(stick.lastOn(), -1);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), Uint32(SDL_INIT_JOYSTICK))
        << "the joystick starts SDL's joystick support itself";
}

TEST(Joystick, LeavesSdlsJoystickSupportAsItFoundIt) {
    { Joystick stick; }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "started by it, stopped by it";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    { Joystick stick; }
    EXPECT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "started by someone else, left running";
    SDL_Quit();
}

TEST(JoystickPacing, PollsAtMostOncePerHalfFrame) {
    Joystick stick;
    EXPECT_TRUE(stick.pollIfDue(1000)) << "the first pump always reads";
    EXPECT_FALSE(stick.pollIfDue(1000)) << "a second pump in the same frame";
    EXPECT_FALSE(stick.pollIfDue(1000 + Joystick::kPollGapMs - 1));
    EXPECT_TRUE(stick.pollIfDue(1000 + Joystick::kPollGapMs));
    // One pump per 51 ms frame reads every time.
    for (uint32_t t = 1076; t < 2000; t += 51) {
        EXPECT_TRUE(stick.pollIfDue(t)) << t;
        EXPECT_FALSE(stick.pollIfDue(t + 3)) << t;
    }
}

TEST(JoystickPacing, TheTickCounterWrappingRoundKeepsThePace) {
    Joystick stick;
    ASSERT_TRUE(stick.pollIfDue(UINT32_MAX - 10));
    EXPECT_FALSE(stick.pollIfDue(5)) << "16 ms later, across the wrap";
    EXPECT_TRUE(stick.pollIfDue(40));
}

} // namespace
