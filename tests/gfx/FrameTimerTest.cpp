// The frame timer's tick rule and how it waits, on a clock the test drives.
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

#include "gfx/FrameTimer.h"

namespace {

constexpr uint32_t kInterval = 50;

// Stands still unless the test moves it, or moves by each sleep when
// `sleepsPass` is set; records every sleep asked for.
struct TestClock : FrameClock {
    explicit TestClock(uint32_t start, bool sleepsPass = false)
        : time(start), sleepsPass(sleepsPass) {}
    uint32_t now() override { return time; }
    void sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        time += sleepsPass ? ms : 0;
    }
    uint32_t time;
    bool sleepsPass;
    std::vector<uint32_t> sleeps;
};

// Also after a tick: the next interval runs from that tick's own moment.
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
                // It sleeps, waking at the first moment a tick is due at the latest.
                ASSERT_EQ(clock.sleeps.size(), 1u);
                EXPECT_GE(clock.sleeps.back(), 1u);
                EXPECT_LE(elapsed + clock.sleeps.back(), kInterval + 1);
            }
            clock.time = from + kInterval + 1;
            EXPECT_TRUE(timer.tick());
            EXPECT_EQ(timer.lastInterval(), kInterval + 1);
        }
    }
}

TEST(FrameTimer, AnOverdueTickComesWithoutSleeping) {
    TestClock clock(0);
    FrameTimer timer(kInterval, clock);
    EXPECT_EQ(timer.lastInterval(), 0u);
    clock.time = 80;
    EXPECT_TRUE(timer.tick());
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(timer.lastInterval(), 80u);
}

TEST(FrameTimer, APollingLoopSleepsThroughMostOfTheInterval) {
    TestClock clock(0, true);
    FrameTimer timer(kInterval, clock);
    for (int frame = 1; frame <= 3; ++frame) {
        int polls = 1;
        while (!timer.tick()) {
            ++polls;
        }
        EXPECT_EQ(clock.time, uint32_t(frame) * (kInterval + 1));
        EXPECT_LE(polls, 5) << "frame " << frame;
    }
    EXPECT_EQ(std::accumulate(clock.sleeps.begin(), clock.sleeps.end(), 0u), clock.time);
}

} // namespace
