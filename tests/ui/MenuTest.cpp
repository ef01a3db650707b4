// Moving through a menu, choosing and changing items, and capturing key
// bindings on the key screen: the walk through a player's keys, Escape, keys
// without a name, and two actions wanting one key.
#include "ui/Menu.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "audio/SFXVolume.h"
#include "audio/Switchable.h"
#include "support/AppFixture.h"
#include "ui/BooleanMenuItem.h"
#include "ui/ExecuteMenuItem.h"
#include "ui/KeyMenuItem.h"
#include "ui/ValueMenuItem.h"

namespace {

using Played = std::vector<int>;
const Played kMoved{Menu::kSoundMove};
const Played kChanged{Menu::kSoundChange};

TEST_F(MenuScreen, TheCursorWrapsAroundBothWaysWithTheMoveSound) {
    Menu& menu = makeMenu(380, 200, 160, 10);
    for (const char* label : {"One", "Two", "Three"}) {
        menu.add(new ExecuteMenuItem(menu, label, [] {}));
    }
    const std::pair<int32_t, int32_t> steps[] = {
        {SDLK_UP, 3}, {SDLK_DOWN, 1}, {SDLK_DOWN, 2}, {SDLK_UP, 1}, {SDLK_a, 1}};
    for (const auto& [key, current] : steps) {
        EXPECT_EQ(soundsOf([this, key = key] { input.tap(key); }),
                  key == SDLK_a ? Played{} : kMoved)
            << key;
        EXPECT_EQ(menu.getCurrent(), current) << key;
    }
}

TEST_F(MenuScreen, AnActionIsOnlyHandedOverByRightOrReturnAndRunsOnce) {
    Menu& menu = makeMenu(380, 200, 160, 10);
    int runs = 0;
    menu.add(new ExecuteMenuItem(menu, "Setup", [&runs] { ++runs; }));
    EXPECT_EQ(soundsOf([this] { input.tap(SDLK_LEFT); }), kChanged);
    EXPECT_FALSE(menu.hasPendingAction());
    for (int32_t key : {SDLK_RIGHT, SDLK_RETURN}) {
        const int before = runs;
        EXPECT_EQ(soundsOf([this, key] { input.tap(key); }), kChanged);
        ASSERT_TRUE(menu.hasPendingAction());
        EXPECT_EQ(runs, before) << "the screen runs it, not the menu";
        menu.runPendingAction();
        menu.runPendingAction();
        EXPECT_EQ(runs, before + 1);
    }
}

// Every change key flips a switch; a volume steps up with Right and Return
// and down with Left, never past its ends.
TEST_F(MenuScreen, ChangeKeysFlipASwitchAndStepAVolumeWithinItsRange) {
    Menu& menu = makeMenu(30, 200, 230, 5);
    Switchable detail(1, 0);
    SFXVolume effects(audio);
    menu.add(new BooleanMenuItem(menu, "High detail", detail));
    menu.add(new ValueMenuItem(menu, "Sound-Effects Volume", "pics/volume", 8, 16, effects));
    for (int32_t key : {SDLK_RIGHT, SDLK_LEFT, SDLK_LEFT, SDLK_RETURN}) {
        const uint8_t before = detail.isOn();
        EXPECT_EQ(soundsOf([this, key] { input.tap(key); }), kChanged);
        EXPECT_NE(detail.isOn(), before) << key;
    }
    input.tap(SDLK_DOWN);
    for (auto [key, level] : {std::pair{SDLK_RIGHT, 255}, {SDLK_LEFT, 239}, {SDLK_RETURN, 255}}) {
        EXPECT_EQ(soundsOf([this, key = key] { input.tap(key); }), kChanged);
        EXPECT_EQ(audio.sfxVolume, level) << key;
    }
}

constexpr int kKeyItems = 10;
// The fire keys end a player's walk.
constexpr int kPlayer1Fire = 4;
constexpr int kPlayer2Fire = 9;
using Keys = std::array<int32_t, kKeyItems>;

// The key menu: both players' left, right, forward, backward and fire, then
// the way out. Player 1 starts on a to e, player 2 on f to j.
class MenuKeys : public MenuScreen {
  protected:
    void buildKeyMenu() {
        Menu& keys = makeMenu(40, 125, 280, 2);
        for (int i = 0; i < kKeyItems; ++i) {
            bindings[size_t(i)] = Binding{SDLK_a + i, Binding::kKeyboard};
            items[size_t(i)] =
                new KeyMenuItem(keys, "key " + std::to_string(i), "dat/keys", bindings[size_t(i)],
                                i != kPlayer1Fire && i != kPlayer2Fire);
            keys.add(items[size_t(i)]);
        }
        keys.add(new ExecuteMenuItem(keys, "Exit to main menu", [] {}));
    }

