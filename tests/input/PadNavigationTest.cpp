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

TEST(PadNavigation, NewPressesOfEitherPadArriveAsArrowsReturnAndEscapeOnce) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    Receiver screen;
    inputFocus->current = &screen;
    const uint8_t first[4] = {1, 0, 0, 0};
    const uint8_t second[4] = {0, 1, 0, 0};
    const uint8_t others[4] = {0, 0, 1, 1};
    const struct {
        int pad;
        int32_t x, y;
        const uint8_t* buttons;
        std::vector<int32_t> keys;
    } cases[] = {{1, 0, -20000, kRest, {SDLK_UP}},
                 {1, 0, -20000, kRest, {}}, // still pushed: no new press
                 {0, 20000, 20000, kRest, {SDLK_RIGHT, SDLK_DOWN}},
                 {0, 0, 0, first, {SDLK_RETURN}},
                 {1, 0, 0, second, {SDLK_ESCAPE}},
                 {0, 0, 0, others, {}}};
    for (const auto& c : cases) {
        screen.keys.clear();
        joystick->pad(c.pad).record(c.x, c.y, 4, c.buttons);
        joystick->pad(1 - c.pad).record(0, 0, 4, kRest);
        deliver();
        EXPECT_EQ(screen.keys, c.keys) << "pad " << c.pad;
    }
    EXPECT_TRUE(keyboard->consumeEscape()) << "menus read Escape from the keyboard's latch";
    // A player holding Down on the keyboard keeps holding it.
    press(SDLK_DOWN);
    joystick->pad(0).record(0, 20000, 4, kRest);
    deliver();
    EXPECT_TRUE(keyboard->isDown(SDLK_DOWN));
    EXPECT_FALSE(keyboard->isDown(SDLK_UP) || keyboard->isDown(SDLK_RETURN));
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
