// A whole run recorded through SDL's disk audio driver, which writes what a
// sound card would play (16-bit stereo, left first, 44.1 kHz) at a sound
// card's pace: a trooper fires at the left edge and at the right edge, and
// after the game the menu cursor moves.
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
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
// From Escape until the dead trooper's debris has landed and the menu is up,
// with time to spare.
constexpr uint32_t kGameOverMs = 1000;
constexpr double kSilence = -60.0;
constexpr double kFullScale = 32768.0;
// Columns near the edges where the shot still leaves the muzzle on the screen.
constexpr int32_t kNearLeft = 12;
constexpr int32_t kNearRight = 627;
// Six little-endian settings, the first the music switch; all bytes 0xFF is unset.
constexpr size_t kSettingBytes = 4;
constexpr size_t kSettingsBytes = 6 * kSettingBytes;
constexpr unsigned char kUnsetByte = 0xFF;

struct Levels {
    double left;
    double right;
};

// Root-mean-square level of each channel in dB below full scale.
Levels levelsOf(const std::vector<unsigned char>& pcm, size_t from, size_t to) {
    from -= from % kBytesPerFrame;
    to = std::min(to, pcm.size());
    to = std::max(from, to - to % kBytesPerFrame);
    double energy[2] = {0, 0};
    for (size_t at = from; at < to; at += 2) {
        const auto sample = int16_t(uint16_t(pcm[at] | pcm[at + 1] << 8));
        energy[at / 2 % 2] += double(sample) * sample;
    }
    const double frames = double(std::max(to - from, kBytesPerFrame) / kBytesPerFrame);
    const auto dB = [frames](double e) {
        // Silence comes out as -120 dB rather than minus infinity.
        return 10.0 * std::log10(e / frames / (kFullScale * kFullScale) + 1e-12);
    };
    return {dB(energy[0]), dB(energy[1])};
}

// Where the recording has got to, noted in the child for the test to read.
void mark() {
    std::ofstream(kMarks, std::ios::app) << std::filesystem::file_size(kRecording) << '\n';
}

// Lets a frame's worth of real time pass with each frame from `from` on, so
// that the game keeps the recording's pace; no alien comes near to cry.
void keepPace(std::vector<Step>& steps, uint32_t from, uint32_t to, bool clearAliens) {
    for (uint32_t at = from; at < to; at += kPaceMs) {
        steps.push_back({at, [clearAliens] {
                             if (clearAliens) {
                                 currentGame->session().aliens().clear();
                             }
                             SDL_Delay(kPaceMs);
                         }});
    }
}

// Silences whatever still sounds (the title's and the start signal's long
// samples, the last stretch's shots, the dying trooper's cry), so that a
// stretch holds only its own sounds.
void silence() {
    Mix_HaltChannel(-1);
}

// The trooper stands at column x and fires for one stretch from `at`.
void fireAt(std::vector<Step>& steps, uint32_t at, int32_t x) {
    steps.push_back({at, [x] {
                         silence();
                         currentGame->session().troopers().forEachItem(
                             [x](Linkable& trooper) { static_cast<Soldier&>(trooper).x = x; });
                         keyEvent(SDLK_RCTRL, true);
                     }});
    keepPace(steps, at, at + kStretchMs, true);
    steps.push_back({at + kSettleMs, mark});
    steps.push_back({at + kSettleMs + kListenMs, [] {
                         mark();
                         keyEvent(SDLK_RCTRL, false);
                     }});
}

std::ostream& operator<<(std::ostream& out, const Levels& l) {
    return out << "left " << l.left << " dB, right " << l.right << " dB";
}

// Recorded with the music off, so that only effects are heard.
TEST_F(WholeRun, ShotsAreHeardFromTheTroopersSideAndMenuSoundsFromTheMiddle) {
    const uint32_t gameAt = 1000;
    const uint32_t menuAt = gameAt + 2 * kStretchMs + kGameOverMs;
    std::vector<Step> steps{{100, keyPress(SDLK_ESCAPE)}, // the title
                            {600, [] {
                                 std::srand(kSeed);
                                 keyPress(SDLK_RETURN)(); // "One player"
                             }}};
    fireAt(steps, gameAt, kNearLeft);
    fireAt(steps, gameAt + kStretchMs, kNearRight);
    steps.push_back({gameAt + 2 * kStretchMs, keyPress(SDLK_ESCAPE)});
    // The menu after the game, its cursor moving down and up on channels the
    // shots had.
    steps.push_back({menuAt, silence});
    keepPace(steps, menuAt, menuAt + kStretchMs, false);
    steps.push_back({menuAt + kPaceMs, mark});
    for (uint32_t at = menuAt + kPaceMs; at < menuAt + kStretchMs - kPaceMs; at += 4 * kPaceMs) {
        steps.push_back({at, keyPress(SDLK_DOWN)});
        steps.push_back({at + 2 * kPaceMs, keyPress(SDLK_UP)});
    }
    steps.push_back({menuAt + kStretchMs - kPaceMs, mark});
    steps.push_back({menuAt + kStretchMs, keyPress(SDLK_ESCAPE)});

    std::vector<unsigned char> settings(kSettingsBytes, kUnsetByte);
    std::fill_n(settings.begin(), kSettingBytes, 0); // music off
    work.write("dat/config.dat", settings);
    const std::string recording = (work.path() / kRecording).string();
    run({"--window"}, std::move(steps), "disk",
        [&recording] { setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1); });
    const std::vector<unsigned char> pcm = work.read(kRecording);
    std::ifstream marks(work.path() / kMarks);
    std::vector<Levels> levels;
    for (size_t from = 0, to = 0; marks >> from >> to;) {
        levels.push_back(levelsOf(pcm, from, to));
    }
    ASSERT_EQ(levels.size(), 3u);
    const Levels& left = levels[0];
    const Levels& right = levels[1];
    const Levels& menu = levels[2];
    EXPECT_GE(left.left - left.right, 6.0) << left;
    EXPECT_GE(right.right - right.left, 6.0) << right;
    EXPECT_GT(menu.left, kSilence) << menu;
    EXPECT_NEAR(menu.left, menu.right, 0.01) << menu;
}

} // namespace
