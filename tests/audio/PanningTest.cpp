// The stereo place of an effect from the column of what made it.
#include "audio/Panning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

double decibels(double level) {
    return 20.0 * std::log10(level / Panning::kFull);
}

TEST(PanningTest, EdgesAreFullySidedTheCentreIsUntouchedAndOffScreenIsClamped) {
    for (int x : {0, -1, -400, INT_MIN}) {
        const Panning pan = Panning::atX(x);
        EXPECT_EQ(pan.left, 255) << x;
        EXPECT_EQ(pan.right, 0) << x;
    }
    for (int x : {639, 640, 2000, INT_MAX}) {
        const Panning pan = Panning::atX(x);
        EXPECT_EQ(pan.left, 0) << x;
        EXPECT_EQ(pan.right, 255) << x;
    }
    const Panning centre = Panning::atX(320);
    EXPECT_EQ(centre.left, 255);
    EXPECT_EQ(centre.right, 255);
    EXPECT_EQ(Panning::centred().left, 255);
    EXPECT_EQ(Panning::centred().right, 255);
}

// The nearer channel keeps the centred level, so no place is louder than the
// centre in either channel, and the farther one only ever falls toward the
// edge, mirrored on the two sides.
TEST(PanningTest, OnlyTheFartherChannelFallsAndTheTwoSidesMirror) {
    int lastFarther = 256;
    for (int offset = 0; offset <= 320; ++offset) {
        const Panning left = Panning::atX(320 - offset);
        const Panning right = Panning::atX(std::min(639, 320 + offset));
        ASSERT_EQ(left.left, 255) << offset;
        ASSERT_EQ(right.right, 255) << offset;
        ASSERT_LE(left.right, lastFarther) << offset;
        ASSERT_LE(std::abs(left.right - right.left), 1) << offset;
        lastFarther = left.right;
    }
}

// Gentle near the middle, where a plain linear fade would already be 6 dB
// down halfway out, and clearly one-sided near an edge, where the aliens come.
TEST(PanningTest, HalfwayOutIsLessThan6dBDownAndNearAnEdgeFarMore) {
    EXPECT_GT(decibels(Panning::atX(160).right), -6.0);
    EXPECT_GT(decibels(Panning::atX(480).left), -6.0);
    EXPECT_LT(decibels(Panning::atX(40).right), -12.0);
    EXPECT_LT(decibels(Panning::atX(600).left), -12.0);
}

} // namespace
