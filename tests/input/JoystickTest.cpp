#include "input/Joystick.h"

#include <SDL.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

const uint8_t kNoButtons[8] = {};
const uint8_t kAllButtons[8] = {1, 1, 1, 1, 1, 1, 1, 1};

TEST(PadReading, AxesOrTheDpadAndTheFirstFourButtonsSetStates) {
    const uint8_t third[4] = {0, 0, 5, 0}; // any non-zero button reads as pressed
    const struct {
        int32_t x, y, buttonCount;
        const uint8_t* buttons;
        uint8_t hat;
        std::vector<int32_t> on;
    } cases[] = {
        {15000, -15000, 0, kNoButtons, 0, {}}, // at the threshold is still centred
        {-15000, 15000, 0, kNoButtons, 0, {}},
        {-15001, -15001, 0, kNoButtons, 0, {0, 2}}, // left and up
        {15001, 15001, 0, kNoButtons, 0, {1, 3}},   // right and down
        {-32768, 32767, 0, kNoButtons, 0, {0, 3}},
        {0, 0, 2, kAllButtons, 0, {4, 5}},
        {0, 0, 8, kAllButtons, 0, {4, 5, 6, 7}},
        {0, 0, 4, third, 0, {6}},
        {-20000, -20000, 4, kAllButtons, 0, {0, 2, 4, 5, 6, 7}},
        {0, 0, 0, kNoButtons, SDL_HAT_RIGHTDOWN, {1, 3}}, // the d-pad pushes as the stick
        {-20000, 0, 0, kNoButtons, SDL_HAT_RIGHT, {0}},   // left and right at once: left
        {0, 20000, 0, kNoButtons, SDL_HAT_UP, {2}},
    };
    for (const auto& c : cases) {
        PadState stick;
        stick.record(c.x, c.y, c.buttonCount, c.buttons, c.hat);
        for (int32_t i : {-1, -36, Joystick::kStateCount, INT32_MAX, INT32_MIN}) {
            EXPECT_FALSE(stick.isOn(i) || stick.pressedNow(i)) << "outside the states: " << i;
        }
        for (int32_t i = 0; i < Joystick::kStateCount; ++i) {
            const bool on = std::count(c.on.begin(), c.on.end(), i) != 0;
            EXPECT_EQ(stick.isOn(i), on) << c.x << "," << c.y << " state " << i;
        }
        EXPECT_EQ(stick.lastOn(), c.on.empty() ? -1 : c.on.back());
        EXPECT_EQ(stick.anyOn(), !c.on.empty());
        EXPECT_EQ(stick.anyButtonOn(), !c.on.empty() && c.on.back() >= 4);
    }
}

TEST(PadReading, EdgesCompareWithThePreviousReading) {
    const uint8_t fire[4] = {1, 0, 0, 0};
    PadState stick;
    stick.record(0, 0, 4, fire);
    EXPECT_TRUE(stick.pressedNow(4));
    EXPECT_TRUE(stick.anyButtonPressedNow());
    stick.record(-20000, 0, 4, fire);
    EXPECT_FALSE(stick.pressedNow(4)) << "still held is no new press";
    EXPECT_TRUE(stick.pressedNow(0));
    EXPECT_TRUE(stick.anyPressedNow());
    EXPECT_FALSE(stick.anyButtonPressedNow()) << "only the stick moved";
    stick.record(-20000, 0, 4, kNoButtons);
    EXPECT_FALSE(stick.anyPressedNow());
    EXPECT_TRUE(stick.anyOn());
}

TEST(Joystick, WithoutAJoystickNothingIsOnAndSdlsSupportIsLeftAsFound) {
    // The test machine has no joystick; SDL is not started either, which is
    // how the game makes its joystick.
    {
        Joystick stick;
        ASSERT_FALSE(stick.isOpened());
        stick.poll();
        stick.reopen();
        EXPECT_FALSE(stick.pad(0).anyOn() || stick.pad(1).anyOn() || stick.anyButtonPressedNow());
        for (int32_t device : {-1, 0, 3}) {
            EXPECT_EQ(stick.forDevice(device), nullptr) << "no pad: " << device;
        }
        EXPECT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "it starts SDL's joystick support";
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "started by it, stopped by it";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    { Joystick stick; }
    EXPECT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "started by someone else, left running";
    SDL_Quit();
}

TEST(Joystick, PollsAtMostOncePerHalfFrameAcrossTheTickCounterWrapping) {
    Joystick stick;
    EXPECT_TRUE(stick.pollIfDue(1000)) << "the first pump always reads";
    EXPECT_FALSE(stick.pollIfDue(1000)) << "a second pump in the same frame";
    EXPECT_FALSE(stick.pollIfDue(1000 + Joystick::kPollGapMs - 1));
    EXPECT_TRUE(stick.pollIfDue(1000 + Joystick::kPollGapMs));
    for (uint32_t t = 1076; t < 2000; t += 51) { // one pump per 51 ms frame
        EXPECT_TRUE(stick.pollIfDue(t)) << t;
        EXPECT_FALSE(stick.pollIfDue(t + 3)) << t;
    }
    ASSERT_TRUE(stick.pollIfDue(UINT32_MAX - 10));
    EXPECT_FALSE(stick.pollIfDue(5)) << "16 ms later, across the wrap";
    EXPECT_TRUE(stick.pollIfDue(40));
}

} // namespace
