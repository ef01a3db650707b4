#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "audio/AudioSettings.h"
#include "support/TempDir.h"

// The audio tests' fixture: opens the mixer as the game does (the dummy
// driver in tests), sets the audio settings as start-up leaves them and works
// in a fresh folder, as the game works in its data folder. Restores it after.
class AudioFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until the mixer has finished the music; false on timeout.
    static bool waitUntilMusicIdle();

    AudioSettings audio;
    TempDir dir;
    std::unique_ptr<WorkingDir> cwd;
};

// Opens the mixer as the game does and sets the settings as start-up leaves
// them; SDL's audio must be up. Call it under ASSERT_NO_FATAL_FAILURE.
void openMixer(AudioSettings& audio);

// A RIFF WAV sine tone, 16-bit mono 44100 Hz, `ms` milliseconds long.
std::vector<unsigned char> toneWav(int ms);
