// Recorded games: seeded games played by the autoplay's bot through the real
// frame loop, the screen hashed after every frame and held against a record
// kept in tests/data/recorded-games.txt. One test pins the whole world at
// once: a frame that changes, by a pixel or by one random number drawn in
// another order, is reported with the first frame of its game that differs.
//
// A change that alters frames on purpose records them again and says why in
// its commit. To record, from the top of the source tree, with the dummy
// drivers set as ctest sets them (SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy):
//   KRAVEX_RECORD_GAMES=tests/data/recorded-games.txt
//     build/sanitize/tests/kravex_tests --gtest_filter='RecordedGames*'
// on one line; a relative path is taken from the folder the run starts in.
//
// The games run in a fresh folder (default settings and keys), each from a
// fixed seed and a striped screen for the fader to flow off. The one random number
// a game's music takes is drawn whether or not the music folder holds any
// piece, but only with the audio open: the dummy audio driver opens it.
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/GameSession.h"
#include "bench/AutoPlayer.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "support/AppFixture.h"

namespace {

// Where the run started, before the suite's game moved into a folder of its own.
const std::filesystem::path startedIn = std::filesystem::current_path();

struct RecordedGame {
    const char* name;
    // Players, aim, fetch, armed and the frame limit: the aiming bot would
    // play on for thousands of frames.
    AutoPlayer::Setup setup;
    bool lights;
    unsigned seed;
};

// Both player counts, both bots, the special weapons, lights on and off.
const RecordedGame kGames[] = {
    {"idle-1p-lit", {1, false, false, false, 6000}, true, 11},
    {"idle-2p-dark", {2, false, false, false, 6000}, false, 12},
    {"aim-1p-dark", {1, true, false, false, 500}, false, 13},
    {"aim-2p-lit", {2, true, false, false, 500}, true, 14},
    {"armed-1p-lit", {1, true, false, true, 500}, true, 15},
    {"armed-2p-dark", {2, true, false, true, 500}, false, 16},
    {"armed-2p-lit", {2, true, false, true, 600}, true, 17},
};

constexpr uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr uint64_t kFnvPrime = 0x100000001b3ULL;
// One byte of each frame's hash is kept: a frame that differs passes
// unnoticed by it once in 256, so the first differing frame reported is then
// the one after; the whole game's hash misses nothing.
constexpr int kFramesPerLine = 64;

uint64_t fnvStep(uint64_t hash, uint64_t value) {
    return (hash ^ value) * kFnvPrime;
}

// Diagonal stripes, so the fader's falling columns show in the first frames.
void paintStripes(Buffer& screen) {
    SDL_Surface* shown = screen.getSurface();
    constexpr int kStripe = 16;
    for (int y = 0; y < shown->h; ++y) {
        SDL_Rect line{0, Sint16(y), Uint16(shown->w), 1};
        SDL_FillRect(shown, &line, 0);
        for (int x = (y / 2) % (2 * kStripe); x < shown->w; x += 2 * kStripe) {
            SDL_Rect piece{Sint16(x), Sint16(y), kStripe, 1};
            SDL_FillRect(shown, &piece, SDL_MapRGB(shown->format, 200, 120, 40));
        }
    }
}

// What a game showed: each frame's hash, and its end.
struct Played {
    int32_t frames = 0;
    int32_t score = 0;
    uint64_t gameHash = kFnvOffset;
    std::string frameBytes; // two hex digits a frame
};

std::string hex(uint64_t value, int digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

// The record: for each game its frames, score and hash, then the frames'
// bytes. Lines starting with '#' are comments.
std::map<std::string, Played> readRecord(const std::string& path) {
    std::ifstream in(path);
    std::map<std::string, Played> record;
    Played* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word;
        if (line.empty() || line[0] == '#' || !(words >> word)) {
            continue;
        }
        if (word == "game") {
            std::string name;
            std::string gameHash;
            Played p;
            words >> name >> p.frames >> p.score >> gameHash;
            p.gameHash = std::strtoull(gameHash.c_str(), nullptr, 16);
            current = &(record[name] = p);
        } else if (current != nullptr) {
            current->frameBytes += word;
        }
    }
    return record;
}

void writeRecord(const std::string& path,
                 const std::vector<std::pair<std::string, Played>>& games) {
    std::ofstream out(path);
    out << "# Written by tests/app/RecordedGamesTest.cpp, which says how to record again.\n"
           "# Each game: its name, frames, final score and the hash of all its frames;\n"
           "# then one byte of the screen's hash after each frame, "
        << kFramesPerLine << " frames a line.\n";
    for (const auto& [name, p] : games) {
        out << "game " << name << ' ' << p.frames << ' ' << p.score << ' ' << hex(p.gameHash, 16)
            << '\n';
        for (size_t at = 0; at < p.frameBytes.size(); at += 2 * kFramesPerLine) {
            out << p.frameBytes.substr(at, 2 * kFramesPerLine) << '\n';
        }
    }
}

class RecordedGamesTest : public GameTest {
  protected:
    static Played play(const RecordedGame& g) {
        AutoPlayer player(*game, g.setup);
        Played p;
        game->getLight().setOn(g.lights);
        game->phaseHook = [&p](int32_t phase) {
            if (phase == Game::kPhaseFlipped) {
                const uint64_t frame = screenHash(game->getDisplay());
                p.gameHash = fnvStep(p.gameHash, frame);
                p.frameBytes += hex(frame >> 56, 2);
            }
        };
        paintStripes(game->getDisplay());
        player.play(g.seed);
        game->phaseHook = nullptr;
        p.frames = player.frames();
        p.score = game->session().score();
        return p;
    }
};

// The frame number, from 1, of the first frame whose byte differs; 0 if none.
size_t firstDifference(const std::string& seen, const std::string& recorded) {
    for (size_t at = 0; at < std::max(seen.size(), recorded.size()); at += 2) {
        if (seen.compare(at, 2, recorded, at, 2) != 0) {
            return at / 2 + 1;
        }
    }
    return 0;
}

TEST_F(RecordedGamesTest, EveryFrameOfTheRecordedGamesIsAsRecorded) {
    ASSERT_NE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0)
        << "the recorded games drew a random number for their music";
    const char* recordInto = std::getenv("KRAVEX_RECORD_GAMES");
    const std::string recordTo = recordInto != nullptr ? (startedIn / recordInto).string() : "";
    const std::map<std::string, Played> record =
        readRecord(std::string(KRAVEX_TEST_DATA) + "/recorded-games.txt");
    std::vector<std::pair<std::string, Played>> played;
    for (const RecordedGame& g : kGames) {
        SCOPED_TRACE(g.name);
        const Played seen = play(g);
        played.emplace_back(g.name, seen);
        if (!recordTo.empty()) {
            continue;
        }
        const auto found = record.find(g.name);
        ASSERT_NE(found, record.end()) << "no record of this game";
        const Played& recorded = found->second;
        const size_t first = firstDifference(seen.frameBytes, recorded.frameBytes);
        EXPECT_EQ(first, 0u) << "frame " << first << " is the first that differs from the record";
        if (first == 0) {
            EXPECT_EQ(seen.gameHash, recorded.gameHash)
                << "a frame differs from the record, though not in its kept byte";
        }
        EXPECT_EQ(seen.frames, recorded.frames);
        EXPECT_EQ(seen.score, recorded.score);
    }
    if (!recordTo.empty()) {
        writeRecord(recordTo, played);
        GTEST_SKIP() << "recorded " << played.size() << " games into " << recordTo;
    }
}

} // namespace
