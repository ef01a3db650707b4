// Movement arithmetic is pinned by the recorded games; what stays here is that
// no direction, point or size, however wild, reads outside the direction
// table, overflows or divides by zero.
#include "world/Move.h"
#include "world/DirectionTable.h"
#include "world/LinkablePoint.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MoveBounds, DirectionsOutsideTheTableWrapRoundTheCompass) {
    const DirectionTable& table = Move::directions();
    EXPECT_EQ(table.add(31, 1), 0);
    EXPECT_EQ(table.sub(3, 5), 30);
    EXPECT_EQ(table.dx(32), table.dx(0));
    EXPECT_EQ(table.dy(-1), table.dy(31));
    EXPECT_EQ(table.stepX(INT32_MIN, 10), table.stepX(0, 10));
    Move m(0, 0, 31, 10);
    for (int32_t d : {32, -1, INT32_MAX}) {
        m.setDirection(d);
        EXPECT_EQ(m.getDirection(), 31) << "ignored: " << d;
    }
}

TEST(MoveBounds, AimingAtTheSameSpotOrAcrossTheWholeRangeGivesADirection) {
    const struct {
        int32_t sx, sy, tx, ty, want;
    } cases[] = {
        {320, 240, 320, 240, 0}, // the same spot
        {INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, 21},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Move(c.sx, c.sy, 0, 0).directionTo(LinkablePoint(c.tx, c.ty)), c.want)
            << c.sx << "," << c.sy << " to " << c.tx << "," << c.ty;
    }
}

TEST(MoveBounds, AnObjectTooBigForTheScreenIsPlacedAtItsEdgeWithoutDividingByZero) {
    Move m(0, 0, 0, 0);
    m.setHalfSize(320, 480);
    m.placeAtRandom();
    EXPECT_EQ(m.x, 320);
    EXPECT_EQ(m.y, 480);
}

} // namespace
