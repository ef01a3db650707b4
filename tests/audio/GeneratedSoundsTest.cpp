// Loads every generated sound and piece of music through the mixer, as the
// game does, and measures the sounds: each must be heard and none may clip.
#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "audio/ModMusic.h"
#include "audio/Sound.h"
#include "audio/Sounds.h"

namespace {

struct ExpectedSet {
    const char* base;
    int count;
};

const ExpectedSet kSets[] = {
    {"sounds/general", 1}, {"sounds/menu", 3},  {"sounds/exp", 2},
    {"sounds/soldier", 5}, {"sounds/gun", 4},   {"sounds/heartbeat", 2},
    {"sounds/powerup", 3}, {"sounds/alien", 5}, {"sounds/help", 2},
};
const char* const kSingles[] = {"sounds/menu01", "sounds/start", "sounds/start2"};
const char* const kNamedMusic[] = {"sounds/load.ogg", "sounds/menu.ogg", "sounds/om.ogg"};

constexpr int kFullScale = 32767;
// Quieter than this (about -40 dBFS) would be as good as silence in a game.
constexpr double kQuietestRms = 0.01 * kFullScale;
constexpr double kShortestGameMusicSeconds = 60.0;
constexpr double kVorbisRate = 44100.0;

// The sample count from the granule position of the stream's last page (a
// page header is 27 bytes), which is what a decoder plays.
double oggSeconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const size_t page =
        bytes.size() < 27 ? std::string::npos : bytes.rfind("OggS", bytes.size() - 27);
    if (page == std::string::npos || page == 0) {
        return 0.0;
    }
    uint64_t granule = 0;
    for (int b = 7; b >= 0; b--) {
        granule = granule << 8 | uint8_t(bytes[page + 6 + size_t(b)]);
    }
    return double(granule) / kVorbisRate;
}

class GeneratedSounds : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        cwd.reset();
        cwd = std::make_unique<WorkingDir>(KRAVEX_DATA_DIR);
    }
};

TEST_F(GeneratedSounds, EverySetTheGameLoadsIsComplete) {
    for (const ExpectedSet& expected : kSets) {
        Sounds set(expected.count);
        EXPECT_TRUE(set.load(expected.base)) << expected.base;
    }
    for (const char* name : kSingles) {
        Sound sound(name);
        EXPECT_TRUE(sound.isLoaded()) << name;
    }
}

// The rifle and the flame thrower repeat while the trigger is held: the jump
// from their last sample back to the first must be no bigger than their own
// steps from one sample to the next.
TEST_F(GeneratedSounds, EverySoundIsHeardNoneClipsAndTheHeldWeaponsLoopWithoutASeam) {
    int seams = 0;
    for (const auto& entry : std::filesystem::directory_iterator("sounds")) {
        const std::string name = entry.path().string();
        if (entry.path().extension() != ".sl") {
            continue;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(name.c_str());
        ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
        const auto* data = reinterpret_cast<const int16_t*>(chunk->abuf);
        const std::vector<int16_t> samples(data, data + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        ASSERT_GT(samples.size(), 4u) << name;
        int peak = 0;
        int largestStep = 0;
        double energy = 0.0;
        for (size_t i = 0; i < samples.size(); i++) {
            peak = std::max(peak, std::abs(int(samples[i])));
            energy += double(samples[i]) * double(samples[i]);
            // Stereo frames: steps of the left channel.
            if (i >= 2 && i % 2 == 0) {
                largestStep = std::max(largestStep, std::abs(samples[i] - samples[i - 2]));
            }
        }
        EXPECT_LT(peak, kFullScale) << name << " clips";
        EXPECT_GT(std::sqrt(energy / double(samples.size())), kQuietestRms)
            << name << " is near silence";
        if (entry.path().filename() == "gun01.sl" || entry.path().filename() == "gun03.sl") {
            seams++;
            EXPECT_LE(std::abs(samples.front() - samples[samples.size() - 2]), largestStep) << name;
        }
    }
    EXPECT_EQ(seams, 2);
}

// The named pieces last more than twenty seconds, the game's own at least a
// minute; each loads and plays, and so does one picked at random.
TEST_F(GeneratedSounds, EveryPieceOfMusicLoadsPlaysAndLastsLongEnough) {
    std::vector<std::pair<std::string, double>> pieces;
    for (const char* name : kNamedMusic) {
        pieces.emplace_back(name, std::nextafter(20.0, 21.0));
    }
    for (const auto& entry : std::filesystem::directory_iterator("music")) {
        pieces.emplace_back(entry.path().string(), kShortestGameMusicSeconds);
    }
    EXPECT_GE(pieces.size(), std::size(kNamedMusic) + 3);
    for (const auto& [name, shortest] : pieces) {
        Mix_Music* music = Mix_LoadMUS(name.c_str());
        ASSERT_NE(music, nullptr) << name << ": " << Mix_GetError();
        EXPECT_EQ(Mix_PlayMusic(music, 1), 0) << name;
        EXPECT_NE(Mix_PlayingMusic(), 0) << name;
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        EXPECT_GE(oggSeconds(name), shortest) << name;
    }
    ModMusic music(nullptr);
    ASSERT_EQ(std::string(music.getFileName()).rfind("music/", 0), 0u);
    music.play();
    EXPECT_TRUE(music.isLoaded()) << music.getFileName();
    EXPECT_NE(Mix_PlayingMusic(), 0);
}

} // namespace
