// The length of a bar for any value. Bars as the game fills them, and debris
// landing, are pinned by the recorded games; drawing past the screen's edge is
// the surfaces' clipping.
#include "world/BarGauge.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(BarGaugePixels, TheBarIsValueTimesLengthOverMaxWithoutDividingByZeroOrOverflowing) {
    const int32_t cases[][4] = {{500, 100, 1, 5},
                                {270, 255, 128, 135},
                                {270, 0, 10, 0},
                                {500, 100, INT32_MAX / 100, 107374180}};
    for (const auto& [length, max, value, pixels] : cases) {
        EXPECT_EQ(BarGauge(0, 0, length, max).pixels(value), pixels) << value << " of " << max;
    }
}

} // namespace
