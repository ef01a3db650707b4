// Replays around the game session: every game recorded from a seed of its
// own, the recordings kept beside the high-score tables, and playback for
// the replay list, the attract mode and the command line.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameSession.h"
#include "app/ReplayViewer.h"
#include "audio/ModMusic.h"
#include "gfx/Font.h"
#include "input/Focus.h"
#include "input/GuideKeys.h"
#include "input/InputDevices.h"
#include "input/Keyboard.h"
#include "store/ReplayStore.h"
#include "ui/HighScoreTable.h"
#include "ui/Menu.h"
#include "world/LevelTable.h"

namespace {
// The main menu left alone this long plays the best kept replay.
constexpr uint32_t kAttractIdleMs = 30000;
} // namespace

const char* Game::tableFileFor(int32_t players) {
    return players == 1 ? "dat/hiscore_1.dat" : "dat/hiscore_2.dat";
}

void Game::startGame(int32_t players) {
    // Drawn from the run's own sequence, itself seeded from the clock at start.
    const uint32_t seed = uint32_t(std::rand());
    inputs.record(players, seed, player1Keys.get(), player2Keys.get());
    playGame(players, seed);
    const int32_t score = world->score();
    inputs.finishRecording(score, levels != nullptr ? levels->levelFor(score) : 0);
    replayUnkept = true;
}

void Game::showFromMenu(const Replay& replay, ReplayViewer& shownBy) {
    const int32_t menuScore = world->score();
    const int32_t menuPlayers = lastPlayers;
    watchReplay(replay, shownBy);
    world->setScore(menuScore);
    lastPlayers = menuPlayers;
}

uint32_t Game::watchReplay(const Replay& replay, ReplayViewer& shownBy) {
    const int64_t playedMs = msPlayed;
    const int32_t playedFrames = framesPlayed;
    inputs.playBack(&replay);
    viewer = &shownBy;
    playGame(replay.header.players > 1 ? 2 : 1, replay.header.seed);
    viewer = nullptr;
    msPlayed = playedMs;
    framesPlayed = playedFrames;
    return inputs.frames();
}

namespace {
// The table field pads a name with spaces; a replay names its entry without.
std::string trimmed(const std::string& name) {
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

// The entries of the stored table, as they stand on the disk. False when the
// file is there but cannot be read: nothing may then be judged pushed out.
bool readEntries(const char* file, int32_t rows, LevelTable& levels,
                 std::vector<std::pair<int32_t, std::string>>& out) {
    HighScoreTable table(rows, file, nullptr, nullptr, 0, levels);
    if (!table.loadFrom(file)) {
        if (std::filesystem::exists(file)) {
            return false;
        }
        table.resetDefaults();
    }
    for (int32_t row = 0; row < table.getCount(); ++row) {
        out.emplace_back(table.entry(row).score, trimmed(table.entry(row).name));
    }
    return true;
}
} // namespace

void Game::keepReplay(bool inTable) {
    replayUnkept = false;
    if (replays == nullptr) {
        return;
    }
    Replay kept = inputs.recording();
    kept.header.name = inTable ? trimmed(hiscores->entry(hiscores->getNewIndex()).name) : "";
    if (!replays->keep(kept, inTable)) {
        error("The replay of this game could not be kept.\n");
    }
}

void Game::pruneReplays() {
    if (replays == nullptr) {
        return;
    }
    std::vector<std::pair<int32_t, std::string>> entries[2];
    for (int32_t players = 1; players <= 2; ++players) {
        if (!readEntries(tableFileFor(players), hiscores->getCount(), *levels, entries[players - 1])) {
            error("The high scores could not be read back, so no replay is let go.\n");
            return;
        }
    }
    replays->prune([&entries](int32_t players) { return entries[players > 1 ? 1 : 0]; });
}

void Game::playMenuMusic() {
    replaceMusic("sounds/menu");
    currentMusic->play();
}

bool Game::attractDue(uint32_t idleSince) const {
    return replays != nullptr && !hiscores->isEntering() && clock->now() - idleSince >= kAttractIdleMs;
}

// The show keeps the menu's own state: its table, its heading and its music.
void Game::attractMode() {
    ReplayStore::Entry best;
    Replay replay;
    if (!replays->best(best) || !Replay::load(best.path, replay, nullptr)) {
        return;
    }
    ReplayViewer shown(ReplayViewer::kAttract, pause.get(), goldFont.get(), *devices);
    showFromMenu(replay, shown);
    stampLogo();
    playMenuMusic();
    devices->pump();
    devices->keyboard().forgetScreenKeys();
    devices->focus().current = mainMenu.get();
}
