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
#include <string>
#include <vector>

#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "audio/ModMusic.h"
#include "audio/Sound.h"
#include "audio/Sounds.h"
#include "support/TempDir.h"

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

std::vector<int16_t> samplesOf(const Mix_Chunk* chunk) {
    const auto* data = reinterpret_cast<const int16_t*>(chunk->abuf);
    return std::vector<int16_t>(data, data + chunk->alen / 2);
}

// The sample count from the granule position of the stream's last page,
// which is what a decoder plays.
double oggSeconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string magic = "OggS";
    for (size_t at = bytes.size() >= 27 ? bytes.size() - 27 : 0; at > 0; at--) {
        if (std::equal(magic.begin(), magic.end(), bytes.begin() + long(at))) {
            uint64_t granule = 0;
            for (int b = 7; b >= 0; b--) {
                granule = granule << 8 | bytes[at + 6 + size_t(b)];
            }
            return double(granule) / kVorbisRate;
        }
    }
    return 0.0;
}

class GeneratedSounds : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        cwd = new WorkingDir(KRAVEX_DATA_DIR);
    }
    void TearDown() override {
        delete cwd;
        MixerFixture::TearDown();
    }
    WorkingDir* cwd = nullptr;
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

TEST_F(GeneratedSounds, EverySoundIsHeardAndNoneClips) {
    for (const auto& entry : std::filesystem::directory_iterator("sounds")) {
        if (entry.path().extension() != ".sl") {
            continue;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(entry.path().c_str());
        ASSERT_NE(chunk, nullptr) << entry.path() << ": " << Mix_GetError();
        const std::vector<int16_t> samples = samplesOf(chunk);
        Mix_FreeChunk(chunk);
        ASSERT_FALSE(samples.empty()) << entry.path();
        int peak = 0;
        double energy = 0.0;
        for (int16_t s : samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * double(s);
        }
        const double rms = std::sqrt(energy / double(samples.size()));
        EXPECT_LT(peak, kFullScale) << entry.path() << " clips";
        EXPECT_GT(rms, kQuietestRms) << entry.path() << " is near silence";
    }
}

// The rifle and the flame thrower repeat while the trigger is held: the jump
// from the last sample back to the first must be no bigger than the sound's
// own steps from one sample to the next.
TEST_F(GeneratedSounds, TheHeldWeaponSoundsLoopWithoutASeam) {
    for (const char* name : {"sounds/gun01.sl", "sounds/gun03.sl"}) {
        Mix_Chunk* chunk = Mix_LoadWAV(name);
        ASSERT_NE(chunk, nullptr) << name;
        const std::vector<int16_t> samples = samplesOf(chunk);
        Mix_FreeChunk(chunk);
        ASSERT_GT(samples.size(), 4u);
        // Stereo frames: compare the left channel.
        int largestStep = 0;
        for (size_t i = 2; i < samples.size(); i += 2) {
            largestStep = std::max(largestStep, std::abs(samples[i] - samples[i - 2]));
        }
        const int seam = std::abs(samples.front() - samples[samples.size() - 2]);
        EXPECT_LE(seam, largestStep) << name;
    }
}

TEST_F(GeneratedSounds, TheNamedMusicLoadsAndPlays) {
    for (const char* name : kNamedMusic) {
        Mix_Music* music = Mix_LoadMUS(name);
        ASSERT_NE(music, nullptr) << name << ": " << Mix_GetError();
        EXPECT_EQ(Mix_PlayMusic(music, 1), 0) << name;
        EXPECT_NE(Mix_PlayingMusic(), 0) << name;
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        EXPECT_GT(oggSeconds(name), 20.0) << name;
    }
}

TEST_F(GeneratedSounds, TheMusicFolderHoldsAtLeastThreeMinuteLongPieces) {
    int pieces = 0;
    for (const auto& entry : std::filesystem::directory_iterator("music")) {
        Mix_Music* music = Mix_LoadMUS(entry.path().c_str());
        ASSERT_NE(music, nullptr) << entry.path() << ": " << Mix_GetError();
        Mix_FreeMusic(music);
        EXPECT_GE(oggSeconds(entry.path().string()), kShortestGameMusicSeconds) << entry.path();
        pieces++;
    }
    EXPECT_GE(pieces, 3);
}

TEST_F(GeneratedSounds, AGamePiecePickedAtRandomPlays) {
    for (unsigned seed = 1; seed <= 6; seed++) {
        std::srand(seed);
        ModMusic music(nullptr);
        ASSERT_EQ(std::string(music.getFileName()).rfind("music/", 0), 0u);
        music.play();
        EXPECT_TRUE(music.isLoaded()) << music.getFileName();
        EXPECT_NE(Mix_PlayingMusic(), 0);
        music.stop();
    }
}

} // namespace
