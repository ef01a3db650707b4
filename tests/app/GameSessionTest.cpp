// Whole games through startGame and the real frame loop: where the troopers
// start, when aliens and power-ups arrive, how Escape ends a game and how the
// aliens speed up with the score. Time passes only when the frame timer
// sleeps, and Escape arrives as a real SDL key event from the frame hook.
#include <SDL.h>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "app/EventScheduler.h"
#include "app/Game.h"
#include "app/Globals.h"
#include "gfx/FlowFader.h"
#include "gfx/SteppedClock.h"
#include "input/Keyboard.h"
#include "gfx/Font.h"
#include "ui/Menu.h"
#include "ui/MenuItem.h"
#include "support/LoadedGame.h"
#include "world/Aliens.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

// A game that has not ended by then has ignored Escape.
constexpr int kFrameLimit = 600;

void pressEscape() {
    pressKey(SDLK_ESCAPE);
}

// Loading takes a second, so the suite shares one game. It runs in a folder
// of its own so that the settings it writes on the way out stay there.
class GameSessionTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        loaded = new LoadedGame();
        game = &loaded->get();
    }
    static void TearDownTestSuite() {
        delete loaded;
        // The last game's playfield picture went with the game.
        EXPECT_EQ(background, nullptr);
    }
    void SetUp() override { ASSERT_TRUE(loaded->isReady()); }

    // Plays one game. onFrame sees the number of the frame about to run and
    // answers whether to press Escape in it; returns how many frames ran.
    static int play(int players, const std::function<bool(int)>& onFrame) {
        int frame = 0;
        game->frameHook = [&] {
            ++frame;
            if (onFrame(frame) || frame == kFrameLimit) {
                EXPECT_LT(frame, kFrameLimit) << "the game did not end";
                pressEscape();
            }
        };
        game->startGame(players);
        game->frameHook = nullptr;
        return frame;
    }

    static std::vector<const Soldier*> troopers() {
        std::vector<const Soldier*> all;
        game->troopers->forEachItem([&](Linkable& item) { all.push_back(&static_cast<Soldier&>(item)); });
        return all;
    }

    static int alienInterval() { return game->session->event(0)->interval; }

    static inline LoadedGame* loaded = nullptr;
    static inline Game* game = nullptr;
};

TEST_F(GameSessionTest, EscapeEndsTheGameOnceTheDeadTroopersDebrisHasSettled) {
    const int escapeAt = 3;
    const int framesBefore = framesPlayed;
    score = 500;
    game->levelMark = 99;
    using T = std::tuple<int, int, int, bool>; // x, y, side, alive
    const int frames = play(2, [&](int frame) {
        std::vector<T> seen;
        for (const Soldier* t : troopers()) {
            seen.emplace_back(t->x, t->y, t->getSide(), t->isAlive());
        }
        if (frame == 1) {
            EXPECT_EQ(score, 0);
            EXPECT_EQ(game->levelMark, 0);
            EXPECT_EQ(alienInterval(), 8);
            EXPECT_EQ(seen, (std::vector<T>{T{160, 240, 0, true}, T{480, 240, 1, true}}));
        }
        if (frame == escapeAt + 1) {
            EXPECT_EQ(seen.size(), 2u) << "dead troopers stay until their debris lands";
            for (const auto& trooper : seen) {
                EXPECT_FALSE(std::get<3>(trooper));
            }
        }
        return frame == escapeAt;
    });
    EXPECT_TRUE(game->troopers->isEmpty());
    EXPECT_GT(frames - escapeAt, 1);
    EXPECT_EQ(game->lastPlayers, 2);
    EXPECT_EQ(framesPlayed, framesBefore + frames);
    EXPECT_EQ(game->session, nullptr);

    // The next game starts from nothing again, and the frame count goes on.
    score = 7;
    const int second = play(1, [&](int frame) {
        if (frame == 1) {
            EXPECT_EQ(score, 0);
            EXPECT_EQ(troopers().size(), 1u);
        }
        return frame == 1;
    });
    EXPECT_EQ(game->lastPlayers, 1);
    EXPECT_EQ(framesPlayed, framesBefore + frames + second);
}

TEST_F(GameSessionTest, AliensComeEveryEighthFrameAndTheFirstPowerUpOnTheHundredAndFirst) {
    // A fixed draw, so that the power-up does not land on the trooper and
    // get picked up in the frame it comes.
    std::srand(1);
    const int lastFrame = 102;
    std::vector<int> aliens;
    std::vector<int> powerUps;
    play(1, [&](int frame) {
        if (frame > lastFrame) {
            return false; // the trooper is dying
        }
        aliens.push_back(game->aliens->count());
        powerUps.push_back(game->powerUps->count());
        // Once two have come, they go before they can reach the trooper.
        if (frame >= 18) {
            game->aliens->clear();
        }
        return frame == lastFrame;
    });
    // The hook of frame f sees what the ticks 0 to f - 2 of the frames before it brought.
    std::vector<int> wantAliens;
    std::vector<int> wantPowerUps;
    for (int frame = 1; frame <= lastFrame; ++frame) {
        const int ticks = frame - 1;
        // After the clearing only the last frame's arrival is left.
        wantAliens.push_back(frame <= 18 ? (ticks - 1) / 8 : (ticks - 1) % 8 == 0);
        wantPowerUps.push_back(ticks > 100 ? 1 : 0);
    }
    EXPECT_EQ(aliens, wantAliens);
    EXPECT_EQ(powerUps, wantPowerUps);
}

