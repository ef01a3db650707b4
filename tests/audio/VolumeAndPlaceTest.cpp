// How loud an effect or the music is: the setup menu's switches, and the
// stereo place of an effect from the column of what made it.
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

#include "audio/AudioSettings.h"
#include "audio/ModMusic.h"
#include "audio/Panning.h"
#include "audio/SFXVolume.h"

namespace {

constexpr int kDown = 0, kUp = 1;

// One step of a fresh switch, made from the arguments, from each start, up or
// down: the level it shows and the setting it drives.
template <typename Switch, typename Setting, size_t N, typename... Args>
void expectSteps(Setting& setting, const int (&steps)[N][3], Args&... args) {
    for (const auto& [start, up, after] : steps) {
        setting = static_cast<Setting>(start);
        Switch s(args...);
        up == kUp ? s.increase() : s.decrease();
        EXPECT_TRUE(s.getLevel() == after && int(setting) == after)
            << start << (up == kUp ? " up" : " down");
    }
}

TEST(VolumeSwitches, EffectsStepBySixteenAndMusicByEightUpToFullAndDownToNothing) {
    const int effects[][3] = {{0, kUp, 16},  {17, kDown, 1},  {15, kDown, 0},
                              {0, kDown, 0}, {240, kUp, 255}, {255, kDown, 239}};
    AudioSettings audio;
    expectSteps<SFXVolume>(audio.sfxVolume, effects, audio);
    const int music[][3] = {{0, kUp, 8},     {7, kDown, 0},   {240, kUp, 248},
                            {247, kUp, 255}, {255, kUp, 255}, {255, kDown, 247}};
    const std::unique_ptr<ModMusic> noPiece;
    expectSteps<ModMusic>(audio.musicVolume, music, audio, noPiece);
}

// The nearer channel keeps the centred level and the farther one only falls
// toward the edge, mirrored on the two sides: gently near the middle (a
// linear fade would be 6 dB down halfway out), clearly near an edge.
TEST(Panning, OnlyTheFartherChannelFallsGentlyThenSteeplyAndOffScreenIsTheEdge) {
    int lastFarther = 256;
    for (int offset = 0; offset <= 319; ++offset) {
        const Panning left = Panning::atX(320 - offset);
        const Panning right = Panning::atX(320 + offset);
        ASSERT_EQ(left.left + right.right, 2 * 255) << offset;
        ASSERT_LE(left.right, lastFarther) << offset;
        ASSERT_LE(std::abs(left.right - right.left), 1) << offset;
        lastFarther = left.right;
    }
    EXPECT_GE(Panning::atX(160).right, 128) << "less than 6 dB down: over half the level";
    EXPECT_LE(Panning::atX(40).right, 64) << "more than 12 dB down: a quarter or less";
    for (int x : {-400, INT_MIN, 640, INT_MAX}) {
        EXPECT_EQ(Panning::atX(x).left - Panning::atX(x).right, x < 0 ? 255 : -255) << x;
    }
}

} // namespace
