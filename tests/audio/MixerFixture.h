#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

// Opens the mixer as the game does (under the dummy audio driver in tests)
// and sets the audio globals as start-up leaves them; restores both after.
class MixerFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until the mixer has finished the channel; false on timeout.
    static bool waitUntilChannelIdle(int channel);
    static bool waitUntilMusicIdle();
};

// A RIFF WAV sine tone, 16-bit mono 44100 Hz, `ms` milliseconds long.
std::vector<unsigned char> toneWav(int ms);