    // Selects the line, then presses and releases each key, all queued
    // before one pump, the way keys typed quickly after Return arrive.
    void typeOn(int line, std::initializer_list<int32_t> keys) {
        buildKeyMenu();
        while (menu->getCurrent() != line + 1) {
            input.tap(SDLK_DOWN);
        }
        for (int32_t key : keys) {
            pushKey(SDL_KEYDOWN, key);
            pushKey(SDL_KEYUP, key);
        }
        input.devices().pump();
    }

    // Every item holds its keyboard key, shows its name and waits no more.
    void expectKeys(const Keys& keys) {
        for (size_t i = 0; i < keys.size(); ++i) {
            EXPECT_TRUE(bindings[i] == (Binding{keys[i], Binding::kKeyboard})) << i;
            EXPECT_EQ(items[i]->getKeyName(), SDL_GetKeyName(SDLKey(keys[i]))) << i;
            EXPECT_FALSE(items[i]->isWaiting()) << i;
        }
        EXPECT_FALSE(menu->isCapturing());
    }

    std::array<Binding, kKeyItems> bindings;
    std::array<KeyMenuItem*, kKeyItems> items{};
};

TEST_F(MenuKeys, ReturnWithAdvanceCapturesAPlayersFiveKeysAndStopsOnFire) {
    // Arrow keys are bindings while a key item waits, not cursor moves.
    typeOn(0, {SDLK_RETURN, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_SPACE});
    expectKeys({SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_SPACE, SDLK_f, SDLK_g, SDLK_h,
                SDLK_i, SDLK_j});
    EXPECT_EQ(menu->getCurrent(), kPlayer1Fire + 1);
    input.tap(SDLK_DOWN);
    EXPECT_EQ(menu->getCurrent(), kPlayer1Fire + 2) << "the cursor moves again";
}

// Key 1 has no name: the item shows that and goes on waiting, and Escape
// then keeps the old key.
TEST_F(MenuKeys, EscapeWhileWaitingKeepsTheOldKeyAndLeavesOnTheNextDraw) {
    typeOn(1, {SDLK_RETURN, 1});
    EXPECT_TRUE(items[1]->isWaiting());
    EXPECT_EQ(items[1]->getKeyName(), KeyMenuItem::kUnknownKeyName);
    EXPECT_EQ(soundsOf([this] { menu->draw(*screen); }), Played{}) << "no escape yet";
    input.tap(SDLK_ESCAPE);
    expectKeys({SDLK_a, SDLK_b, SDLK_c, SDLK_d, SDLK_e, SDLK_f, SDLK_g, SDLK_h, SDLK_i, SDLK_j});
    EXPECT_FALSE(menu->isEscaped());
    EXPECT_EQ(soundsOf([this] { menu->draw(*screen); }), Played{Menu::kSoundLeave});
    EXPECT_TRUE(menu->isEscaped());
}

// Bindings read from a damaged file, or never set, are kept and shown so.
TEST_F(MenuKeys, ABindingWithoutAKeyNameShowsUnknownKey) {
    buildKeyMenu();
    for (int32_t key : {-5, 0, int32_t{SDLK_LAST}, 100000}) {
        Binding odd{key, Binding::kKeyboard};
        EXPECT_EQ(KeyMenuItem(*menu, "odd", "dat/keys", odd, false).getKeyName(),
                  KeyMenuItem::kUnknownKeyName)
            << key;
        EXPECT_EQ(odd.key, key);
    }
}

// A key another action holds, of either player, moves: that action takes the
// key the capturing one had, and shows it at once.
TEST_F(MenuKeys, CapturingAKeyInUseSwapsItWithTheActionThatHadIt) {
    const struct {
        int taker;
        int32_t key;
        int loser;
    } cases[] = {{0, SDLK_f, 5},            // player 1 takes player 2's
                 {1, SDLK_e, kPlayer1Fire}, // within one player
                 {kPlayer2Fire, SDLK_a, 0}, // player 2 takes player 1's
                 {7, SDLK_h, -1},           // its own key again
                 {3, SDLK_z, -1}};          // a free key
    for (const auto& c : cases) {
        SCOPED_TRACE(c.taker);
        // Escape ends the walk an advancing item would start.
        typeOn(c.taker, {SDLK_RETURN, c.key, SDLK_ESCAPE});
        Keys want;
        for (int i = 0; i < kKeyItems; ++i) {
            want[size_t(i)] = i == c.taker ? c.key : i == c.loser ? SDLK_a + c.taker : SDLK_a + i;
        }
        expectKeys(want);
    }
}

} // namespace
