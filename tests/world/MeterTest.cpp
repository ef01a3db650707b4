#include "world/Meter.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Health and ammunition: what is exactly used up leaves zero yet is not "used
// up"; only taking more than is left is.
TEST(Meter, TakeEmptiesOnlyWhenMoreThanIsLeftIsTakenAndAddStopsAtTheMaximum) {
    const int32_t cases[][4] = {
        {100, 100, false, 0}, {0, 1, true, 0}, {30, 29, false, 1}, {0, 0, false, 0}};
    for (const auto& [value, n, usedUp, left] : cases) {
        Meter meter(value, 100);
        EXPECT_EQ(meter.take(n), usedUp != 0) << n << " of " << value;
        EXPECT_EQ(meter.getValue(), left) << n << " of " << value;
    }
    Meter meter(90, 100);
    meter.add(INT32_MAX);
    EXPECT_EQ(meter.getValue(), 100) << "no wrapping round";
}

} // namespace
