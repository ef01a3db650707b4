#include "input/GuideKeys.h"

#include <gtest/gtest.h>

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
    *keys.binding(GuideKeys::kForward) = Binding{5, Binding::kJoystick};
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
    *keys.binding(GuideKeys::kFire) = Binding{4, Binding::kJoystick};
    *keys.binding(GuideKeys::kLeft) = Binding{0, Binding::kJoystick};
    press(SDLK_RCTRL);
    const uint8_t fire[4] = {1, 0, 0, 0};
    joystick->record(0, 0, 4, fire);
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kLeft)) << "the left arrow is not bound now";
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
    joystick->record(-20000, 0, 4, fire);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kLeft));
}

TEST(GuideKeysHeld, BindingsOutOfRangeOrWithoutDevicesNeverReadAsHeld) {
    TempDir dir;
    const auto load = [&](const Bytes& bytes) {
        dir.write("pl1key_sdl.dat", bytes);
        return GuideKeys(dir.file("pl1key").c_str(), 1);
    };
    const Bytes outside =
        file({-1, 512, 100000, INT32_MIN, 36, -1, 4, 7}, {0, 0, 0, 1, 1, 1, 2, -1});
    const Bytes edges = file({0, 511, 35, 0, 4, 0, 0, 0}, {0, 0, 1, 1, 1, 0, 0, 0});
    ASSERT_EQ(keyboard, nullptr);
    for (int action = 0; action < 8; ++action) {
        EXPECT_FALSE(load(edges).isActionDown(action)) << "no devices, action " << action;
    }
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    // Every key on the keyboard held, every joystick state on.
    for (int32_t key = 0; key < Keyboard::kKeyCount; ++key) {
        keyboard->keyDown(key);
    }
    const uint8_t all[4] = {1, 1, 1, 1};
    joystick->record(-20000, -20000, 4, all);
    const GuideKeys bad = load(outside);
    const GuideKeys good = load(edges);
    const bool goodHeld[8] = {true, true, false, true, true, true, true, true};
    for (int action = 0; action < 8; ++action) {
        EXPECT_FALSE(bad.isActionDown(action)) << "action " << action;
        // Joystick state 35 exists but no reading ever sets it.
        EXPECT_EQ(good.isActionDown(action), goodHeld[action]) << "action " << action;
    }
    EXPECT_FALSE(bad.isActionDown(-1));
    EXPECT_FALSE(bad.isActionDown(8));
}

} // namespace
