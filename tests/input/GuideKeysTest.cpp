#include "input/GuideKeys.h"

#include <gtest/gtest.h>

#include "input/InputDevices.h"
#include "store/KeyBindingFile.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes file(const int32_t (&keys)[8], const int32_t (&devices)[8]) {
    Bytes bytes;
    for (const auto* values : {keys, devices}) {
        for (int i = 0; i < 8; ++i) {
            for (int b = 0; b < 4; ++b) {
                bytes.push_back(static_cast<unsigned char>(uint32_t(values[i]) >> (8 * b)));
            }
        }
    }
    return bytes;
}

TEST(GuideKeysDefaults, MissingFileGivesArrowsForPlayerOneAndWasdForPlayerTwo) {
    TempDir dir;
    GuideKeys one(dir.file("pl1key").c_str(), 1);
    GuideKeys two(dir.file("pl2key").c_str(), 2);
    const int32_t expectOne[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RCTRL};
    const int32_t expectTwo[] = {SDLK_a, SDLK_d, SDLK_w, SDLK_s, SDLK_LCTRL};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(*one.binding(i), (Binding{expectOne[i], Binding::kKeyboard})) << i;
        EXPECT_EQ(*two.binding(i), (Binding{expectTwo[i], Binding::kKeyboard})) << i;
    }
    for (int i = 5; i < 8; ++i) {
        EXPECT_EQ(*one.binding(i), (Binding{SDLK_UNKNOWN, Binding::kKeyboard})) << i;
    }
    EXPECT_FALSE(dir.exists("pl1key_sdl.dat")) << "defaults are not written until saved";
}

TEST(GuideKeysDefaults, EveryShortFileGivesTheDefaults) {
    TempDir dir;
    const Bytes whole = file({97, 98, 99, 100, 101, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0});
    for (size_t length = 0; length < whole.size(); ++length) {
        dir.write("pl2key_sdl.dat", Bytes(whole.begin(), whole.begin() + long(length)));
        GuideKeys keys(dir.file("pl2key").c_str(), 2);
        EXPECT_EQ(keys.binding(GuideKeys::kFire)->key, SDLK_LCTRL) << "length " << length;
        EXPECT_EQ(keys.binding(GuideKeys::kLeft)->key, SDLK_a) << "length " << length;
        EXPECT_EQ(keys.binding(GuideKeys::kRight)->key, SDLK_d) << "length " << length;
    }
    dir.write("pl2key_sdl.dat", whole);
    GuideKeys keys(dir.file("pl2key").c_str(), 2);
    EXPECT_EQ(keys.binding(GuideKeys::kRight)->key, 98) << "a whole file is read";
}

TEST(GuideKeys, FileNameIsTheBaseNameWithSdlDat) {
    GuideKeys keys("dat/pl1key", 1);
    EXPECT_STREQ(keys.getName(), "dat/pl1key");
    EXPECT_EQ(keys.fileName(), "dat/pl1key_sdl.dat");
    EXPECT_EQ(keys.binding(-1), nullptr);
    EXPECT_EQ(keys.binding(8), nullptr);
    EXPECT_FALSE(keys.isActionDown(-1));
    EXPECT_FALSE(keys.isActionDown(8));
}

TEST(GuideKeysHeld, KeyboardBindingsFollowTheKeyboard) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    press(SDLK_RCTRL);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kLeft));
    press(SDLK_LEFT);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kLeft));
    release(SDLK_RCTRL);
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kFire));
}

TEST(GuideKeysHeld, JoystickBindingsFollowTheJoystick) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    *keys.binding(GuideKeys::kFire) = Binding{4, Binding::kJoystick};
    *keys.binding(GuideKeys::kLeft) = Binding{0, Binding::kJoystick};
    const uint8_t fire[4] = {1, 0, 0, 0};
    joystick->record(-20000, 0, 4, fire);
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kLeft));
    press(SDLK_RCTRL);
    joystick->record(0, 0, 4, fire);
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kLeft));
    EXPECT_TRUE(keys.isActionDown(GuideKeys::kFire));
}

TEST(GuideKeysHeld, BindingsOutOfRangeNeverReadAsHeld) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    TempDir dir;
    // Every key on the keyboard held, every joystick state on.
    for (int32_t key = 0; key < Keyboard::kKeyCount; ++key) {
        keyboard->keyDown(key);
    }
    const uint8_t all[4] = {1, 1, 1, 1};
    joystick->record(-20000, -20000, 4, all);
    dir.write("pl1key_sdl.dat",
              file({-1, 512, 100000, INT32_MIN, 36, -1, 4, 7}, {0, 0, 0, 1, 1, 1, 2, -1}));
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    for (int action = 0; action < 8; ++action) {
        EXPECT_FALSE(keys.isActionDown(action)) << "action " << action;
    }
    dir.write("pl1key_sdl.dat", file({0, 511, 35, 0, 4, 0, 0, 0}, {0, 0, 1, 1, 1, 0, 0, 0}));
    GuideKeys edges(dir.file("pl1key").c_str(), 1);
    EXPECT_TRUE(edges.isActionDown(0)) << "key 0";
    EXPECT_TRUE(edges.isActionDown(1)) << "key 511";
    EXPECT_FALSE(edges.isActionDown(2)) << "state 35 exists but is never set";
    EXPECT_TRUE(edges.isActionDown(3)) << "state 0";
    EXPECT_TRUE(edges.isActionDown(4)) << "state 4";
}

TEST(GuideKeysHeld, WithoutDevicesNothingIsHeld) {
    ASSERT_EQ(keyboard, nullptr);
    ASSERT_EQ(joystick, nullptr);
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    *keys.binding(GuideKeys::kFire) = Binding{4, Binding::kJoystick};
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kLeft));
    EXPECT_FALSE(keys.isActionDown(GuideKeys::kFire));
}

TEST(GuideKeysFile, SavedBindingsComeBack) {
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    for (int i = 0; i < 8; ++i) {
        *keys.binding(i) = Binding{1000 * i - 3, i % 3};
    }
    ASSERT_TRUE(keys.save());
    GuideKeys again(dir.file("pl1key").c_str(), 2);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(*again.binding(i), *keys.binding(i)) << i;
    }
}

TEST(GuideKeysFile, LeftOnTheAKeyIsSavedAs61000000AndTheDevicesFollowTheKeys) {
    TempDir dir;
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    *keys.binding(GuideKeys::kLeft) = Binding{SDLK_a, Binding::kKeyboard};
    *keys.binding(GuideKeys::kForward) = Binding{5, Binding::kJoystick};
    ASSERT_TRUE(keys.save());
    const Bytes bytes = dir.read("pl1key_sdl.dat");
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x61, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 8), (Bytes{0x13, 0x01, 0, 0}))
        << "right stays on the right arrow, 275";
    EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 12), (Bytes{5, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 20), (Bytes{0x31, 0x01, 0, 0}))
        << "fire on Right Ctrl, 305";
    EXPECT_EQ(Bytes(bytes.begin() + 32, bytes.begin() + 36), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 40, bytes.begin() + 44), (Bytes{1, 0, 0, 0}))
        << "the device of forward";
}

} // namespace
