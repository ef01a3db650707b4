#include "input/Interfaces.h"

#include <gtest/gtest.h>

#include "app/Detector.h"
#include "app/Globals.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"

namespace {

TEST(Interfaces, CreationBeforeSdlStartsMakesEveryDeviceAndFullVolumes) {
    audioEnabled = 0;
    sfxVolume = 0;
    musicVolume = 0;
    ASSERT_TRUE(createInterfaces());
    ASSERT_NE(inputFocus, nullptr);
    EXPECT_EQ(inputFocus->current, nullptr);
    EXPECT_NE(detector, nullptr);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(keyboard->isOk());
    ASSERT_NE(joystick, nullptr);
    EXPECT_EQ(audioEnabled, 1);
    EXPECT_EQ(sfxVolume, 255);
    EXPECT_EQ(musicVolume, 255);

    // Starting SDL afterwards, as the game does, keeps the joystick usable.
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    pumpEvents();
    EXPECT_FALSE(joystick->anyOn());

    destroyInterfaces();
    EXPECT_EQ(keyboard, nullptr);
    EXPECT_EQ(joystick, nullptr);
    EXPECT_EQ(inputFocus, nullptr);
    EXPECT_EQ(detector, nullptr);
    SDL_Quit();
}

TEST(Interfaces, PumpingWithoutDevicesIsHarmless) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_a;
    SDL_PushEvent(&event);
    pumpEvents();
    EXPECT_EQ(SDL_PollEvent(&event), 0);
    SDL_Quit();
}

} // namespace
