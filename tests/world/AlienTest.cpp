// Aliens: a burning one flees even when held, they stand still with no
// trooper left, and the crowd limit. What each weapon does to an alien and how
// long one burns, the recorded games with every weapon pin.
#include <gtest/gtest.h>

#include "world/Alien.h"
#include "world/Aliens.h"
#include "world/ObjectKinds.h"
#include "world/Soldiers.h"

namespace {

// Fighting on the dummy display's empty pictures: nothing is drawn.
class AlienRules : public testing::Test {
  protected:
    void SetUp() override { troopers.addTrooper(nullptr); } // at (160, 240)
    // A new alien at (320, 240), heading right.
    Alien& spawn() {
        aliens.spawn();
        Alien* newest = nullptr;
        aliens.forEachItem([&](Linkable& item) { newest = dynamic_cast<Alien*>(&item); });
        newest->x = 320;
        newest->y = 240;
        newest->setDirection(8);
        return *newest;
    }
    // A projectile of the given kind flying right, as the map hands it over.
    Move& shot(int32_t kind) {
        Move* made = new Move(0, 0, 8, 10);
        shots.append(made, kind);
        return *made;
    }

    Soldiers troopers;
    Aliens aliens{troopers, nullptr};
    GLinkedList shots;
};

// Shot, it was to wait a frame; set alight in the same frame, it flees at once.
TEST_F(AlienRules, ABurningAlienStepsEvenWhenHeld) {
    Alien& alien = spawn();
    alien.collide(shot(kKindBullet));
    alien.collide(shot(kKindFlame));
    ASSERT_TRUE(alien.isHeld());
    const int32_t x = alien.x;
    aliens.forEachUpdate();
    EXPECT_GT(alien.x, x) << "away from the trooper on its left";
}

TEST_F(AlienRules, AliensStandStillOnceNoTrooperIsLeft) {
    Alien& alien = spawn();
    alien.setDirection(24);
    aliens.forEachUpdate();
    ASSERT_LT(alien.x, 320) << "it walks toward the trooper";
    troopers.clear();
    const int32_t x = alien.x, y = alien.y;
    for (int i = 0; i < 5; ++i) {
        aliens.forEachUpdate();
        EXPECT_TRUE(alien.x == x && alien.y == y) << i;
    }
}

TEST_F(AlienRules, NeverMoreThanTwoHundredAliensAtOnce) {
    for (int i = 0; i < 220; ++i) {
        aliens.spawn();
    }
    EXPECT_EQ(aliens.count(), 200);
}

} // namespace
