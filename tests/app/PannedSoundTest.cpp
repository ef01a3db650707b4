// A whole run recorded through SDL's disk audio driver, which writes what a
// sound card would play (16-bit stereo, left first, 44.1 kHz) at a sound
// card's pace: a trooper fires at the left edge and at the right edge.
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "app/GameSession.h"
#include "app/Globals.h"
#include "support/AppFixture.h"
#include "world/Aliens.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

constexpr const char* kRecording = "audio.raw";
constexpr const char* kMarks = "marks.txt";
constexpr size_t kBytesPerFrame = 4;
// The sound card's pace: one frame of real time.
constexpr uint32_t kPaceMs = 50;
// Each stretch waits for the last sound to die away and the new one to be
// mixed, then listens for most of a burst of the rifle (0.56 s).
constexpr uint32_t kSettleMs = 200;
constexpr uint32_t kListenMs = 400;
constexpr uint32_t kStretchMs = kSettleMs + kListenMs + kPaceMs;
constexpr unsigned kSeed = 29;
// Columns near the edges where the shot still leaves the muzzle on the screen.
constexpr int32_t kNearLeft = 12;
constexpr int32_t kNearRight = 627;

// The energy of each channel, left and right, between two marks.
std::pair<double, double> energyOf(const std::vector<unsigned char>& pcm, size_t from, size_t to) {
    double energy[2] = {0, 0};
    to = std::min(to, pcm.size());
    for (size_t at = from - from % kBytesPerFrame; at + 1 < to; at += 2) {
        const auto sample = int16_t(uint16_t(pcm[at] | pcm[at + 1] << 8));
        energy[at / 2 % 2] += double(sample) * sample;
    }
    return {energy[0], energy[1]};
}

// Where the recording has got to, noted in the child for the test to read.
void mark() {
    std::ofstream(kMarks, std::ios::app) << std::filesystem::file_size(kRecording) << '\n';
}

// Lets a frame's worth of real time pass with each frame from `from` on, so
// that the game keeps the recording's pace; no alien comes near to cry.
void keepPace(std::vector<Step>& steps, uint32_t from, uint32_t to) {
    for (uint32_t at = from; at < to; at += kPaceMs) {
        steps.push_back({at, [] {
                             currentGame->session().aliens().clear();
                             SDL_Delay(kPaceMs);
                         }});
    }
}

// The trooper stands at column x and fires for one stretch from `at`.
void fireAt(std::vector<Step>& steps, uint32_t at, int32_t x) {
    steps.push_back({at, [x] {
                         // The title's and the start signal's long samples, and
                         // the last stretch's shots, would sound into this one.
                         Mix_HaltChannel(-1);
                         currentGame->session().troopers().forEachItem(
                             [x](Linkable& trooper) { static_cast<Soldier&>(trooper).x = x; });
                         pushKey(SDL_KEYDOWN, SDLK_RCTRL);
                     }});
    keepPace(steps, at, at + kStretchMs);
    steps.push_back({at + kSettleMs, mark});
    steps.push_back({at + kSettleMs + kListenMs, [] {
                         mark();
                         pushKey(SDL_KEYUP, SDLK_RCTRL);
                     }});
}

// Recorded with the music off, so that only effects are heard.
TEST_F(WholeRun, ShotsAreHeardFromTheTroopersSide) {
    const uint32_t gameAt = 1000;
    std::vector<Step> steps{{100, keyPress(SDLK_ESCAPE)}, // the title
                            {600, [] {
                                 std::srand(kSeed);
                                 keyPress(SDLK_RETURN)(); // "One player"
                             }}};
    fireAt(steps, gameAt, kNearLeft);
    fireAt(steps, gameAt + kStretchMs, kNearRight);
    // Giving up, then leaving the menu once the debris has landed.
    addPresses(steps, gameAt + 2 * kStretchMs, {SDLK_ESCAPE});
    addPresses(steps, gameAt + 2 * kStretchMs + 2000, {SDLK_ESCAPE});
    std::vector<unsigned char> settings(24, 0xFF); // unset but the first: music off
    std::fill_n(settings.begin(), 4, 0);
    work.write("dat/config.dat", settings);
    const std::string recording = (work.path() / kRecording).string();
    run({"--window"}, std::move(steps), "disk",
        [&recording] { setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1); });
    const std::vector<unsigned char> pcm = work.read(kRecording);
    std::ifstream marks(work.path() / kMarks);
    std::vector<std::pair<double, double>> heard;
    for (size_t from = 0, to = 0; marks >> from >> to;) {
        heard.push_back(energyOf(pcm, from, to));
    }
    // The near side at least 6 dB louder: four times the energy, and more
    // than silence.
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_GT(heard[0].first, 4 * heard[0].second) << heard[0].first << " " << heard[0].second;
    EXPECT_GT(heard[1].second, 4 * heard[1].first) << heard[1].first << " " << heard[1].second;
}

} // namespace
