#include "world/Move.h"
#include "world/DirectionTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

// Movement with no display open works on the standard 640 x 480 playfield.
namespace {

constexpr int32_t kW = 640;
constexpr int32_t kH = 480;

// The table every path in the game is built on, entry by entry.
constexpr int32_t kDx[32] = {0,   3,   6,   8,   11,  13,  14,  15, 15, 15,  14,
                             13,  11,  8,   6,   3,   0,   -3,  -6, -8, -11, -13,
                             -14, -15, -15, -15, -14, -13, -11, -8, -6, -3};
constexpr int32_t kDy[32] = {-16, -15, -14, -13, -11, -8, -6,  -3,  0,   3,  6,
                             8,   11,  13,  14,  15,  15, 15,  14,  13,  11, 8,
                             6,   3,   0,   -3,  -6,  -8, -11, -13, -14, -15};

TEST(DirectionTable, TheGamesTableAndAFreshOneOfItsShapeMatchEveryEntry) {
    const DirectionTable fresh(32, 16);
    for (const DirectionTable* table : {&Move::directions(), &fresh}) {
        ASSERT_EQ(table->size(), 32);
        for (int32_t i = 0; i < 32; ++i) {
            EXPECT_EQ(table->dx(i), kDx[i]) << "dx of direction " << i;
            EXPECT_EQ(table->dy(i), kDy[i]) << "dy of direction " << i;
        }
    }
}

TEST(DirectionTable, StepsScaleByTenthsAndTruncateTowardZero) {
    const DirectionTable& table = Move::directions();
    EXPECT_EQ(table.stepX(27, 5), -6);
    EXPECT_EQ(table.stepY(27, 5), -4);
    EXPECT_EQ(table.stepX(8, 10), 15) << "right moves 15, not 16";
    EXPECT_EQ(table.stepY(0, 1), -1);
    EXPECT_EQ(table.stepX(1, 3), 0);
    EXPECT_EQ(table.stepX(31, 3), 0) << "-0.9 truncates to 0";
    EXPECT_EQ(table.stepY(16, 20), 30);
}

TEST(DirectionTable, DirectionsWrapRoundTheCompass) {
    const DirectionTable& table = Move::directions();
    EXPECT_EQ(table.add(31, 1), 0);
    EXPECT_EQ(table.add(30, 5), 3);
    EXPECT_EQ(table.sub(3, 5), 30);
    EXPECT_EQ(table.add(-5, 0), 27);
    for (int32_t d = 0; d < 32; ++d) {
        for (int32_t k = 0; k <= 32; ++k) {
            EXPECT_EQ(table.sub(table.add(d, k), k), d);
        }
    }
    // Out-of-range directions wrap instead of reading outside the table.
    EXPECT_EQ(table.dx(32), table.dx(0));
    EXPECT_EQ(table.dy(-1), table.dy(31));
    EXPECT_EQ(table.stepX(40, 10), 15);
}

TEST(MoveStep, HeadingModeMovesByTheTableVectorScaledBySpeed) {
    Move m(100, 100, 27, 5);
    m.step();
    EXPECT_EQ(m.x, 94);
    EXPECT_EQ(m.y, 96);
}

TEST(MoveStep, FrictionSlowsEachComponentToAStop) {
    struct Case {
        int32_t v, friction;
        std::vector<int32_t> moves;
    };
    const Case cases[] = {
        {10, 2, {10, 8, 6, 4, 2, 0, 0}},
        {3, 5, {3, 0}}, // no larger than the friction: stops at once
        {7, 5, {7, 2, 0}},
        {3, 0, {3, 3, 3}}, // no friction keeps the velocity
    };
    for (const Case& c : cases) {
        Move m(0, 0, c.v, -c.v, c.friction);
        std::vector<int32_t> movesX, movesY;
        for (size_t i = 0; i < c.moves.size(); ++i) {
            const int32_t oldX = m.x, oldY = m.y;
            m.step();
            movesX.push_back(m.x - oldX);
            movesY.push_back(oldY - m.y);
        }
        EXPECT_EQ(movesX, c.moves) << c.v << " with friction " << c.friction;
        EXPECT_EQ(movesY, c.moves) << c.v << " with friction " << c.friction;
        EXPECT_EQ(m.isStill(), c.friction > 0);
    }
}

TEST(MoveKeepOnScreen, PullsTheObjectInsideByItsHalfSize) {
    struct Case {
        int32_t x, y, halfW, halfH, wantX, wantY;
        bool moved;
    };
    const Case cases[] = {
        {3, 100, 22, 22, 23, 100, true},    // x < half width: half width + 1
        {630, 100, 22, 22, 617, 100, true}, // x >= W - half width: W - half width - 1
        {617, 100, 22, 22, 617, 100, false},
        {618, 100, 22, 22, 617, 100, true}, // the first column that is too far
        {22, 100, 22, 22, 22, 100, false},  // exactly the half width is fine
        {100, 0, 22, 10, 100, 11, true},
        {100, 470, 22, 10, 100, 469, true},
        {100, 469, 22, 10, 100, 469, false},
        {-500, 9000, 5, 5, 6, 474, true},
        {kW, kH, 0, 0, kW - 1, kH - 1, true},
    };
    for (const Case& c : cases) {
        Move m(c.x, c.y, 0, 0);
        m.setHalfSize(c.halfW, c.halfH);
        EXPECT_EQ(m.keepOnScreen(), c.moved) << c.x << "," << c.y;
        EXPECT_EQ(m.x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(m.y, c.wantY) << c.x << "," << c.y;
    }
    Move m(630, 240, 8, 10);
    m.setHalfSize(10, 10);
    m.stepClamped();
    EXPECT_EQ(m.x, 629);
    m.stepBackClamped();
    EXPECT_EQ(m.x, 614);
    m.x = 12;
    m.stepBackClamped();
    EXPECT_EQ(m.x, 11);
}

TEST(MoveBounce, ReversesOnlyTheComponentThatHitAnEdge) {
    Move side(5, 100, -10, 3, 0);
    side.setHalfSize(4, 4);
    side.stepAndBounce();
    EXPECT_EQ(side.x, 5);
    EXPECT_EQ(side.y, 103);
    EXPECT_EQ(side.getVx(), 10);
    EXPECT_EQ(side.getVy(), 3);
    Move corner(636, 476, 10, 10, 0);
    corner.setHalfSize(4, 4);
    corner.stepAndBounce();
    EXPECT_EQ(corner.x, 635);
    EXPECT_EQ(corner.y, 475);
    EXPECT_EQ(corner.getVx(), -10);
    EXPECT_EQ(corner.getVy(), -10);
}

TEST(MoveTurning, SetDirectionIgnoresAnythingButATableDirection) {
    Move m(0, 0, 31, 10);
    for (int32_t d : {32, -1, 1000}) {
        m.setDirection(d);
        EXPECT_EQ(m.getDirection(), 31) << d;
    }
}

TEST(MoveTurning, TurnTowardTakesTheShorterWayRoundAndCounterClockwiseWhenOpposite) {
    struct Case {
        int32_t from, to, next;
    };
    for (const Case& c : {Case{31, 1, 0}, Case{0, 1, 1}, Case{1, 1, 1}, Case{0, 16, 31},
                          Case{0, 15, 1}, Case{2, 30, 1}}) {
        Move m(0, 0, c.from, 10);
        m.turnToward(c.to);
        EXPECT_EQ(m.getDirection(), c.next) << c.from << "->" << c.to;
    }
    for (int32_t from = 0; from < 32; ++from) {
        for (int32_t to = 0; to < 32; ++to) {
            Move m(0, 0, from, 10);
            int turns = 0;
            for (; m.getDirection() != to && turns < 40; ++turns) {
                m.turnToward(to);
            }
            const int32_t clockwise = (to - from + 32) % 32;
            EXPECT_EQ(turns, std::min(clockwise, 32 - clockwise)) << from << "->" << to;
        }
    }
}

TEST(MoveVelocity, SetCopyAndJitter) {
    Move m(0, 0, 0, 0, 0);
    m.setVelocity(27, 5);
    EXPECT_EQ(m.getVx(), -6);
    EXPECT_EQ(m.getVy(), -4);
    Move copy(0, 0, 0, 0, 0);
    copy.copyVelocity(Move(0, 0, 8, 20));
    EXPECT_EQ(copy.getVx(), 30);
    EXPECT_EQ(copy.getVy(), 0);
    copy.copyVelocity(m);
    EXPECT_EQ(copy.getVx(), -6);
    EXPECT_EQ(copy.getVy(), -4);
    copy.jitter(0);
    EXPECT_EQ(copy.getVx(), -6);

    std::srand(11);
    int32_t lowest = 100, highest = -100;
    for (int i = 0; i < 2000; ++i) {
        Move j(0, 0, 0, 0, 0);
        j.jitter(3);
        lowest = std::min({lowest, j.getVx(), j.getVy()});
        highest = std::max({highest, j.getVx(), j.getVy()});
    }
    EXPECT_EQ(lowest, -3);
    EXPECT_EQ(highest, 2);
}

TEST(MoveAim, DirectionToOnTheAxesInEveryQuadrantAndFromRowZero) {
    struct Case {
        int32_t sx, sy, tx, ty, want;
    };
    const Case cases[] = {
        {320, 240, 320, 100, 0},  // straight above
        {320, 240, 320, 400, 16}, // straight below
        {320, 240, 100, 240, 24}, // straight left
        {320, 240, 500, 240, 7},  // straight right: the limit of the up-right quadrant
        {320, 240, 321, 140, 0},  // one right, 100 up
        {320, 240, 420, 140, 5},  // up-right at 45 degrees
        {320, 240, 420, 340, 10}, // down-right: 15 - 5
        {320, 240, 220, 340, 21}, // down-left: 16 + 5
        {320, 240, 220, 140, 26}, // up-left: 31 - 5
        {320, 240, 600, 239, 7},  // nearly right, just above
        {320, 240, 600, 241, 8},  // nearly right, just below
        {320, 240, 40, 241, 23},  // nearly left, just below
        {320, 240, 40, 239, 24},  // nearly left, just above
        {320, 240, 320, 240, 0},  // on the same spot: defined, no division by zero
        // In row 0 the angle within a quadrant has no value and counts as 0, so
        // each quadrant gives its direction nearest the vertical.
        {320, 0, 420, 100, 15},
        {320, 0, 220, 100, 16},
        {320, 0, 420, -100, 0},
        {320, 0, 220, -100, 31},
        {320, 0, 600, 0, 0},
        {320, 0, 100, 0, 24},
        {320, 1, 420, 101, 10}, // one row lower it aims properly
        {320, 1, 600, 1, 7},
        {INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, 21},
    };
    for (const Case& c : cases) {
        const Move self(c.sx, c.sy, 0, 0);
        EXPECT_EQ(self.directionTo(LinkablePoint(c.tx, c.ty)), c.want)
            << c.sx << "," << c.sy << " to " << c.tx << "," << c.ty;
    }
}

TEST(MoveAim, TheFourQuadrantsMirrorTheUpRightOne) {
    const Move self(1000, 1000, 0, 0);
    auto aim = [&self](int32_t dx, int32_t dy) {
        return self.directionTo(LinkablePoint(1000 + dx, 1000 + dy));
    };
    for (int32_t up = 1; up <= 90; up += 7) {
        for (int32_t right = 1; right <= 90; right += 5) {
            const int32_t a = aim(right, -up);
            ASSERT_GE(a, 0);
            ASSERT_LE(a, 7);
            EXPECT_EQ(aim(right, up), 15 - a) << right << "," << up;
            EXPECT_EQ(aim(-right, up), 16 + a) << right << "," << up;
            EXPECT_EQ(aim(-right, -up), 31 - a) << right << "," << up;
        }
    }
}

TEST(MoveAim, SteerToTargetTurnsOneStepAndIgnoresNoTarget) {
    Move alien(320, 240, 0, 10);
    alien.steerToTarget();
    EXPECT_EQ(alien.getDirection(), 0);
    Move trooper(320, 400, 0, 0);
    alien.setTarget(&trooper);
    alien.steerToTarget();
    EXPECT_EQ(alien.getDirection(), 31);
}

TEST(MovePlacement, RandomEdgeIsJustOutsideTheLeftOrRightEdgeAndRarelyTheTopOrBottom) {
    // About 17000 draws in 2^31 pick the top or bottom edge: some 24 in three
    // million placements.
    std::srand(12345);
    constexpr int kDraws = 3000000;
    constexpr int32_t kHalfW = 17;
    constexpr int32_t kHalfH = 22;
    Move alien(0, 0, 0, 3);
    alien.setHalfSize(kHalfW, kHalfH);
    int left = 0, right = 0, topOrBottom = 0;
    int32_t lowestY = kH, highestY = 0;
    int yBuckets[4] = {0, 0, 0, 0};
    for (int i = 0; i < kDraws; ++i) {
        alien.placeAtRandomEdge();
        if (alien.x != -kHalfW && alien.x != kW + kHalfW) {
            ++topOrBottom;
            ASSERT_TRUE(alien.y == -kHalfH || alien.y == kH + kHalfH) << alien.x << "," << alien.y;
            ASSERT_GT(alien.x, -kHalfW);
            ASSERT_LT(alien.x, kW + kHalfW);
            continue;
        }
        ++(alien.x < 0 ? left : right);
        ASSERT_GE(alien.y, -kHalfH);
        ASSERT_LT(alien.y, kH + kHalfH);
        lowestY = std::min(lowestY, alien.y);
        highestY = std::max(highestY, alien.y);
        ++yBuckets[(alien.y + kHalfH) * 4 / (kH + 2 * kHalfH)];
    }
    EXPECT_GE(topOrBottom, 5);
    EXPECT_LE(topOrBottom, 60);
    // Both sides about equally often, and the whole height evenly: within
    // five standard deviations.
    EXPECT_NEAR(left, kDraws / 2, 4400);
    EXPECT_NEAR(right, kDraws / 2, 4400);
    EXPECT_EQ(lowestY, -kHalfH);
    EXPECT_EQ(highestY, kH + kHalfH - 1);
    for (int bucket : yBuckets) {
        EXPECT_NEAR(bucket, kDraws / 4, 3800);
    }
}

TEST(MovePlacement, RandomPlaceKeepsTheObjectWhollyOnTheScreen) {
    std::srand(99);
    Move m(0, 0, 0, 0);
    m.setHalfSize(20, 30);
    int32_t lowX = kW, highX = 0, lowY = kH, highY = 0;
    for (int i = 0; i < 5000; ++i) {
        m.placeAtRandom();
        lowX = std::min(lowX, m.x);
        highX = std::max(highX, m.x);
        lowY = std::min(lowY, m.y);
        highY = std::max(highY, m.y);
    }
    EXPECT_EQ(lowX, 20);
    EXPECT_EQ(highX, kW - 20 - 1);
    EXPECT_EQ(lowY, 30);
    EXPECT_EQ(highY, kH - 30 - 1);
    // Too big for the screen: placed at the edge without dividing by zero.
    m.setHalfSize(kW / 2, kH);
    m.placeAtRandom();
    EXPECT_EQ(m.x, kW / 2);
    EXPECT_EQ(m.y, kH);
}

} // namespace
