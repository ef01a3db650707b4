#include "world/Heartbeat.h"
#include "world/Meter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Frames, from the first call, at which each sound is asked for.
std::vector<std::pair<int, int32_t>> runPacing(Heartbeat& heart, int frames) {
    std::vector<std::pair<int, int32_t>> beats;
    for (int frame = 0; frame < frames; ++frame) {
        const int32_t sound = heart.advance();
        if (sound != Heartbeat::kSilent) {
            beats.emplace_back(frame, sound);
        }
    }
    return beats;
}

TEST(Heartbeat, StaysSilentInTheShippedGame) {
    ASSERT_FALSE(Heartbeat::kEnabled);
    Meter health(0, 100);
    Heartbeat heart(&health, 5);
    for (int frame = 0; frame < 500; ++frame) {
        EXPECT_EQ(heart.beat(), Heartbeat::kSilent);
    }
}

TEST(Heartbeat, PausesByTheWatchedValueAndAlternatesTheTwoSounds) {
    Meter health(64, 100);
    Heartbeat heart(&health, 5);
    // Long pause (64 * 4) >> 5 = 8: the counter must exceed it, so the first
    // sound comes on the tenth call; short pause 64 >> 5 = 2.
    const auto beats = runPacing(heart, 30);
    const std::vector<std::pair<int, int32_t>> expected = {{9, 0}, {13, 1}, {23, 0}, {27, 1}};
    EXPECT_EQ(beats, expected);
}

TEST(Heartbeat, ALowerValueBeatsFaster) {
    Meter strong(100, 100);
    Meter weak(10, 100);
    Heartbeat slow(&strong, 5);
    Heartbeat fast(&weak, 5);
    EXPECT_LT(runPacing(slow, 200).size(), runPacing(fast, 200).size());
}

TEST(Heartbeat, FollowsTheMeterAsItChanges) {
    Meter health(0, 100);
    Heartbeat heart(&health, 5);
    // At 0 both pauses are 0: a sound every second frame.
    const std::vector<std::pair<int, int32_t>> expected = {{1, 0}, {3, 1}, {5, 0}};
    EXPECT_EQ(runPacing(heart, 6), expected);
}

} // namespace
