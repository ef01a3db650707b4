#include "input/GuideKeys.h"

#include <gtest/gtest.h>
#include <string>

#include "input/InputDevices.h"
#include "store/KeyBindingFile.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A key file: eight keys, then eight devices, each four bytes little-endian.
Bytes file(const int32_t (&keys)[8], const int32_t (&devices)[8]) {
    Bytes bytes;
    for (const auto* values : {keys, devices}) {
        for (int i = 0; i < 32; ++i) {
            bytes.push_back(static_cast<unsigned char>(uint32_t(values[i / 4]) >> (8 * (i % 4))));
        }
    }
    return bytes;
}

TEST(GuideKeys, MissingOrShortFileGivesArrowsForPlayerOneAndWasdForPlayerTwo) {
    TempDir dir;
    GuideKeys one(dir.file("pl1key").c_str(), 1);
    EXPECT_EQ(one.fileName(), dir.file("pl1key_sdl.dat"));
    EXPECT_STREQ(one.getName(), dir.file("pl1key").c_str());
    const int32_t expectOne[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RCTRL};
    const int32_t expectTwo[] = {SDLK_a, SDLK_d, SDLK_w, SDLK_s, SDLK_LCTRL};
    for (int i = 0; i < 8; ++i) {
        const int32_t key = i < 5 ? expectOne[i] : SDLK_UNKNOWN;
        EXPECT_EQ(*one.binding(i), (Binding{key, Binding::kKeyboard})) << i;
    }
    const Bytes whole = file({97, 98, 99, 100, 101, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0});
    for (size_t length = 0; length < whole.size(); ++length) {
        dir.write("pl2key_sdl.dat", Bytes(whole.begin(), whole.begin() + long(length)));
        GuideKeys two(dir.file("pl2key").c_str(), 2);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(two.binding(i)->key, i < 5 ? expectTwo[i] : 0) << length << " " << i;
        }
    }
    EXPECT_FALSE(dir.exists("pl1key_sdl.dat")) << "defaults are not written until saved";
    dir.write("pl2key_sdl.dat", whole);
    EXPECT_EQ(GuideKeys(dir.file("pl2key").c_str(), 2).binding(1)->key, 98) << "a whole file";
    EXPECT_EQ(one.binding(-1), nullptr);
    EXPECT_EQ(one.binding(8), nullptr);
}

TEST(GuideKeys, SavedBindingsComeBackAndLeftOnTheAKeyIsStoredAs61000000) {
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    *keys.binding(GuideKeys::kLeft) = Binding{SDLK_a, Binding::kKeyboard};
    *keys.binding(GuideKeys::kForward) = Binding{5, Binding::kFirstPad};
    *keys.binding(7) = Binding{-3, 2};
    ASSERT_TRUE(keys.save());
    // Right stays on the right arrow (275) and fire on Right Ctrl (305).
    EXPECT_EQ(dir.read("pl1key_sdl.dat"),
              file({0x61, 275, 5, SDLK_DOWN, 305, 0, 0, -3}, {0, 0, 1, 0, 0, 0, 0, 2}));
    GuideKeys again(dir.file("pl1key").c_str(), 2);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(*again.binding(i), *keys.binding(i)) << i;
    }
}

TEST(GuideKeysHeld, BindingsFollowTheKeyboardOrTheJoystick) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    press(SDLK_RCTRL);
    press(SDLK_LEFT);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kLeft));
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kRight));
    release(SDLK_RCTRL);
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kFire));

    // On the joystick, fire is button 0 (state 4) and left is the stick.
    *keys.binding(GuideKeys::kFire) = Binding{4, Binding::kFirstPad};
    *keys.binding(GuideKeys::kLeft) = Binding{0, Binding::kFirstPad};
    press(SDLK_RCTRL);
    const uint8_t fire[4] = {1, 0, 0, 0};
    joystick->pad(0).record(0, 0, 4, fire);
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kLeft)) << "the left arrow is not bound now";
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
    joystick->pad(0).record(-20000, 0, 4, fire);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kLeft));
}

TEST(GuideKeysHeld, BindingsOutOfRangeOrWithoutDevicesNeverReadAsHeld) {
    TempDir dir;
    // Player 2's own pad, the second, stays at rest: only the bindings speak.
    const auto load = [&](const Bytes& bytes) {
        dir.write("pl2key_sdl.dat", bytes);
        return GuideKeys(dir.file("pl2key").c_str(), 2);
    };
    const Bytes outside =
        file({-1, 512, 100000, INT32_MIN, 36, -1, 4, 7}, {0, 0, 0, 1, 1, 1, 3, -1});
    const Bytes edges = file({0, 511, 35, 0, 4, 0, 0, 0}, {0, 0, 1, 1, 1, 0, 0, 0});
    ASSERT_EQ(keyboard, nullptr);
    for (int action = 0; action < 8; ++action) {
        EXPECT_FALSE(load(edges).isActionDown(action)) << "no devices, action " << action;
    }
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    // Every key on the keyboard held, every state of the first pad on.
    for (int32_t key = 0; key < Keyboard::kKeyCount; ++key) {
        keyboard->keyDown(key);
    }
    const uint8_t all[4] = {1, 1, 1, 1};
    joystick->pad(0).record(-20000, -20000, 4, all);
    const GuideKeys bad = load(outside);
    const GuideKeys good = load(edges);
    const bool goodHeld[8] = {true, true, false, true, true, true, true, true};
    for (int action = 0; action < 8; ++action) {
        EXPECT_FALSE(bad.isActionDown(action)) << "action " << action;
        // Pad state 35 exists but no reading ever sets it.
        EXPECT_EQ(good.isActionDown(action), goodHeld[action]) << "action " << action;
    }
    EXPECT_FALSE(bad.isActionDown(-1));
    EXPECT_FALSE(bad.isActionDown(8));
}

// A pad plays its player's trooper with no key file at all, side by side
// with the keys; an input bound on purpose, by either player, leaves the
// defaults.
TEST(GuideKeysHeld, EachPlayersOwnPadDrivesByDefaultUntilABindingTakesItsInput) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    TempDir dir;
    GuideKeys one(dir.file("pl1key").c_str(), 1);
    GuideKeys two(dir.file("pl2key").c_str(), 2);
    one.setPartner(&two);
    two.setPartner(&one);
    const auto held = [](const GuideKeys& keys) {
        std::string actions;
        for (int32_t a = GuideKeys::kLeft; a <= GuideKeys::kFire; ++a) {
            actions += keys.isActionDown(a) ? '1' : '0';
        }
        return actions;
    };
    const uint8_t rest[4] = {};
    const uint8_t first[4] = {1, 0, 0, 0};
    joystick->pad(0).record(-20000, 20000, 4, rest); // left and down
    joystick->pad(1).record(0, 0, 4, first);
    joystick->pad(1).record(0, 0, 4, first, SDL_HAT_UP); // the d-pad walks as well
    press(SDLK_RIGHT);
    EXPECT_EQ(held(one), "11010") << "left, down, and the right arrow key";
    EXPECT_EQ(held(two), "00101");

    *one.binding(GuideKeys::kRight) = Binding{4, Binding::kSecondPad};
    EXPECT_EQ(held(one), "11010") << "pad 2's first button turns player 1 right";
    EXPECT_EQ(held(two), "00100") << "and no longer fires for player 2";
    *two.binding(GuideKeys::kBackward) = Binding{PadState::kStickUp, Binding::kSecondPad};
    EXPECT_EQ(held(two), "00010") << "up now walks backward only";
}

} // namespace
