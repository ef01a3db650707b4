// Every generated sound and named piece of music goes through the mixer as the
// game plays it: none missing, each sound heard, none clipped, the held
// weapons (rifle, flame thrower) looping without a jump back to their first
// sample.
#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "audio/Sounds.h"
#include "support/AudioFixture.h"

namespace {

constexpr int kFullScale = 32767;
// Quieter than this (about -40 dBFS) would be as good as silence in a game.
constexpr double kQuietestRms = 0.01 * kFullScale;

using GeneratedSounds = AudioFixture;

TEST_F(GeneratedSounds, EverySoundIsThereHeardUnclippedAndTheHeldOnesLoopWithoutASeam) {
    cwd.reset(); // the fixture's folder is left first, so the test ends where it began
    cwd = std::make_unique<WorkingDir>(KRAVEX_DATA_DIR);
    const std::pair<const char*, int> sets[] = {
        {"sounds/general", 1}, {"sounds/menu", 3},  {"sounds/exp", 2},
        {"sounds/soldier", 5}, {"sounds/gun", 4},   {"sounds/heartbeat", 2},
        {"sounds/powerup", 3}, {"sounds/alien", 5}, {"sounds/help", 2}};
    for (const auto& [base, count] : sets) {
        EXPECT_TRUE(Sounds(audio, count).load(base)) << base;
    }
    EXPECT_TRUE(Sound(audio, "sounds/start").isLoaded() &&
                Sound(audio, "sounds/start2").isLoaded());
    std::vector<std::string> pieces = {"sounds/load.ogg", "sounds/menu.ogg", "sounds/om.ogg"};
    for (const auto& entry : std::filesystem::directory_iterator("music")) {
        pieces.push_back(entry.path().string());
    }
    EXPECT_GE(pieces.size(), 6u) << "the game's own pieces are missing";
    for (const std::string& piece : pieces) {
        Mix_Music* music = Mix_LoadMUS(piece.c_str());
        EXPECT_NE(music, nullptr) << piece << ": " << Mix_GetError();
        Mix_FreeMusic(music);
    }
    for (const auto& entry : std::filesystem::directory_iterator("sounds")) {
        const std::string name = entry.path().string();
        Mix_Chunk* chunk = entry.path().extension() == ".sl" ? Mix_LoadWAV(name.c_str()) : nullptr;
        if (chunk == nullptr) {
            EXPECT_NE(entry.path().extension(), ".sl") << name << ": " << Mix_GetError();
            continue;
        }
        const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        const size_t count = chunk->alen / 2;
        ASSERT_GT(count, 4u) << name;
        int peak = 0, largestStep = 0; // steps of the left channel of stereo frames
        double energy = 0.0;
        for (size_t i = 0; i < count; i++) {
            peak = std::max(peak, std::abs(int(samples[i])));
            energy += double(samples[i]) * double(samples[i]);
            largestStep = std::max(
                largestStep, i >= 2 && i % 2 == 0 ? std::abs(samples[i] - samples[i - 2]) : 0);
        }
        EXPECT_LT(peak, kFullScale) << name << " clips";
        EXPECT_GT(std::sqrt(energy / double(count)), kQuietestRms) << name << " is near silence";
        if (name == "sounds/gun01.sl" || name == "sounds/gun03.sl") {
            EXPECT_LE(std::abs(samples[0] - samples[count - 2]), largestStep) << name;
        }
        Mix_FreeChunk(chunk);
    }
}

} // namespace
