// Debris: frame cycling, the random throw, bouncing inside the screen, stains
// painted into the background, and light particles going out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "world/Move.h"
#include "world/Tosser.h"
#include "world/WorldPictures.h"

namespace {

std::vector<Move*> particles(const Tosser& tosser) {
    std::vector<Move*> all;
    tosser.forEachItem([&all](Linkable& item) { all.push_back(dynamic_cast<Move*>(&item)); });
    return all;
}

// The lowest and highest vx and vy of the particles.
struct Range {
    int32_t lowX = INT32_MAX, highX = INT32_MIN, lowY = INT32_MAX, highY = INT32_MIN;
};

Range velocities(const std::vector<Move*>& all) {
    Range r;
    for (const Move* p : all) {
        r.lowX = std::min(r.lowX, p->getVx());
        r.highX = std::max(r.highX, p->getVx());
        r.lowY = std::min(r.lowY, p->getVy());
        r.highY = std::max(r.highY, p->getVy());
    }
    return r;
}

class Tossers : public WorldPictures {
  protected:
    Bobs* fourFrames() { return makeSet("blood", 4, 4, {kRed, kGreen, kBlue, kWhite}); }
};

TEST_F(Tossers, ATossCyclesTheFramesFromTheSourceAndScattersOverTwiceTheSpread) {
    std::srand(5);
    Bobs* set = makeSet("part", 35, 29, {kRed, kGreen, kBlue, kWhite});
    Tosser parts(8, 2, set);
    parts.toss(LinkablePoint(100, 100), 0);
    parts.toss(LinkablePoint(100, 100), -3);
    EXPECT_EQ(parts.count(), 0);
    EXPECT_EQ(parts.getFrameCounter(), 0) << "tossing nothing changes nothing";
    parts.toss(LinkablePoint(320, 240), 3001);
    const std::vector<Move*> all = particles(parts);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->getDirection(), int32_t(i + 1) % 4) << "the counter moves on first";
        EXPECT_EQ(all[i]->x, 320);
        EXPECT_EQ(all[i]->y, 240);
        EXPECT_EQ(all[i]->getSprites(), set);
        EXPECT_EQ(all[i]->getHalfWidth(), 17);
        EXPECT_EQ(all[i]->getHalfHeight(), 14);
        EXPECT_EQ(all[i]->getFriction(), 2);
        EXPECT_FALSE(all[i]->isHeadingMode());
    }
    EXPECT_EQ(parts.getFrameCounter(), 1);
    const Range r = velocities(all);
    EXPECT_EQ(std::min(r.lowX, r.lowY), -16);
    EXPECT_EQ(std::max(r.highX, r.highY), 15);
}

TEST_F(Tossers, TossAlongCarriesTheMoversVelocity) {
    std::srand(6);
    Tosser slime(2, 2, fourFrames());
    slime.tossAlong(LinkablePoint(50, 60), Move(0, 0, 8, 20), 500); // twice the table vector
    const std::vector<Move*> all = particles(slime);
    ASSERT_EQ(all.size(), 500u);
    const Range walker = velocities(all);
    EXPECT_EQ(walker.lowX, 28);
    EXPECT_EQ(walker.highX, 31);
    EXPECT_EQ(walker.lowY, -2);
    EXPECT_EQ(walker.highY, 1);
    EXPECT_EQ(all[0]->x, 50);
    EXPECT_EQ(all[0]->y, 60);
}

TEST_F(Tossers, SparksAreThrownOnlyAlongADirectionWhichIsAlsoTheirFrame) {
    std::srand(8);
    Tosser sparks(4, 5, 180, 90, 0);
    sparks.toss(LinkablePoint(10, 10), 5);
    sparks.tossAlong(LinkablePoint(10, 10), Move(0, 0, 0, 10), 5);
    EXPECT_TRUE(sparks.settle()) << "a tosser without sets cannot toss sprites";
    sparks.tossInDirection(100, 120, 27, 5, 400);
    const std::vector<Move*> all = particles(sparks);
    for (Move* p : all) {
        EXPECT_EQ(p->getDirection(), 27);
        EXPECT_EQ(p->getSprites(), nullptr);
        EXPECT_EQ(p->x, 100);
        EXPECT_EQ(p->y, 120);
    }
    // stepX(27, 5) = -6 and stepY(27, 5) = -4, then -4..3 each.
    const Range r = velocities(all);
    EXPECT_GE(r.lowX, -10);
    EXPECT_LE(r.highX, -3);
    EXPECT_GE(r.lowY, -8);
    EXPECT_LE(r.highY, -1);
}

TEST_F(Tossers, DrawShowsEachParticleCentredInItsOwnFrame) {
    Tosser still(0, 2, fourFrames());
    still.toss(LinkablePoint(200, 150), 2); // frames 1 and 2, no spread: they do not move
    still.draw();
    // Both sit on the same spot; the later one (frame 2) is drawn last.
    EXPECT_EQ(screenAt(198, 148), kBlue);
    EXPECT_EQ(screenAt(201, 151), kBlue);
    EXPECT_EQ(litScreenPixels(), 16);
    still.tossInDirection(300, 150, 3, 0, 1);
    still.draw();
    EXPECT_EQ(screenAt(298, 148), kWhite) << "the direction, not the counter, is the frame";
    EXPECT_EQ(screenAt(301, 151), kWhite);
    EXPECT_EQ(litScreenPixels(), 32);
    EXPECT_EQ(litBackgroundPixels(), 0);
}

