// The pads steering the screens: their new presses reach the focused
// receiver as the keys the screens know, or as they are while a key item
// captures. The whole-run test steers every screen by stick, d-pad and the
// first two buttons; what it cannot see is a key that should not come, a
// keyboard key a pad's press lets go of, and a capture taking two things.
#include "input/PadNavigation.h"

#include <gtest/gtest.h>

#include "support/InputFixture.h"

namespace {

TEST(PadNavigation, LaterButtonsSendNothingHeldKeysStayHeldAndACaptureTakesOnePressPerPad) {
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    Receiver screen;
    input.focus().current = &screen;
    Joystick& pads = input.joystick();
    const auto deliver = [&] { PadNavigation::deliver(pads, &input.keyboard(), &input.focus()); };
    const uint8_t rest[4] = {};
    const uint8_t third[4] = {0, 0, 1, 0};
    pads.pad(1).record(0, 0, 4, third);
    deliver();
    EXPECT_TRUE(screen.keys.empty());
    input.press(SDLK_DOWN);
    screen.keys.clear();
    pads.pad(0).record(0, 20000, 4, rest);
    deliver();
    EXPECT_EQ(screen.keys, (std::vector<int32_t>{SDLK_DOWN, -SDLK_DOWN})) << "a tap";
    EXPECT_TRUE(input.keyboard().isDown(SDLK_DOWN)) << "the player still holds it";

    // A diagonal push, or a push with a button, binds one thing per pad.
    screen.capturing = true;
    screen.keys.clear();
    pads.pad(0).record(0, 0, 4, rest);
    pads.pad(1).record(0, 0, 4, rest);
    pads.pad(0).record(-20000, -20000, 4, third);
    pads.pad(1).record(0, 0, 4, third);
    deliver();
    EXPECT_EQ(screen.taken, (std::vector<std::pair<int32_t, int32_t>>{{1, 0}, {2, 6}}));
    EXPECT_TRUE(screen.keys.empty());
    input.focus().current = nullptr;
}

} // namespace