TEST_F(GameSessionTest, AliensComeOneFrameSoonerForEachStepOfMoreThan20Points) {
    struct Step {
        int score;
        int interval;
        int mark;
    };
    const std::vector<Step> steps = {
        {20, 8, 0},     {21, 7, 21},    {41, 7, 21},    {42, 6, 42},   {100, 5, 100},
        {121, 4, 121},  {142, 3, 142},  {163, 2, 163},  {184, 2, 184}, {184, 2, 184},
    };
    play(1, [&](int frame) {
        // Aliens would wear the trooper down before the score is done.
        game->aliens->clear();
        const size_t i = size_t(frame - 1);
        if (i > steps.size()) {
            return false; // Escape has been pressed
        }
        if (i > 0) {
            SCOPED_TRACE("score " + std::to_string(steps[i - 1].score));
            EXPECT_EQ(alienInterval(), steps[i - 1].interval);
            EXPECT_EQ(game->levelMark, steps[i - 1].mark);
        }
        if (i == steps.size()) {
            return true;
        }
        score = steps[i].score;
        return false;
    });
}

} // namespace

TEST_F(GameSessionTest, KeysLatchedInTheFrontEndNeitherPauseNorEndTheNextGame) {
    for (int key : {SDLK_ESCAPE, SDLK_F1}) {
        keyboard->keyDown(key);
        keyboard->keyUp(key);
    }
    play(1, [&](int frame) {
        if (frame == 1 && keyboard->wasPressed(SDLK_F1)) {
            ADD_FAILURE() << "F1 would pause the first frame";
            // Left latched, the pause would wait for a key that never comes.
            keyboard->clearPressed(SDLK_F1);
        }
        if (frame == 2) {
            EXPECT_TRUE(troopers().at(0)->isAlive()) << "Escape ended the game at once";
        }
        return frame == 2;
    });
}

TEST_F(GameSessionTest, TheMainMenuLetsTheLastGamePictureFlowOff) {
    play(1, [](int frame) { return frame == 1; });
    ASSERT_FALSE(game->fader->isFinished()) << "a game's end starts the flow";
    // Three seconds of menu, far more than the picture needs to fall.
    SteppedClock& clock = loaded->frameClock();
    clock.at(clock.now() + 3000, [] { pressEscape(); });
    game->mainMenuPass();
    clock.clearSteps();
    EXPECT_TRUE(game->fader->isFinished());
    EXPECT_TRUE(game->mainMenu->isEscaped() || game->quit != 0);
    game->quit = 0;
}


// An Escape that comes after the last frame of a game has read its keys is
// no Escape for the main menu that follows.
TEST_F(GameSessionTest, AnEscapeAsTheGameEndsDoesNotLeaveTheMainMenu) {
    SteppedClock& clock = loaded->frameClock();
    game->phaseHook = [](int32_t phase) {
        if (phase == Game::kPhaseFlipped) {
            pressEscape();
        }
    };
    play(1, [](int frame) { return frame == 1; });
    game->phaseHook = nullptr;
    const uint32_t shown = clock.now();
    clock.at(shown + 500, [] { pressEscape(); });
    game->mainMenuPass();
    clock.clearSteps();
    EXPECT_GE(clock.now(), shown + 500) << "the menu left before Escape was pressed in it";
    game->quit = 0;
}

TEST_F(GameSessionTest, TheKeyScreensLastLineLeadsToTheMainMenu) {
    SteppedClock& clock = loaded->frameClock();
    constexpr int kSetKeys = 5;
    constexpr int kSetupItems = 6;
    constexpr int kKeyItems = 11;
    uint32_t at = clock.now() + 100;
    const auto pressAt = [&](SDLKey key) { clock.at(at += 100, [key] { pressKey(key); }); };
    for (int i = (kSetKeys - game->setupMenu->getCurrent() + kSetupItems) % kSetupItems; i > 0; --i) {
        pressAt(SDLK_DOWN);
    }
    pressAt(SDLK_RETURN);
    for (int i = game->keysMenu->getCurrent() % kKeyItems; i > 0; --i) {
        pressAt(SDLK_UP);
    }
    pressAt(SDLK_RETURN);
    const uint32_t late = at + 3000;
    clock.at(late, [] { pressEscape(); });
    clock.at(late + 500, [] { pressEscape(); });
    game->setupScreen();
    clock.clearSteps();
    EXPECT_LT(clock.now(), late) << "the setup screen came back";
    game->setupMenu->clearPendingAction();
}

// In the font the menus are drawn with, no label reaches its value, nor the
// cursor a key item shows beside its value while it waits.
TEST_F(GameSessionTest, EveryMenuLabelEndsBeforeItsValue) {
    const Font* font = Menu::getFont();
    ASSERT_NE(font, nullptr);
    for (Menu* menu : {game->mainMenu, game->setupMenu, game->keysMenu}) {
        menu->forEachItem([&](Linkable& item) {
            const MenuItem& m = static_cast<MenuItem&>(item);
            EXPECT_LT(font->width(m.getLabel().c_str()) + m.roomBeforeValue(), menu->getValueColumn())
                << m.getLabel();
        });
    }
}
