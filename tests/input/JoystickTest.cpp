#include "input/Joystick.h"

#include <SDL.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// States 0-3 are left, right, up, down; 4-7 the first four buttons.
TEST(PadReading, AxesPastTheDeadZoneTheDpadAndTheFirstFourButtonsSetStates) {
    const uint8_t none[8] = {};
    const uint8_t all[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    const uint8_t third[4] = {0, 0, 5, 0}; // any non-zero button reads as pressed
    const struct {
        int32_t x, y, buttonCount;
        const uint8_t* buttons;
        uint8_t hat;
        std::vector<int32_t> on;
    } cases[] = {
        {15000, -15000, 0, none, 0, {}}, // at the threshold is still centred
        {-15001, -15001, 0, none, 0, {0, 2}},
        {-32768, 32767, 0, none, 0, {0, 3}},
        {0, 0, 2, all, 0, {4, 5}},
        {0, 0, 8, all, 0, {4, 5, 6, 7}},
        {0, 0, 4, third, 0, {6}},
        {0, 0, 0, none, SDL_HAT_RIGHTDOWN, {1, 3}},
        {-20000, 0, 0, none, SDL_HAT_RIGHT, {0}}, // left and right at once: left
    };
    for (const auto& c : cases) {
        PadState stick;
        stick.record(c.x, c.y, c.buttonCount, c.buttons, c.hat);
        for (int32_t i = 0; i < Joystick::kStateCount; ++i) {
            const bool on = std::count(c.on.begin(), c.on.end(), i) != 0;
            EXPECT_EQ(stick.isOn(i), on) << c.x << "," << c.y << " state " << i;
        }
        EXPECT_EQ(stick.lastOn(), c.on.empty() ? -1 : c.on.back());
    }
}

} // namespace
