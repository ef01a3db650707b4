#include "world/Meter.h"
#include "world/Heartbeat.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Health and ammunition: what is exactly used up leaves zero yet is not "used
// up"; only taking more than is left is.
TEST(Meter, TakeEmptiesOnlyWhenMoreThanIsLeftIsTakenAndAddStopsAtTheMaximum) {
    const struct {
        int32_t value, n;
        bool usedUp;
        int32_t left;
    } cases[] = {{100, 100, false, 0}, {0, 1, true, 0}, {30, 29, false, 1}, {0, 0, false, 0}};
    for (const auto& c : cases) {
        Meter meter(c.value, 100);
        EXPECT_EQ(meter.take(c.n), c.usedUp) << c.n << " of " << c.value;
        EXPECT_EQ(meter.getValue(), c.left) << c.n << " of " << c.value;
    }
    Meter meter(90, 100);
    meter.add(INT32_MAX);
    EXPECT_EQ(meter.getValue(), 100) << "no wrapping round";
}

TEST(Heartbeat, StaysSilentInTheShippedGameWhateverTheHealth) {
    Meter health(0, 100);
    Heartbeat heart(&health, 5);
    for (int frame = 0; frame < 100; ++frame) {
        ASSERT_EQ(heart.beat(), Heartbeat::kSilent) << frame;
    }
}

} // namespace
