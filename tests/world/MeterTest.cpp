#include "world/Meter.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MeterTake, TakingExactlyWhatIsLeftLeavesZeroAndIsNotUsedUp) {
    Meter meter(100, 100);
    EXPECT_FALSE(meter.take(100));
    EXPECT_EQ(meter.getValue(), 0);
    EXPECT_TRUE(meter.take(1));
    EXPECT_EQ(meter.getValue(), 0);
}

TEST(MeterTake, TakingMoreThanIsLeftEmptiesTheMeter) {
    Meter meter(30, 100);
    EXPECT_FALSE(meter.take(29));
    EXPECT_EQ(meter.getValue(), 1);
    EXPECT_TRUE(meter.take(2));
    EXPECT_EQ(meter.getValue(), 0);
}

TEST(MeterTake, TakingNothingChangesNothing) {
    Meter meter(5, 10);
    EXPECT_FALSE(meter.take(0));
    EXPECT_EQ(meter.getValue(), 5);
    Meter empty(0, 10);
    EXPECT_FALSE(empty.take(0));
    EXPECT_TRUE(empty.take(1));
}

TEST(MeterAdd, AddingStopsAtTheMaximum) {
    Meter meter(90, 100);
    meter.add(5);
    EXPECT_EQ(meter.getValue(), 95);
    meter.add(5);
    EXPECT_EQ(meter.getValue(), 100);
    meter.add(1);
    EXPECT_EQ(meter.getValue(), 100);
    EXPECT_EQ(meter.getMax(), 100);
}

TEST(MeterAdd, AHugeRefillDoesNotWrapRound) {
    Meter meter(100, 100);
    meter.add(INT32_MAX);
    EXPECT_EQ(meter.getValue(), 100);
}

} // namespace
