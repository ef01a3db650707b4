// Movement arithmetic, turning round the compass included, is pinned by the
// recorded games; what stays here is that no direction, however wild, reads
// outside the direction table, and aiming at one's own spot or across the
// whole range neither divides by zero nor overflows.
#include "world/Move.h"
#include "world/DirectionTable.h"
#include "world/LinkablePoint.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MoveBounds, WildDirectionsAreWrappedOrIgnoredAndAimingNeverOverflows) {
    EXPECT_EQ(Move::directions().stepX(INT32_MIN, 10), Move::directions().stepX(0, 10));
    Move m(320, 240, 31, 10);
    for (int32_t d : {32, -1, INT32_MAX}) {
        m.setDirection(d);
        EXPECT_EQ(m.getDirection(), 31) << "ignored: " << d;
    }
    EXPECT_EQ(m.directionTo(LinkablePoint(320, 240)), 0);
    EXPECT_EQ(Move(INT32_MAX, INT32_MIN, 0, 0).directionTo(LinkablePoint(INT32_MIN, INT32_MAX)),
              21);
}

} // namespace
