// Moving through a menu, choosing and changing items, Escape,
// and what a menu draws.
#include "ui/Menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "audio/SFXVolume.h"
#include "audio/Switchable.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "gfx/TestPictures.h"
#include "input/InputDevices.h"
#include "ui/BooleanMenuItem.h"
#include "ui/ExecuteMenuItem.h"
#include "ui/KeyMenuItem.h"
#include "ui/MenuScreen.h"
#include "ui/ValueMenuItem.h"
#include "world/BarGauge.h"

namespace {

using Played = std::vector<int>;
const Played kMoved{Menu::kSoundMove};
const Played kChanged{Menu::kSoundChange};

TEST_F(MenuScreen, TheCursorWrapsAroundBothWaysWithTheMoveSound) {
    Menu& menu = makeMenu(380, 200, 160, 10);
    for (const char* label : {"One", "Two", "Three"}) {
        menu.add(new ExecuteMenuItem(menu, label, [] {}));
    }
    const struct {
        int32_t key;
        int32_t current;
    } steps[] = {{SDLK_UP, 3}, {SDLK_DOWN, 1}, {SDLK_DOWN, 2}, {SDLK_UP, 1}, {SDLK_a, 1}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        EXPECT_EQ(soundsOf([&] { tap(step.key); }), step.key == SDLK_a ? Played{} : kMoved);
        EXPECT_EQ(menu.getCurrent(), step.current);
    }
}

TEST_F(MenuScreen, AnActionIsOnlyHandedOverByRightOrReturnAndRunsOnce) {
    Menu& menu = makeMenu(380, 200, 160, 10);
    int runs = 0;
    menu.add(new ExecuteMenuItem(menu, "Setup", [&runs] { ++runs; }));
    EXPECT_EQ(soundsOf([] { tap(SDLK_LEFT); }), kChanged);
    EXPECT_FALSE(menu.hasPendingAction());
    int chosen = 0;
    for (int32_t key : {SDLK_RIGHT, SDLK_RETURN}) {
        EXPECT_EQ(soundsOf([key] { tap(key); }), kChanged);
        ASSERT_TRUE(menu.hasPendingAction());
        EXPECT_EQ(runs, chosen) << "the screen runs it, not the menu";
        menu.runPendingAction();
        menu.runPendingAction();
        EXPECT_EQ(runs, ++chosen);
        EXPECT_FALSE(menu.hasPendingAction());
    }
}

TEST_F(MenuScreen, RightAndLeftBothToggleASwitch) {
    Menu& menu = makeMenu(30, 200, 230, 5);
    Switchable detail(1, 0);
    menu.add(new BooleanMenuItem(menu, "High detail", detail));
    for (int32_t key : {SDLK_RIGHT, SDLK_LEFT, SDLK_LEFT, SDLK_RETURN}) {
        const uint8_t before = detail.isOn();
        EXPECT_EQ(soundsOf([key] { tap(key); }), kChanged);
        EXPECT_NE(detail.isOn(), before) << key;
    }
}

TEST_F(MenuScreen, AVolumeItemStepsItsSwitchWithinItsRange) {
    Menu& menu = makeMenu(30, 200, 230, 5);
    SFXVolume effects;
    menu.add(new ValueMenuItem(menu, "Sound-Effects Volume", "pics/volume", 8, 16, effects));
    for (auto [key, level] : {std::pair{SDLK_RIGHT, 255}, {SDLK_LEFT, 239}, {SDLK_RETURN, 255}}) {
        EXPECT_EQ(soundsOf([key = key] { tap(key); }), kChanged);
        EXPECT_EQ(effects.getLevel(), level) << key;
        EXPECT_EQ(sfxVolume, level);
    }
}

// Every line's value sits valueColumn right of its text, the text one cursor
// width right of the menu's edge, and lines are a font line plus the spacing
// apart. The cursor marks the current line, or the value of a waiting key.
TEST_F(MenuScreen, DrawLaysOutLabelsValuesAndTheCursorLineByLine) {
    constexpr int32_t kX = 30, kY = 100, kColumn = 230, kSpacing = 5;
    const int32_t textX = kX + cursor->getWidth();
    const int32_t pitch = font->lineHeight() + kSpacing;
    Switchable detail(0, 0);
    Switchable volume(1, 128);
    Binding fire{SDLK_SPACE, Binding::kKeyboard};
    Bobs bar(3);
    ASSERT_TRUE(bar.load("pics/volume", 8, 16));
    bar.keyFromCorner();

    const auto expected = [&](int32_t cursorX, int32_t cursorY) {
        clearScreen();
        font->drawString("OFF", textX + kColumn, kY);
        font->drawString("High detail", textX, kY);
        BarGauge gauge(textX + kColumn, kY + pitch - 8 - font->lineHeight() / 2, 270, 255);
        gauge.setSprites(&bar);
        gauge.draw(128);
        font->drawString("Volume", textX, kY + pitch);
        font->drawString("space", textX + kColumn, kY + 2 * pitch);
        font->drawString("Fire", textX, kY + 2 * pitch);
        cursor->drawAt(cursorX, cursorY);
        return screenPixels();
    };
    Menu& menu = makeMenu(kX, kY, kColumn, kSpacing);
    menu.add(new BooleanMenuItem(menu, "High detail", detail));
    menu.add(new ValueMenuItem(menu, "Volume", "pics/volume", 8, 16, volume));
    menu.add(new KeyMenuItem(menu, "Fire", "dat/keys", fire, false));

    const std::vector<uint32_t> onFirstLine = expected(kX, kY - cursor->getHeight());
    EXPECT_GT(std::count_if(onFirstLine.begin(), onFirstLine.end(), [](uint32_t p) { return p; }),
              2000);
    clearScreen();
    menu.draw();
    EXPECT_TRUE(screenPixels() == onFirstLine);

    menu.keyDown(SDLK_UP);
    menu.keyDown(SDLK_RETURN);
    ASSERT_TRUE(menu.isCapturing());
    const std::vector<uint32_t> besideTheKey =
        expected(textX + kColumn - cursor->getWidth(), kY + 2 * pitch - cursor->getHeight());
    clearScreen();
    menu.draw();
    EXPECT_TRUE(screenPixels() == besideTheKey);
}

// The glow is centred under the cursor of the current line and swells from 9
// to 16 light cells and back to 8 over 17 frames, only while the light is on.
TEST_F(MenuScreen, TheGlowPulsesUnderTheCursorWhileTheLightIsOn) {
    Menu& menu = makeMenu(30, 100, 230, 5);
    menu.add(new ExecuteMenuItem(menu, "One", [] {}));
    menu.add(new ExecuteMenuItem(menu, "Two", [] {}));
    tap(SDLK_DOWN);
    Light light(screen, Light::kGameSize);
    const int32_t cellX = (30 + cursor->getWidth() / 2) / 2;
    const int32_t cellY = (font->lineHeight() + 5 + 100 - cursor->getHeight() / 2) / 2;
    const int32_t radii[] = {9, 10, 11, 12, 13, 14, 15, 16, 15, 14, 13, 12, 11, 10, 9, 8, 8, 9};
    for (int32_t radius : radii) {
        clearScreen();
        menu.drawGlow(light);
        // The glow's middle row lights 2 * radius - 1 cells of two pixels.
        const int lit = countPixels(0, 2 * cellY, 640, 1,
                                    [](int x, int y) { return screen->getPixel(x, y) != 0; });
        EXPECT_EQ(lit, 2 * (2 * radius - 1));
        EXPECT_NE(screen->getPixel(2 * (cellX - radius + 1), 2 * cellY), 0u) << radius;
    }
    light.setOn(0);
    clearScreen();
    menu.drawGlow(light);
    EXPECT_EQ(countPixels(0, 0, 640, 480, [](int x, int y) { return screen->getPixel(x, y) != 0; }),
              0);
}

} // namespace
