// The pads steering the screens: their new presses reach the focused
// receiver as the keys the screens know, or as they are while a key item
// captures.
#include "input/PadNavigation.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "input/InputDevices.h"

namespace {

class Receiver : public Focusable {
  public:
    void keyDown(int32_t key) override { keys.push_back(key); }
    bool padPressed(int32_t device, int32_t state) override {
        if (capturing) {
            taken.emplace_back(device, state);
        }
        return capturing;
    }
    std::vector<int32_t> keys;
    std::vector<std::pair<int32_t, int32_t>> taken;
    bool capturing = false;
};

const uint8_t kRest[4] = {};

void deliver() {
    PadNavigation::deliver(*joystick, keyboard, inputFocus);
}

// The whole-run test steers every screen by stick, d-pad and the first two
// buttons; what it cannot see is a key that should not come, and a keyboard
// key a pad's press lets go of.
TEST(PadNavigation, ButtonsPastTheSecondSendNothingAndAHeldKeyStaysHeld) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    Receiver screen;
    inputFocus->current = &screen;
    const uint8_t others[4] = {0, 0, 1, 1};
    joystick->pad(1).record(0, 0, 4, others);
    deliver();
    EXPECT_TRUE(screen.keys.empty());
    press(SDLK_DOWN);
    screen.keys.clear();
    joystick->pad(0).record(0, 20000, 4, kRest);
    deliver();
    EXPECT_EQ(screen.keys, std::vector<int32_t>{SDLK_DOWN});
    EXPECT_TRUE(keyboard->isDown(SDLK_DOWN)) << "the player still holds it";
    inputFocus->current = nullptr;
}

// A diagonal push, or a push with a button, binds one thing per pad.
TEST(PadNavigation, ACapturingReceiverTakesOnePressPerPadAsItIs) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    Receiver screen;
    screen.capturing = true;
    inputFocus->current = &screen;
    const uint8_t third[4] = {0, 0, 1, 0};
    joystick->pad(0).record(-20000, -20000, 4, third);
    joystick->pad(1).record(0, 0, 4, third);
    deliver();
    EXPECT_EQ(screen.taken, (std::vector<std::pair<int32_t, int32_t>>{{1, 0}, {2, 6}}));
    EXPECT_TRUE(screen.keys.empty());
    EXPECT_FALSE(keyboard->anyPressed());
    inputFocus->current = nullptr;
}

} // namespace
