// The frame timer's tick rule, on a clock the test drives.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "gfx/FrameTimer.h"

namespace {

constexpr uint32_t kInterval = 50;

// Stands still unless the test moves it; records every sleep asked for.
struct TestClock : FrameClock {
    explicit TestClock(uint32_t start) : time(start) {}
    uint32_t now() override { return time; }
    void sleep(uint32_t ms) override { sleeps.push_back(ms); }
    uint32_t time;
    std::vector<uint32_t> sleeps;
};

// Also after a tick: the next interval runs from that tick's own moment.
// Until a tick is due the timer sleeps, waking by the first moment it is.
TEST(FrameTimer, ExactlyTheIntervalIsNotEnoughEvenWhenTheClockWraps) {
    for (uint32_t start : {1000u, 0xFFFFFFF0u}) {
        TestClock clock(start);
        FrameTimer timer(kInterval, clock);
        for (uint32_t from : {start, start + kInterval + 1}) {
            for (uint32_t elapsed = 0; elapsed <= kInterval; ++elapsed) {
                SCOPED_TRACE(std::to_string(from) + " + " + std::to_string(elapsed));
                clock.time = from + elapsed;
                clock.sleeps.clear();
                EXPECT_FALSE(timer.tick());
                ASSERT_EQ(clock.sleeps.size(), 1u);
                EXPECT_GE(clock.sleeps.back(), 1u);
                EXPECT_LE(elapsed + clock.sleeps.back(), kInterval + 1);
            }
            clock.time = from + kInterval + 1;
            EXPECT_TRUE(timer.tick());
        }
        // An overdue tick comes without sleeping.
        clock.time += 3 * kInterval;
        clock.sleeps.clear();
        EXPECT_TRUE(timer.tick());
        EXPECT_TRUE(clock.sleeps.empty());
    }
}

} // namespace
