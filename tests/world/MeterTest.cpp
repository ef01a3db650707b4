#include "world/Meter.h"
#include "world/Heartbeat.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

TEST(Meter, TakeEmptiesOnlyWhenMoreThanIsLeftIsTaken) {
    struct Case {
        int32_t value, n;
        bool usedUp;
        int32_t left;
    };
    const Case cases[] = {
        {100, 100, false, 0}, // exactly what is left: zero, not used up
        {0, 1, true, 0},      {30, 29, false, 1}, {1, 2, true, 0},
        {5, 0, false, 5},     {0, 0, false, 0},
    };
    for (const Case& c : cases) {
        Meter meter(c.value, 100);
        EXPECT_EQ(meter.take(c.n), c.usedUp) << c.n << " of " << c.value;
        EXPECT_EQ(meter.getValue(), c.left) << c.n << " of " << c.value;
    }
}

TEST(Meter, AddStopsAtTheMaximumWithoutWrappingRound) {
    Meter meter(90, 100);
    meter.add(5);
    EXPECT_EQ(meter.getValue(), 95);
    meter.add(6);
    EXPECT_EQ(meter.getValue(), 100);
    meter.add(INT32_MAX);
    EXPECT_EQ(meter.getValue(), 100);
}

// Frames, from the first call, at which each sound is asked for.
using Beats = std::vector<std::pair<int, int32_t>>;

Beats pacing(Heartbeat& heart, int frames) {
    Beats beats;
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
    EXPECT_EQ(pacing(heart, 30), (Beats{{9, 0}, {13, 1}, {23, 0}, {27, 1}}));
    // The meter is read afresh every frame: at 0 both pauses are 0, so the two
    // frames counted since the last sound already bring the next, and from then
    // on a sound comes every second frame.
    health.take(64);
    EXPECT_EQ(pacing(heart, 6), (Beats{{0, 0}, {2, 1}, {4, 0}}));
}

} // namespace
