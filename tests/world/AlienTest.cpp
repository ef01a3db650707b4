// Aliens: what each weapon does to one, burning, waiting behind another, the
// crowd limit, and the point a dead alien scores once its debris has landed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Globals.h"
#include "world/Alien.h"
#include "world/Aliens.h"
#include "world/Collision.h"
#include "world/GameData.h"
#include "world/ObjectKinds.h"
#include "world/Soldiers.h"

namespace {

Alien& newest(const Aliens& aliens) {
    Alien* last = nullptr;
    aliens.forEachItem([&](Linkable& item) { last = dynamic_cast<Alien*>(&item); });
    return *last;
}

// A projectile of the given kind flying right, as the map hands it over.
Move& shot(GLinkedList& shots, int32_t kind) {
    Move* made = new Move(0, 0, 8, 10);
    shots.append(made, kind);
    return *made;
}

class AlienRules : public testing::Test {
  protected:
    void SetUp() override { troopers.addTrooper(nullptr); }
    Alien& spawnAt(int32_t x, int32_t y) {
        aliens.spawn();
        Alien& alien = newest(aliens);
        alien.x = x;
        alien.y = y;
        alien.setDirection(8);
        return alien;
    }

    Soldiers troopers{false};
    Aliens aliens{troopers, nullptr, false};
    GLinkedList shots;
    Collision map{640, 480, 2};
};

TEST_F(AlienRules, EachWeaponTakesItsOwnShareOfHealth) {
    const struct {
        int32_t kind;
        int deadlyHit; // 0: never
        int32_t damage;
    } wounds[] = {{kKindBullet, 3, 40},
                  {kKindExplodingBullet, 2, 60},
                  {kKindGrenade, 2, 60},
                  {kKindTrooper, 0, 0},
                  {kKindFirstAid, 0, 0}};
    for (const auto& w : wounds) {
        SCOPED_TRACE(w.kind);
        Alien& alien = spawnAt(320, 240);
        Move& hit = shot(shots, w.kind);
        for (int i = 1; i <= 5; ++i) {
            alien.collide(hit);
            const bool dead = w.deadlyHit != 0 && i >= w.deadlyHit;
            ASSERT_EQ(alien.isDying(), dead) << i;
            EXPECT_EQ(alien.getHealth().getValue(), dead ? 0 : 100 - i * w.damage) << i;
        }
    }
    // A bullet that does not kill knocks the alien one of its own steps
    // along the bullet's path and makes it wait.
    Alien& alien = spawnAt(320, 240);
    alien.collide(shot(shots, kKindBullet));
    EXPECT_EQ(alien.x, 320 + Move::directions().stepX(8, Alien::kSpeed));
    EXPECT_TRUE(alien.isHeld());
}

TEST_F(AlienRules, ABurningAlienIgnoresShotsStaysOffTheMapAndDiesInItsFiftiethFrame) {
    Alien& alien = spawnAt(320, 240);
    alien.collide(shot(shots, kKindFlame));
    EXPECT_TRUE(alien.isBurning());
    EXPECT_EQ(alien.getHealth().getValue(), 98);
    int frames = 0;
    while (!aliens.isEmpty() && frames < 100) {
        ++frames;
        map.clear();
        alien.registerIn(map);
        ASSERT_EQ(map.getCount(), 0) << frames;
        const int32_t health = alien.getHealth().getValue();
        alien.collide(shot(shots, kKindBullet));
        alien.collide(shot(shots, kKindFlame));
        ASSERT_EQ(alien.getHealth().getValue(), health) << "no hurt but the burning";
        // Without debris pictures a dying alien leaves in the same pass.
        aliens.forEachAfterAct();
        if (frames < 50) {
            ASSERT_FALSE(aliens.isEmpty()) << frames;
        }
        if (frames == 49) {
            EXPECT_EQ(alien.getHealth().getValue(), 0) << "empty, yet alive one more frame";
        }
    }
    EXPECT_EQ(frames, 50);
    EXPECT_EQ(score, 1);
}

TEST_F(AlienRules, AnAlienWaitsWhenItsLookAheadPointFallsInAnEarlierAliensBox) {
    const struct {
        int32_t gap; // pixels from the first alien to the second, both heading right
        bool secondWaits;
    } queues[] = {{0, true}, {8, true}, {-20, true}, {60, false}, {-60, false}};
    for (const auto& q : queues) {
        SCOPED_TRACE(q.gap);
        aliens.clear();
        Alien& first = spawnAt(320, 240);
        Alien& second = spawnAt(320 + q.gap, 240);
        map.clear();
        first.registerIn(map);
        second.registerIn(map);
        EXPECT_EQ(map.getCount(), 2);
        EXPECT_FALSE(first.isHeld());
        EXPECT_EQ(second.isHeld(), q.secondWaits);
    }
    // A dying alien is no obstacle.
    Alien& dead = spawnAt(320, 240);
    dead.collide(shot(shots, kKindGrenade));
    dead.collide(shot(shots, kKindGrenade));
    Alien& next = spawnAt(320, 240);
    map.clear();
    dead.registerIn(map);
    next.registerIn(map);
    EXPECT_EQ(map.getCount(), 1);
    EXPECT_FALSE(next.isHeld());
}

TEST_F(AlienRules, AliensEnterJustOutsideTheSideEdgesAndNeverMoreThanTwoHundred) {
    std::srand(12);
    for (int i = 0; i < Aliens::kMaxAliens + 20; ++i) {
        aliens.spawn();
    }
    ASSERT_EQ(aliens.count(), Aliens::kMaxAliens);
    int left = 0;
    aliens.forEachItem([&](Linkable& item) {
        const Alien& alien = dynamic_cast<Alien&>(item);
        EXPECT_TRUE(alien.x == -35 || alien.x == 640 + 35) << alien.x;
        EXPECT_TRUE(alien.y >= -35 && alien.y < 480 + 35) << alien.y;
        left += alien.x < 0 ? 1 : 0;
    });
    EXPECT_TRUE(left > 50 && left < 150) << left;
}

class AlienDebris : public GameData {};

TEST_F(AlienDebris, ADeadAlienScoresOnlyWhenItLeavesOnceItsDebrisHasLanded) {
    std::srand(13);
    Soldiers troopers(false);
    troopers.addTrooper(nullptr);
    Aliens aliens(troopers, nullptr);
    aliens.spawn();
    Alien& alien = newest(aliens);
    alien.x = 320;
    alien.y = 240;
    GLinkedList shots;
    Move& bullet = shot(shots, kKindBullet);
    for (int i = 0; i < 3; ++i) {
        alien.collide(bullet);
    }
    ASSERT_TRUE(alien.isDying());
    EXPECT_EQ(alien.getParts().count(), 4);
    EXPECT_EQ(alien.getSlime().count(), 1 + 1 + 2);
    int frames = 0;
    while (!aliens.isEmpty() && frames < 200) {
        ++frames;
        aliens.forEachUpdate();
        const bool landed = alien.getParts().isEmpty() && alien.getSlime().isEmpty();
        EXPECT_EQ(score, 0);
        aliens.forEachAfterAct();
        ASSERT_EQ(aliens.isEmpty(), landed) << frames;
    }
    EXPECT_EQ(score, 1);
    EXPECT_GT(frames, 2) << "the debris flew for a while first";
}

} // namespace
