// The game's scheduler: when repeating events first run and then recur, how a
// new interval takes over, and what a full scheduler refuses.
#include <gtest/gtest.h>
#include <vector>

#include "app/EventScheduler.h"

namespace {

// Which ticks each of two events ran on; callbacks are plain functions, so
// they write here and the current tick is read back from the scheduler.
std::vector<int> runsA;
std::vector<int> runsB;
const EventScheduler* running = nullptr;
void recordA() { runsA.push_back(running->getTick()); }
void recordB() { runsB.push_back(running->getTick()); }

class EventSchedulerTest : public testing::Test {
  protected:
    void SetUp() override {
        runsA.clear();
        runsB.clear();
        running = &scheduler;
    }
    void tickUntil(int ticks) {
        // Bounded, so a scheduler that stops counting fails instead of hanging.
        for (int i = 0; i < ticks && scheduler.getTick() < ticks; ++i) {
            scheduler.tick();
        }
    }
    EventScheduler scheduler{10};
};

TEST_F(EventSchedulerTest, EventsFirstRunAfterTheirIntervalAndThenEveryInterval) {
    ASSERT_TRUE(scheduler.addRepeating(8, recordA));
    ASSERT_TRUE(scheduler.addRepeating(100, recordB));
    tickUntil(8);
    EXPECT_TRUE(runsA.empty()) << "eight calls reach tick 7 only";
    tickUntil(201);
    EXPECT_EQ(runsA.size(), 25u);
    for (size_t i = 0; i < runsA.size(); ++i) {
        EXPECT_EQ(runsA[i], 8 * int(i + 1));
    }
    EXPECT_EQ(runsB, (std::vector<int>{100, 200}));
}

TEST_F(EventSchedulerTest, ANewIntervalStartsAfterTheRunAlreadyDue) {
    scheduler.addRepeating(8, recordA);
    scheduler.addRepeating(8, recordB);
    tickUntil(3);
    scheduler.setInterval(0, 3);
    tickUntil(9);
    scheduler.setInterval(1, 20);
    scheduler.setInterval(2, 1); // no such event: nothing changes
    scheduler.setInterval(-1, 1);
    tickUntil(40);
    EXPECT_EQ(runsA, (std::vector<int>{8, 11, 14, 17, 20, 23, 26, 29, 32, 35, 38}));
    EXPECT_EQ(runsB, (std::vector<int>{8, 16, 36}));
    EXPECT_EQ(scheduler.event(0)->due, 41);
    EXPECT_EQ(scheduler.event(1)->interval, 20);
}

TEST_F(EventSchedulerTest, AFullSchedulerRefusesAndAnEmptyOneOnlyCounts) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(scheduler.addRepeating(1000, recordB));
    }
    EXPECT_FALSE(scheduler.addRepeating(1, recordA));
    EXPECT_EQ(scheduler.getCount(), 10);
    EXPECT_EQ(scheduler.event(10), nullptr);
    tickUntil(5);
    EXPECT_TRUE(runsA.empty());

    EventScheduler empty(10);
    for (int i = 0; i < 50; ++i) {
        empty.tick();
    }
    EXPECT_EQ(empty.getTick(), 50);
    EXPECT_EQ(empty.getCount(), 0);
    EXPECT_EQ(empty.event(0), nullptr);
    for (int capacity : {0, -3}) {
        EventScheduler none(capacity);
        EXPECT_FALSE(none.addRepeating(1, recordA)) << capacity;
    }
}

} // namespace