TEST_F(Tossers, AParticleThrownAtTheEdgeBouncesBackAndNeverLeaves) {
    std::srand(9);
    Tosser parts(18, 1, makeSet("part", 35, 29, {kRed, kGreen, kBlue, kWhite, kRed}));
    const LinkablePoint corners[] = {{0, 0}, {639, 0}, {0, 479}, {639, 479}, {320, 0}, {-50, 900}};
    for (const LinkablePoint& corner : corners) {
        parts.toss(corner, 20);
    }
    bool reversed = false;
    for (int frame = 0; frame < 80; ++frame) {
        std::vector<int32_t> before;
        for (Move* p : particles(parts)) {
            before.push_back(p->getVx());
        }
        parts.update();
        size_t i = 0;
        for (Move* p : particles(parts)) {
            ASSERT_GE(p->x, 17);
            ASSERT_LT(p->x, 640 - 17);
            ASSERT_GE(p->y, 14);
            ASSERT_LT(p->y, 480 - 14);
            reversed = reversed || p->getVx() * before[i++] < 0;
        }
    }
    EXPECT_TRUE(reversed) << "some particle bounced off an edge";
    for (Move* p : particles(parts)) {
        EXPECT_TRUE(p->isStill()) << "friction stops every particle in time";
    }
}

TEST_F(Tossers, StoppedParticlesBecomeStainsOfTheLandedSetInTheFrameTheyFlewWith) {
    Bobs* landed = makeSet("bloodbg", 6, 2, {kBlue, kGreen, kWhite, kRed});
    Tosser blood(0, 2, fourFrames(), landed);
    EXPECT_TRUE(blood.settle());
    blood.toss(LinkablePoint(100, 100), 1); // frame 1
    blood.toss(LinkablePoint(300, 200), 2); // frames 2, 3
    EXPECT_FALSE(blood.settle());
    EXPECT_TRUE(blood.isEmpty());
    // Centred: the 6 x 2 stain's top-left is at (100 - 3, 100 - 1).
    EXPECT_EQ(backgroundAt(97, 99), kGreen);
    EXPECT_EQ(backgroundAt(102, 100), kGreen);
    EXPECT_EQ(backgroundAt(103, 100), 0u);
    EXPECT_EQ(backgroundAt(100, 101), 0u);
    EXPECT_EQ(backgroundAt(297, 199), kRed) << "the later stain lies on top";
    EXPECT_EQ(litBackgroundPixels(), 2 * 6 * 2);
    EXPECT_EQ(litScreenPixels(), 0);
    EXPECT_TRUE(blood.settle());
}

TEST_F(Tossers, OnlyParticlesThatHaveStoppedAreSettled) {
    std::srand(10);
    Tosser blood(8, 2, fourFrames());
    blood.toss(LinkablePoint(320, 240), 30);
    const std::vector<Move*> all = particles(blood);
    const auto flying =
        std::count_if(all.begin(), all.end(), [](Move* p) { return !p->isStill(); });
    ASSERT_GT(flying, 0);
    blood.settle();
    EXPECT_EQ(blood.count(), flying);
    // Spread 8 and friction 2: every drop has stopped within 8 frames.
    for (int frame = 0; frame < 8; ++frame) {
        blood.update();
    }
    EXPECT_FALSE(blood.settle());
    EXPECT_TRUE(blood.settle());
    EXPECT_GT(litBackgroundPixels(), 0) << "with one set the stains look as the drops flew";
}

TEST_F(Tossers, LightParticlesFlyUntilTheyStopAndAreThenDropped) {
    std::srand(11);
    Tosser sparks(4, 5, 180, 90, 0);
    sparks.tossInDirection(320, 240, 8, 10, 10);
    std::vector<int> counts;
    for (int frame = 0; frame < 8; ++frame) {
        sparks.updateSparks();
        counts.push_back(sparks.count());
        for (Move* p : particles(sparks)) {
            ASSERT_GE(p->x, 0);
            ASSERT_LT(p->x, 640);
        }
    }
    // Speeds up to 19 and friction 5: every spark stops within 4 steps and
    // goes out at the next call.
    EXPECT_EQ(counts[0], 10);
    EXPECT_EQ(counts.back(), 0);
    EXPECT_TRUE(std::is_sorted(counts.rbegin(), counts.rend()));
    EXPECT_EQ(litScreenPixels(), 0);
    EXPECT_EQ(litBackgroundPixels(), 0) << "light particles leave no marks";
}

TEST_F(Tossers, ASparkSlowsByItsFrictionAndGoesOutInTheUpdateAfterItStops) {
    Tosser sparks(0, 5, 180, 90, 0);
    sparks.tossInDirection(320, 240, 8, 10, 1);
    std::vector<int32_t> xs;
    for (int call = 0; call < 3; ++call) {
        sparks.updateSparks();
        xs.push_back(particles(sparks).at(0)->x);
    }
    EXPECT_EQ(xs, (std::vector<int32_t>{335, 345, 350}));
    sparks.updateSparks();
    EXPECT_EQ(sparks.count(), 0);
}

} // namespace
