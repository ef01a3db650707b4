// Aliens: what each weapon does to one, burning, waiting behind another,
// standing still with no trooper left, and the crowd limit.
#include <gtest/gtest.h>

#include "world/Alien.h"
#include "world/Aliens.h"
#include "world/Collision.h"
#include "world/ObjectKinds.h"
#include "world/Scoreboard.h"
#include "world/Soldiers.h"

namespace {

Alien& newest(const Aliens& aliens) {
    Alien* last = nullptr;
    aliens.forEachItem([&](Linkable& item) { last = dynamic_cast<Alien*>(&item); });
    return *last;
}

// Fighting on the dummy display's empty pictures: nothing is drawn, and a dying
// alien's debris lands at once.
class AlienRules : public testing::Test {
  protected:
    void SetUp() override { troopers.addTrooper(nullptr); } // at (160, 240)
    // A new alien at (x, y), heading right.
    Alien& spawnAt(int32_t x, int32_t y) {
        aliens.spawn();
        Alien& alien = newest(aliens);
        alien.x = x;
        alien.y = y;
        alien.setDirection(8);
        return alien;
    }
    // A projectile of the given kind flying right, as the map hands it over.
    Move& shot(int32_t kind) {
        Move* made = new Move(0, 0, 8, 10);
        shots.append(made, kind);
        return *made;
    }

    Soldiers troopers{false};
    Aliens aliens{troopers, nullptr, false};
    GLinkedList shots;
    Collision map{640, 480, 2};
};

TEST_F(AlienRules, EachWeaponTakesItsOwnShareOfHealthAndAWoundMakesTheAlienWait) {
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
        Alien& alien = spawnAt(320, 240);
        for (int i = 1; i <= 5; ++i) {
            alien.collide(shot(w.kind));
            const bool dead = w.deadlyHit != 0 && i >= w.deadlyHit;
            ASSERT_EQ(alien.isDying(), dead) << w.kind << " hit " << i;
            EXPECT_EQ(alien.getHealth().getValue(), dead ? 0 : 100 - i * w.damage) << w.kind;
            EXPECT_TRUE(dead || alien.isHeld() == (w.damage != 0)) << w.kind;
        }
    }
}

TEST_F(AlienRules, ABurningAlienIgnoresShotsStaysOffTheMapAndDiesInItsFiftiethFrame) {
    Alien& alien = spawnAt(320, 240);
    alien.collide(shot(kKindFlame));
    EXPECT_TRUE(alien.isBurning());
    int frames = 0;
    while (!aliens.isEmpty() && frames < 100) {
        ++frames;
        map.clear();
        alien.registerIn(map);
        ASSERT_EQ(map.getCount(), 0) << frames;
        const int32_t health = alien.getHealth().getValue();
        alien.collide(shot(kKindBullet));
        alien.collide(shot(kKindFlame));
        ASSERT_EQ(alien.getHealth().getValue(), health) << "no hurt but the burning";
        aliens.forEachAfterAct();
    }
    EXPECT_EQ(frames, 50);
    EXPECT_EQ(score, 1);
}

// Shot, it was to wait a frame; set alight in the same frame, it flees at once.
TEST_F(AlienRules, ABurningAlienStepsEvenWhenHeld) {
    Alien& alien = spawnAt(320, 240);
    alien.collide(shot(kKindBullet));
    alien.collide(shot(kKindFlame));
    ASSERT_TRUE(alien.isHeld());
    const int32_t x = alien.x;
    aliens.forEachUpdate();
    EXPECT_GT(alien.x, x) << "away from the trooper on its left";
}

TEST_F(AlienRules, AliensStandStillOnceNoTrooperIsLeft) {
    Alien& alien = spawnAt(320, 240);
    alien.setDirection(24);
    aliens.forEachUpdate();
    ASSERT_LT(alien.x, 320) << "it walks toward the trooper";
    troopers.clear();
    const int32_t x = alien.x, y = alien.y;
    for (int i = 0; i < 5; ++i) {
        aliens.forEachUpdate();
        EXPECT_EQ(alien.x, x);
        EXPECT_EQ(alien.y, y);
    }
}

TEST_F(AlienRules, AnAlienWaitsWhenItsLookAheadPointFallsInAnEarlierAliensBox) {
    const struct {
        int32_t gap; // pixels from the first alien to the second, both heading right
        bool secondWaits;
    } queues[] = {{0, true}, {8, true}, {-20, true}, {60, false}, {-60, false}};
    for (const auto& q : queues) {
        aliens.clear();
        Alien& first = spawnAt(320, 240);
        Alien& second = spawnAt(320 + q.gap, 240);
        map.clear();
        first.registerIn(map);
        second.registerIn(map);
        EXPECT_FALSE(first.isHeld());
        EXPECT_EQ(second.isHeld(), q.secondWaits) << q.gap;
    }
}

TEST_F(AlienRules, NeverMoreThanTwoHundredAliensAtOnce) {
    for (int i = 0; i < 220; ++i) {
        aliens.spawn();
    }
    EXPECT_EQ(aliens.count(), 200);
}

} // namespace
