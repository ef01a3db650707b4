// Replays through the loaded game and its real frame loop: the golden games
// end where they were recorded, a live game plays back the same, a cut-off
// replay ends as Escape would, and the list screen and the attract mode
// answer their keys. Time passes only when a frame timer sleeps.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>

#include "app/GameSession.h"
#include "app/ReplayListScreen.h"
#include "app/ReplayViewer.h"
#include "input/Focus.h"
#include "input/GuideKeys.h"
#include "input/InputDevices.h"
#include "store/Replay.h"
#include "support/AppFixture.h"
#include "ui/Menu.h"
#include "world/Soldiers.h"

namespace fs = std::filesystem;

namespace {

std::string golden(const char* name) {
    return std::string(KRAVEX_TEST_DATA) + "/replays/" + name;
}

// A game's score, frames and the hash of its last picture.
using Ending = std::tuple<int32_t, uint32_t, uint64_t>;

class ReplayTest : public GameTest {
  protected:
    static Ending playBack(const Replay& replay) {
        ReplayViewer unseen(ReplayViewer::kProof, nullptr, nullptr, game->getDevices());
        const uint32_t frames = game->watchReplay(replay, unseen);
        return {game->session().score(), frames, screenHash(game->getDisplay())};
    }

    // Players of the game being watched, or 0.
    static int watched() { return game->session().scheduler() != nullptr ? game->getLastPlayers() : 0; }

    // Keeps the golden replays as the game's own, in dat/replays.
    static void keepGoldens() {
        fs::create_directories("dat/replays");
        for (const char* name : {"one-player.rpl", "two-players.rpl"}) {
            fs::copy_file(golden(name), fs::path("dat/replays") / name,
                          fs::copy_options::overwrite_existing);
        }
    }
};

// Each golden game ends with the score and frames in its header and the
// picture its last frame showed when it was recorded.
TEST_F(ReplayTest, GoldenReplaysEndWithTheirRecordedScoreFramesAndPicture) {
    const struct {
        const char* file;
        uint64_t hash;
    } cases[] = {
        {"one-player.rpl", 0xe5264c077e62b990ull},
        {"two-players.rpl", 0x08d321559064db4aull},
        {"weapons.rpl", 0x97295f9745670673ull},
        {"paused.rpl", 0x046d5f4c3cc9a95full},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Replay replay;
        std::string why;
        ASSERT_TRUE(Replay::load(golden(c.file), replay, &why)) << why;
        // Whatever the run's sequence was before, the game draws its own.
        std::srand(12345);
        EXPECT_EQ(playBack(replay), (Ending{replay.header.score, replay.header.frames, c.hash}));
    }
}

// A live two-player game with a long pause, played back: the same end, and
// the recording holds every frame, the pause and the Escape where they came.
TEST_F(ReplayTest, ALiveGamePlaysBackToTheSameEndWhateverItsPauseLasted) {
    constexpr int kPauseFrame = 40;
    constexpr int kEscapeFrame = 120;
    int frame = 0;
    // Player 1 fires and turns; player 2 walks for a while.
    const std::map<int, std::pair<uint8_t, SDLKey>> holds{
        {2, {SDL_KEYDOWN, SDLK_RCTRL}}, {5, {SDL_KEYDOWN, SDLK_LEFT}},
        {9, {SDL_KEYDOWN, SDLK_w}},     {30, {SDL_KEYUP, SDLK_w}},
        {60, {SDL_KEYUP, SDLK_LEFT}},   {100, {SDL_KEYUP, SDLK_RCTRL}}};
    game->frameHook = [&] {
        if (const auto hold = holds.find(++frame); hold != holds.end()) {
            pushKey(hold->second.first, hold->second.second);
        }
        if (frame == kPauseFrame) {
            keyPress(SDLK_F1)();
            clock().at(clock().now() + 7000, keyPress(SDLK_p));
        }
        if (frame == kEscapeFrame) {
            keyPress(SDLK_ESCAPE)();
        }
    };
    game->startGame(2);
    game->frameHook = nullptr;
    const Ending live{game->session().score(), uint32_t(frame), screenHash(game->getDisplay())};
    const Replay recorded = game->lastRecording();
    EXPECT_EQ(recorded.header.frames, uint32_t(frame));
    ASSERT_EQ(recorded.inputs.size(), size_t(frame));
    ASSERT_GT(frame, kEscapeFrame) << "the players died too soon";
    EXPECT_EQ(recorded.inputs[kPauseFrame - 1] & Replay::kF1Bit, Replay::kF1Bit);
    EXPECT_EQ(recorded.inputs[kEscapeFrame - 1] & Replay::kEscapeBit, Replay::kEscapeBit);
    EXPECT_NE(recorded.inputs[20] & Replay::actionBit(1, GuideKeys::kForward), 0);
    EXPECT_EQ(playBack(recorded), live);
}

// Cut short, a replay gives the game up where its frames run out; the dead
// troopers' debris then settles as after Escape.
TEST_F(ReplayTest, PlaybackPastTheRecordedFramesEndsTheGameAsEscapeWould) {
    Replay replay;
    ASSERT_TRUE(Replay::load(golden("weapons.rpl"), replay, nullptr));
    constexpr size_t kKept = 200;
    replay.inputs.resize(kKept);
    const Ending cut = playBack(replay);
    EXPECT_GT(std::get<1>(cut), kKept + 1);
    EXPECT_LT(std::get<1>(cut), kKept + 100);
    EXPECT_TRUE(game->session().troopers().isEmpty());
    EXPECT_LT(std::get<0>(cut), replay.header.score);
}

// Up and Down choose within the list, a file that is no replay cannot be
// watched, Return watches at the game's pace, Space quadruples it, F1 pauses,
// Escape goes back to the list and then out.
TEST_F(ReplayTest, TheListScreensKeysChooseWatchSpeedUpPauseAndLeave) {
    keepGoldens();
    std::ofstream("dat/replays/junk.rpl") << "not a replay";
    ReplayListScreen list(*game);
    uint32_t at = clock().now();
    int framesAt = 0;
    std::vector<int> seen;
    const auto step = [&](uint32_t after, std::function<void()> act) {
        clock().at(at += after, std::move(act));
    };
    const auto press = [&](uint32_t after, const std::vector<SDLKey>& keys) {
        for (SDLKey key : keys) {
            step(after, keyPress(key));
        }
    };
    const auto rebase = [&](uint32_t after) { step(after, [&] { framesAt = game->getFramesPlayed(); }); };
    const auto look = [&](uint32_t after) {
        step(after, [&] {
            seen.push_back(watched());
            // Frames per second of the clock, as a multiple of the game's pace.
            seen.push_back(((game->getFramesPlayed() - framesAt) * int(kFrameMs) + 500) / 1000);
            framesAt = game->getFramesPlayed();
        });
    };
    // The list ends at the unplayable file, which cannot be watched.
    press(200, {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    rebase(100);
    look(100);
    press(200, {SDLK_UP, SDLK_UP, SDLK_RETURN}); // the best: two players
    rebase(1000);
    look(1000); // at the game's pace
    press(10, {SDLK_SPACE});
    look(990); // four times as many
    press(10, {SDLK_F1});
    rebase(100);
    look(900); // none while paused
    press(10, {SDLK_x});
    press(500, {SDLK_ESCAPE});
    rebase(10);
    look(490); // back in the list
    press(10, {SDLK_ESCAPE});
    list.run();
    clock().clearSteps();
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 2, 1, 2, 4, 2, 0, 0, 0}));
    fs::remove_all("dat/replays");
}

