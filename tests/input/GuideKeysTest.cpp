#include "input/GuideKeys.h"

#include <gtest/gtest.h>
#include <string>

#include "store/KeyBindingFile.h"
#include "support/InputFixture.h"
#include "support/TempDir.h"

namespace {

// What the player's left, right, forward, backward and fire read: 1 held.
std::string held(const GuideKeys& keys) {
    std::string actions;
    for (int32_t a = GuideKeys::kLeft; a <= GuideKeys::kFire; ++a) {
        actions += keys.isActionDown(a) ? '1' : '0';
    }
    return actions;
}

// A file one byte short is as good as none: nothing of it is taken.
TEST(GuideKeys, AMissingOrShortFileGivesArrowsToPlayerOneAndWasdToPlayerTwo) {
    TempDir dir;
    SdlInput input;
    dir.write("pl2key_sdl.dat", std::vector<unsigned char>(KeyBindingFile::kFileBytes - 1, 'a'));
    const GuideKeys one(dir.file("pl1key").c_str(), 1, input.keyboard(), input.joystick());
    const GuideKeys two(dir.file("pl2key").c_str(), 2, input.keyboard(), input.joystick());
    const int32_t keysOfOne[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RCTRL, 0, 0, 0};
    const int32_t keysOfTwo[] = {SDLK_a, SDLK_d, SDLK_w, SDLK_s, SDLK_LCTRL, 0, 0, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(*one.binding(i), (Binding{keysOfOne[i], Binding::kKeyboard})) << i;
        EXPECT_EQ(*two.binding(i), (Binding{keysOfTwo[i], Binding::kKeyboard})) << i;
    }
    EXPECT_FALSE(dir.exists("pl1key_sdl.dat")) << "defaults are not written until saved";
    EXPECT_TRUE(one.binding(-1) == nullptr && one.binding(8) == nullptr);
}

// A key file is untrusted: keys and pad states past the tables, and devices
// that do not exist, never read as held, with every key and pad state on.
TEST(GuideKeysHeld, BindingsOutOfRangeOrWithoutDevicesNeverReadAsHeld) {
    TempDir dir;
    const Binding outside[8] = {{-1, 0}, {512, 0},        {100000, 0}, {INT32_MIN, 1},
                                {36, 1}, {-1, INT32_MIN}, {4, 3},      {7, -1}};
    const Binding edges[8] = {{0, 0}, {511, 0}, {35, 1}, {0, 1}, {4, 1}};
    KeyBindingFile(dir.file("outside_sdl.dat")).write(outside);
    KeyBindingFile(dir.file("edges_sdl.dat")).write(edges);
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    const auto load = [&](const char* name) {
        return GuideKeys(dir.file(name).c_str(), 2, input.keyboard(), input.joystick());
    };
    for (int32_t key = 0; key < Keyboard::kKeyCount; ++key) {
        input.keyboard().keyDown(key);
    }
    const uint8_t all[4] = {1, 1, 1, 1};
    input.joystick().pad(0).record(-20000, -20000, 4, all);
    const GuideKeys bad = load("outside");
    for (int action = -1; action <= 8; ++action) {
        EXPECT_FALSE(bad.isActionDown(action)) << "action " << action;
    }
    // Pad state 35 exists but no reading ever sets it.
    EXPECT_EQ(held(load("edges")), "11011");
}

// A pad plays its player's trooper with no key file at all, beside the keys;
// an input bound on purpose, by either player, leaves the defaults.
TEST(GuideKeysHeld, EachPlayersOwnPadDrivesByDefaultUntilABindingTakesItsInput) {
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    TempDir dir;
    Joystick& pads = input.joystick();
    GuideKeys one(dir.file("pl1key").c_str(), 1, input.keyboard(), pads);
    GuideKeys two(dir.file("pl2key").c_str(), 2, input.keyboard(), pads);
    one.setPartner(&two);
    two.setPartner(&one);
    const uint8_t rest[4] = {};
    const uint8_t first[4] = {1, 0, 0, 0};
    pads.pad(0).record(-20000, 20000, 4, rest); // left and down
    pads.pad(1).record(0, 0, 4, first);
    pads.pad(1).record(0, 0, 4, first, SDL_HAT_UP); // the d-pad walks as well
    input.press(SDLK_RIGHT);
    EXPECT_EQ(held(one), "11010") << "left, down, and the right arrow key";
    EXPECT_EQ(held(two), "00101");

    input.release(SDLK_RIGHT);
    *one.binding(GuideKeys::kRight) = Binding{4, Binding::kSecondPad};
    EXPECT_EQ(held(one), "11010") << "pad 2's first button turns player 1 right";
    EXPECT_EQ(held(two), "00100") << "and no longer fires for player 2";
    *two.binding(GuideKeys::kBackward) = Binding{PadState::kStickUp, Binding::kSecondPad};
    EXPECT_EQ(held(two), "00010") << "up now walks backward only";
}

} // namespace
