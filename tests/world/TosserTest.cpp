// Debris: frame cycling, the random throw, bouncing inside the screen, stains
// painted into the background, and light particles going out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "world/Move.h"
#include "world/Tosser.h"
#include "world/WorldPictures.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kWhite = 0xFFFFFF;

std::vector<Move*> particles(const Tosser& tosser) {
    std::vector<Move*> all;
    tosser.forEachItem([&all](Linkable& item) { all.push_back(dynamic_cast<Move*>(&item)); });
    return all;
}

class Tossers : public WorldPictures {
  protected:
    Bobs* fourFrames() { return makeSet("blood", 4, 4, {kRed, kGreen, kBlue, kWhite}); }
};

TEST_F(Tossers, SuccessiveParticlesOfAFreshTosserCycleTheFrames) {
    Tosser blood(8, 2, fourFrames());
    const LinkablePoint at(100, 100);
    blood.toss(at, 5);
    std::vector<int32_t> frames;
    for (Move* p : particles(blood)) {
        frames.push_back(p->getDirection());
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{1, 2, 3, 0, 1}));
    EXPECT_EQ(blood.getFrameCounter(), 1);
}

TEST_F(Tossers, TossingNothingChangesNothing) {
    Tosser blood(8, 2, fourFrames());
    blood.toss(LinkablePoint(100, 100), 0);
    blood.toss(LinkablePoint(100, 100), -3);
    EXPECT_EQ(blood.count(), 0);
    EXPECT_EQ(blood.getFrameCounter(), 0);
}

TEST_F(Tossers, EachParticleStartsAtTheSourceWithTheFlyingSet) {
    Bobs* set = makeSet("part", 35, 29, {kRed, kGreen});
    Tosser parts(18, 2, set);
    parts.toss(LinkablePoint(320, 240), 3);
    for (Move* p : particles(parts)) {
        EXPECT_EQ(p->x, 320);
        EXPECT_EQ(p->y, 240);
        EXPECT_EQ(p->getSprites(), set);
        EXPECT_EQ(p->getHalfWidth(), 17);
        EXPECT_EQ(p->getHalfHeight(), 14);
        EXPECT_EQ(p->getFriction(), 2);
        EXPECT_FALSE(p->isHeadingMode());
    }
}

TEST_F(Tossers, ATossScattersEachComponentOverTwiceTheSpreadEachWay) {
    std::srand(5);
    Tosser blood(8, 2, fourFrames());
    blood.toss(LinkablePoint(320, 240), 3000);
    int32_t low = 0, high = 0;
    for (Move* p : particles(blood)) {
        low = std::min({low, p->getVx(), p->getVy()});
        high = std::max({high, p->getVx(), p->getVy()});
    }
    EXPECT_EQ(low, -16);
    EXPECT_EQ(high, 15);
}

TEST_F(Tossers, TossAlongCarriesTheMoversVelocity) {
    std::srand(6);
    Tosser slime(2, 2, fourFrames());
    const Move walker(0, 0, 8, 20); // heading right at twice the table vector
    const Move flier(0, 0, -7, 4, 0);
    slime.tossAlong(LinkablePoint(50, 60), walker, 500);
    slime.tossAlong(LinkablePoint(50, 60), flier, 500);
    const std::vector<Move*> all = particles(slime);
    ASSERT_EQ(all.size(), 1000u);
    int32_t lowX = 100, highX = -100, lowY = 100, highY = -100;
    for (size_t i = 0; i < 500; ++i) {
        lowX = std::min(lowX, all[i]->getVx());
        highX = std::max(highX, all[i]->getVx());
        lowY = std::min(lowY, all[i]->getVy());
        highY = std::max(highY, all[i]->getVy());
    }
    EXPECT_EQ(lowX, 28);
    EXPECT_EQ(highX, 31);
    EXPECT_EQ(lowY, -2);
    EXPECT_EQ(highY, 1);
    for (size_t i = 500; i < 1000; ++i) {
        EXPECT_GE(all[i]->getVx(), -9);
        EXPECT_LE(all[i]->getVx(), -6);
        EXPECT_GE(all[i]->getVy(), 2);
        EXPECT_LE(all[i]->getVy(), 5);
    }
    EXPECT_EQ(all[0]->x, 50);
    EXPECT_EQ(all[0]->y, 60);
}