// Left alone for 30 s, the main menu plays the best kept replay; any key
// returns at once and does nothing else. With none kept the menu stays.
TEST_F(ReplayTest, TheMenuLeftAloneFor30SecondsPlaysTheBestReplayUntilAKey) {
    fs::remove_all("dat/replays");
    const uint32_t start = clock().now();
    std::vector<int> seen;
    const auto look = [&](uint32_t at) {
        clock().at(start + at, [&] { seen.push_back(watched()); });
    };
    look(29500);
    look(30500); // nothing kept
    clock().at(start + 31000, [] { keepGoldens(); });
    look(60000); // 30 s after the last look for one: not yet
    look(61500);
    clock().at(start + 62000, keyPress(SDLK_RETURN));
    look(62200);
    clock().at(start + 64000, keyPress(SDLK_ESCAPE));
    const int32_t menuScore = 17;
    game->session().setScore(menuScore);
    game->setLastPlayers(1);
    game->getDevices().focus().current = &game->getMainMenu();
    game->menuScreen();
    clock().clearSteps();
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 2, 0}));
    EXPECT_FALSE(game->getMainMenu().hasPendingAction()) << "the Return that ended the show did more";
    EXPECT_TRUE(game->getMainMenu().isEscaped());
    game->getMainMenu().clearEscaped();
    EXPECT_EQ(game->session().score(), menuScore);
    EXPECT_EQ(game->getLastPlayers(), 1);
    fs::remove_all("dat/replays");
}

} // namespace
