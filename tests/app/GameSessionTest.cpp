// Games through startGame and the real frame loop, and the front end around
// them: which keys carry over between the game and the menus. Time passes
// only when a frame timer sleeps.
#include <SDL.h>
#include <functional>
#include <gtest/gtest.h>

#include "app/Game.h"
#include "app/GameSession.h"
#include "input/InputDevices.h"
#include "input/Keyboard.h"
#include "support/AppFixture.h"
#include "ui/Menu.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

// A game that has not ended by then has ignored Escape.
constexpr int kFrameLimit = 600;

class GameSessionTest : public GameTest {
  protected:
    // Plays a one-player game. onFrame sees the number of the frame about to
    // run and answers whether to press Escape in it.
    static void play(const std::function<bool(int)>& onFrame) {
        int frame = 0;
        game->frameHook = [&] {
            ++frame;
            if (onFrame(frame) || frame == kFrameLimit) {
                EXPECT_LT(frame, kFrameLimit) << "the game did not end";
                keyPress(SDLK_ESCAPE)();
            }
        };
        game->startGame(1);
        game->frameHook = nullptr;
    }
};

TEST_F(GameSessionTest, KeysLatchedInTheFrontEndNeitherPauseNorEndTheNextGame) {
    Keyboard& keyboard = game->getDevices().keyboard();
    for (int key : {SDLK_ESCAPE, SDLK_F1}) {
        keyboard.keyDown(key);
        keyboard.keyUp(key);
    }
    play([&](int frame) {
        if (frame == 1 && keyboard.wasPressed(SDLK_F1)) {
            ADD_FAILURE() << "F1 would pause the first frame";
            // Left latched, the pause would wait for a key that never comes.
            keyboard.clearPressed(SDLK_F1);
        }
        if (frame == 2) {
            bool alive = false;
            game->session().troopers().forEachItem(
                [&](Linkable& t) { alive = static_cast<Soldier&>(t).isAlive(); });
            EXPECT_TRUE(alive) << "Escape ended the game at once";
        }
        return frame == 2;
    });
}

// An Escape that comes after the last frame of a game has read its keys is
// no Escape for the main menu that follows.
TEST_F(GameSessionTest, AnEscapeAsTheGameEndsDoesNotLeaveTheMainMenu) {
    game->phaseHook = [](int32_t phase) {
        if (phase == Game::kPhaseFlipped) {
            keyPress(SDLK_ESCAPE)();
        }
    };
    play([](int frame) { return frame == 1; });
    game->phaseHook = nullptr;
    const uint32_t shown = clock().now();
    clock().at(shown + 500, keyPress(SDLK_ESCAPE));
    game->mainMenuPass();
    clock().clearSteps();
    EXPECT_GE(clock().now(), shown + 500) << "the menu left before Escape was pressed in it";
    game->clearQuit();
}

TEST_F(GameSessionTest, TheKeyScreensLastLineLeadsToTheMainMenu) {
    constexpr int kSetKeys = 5;
    constexpr int kSetupItems = 6;
    constexpr int kKeyItems = 11;
    uint32_t at = clock().now() + 100;
    const auto pressAt = [&](SDLKey key) { clock().at(at += 100, keyPress(key)); };
    for (int i = (kSetKeys - game->getSetupMenu().getCurrent() + kSetupItems) % kSetupItems; i > 0;
         --i) {
        pressAt(SDLK_DOWN);
    }
    pressAt(SDLK_RETURN);
    for (int i = game->getKeysMenu().getCurrent() % kKeyItems; i > 0; --i) {
        pressAt(SDLK_UP);
    }
    pressAt(SDLK_RETURN);
    const uint32_t late = at + 3000;
    clock().at(late, keyPress(SDLK_ESCAPE));
    clock().at(late + 500, keyPress(SDLK_ESCAPE));
    game->setupScreen();
    clock().clearSteps();
    EXPECT_LT(clock().now(), late) << "the setup screen came back";
    game->getSetupMenu().clearPendingAction();
}

} // namespace