TEST_F(Tossers, ATosserWithoutSetsCannotTossSprites) {
    Tosser sparks(4, 5, 180, 90, 0);
    sparks.toss(LinkablePoint(10, 10), 5);
    sparks.tossAlong(LinkablePoint(10, 10), Move(0, 0, 0, 10), 5);
    EXPECT_EQ(sparks.count(), 0);
    EXPECT_TRUE(sparks.settle());
}

TEST_F(Tossers, TossInDirectionUsesTheDirectionAsFrameAndVector) {
    std::srand(8);
    Tosser sparks(4, 5, 180, 90, 0);
    sparks.tossInDirection(100, 120, 27, 5, 400);
    for (Move* p : particles(sparks)) {
        EXPECT_EQ(p->getDirection(), 27);
        EXPECT_EQ(p->getSprites(), nullptr);
        EXPECT_EQ(p->x, 100);
        EXPECT_EQ(p->y, 120);
        // stepX(27, 5) = -6 and stepY(27, 5) = -4, then -4..3 each.
        EXPECT_GE(p->getVx(), -10);
        EXPECT_LE(p->getVx(), -3);
        EXPECT_GE(p->getVy(), -8);
        EXPECT_LE(p->getVy(), -1);
    }
}

TEST_F(Tossers, DrawMovesAndShowsEachParticleWithItsOwnFrame) {
    Tosser still(0, 2, fourFrames());
    still.toss(LinkablePoint(200, 150), 2); // frames 1 and 2, no spread: they do not move
    still.draw();
    // Both sit on the same spot; the later one (frame 2) is drawn last.
    EXPECT_EQ(screenAt(198, 148), kBlue);
    EXPECT_EQ(screenAt(201, 151), kBlue);
    EXPECT_EQ(litScreenPixels(), 16);
    EXPECT_EQ(litBackgroundPixels(), 0);
}

TEST_F(Tossers, ParticlesThrownAlongADirectionShowThatFrameOfTheFlyingSet) {
    Tosser still(0, 2, fourFrames());
    still.tossInDirection(200, 150, 3, 0, 1);
    still.draw();
    EXPECT_EQ(screenAt(198, 148), kWhite);
    EXPECT_EQ(screenAt(201, 151), kWhite);
    EXPECT_EQ(litScreenPixels(), 16);
    EXPECT_EQ(still.getFrameCounter(), 0) << "the direction, not the counter, is the frame";
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
        std::vector<std::pair<int32_t, int32_t>> before;
        for (Move* p : particles(parts)) {
            before.emplace_back(p->getVx(), p->getVy());
        }
        parts.draw();
        size_t i = 0;
        for (Move* p : particles(parts)) {
            ASSERT_GE(p->x, 17);
            ASSERT_LT(p->x, 640 - 17);
            ASSERT_GE(p->y, 14);
            ASSERT_LT(p->y, 480 - 14);
            const int32_t vx = before[i].first;
            reversed = reversed || (vx != 0 && p->getVx() * vx < 0);
            ++i;
        }
    }
    EXPECT_TRUE(reversed) << "some particle bounced off an edge";
    for (Move* p : particles(parts)) {
        EXPECT_TRUE(p->isStill()) << "friction stops every particle in time";
    }
}

TEST_F(Tossers, SettleOnAnEmptyTosserReturnsTrueAndDrawsNothing) {
    Tosser blood(8, 2, fourFrames());
    EXPECT_TRUE(blood.settle());
    EXPECT_EQ(litBackgroundPixels(), 0);
    EXPECT_EQ(litScreenPixels(), 0);
}

