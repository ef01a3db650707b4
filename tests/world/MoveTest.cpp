#include "world/Move.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

// Movement with no display open works on the standard 640 x 480 playfield.
namespace {

constexpr int32_t kW = 640;
constexpr int32_t kH = 480;

Move heading(int32_t x, int32_t y, int32_t direction, int32_t speed) {
    return Move(x, y, direction, speed);
}

TEST(MoveStep, HeadingModeMovesByTheTableVectorScaledBySpeed) {
    Move right = heading(100, 100, 8, 10);
    right.step();
    EXPECT_EQ(right.x, 115);
    EXPECT_EQ(right.y, 100);
    Move up = heading(100, 100, 0, 10);
    up.step();
    EXPECT_EQ(up.x, 100);
    EXPECT_EQ(up.y, 84);
    Move slow = heading(100, 100, 27, 5);
    slow.step();
    EXPECT_EQ(slow.x, 94);
    EXPECT_EQ(slow.y, 96);
}

TEST(MoveStep, FrictionSlowsEachComponentToAStop) {
    Move drop(100, 100, 10, -10, 2);
    std::vector<int32_t> movesX, movesY;
    for (int i = 0; i < 7; ++i) {
        const int32_t oldX = drop.x, oldY = drop.y;
        drop.step();
        movesX.push_back(drop.x - oldX);
        movesY.push_back(drop.y - oldY);
    }
    EXPECT_EQ(movesX, (std::vector<int32_t>{10, 8, 6, 4, 2, 0, 0}));
    EXPECT_EQ(movesY, (std::vector<int32_t>{-10, -8, -6, -4, -2, 0, 0}));
    EXPECT_TRUE(drop.isStill());
}

TEST(MoveStep, AComponentNoLargerThanTheFrictionStopsAtOnce) {
    Move a(0, 0, 3, -5, 5);
    a.step();
    EXPECT_EQ(a.getVx(), 0);
    EXPECT_EQ(a.getVy(), 0);
    Move b(0, 0, 7, 0, 5);
    b.step();
    EXPECT_EQ(b.getVx(), 2);
    b.step();
    EXPECT_EQ(b.getVx(), 0);
    EXPECT_EQ(b.x, 9);
}

TEST(MoveStep, NoFrictionKeepsTheVelocity) {
    Move m(0, 0, 3, -4, 0);
    for (int i = 0; i < 10; ++i) {
        m.step();
    }
    EXPECT_EQ(m.x, 30);
    EXPECT_EQ(m.y, -40);
    EXPECT_FALSE(m.isStill());
}

struct ClampCase {
    int32_t x, y, halfW, halfH;
    int32_t wantX, wantY;
    bool moved;
};

TEST(MoveKeepOnScreen, PullsTheObjectInsideByItsHalfSize) {
    const ClampCase cases[] = {
        {3, 100, 22, 22, 23, 100, true},    // x < half width: half width + 1
        {630, 100, 22, 22, 617, 100, true}, // x >= W - half width: W - half width - 1
        {617, 100, 22, 22, 617, 100, false},
        {618, 100, 22, 22, 617, 100, true}, // the first column that is too far
        {22, 100, 22, 22, 22, 100, false},  // exactly the half width is fine
        {21, 100, 22, 22, 23, 100, true},
        {100, 0, 22, 10, 100, 11, true},
        {100, 470, 22, 10, 100, 469, true},
        {100, 469, 22, 10, 100, 469, false},
        {-500, 9000, 5, 5, 6, 474, true},
        {0, 0, 0, 0, 0, 0, false},
        {kW, kH, 0, 0, kW - 1, kH - 1, true},
    };
    for (const ClampCase& c : cases) {
        Move m(c.x, c.y, 0, 0);
        m.setHalfSize(c.halfW, c.halfH);
        EXPECT_EQ(m.keepOnScreen(), c.moved) << c.x << "," << c.y;
        EXPECT_EQ(m.x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(m.y, c.wantY) << c.x << "," << c.y;
    }
}

TEST(MoveKeepOnScreen, StepClampedAndStepBackClamped) {
    Move m(630, 240, 8, 10);
    m.setHalfSize(10, 10);
    m.stepClamped();
    EXPECT_EQ(m.x, 629);
    m.stepBackClamped();
    EXPECT_EQ(m.x, 614);
    Move back(12, 240, 8, 10);
    back.setHalfSize(10, 10);
    back.stepBackClamped();
    EXPECT_EQ(back.x, 11);
}

TEST(MoveBounce, ReversesOnlyTheComponentThatHitAnEdge) {
    Move m(5, 100, -10, 3, 0);
    m.setHalfSize(4, 4);
    m.stepAndBounce();
    EXPECT_EQ(m.x, 5);
    EXPECT_EQ(m.y, 103);
    EXPECT_EQ(m.getVx(), 10);
    EXPECT_EQ(m.getVy(), 3);
    Move corner(636, 476, 10, 10, 0);
    corner.setHalfSize(4, 4);
    corner.stepAndBounce();
    EXPECT_EQ(corner.x, 635);
    EXPECT_EQ(corner.y, 475);
    EXPECT_EQ(corner.getVx(), -10);
    EXPECT_EQ(corner.getVy(), -10);
}

TEST(MoveBounce, AFastParticleNeverLeavesTheScreen) {
    std::srand(7);
    for (int trial = 0; trial < 200; ++trial) {
        Move p(std::rand() % kW, std::rand() % kH, std::rand() % 61 - 30, std::rand() % 61 - 30, 1);
        p.setHalfSize(3, 2);
        for (int frame = 0; frame < 40; ++frame) {
            p.stepAndBounce();
            ASSERT_GE(p.x, 3);
            ASSERT_LT(p.x, kW - 3);
            ASSERT_GE(p.y, 2);
            ASSERT_LT(p.y, kH - 2);
        }
    }
}

TEST(MoveTurning, TurnsWrapAndSetDirectionRejectsNonDirections) {
    Move m(0, 0, 0, 10);
    m.turnLeft(1);
    EXPECT_EQ(m.getDirection(), 31);
    m.turnRight(3);
    EXPECT_EQ(m.getDirection(), 2);
    m.turnRight(32);
    EXPECT_EQ(m.getDirection(), 2);
    m.setDirection(31);
    EXPECT_EQ(m.getDirection(), 31);
    m.setDirection(32);
    EXPECT_EQ(m.getDirection(), 31);
    m.setDirection(-1);
    EXPECT_EQ(m.getDirection(), 31);
    m.setDirection(0);
    EXPECT_EQ(m.getDirection(), 0);
}

TEST(MoveTurning, TurnTowardTakesTheShorterWayAndCounterClockwiseWhenOpposite) {
    Move m(0, 0, 31, 10);
    m.turnToward(1);
    EXPECT_EQ(m.getDirection(), 0);
    m.turnToward(1);
    EXPECT_EQ(m.getDirection(), 1);
    m.turnToward(1);
    EXPECT_EQ(m.getDirection(), 1);
    m.setDirection(0);
    m.turnToward(16);
    EXPECT_EQ(m.getDirection(), 31);
    m.setDirection(0);
    m.turnToward(15);
    EXPECT_EQ(m.getDirection(), 1);
    m.setDirection(2);
    m.turnToward(30);
    EXPECT_EQ(m.getDirection(), 1);
    for (int32_t from = 0; from < 32; ++from) {
        for (int32_t to = 0; to < 32; ++to) {
            Move t(0, 0, from, 10);
            int turns = 0;
            while (t.getDirection() != to && turns < 40) {
                t.turnToward(to);
                ++turns;
            }
            const int32_t clockwise = (to - from + 32) % 32;
            EXPECT_EQ(turns, clockwise < 16 ? clockwise : 32 - clockwise) << from << "->" << to;
        }
    }
}

TEST(MoveVelocity, SetAndCopyVelocity) {
    Move m(0, 0, 0, 0, 0);
    m.setVelocity(27, 5);
    EXPECT_EQ(m.getVx(), -6);
    EXPECT_EQ(m.getVy(), -4);
    Move walker(0, 0, 8, 20);
    Move copy(0, 0, 0, 0, 0);
    copy.copyVelocity(walker);
    EXPECT_EQ(copy.getVx(), 30);
    EXPECT_EQ(copy.getVy(), 0);
    copy.copyVelocity(m);
    EXPECT_EQ(copy.getVx(), -6);
    EXPECT_EQ(copy.getVy(), -4);
    EXPECT_FALSE(copy.isHeadingMode());
    EXPECT_TRUE(walker.isHeadingMode());
}

TEST(MoveVelocity, JitterStaysWithinMinusKToKMinusOne) {
    std::srand(11);
    int32_t lowest = 100, highest = -100;
    for (int i = 0; i < 2000; ++i) {
        Move m(0, 0, 0, 0, 0);
        m.jitter(3);
        lowest = std::min({lowest, m.getVx(), m.getVy()});
        highest = std::max({highest, m.getVx(), m.getVy()});
    }
    EXPECT_EQ(lowest, -3);
    EXPECT_EQ(highest, 2);
    Move still(0, 0, 4, 4, 0);
    still.jitter(0);
    EXPECT_EQ(still.getVx(), 4);
    EXPECT_EQ(still.getVy(), 4);
}

struct AimCase {
    int32_t tx, ty;
    int32_t want;
};

TEST(MoveAim, DirectionToOnTheAxesAndInEveryQuadrant) {
    const Move self(320, 240, 0, 0);
    const AimCase cases[] = {
        {320, 100, 0},  // straight above
        {320, 400, 16}, // straight below
        {100, 240, 24}, // straight left
        {500, 240, 7},  // straight right: the limit of the up-right quadrant
        {321, 140, 0},  // one right, 100 up
        {420, 140, 5},  // up-right at 45 degrees
        {420, 340, 10}, // down-right: 15 - 5
        {220, 340, 21}, // down-left: 16 + 5
        {220, 140, 26}, // up-left: 31 - 5
        {600, 239, 7},  // nearly right, just above
        {600, 241, 8},  // nearly right, just below
        {40, 241, 23},  // nearly left, just below
        {40, 239, 24},  // nearly left, just above
        {320, 240, 0},  // on the same spot
    };
    for (const AimCase& c : cases) {
        EXPECT_EQ(self.directionTo(LinkablePoint(c.tx, c.ty)), c.want) << c.tx << "," << c.ty;
    }
}

TEST(MoveAim, FromTheTopRowOnlyTheQuadrantCounts) {
    // In row 0 the angle within a quadrant has no value and counts as 0, so
    // each quadrant gives its direction nearest the vertical.
    const Move top(320, 0, 0, 0);
    EXPECT_EQ(top.directionTo(LinkablePoint(420, 100)), 15);
    EXPECT_EQ(top.directionTo(LinkablePoint(220, 100)), 16);
    EXPECT_EQ(top.directionTo(LinkablePoint(420, -100)), 0);
    EXPECT_EQ(top.directionTo(LinkablePoint(220, -100)), 31);
    EXPECT_EQ(top.directionTo(LinkablePoint(600, 0)), 0) << "straight right from row 0";
    EXPECT_EQ(top.directionTo(LinkablePoint(100, 0)), 24);
    EXPECT_EQ(top.directionTo(LinkablePoint(320, 0)), 0);
    // One row lower the same targets are aimed at properly.
    const Move below(320, 1, 0, 0);
    EXPECT_EQ(below.directionTo(LinkablePoint(420, 101)), 10);
    EXPECT_EQ(below.directionTo(LinkablePoint(600, 1)), 7);
}

TEST(MoveAim, EveryAimIsATableDirectionInItsQuadrant) {
    const Move self(1000, 1000, 0, 0);
    for (int32_t dy = -60; dy <= 60; dy += 3) {
        for (int32_t dx = -60; dx <= 60; dx += 3) {
            const int32_t d = self.directionTo(LinkablePoint(1000 + dx, 1000 + dy));
            ASSERT_GE(d, 0);
            ASSERT_LT(d, 32);
            int32_t quadrant = -1;
            if (dx > 0 && dy < 0) {
                quadrant = 0;
            } else if (dx > 0 && dy > 0) {
                quadrant = 1;
            } else if (dx < 0 && dy > 0) {
                quadrant = 2;
            } else if (dx < 0 && dy < 0) {
                quadrant = 3;
            }
            if (quadrant >= 0) {
                EXPECT_EQ(d / 8, quadrant) << dx << "," << dy;
            }
        }
    }
}

TEST(MoveAim, TheFourQuadrantsMirrorEachOther) {
    const Move self(1000, 1000, 0, 0);
    auto aim = [&self](int32_t dx, int32_t dy) {
        return self.directionTo(LinkablePoint(1000 + dx, 1000 + dy));
    };
    for (int32_t up = 1; up <= 90; up += 7) {
        for (int32_t right = 1; right <= 90; right += 5) {
            const int32_t a = aim(right, -up);
            EXPECT_EQ(aim(right, up), 15 - a) << right << "," << up;
            EXPECT_EQ(aim(-right, up), 16 + a) << right << "," << up;
            EXPECT_EQ(aim(-right, -up), 31 - a) << right << "," << up;
        }
    }
}

TEST(MoveAim, TurningTheTargetClockwiseNeverTurnsTheAimBack) {
    // From straight up round to straight right on a circle: 0 up to 7, every
    // step reached, and the aim only ever grows.
    const Move self(320, 240, 0, 0);
    int32_t previous = 0;
    std::vector<bool> seen(8, false);
    for (int degrees = 0; degrees <= 90; ++degrees) {
        const double angle = degrees * 3.141592654 / 180.0;
        const int32_t tx = 320 + static_cast<int32_t>(std::lround(200 * std::sin(angle)));
        const int32_t ty = 240 - static_cast<int32_t>(std::lround(200 * std::cos(angle)));
        const int32_t d = self.directionTo(LinkablePoint(tx, ty));
        ASSERT_GE(d, previous) << degrees;
        ASSERT_LE(d, 7) << degrees;
        seen[size_t(d)] = true;
        previous = d;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 8);
}

TEST(MoveAim, ExtremeOffsetsStayDefined) {
    const Move self(INT32_MAX, INT32_MIN, 0, 0);
    EXPECT_EQ(self.directionTo(LinkablePoint(INT32_MIN, INT32_MAX)), 16 + 5);
}

TEST(MoveAim, SteerToTargetTurnsOneStepAndIgnoresNoTarget) {
    Move alien(320, 240, 0, 10);
    alien.steerToTarget();
    EXPECT_EQ(alien.getDirection(), 0);
    Move trooper(320, 400, 0, 0);
    alien.setTarget(&trooper);
    alien.steerToTarget();
    EXPECT_EQ(alien.getDirection(), 31);
    EXPECT_EQ(alien.getTarget(), &trooper);
}

TEST(MovePlacement, RandomEdgeIsJustOutsideTheLeftOrRightEdge) {
    std::srand(12345);
    constexpr int kDraws = 20000;
    constexpr int32_t kHalfW = 17;
    constexpr int32_t kHalfH = 22;
    int left = 0, right = 0;
    int32_t lowestY = kH, highestY = 0;
    int yBuckets[4] = {0, 0, 0, 0};
    for (int i = 0; i < kDraws; ++i) {
        Move alien(0, 0, 0, 3);
        alien.setHalfSize(kHalfW, kHalfH);
        alien.placeAtRandomEdge();
        if (alien.x == -kHalfW) {
            ++left;
        } else if (alien.x == kW + kHalfW) {
            ++right;
        } else {
            // The top and bottom edges come up about once in 126000 draws;
            // such a draw must still be just outside the screen.
            EXPECT_TRUE(alien.y == -kHalfH || alien.y == kH + kHalfH) << alien.x << "," << alien.y;
            continue;
        }
        ASSERT_GE(alien.y, -kHalfH);
        ASSERT_LT(alien.y, kH + kHalfH);
        lowestY = std::min(lowestY, alien.y);
        highestY = std::max(highestY, alien.y);
        ++yBuckets[(alien.y + kHalfH) * 4 / (kH + 2 * kHalfH)];
    }
    EXPECT_GE(left + right, kDraws - 2);
    // Both sides about equally often: 10000 +- 5 standard deviations.
    EXPECT_NEAR(left, kDraws / 2, 360);
    EXPECT_NEAR(right, kDraws / 2, 360);
    // The whole height is used, evenly.
    EXPECT_LT(lowestY, -kHalfH + 10);
    EXPECT_GT(highestY, kH + kHalfH - 10);
    for (int bucket : yBuckets) {
        EXPECT_NEAR(bucket, kDraws / 4, 320);
    }
}

TEST(MovePlacement, TheRareTopOrBottomPlacementIsJustOutsideTheScreenToo) {
    // About 17000 draws in 2^31 pick the top or bottom edge: some 24 in three
    // million placements.
    std::srand(2024);
    constexpr int kPlacements = 3000000;
    constexpr int32_t kHalfW = 35;
    constexpr int32_t kHalfH = 35;
    Move alien(0, 0, 0, 3);
    alien.setHalfSize(kHalfW, kHalfH);
    int topOrBottom = 0;
    for (int i = 0; i < kPlacements; ++i) {
        alien.placeAtRandomEdge();
        if (alien.x == -kHalfW || alien.x == kW + kHalfW) {
            continue;
        }
        ++topOrBottom;
        ASSERT_TRUE(alien.y == -kHalfH || alien.y == kH + kHalfH) << alien.x << "," << alien.y;
        ASSERT_GT(alien.x, -kHalfW);
        ASSERT_LT(alien.x, kW + kHalfW);
    }
    EXPECT_GE(topOrBottom, 5);
    EXPECT_LE(topOrBottom, 60);
}

TEST(MovePlacement, RandomPlaceKeepsTheObjectWhollyOnTheScreen) {
    std::srand(99);
    int32_t lowX = kW, highX = 0, lowY = kH, highY = 0;
    for (int i = 0; i < 5000; ++i) {
        Move m(0, 0, 0, 0);
        m.setHalfSize(20, 30);
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
}

TEST(MovePlacement, AnObjectTooBigForTheScreenIsPlacedWithoutDividingByZero) {
    Move huge(0, 0, 0, 0);
    huge.setHalfSize(kW / 2, kH);
    huge.placeAtRandom();
    EXPECT_EQ(huge.x, kW / 2);
    EXPECT_EQ(huge.y, kH);
}

TEST(MoveDefaults, ConstructionClearsTargetSpritesAndHalfSizes) {
    const Move a(1, 2, 3, 4);
    EXPECT_EQ(a.getTarget(), nullptr);
    EXPECT_EQ(a.getSprites(), nullptr);
    EXPECT_EQ(a.getHalfWidth(), 0);
    EXPECT_EQ(a.getHalfHeight(), 0);
    EXPECT_EQ(a.getDirection(), 3);
    EXPECT_EQ(a.getSpeed(), 4);
    const Move b(1, 2, 3, 4, 5);
    EXPECT_EQ(b.getVx(), 3);
    EXPECT_EQ(b.getVy(), 4);
    EXPECT_EQ(b.getFriction(), 5);
    EXPECT_EQ(b.getSprites(), nullptr);
    EXPECT_EQ(Move::screenWidth(), kW);
    EXPECT_EQ(Move::screenHeight(), kH);
}

} // namespace