TEST_F(Tossers, StoppedParticlesBecomeStainsWithTheFrameTheyFlewWith) {
    Bobs* parts = makeSet("trooperpart", 4, 4, {kRed, kGreen, kBlue, kWhite});
    Tosser bodyParts(0, 2, parts);
    bodyParts.toss(LinkablePoint(100, 100), 1); // frame 1
    bodyParts.toss(LinkablePoint(300, 200), 2); // frames 2, 3
    EXPECT_FALSE(bodyParts.settle());
    EXPECT_TRUE(bodyParts.isEmpty());
    EXPECT_EQ(backgroundAt(98, 98), kGreen);
    EXPECT_EQ(backgroundAt(101, 101), kGreen);
    EXPECT_EQ(backgroundAt(102, 102), 0u);
    EXPECT_EQ(backgroundAt(298, 198), kWhite) << "the later stain lies on top";
    EXPECT_EQ(litBackgroundPixels(), 32);
    EXPECT_EQ(litScreenPixels(), 0);
    EXPECT_TRUE(bodyParts.settle());
}

TEST_F(Tossers, StainsUseTheLandedSetCentredOnTheParticle) {
    Bobs* flying = makeSet("blood", 4, 4, {kRed, kRed, kRed, kRed});
    Bobs* landed = makeSet("bloodbg", 6, 2, {kBlue, kGreen, kWhite, kBlue});
    Tosser blood(0, 2, flying, landed);
    blood.toss(LinkablePoint(50, 40), 1);
    blood.settle();
    EXPECT_EQ(backgroundAt(47, 39), kGreen);
    EXPECT_EQ(backgroundAt(52, 40), kGreen);
    EXPECT_EQ(backgroundAt(53, 40), 0u);
    EXPECT_EQ(backgroundAt(50, 41), 0u);
    EXPECT_EQ(litBackgroundPixels(), 12);
}

TEST_F(Tossers, OnlyParticlesThatHaveStoppedAreSettled) {
    std::srand(10);
    Tosser blood(8, 2, fourFrames());
    blood.toss(LinkablePoint(320, 240), 30);
    int flying = 0;
    for (Move* p : particles(blood)) {
        flying += !p->isStill();
    }
    ASSERT_GT(flying, 0);
    blood.settle();
    EXPECT_EQ(blood.count(), flying);
    // Spread 8 and friction 2: every drop has stopped within 8 frames.
    for (int frame = 0; frame < 8; ++frame) {
        blood.draw();
    }
    EXPECT_FALSE(blood.settle());
    EXPECT_TRUE(blood.settle());
    EXPECT_GT(litBackgroundPixels(), 0);
}

TEST_F(Tossers, LightParticlesFlyUntilTheyStopAndAreThenDropped) {
    std::srand(11);
    Light light;
    Tosser sparks(4, 5, 180, 90, 0);
    sparks.tossInDirection(320, 240, 8, 10, 10);
    std::vector<int> counts;
    for (int frame = 0; frame < 8; ++frame) {
        sparks.drawLights(light);
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
    for (size_t i = 1; i < counts.size(); ++i) {
        EXPECT_LE(counts[i], counts[i - 1]);
    }
    EXPECT_EQ(litScreenPixels(), 0);
    EXPECT_EQ(litBackgroundPixels(), 0) << "light particles leave no marks";
}

TEST_F(Tossers, LightParticlesMoveTheSameWithTheLightSwitchedOff) {
    Light light;
    light.toggle();
    Tosser sparks(0, 5, 180, 90, 0);
    sparks.tossInDirection(320, 240, 8, 10, 1);
    sparks.drawLights(light);
    ASSERT_EQ(sparks.count(), 1);
    EXPECT_EQ(particles(sparks)[0]->x, 335);
    sparks.drawLights(light);
    sparks.drawLights(light);
    EXPECT_EQ(particles(sparks)[0]->x, 335 + 10 + 5);
    sparks.drawLights(light);
    EXPECT_EQ(sparks.count(), 0);
}

} // namespace
