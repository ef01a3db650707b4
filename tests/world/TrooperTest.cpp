// Troopers: the hurt glow, the death ring's counter, the trigger, and who
// gets a power-up.
#include <gtest/gtest.h>

#include <cstdlib>

#include "input/ActionSource.h"
#include "input/GuideKeys.h"
#include "world/Collision.h"
#include "world/ObjectKinds.h"
#include "world/PowerUp.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

// A player who holds fire or not.
struct Trigger : ActionSource {
    bool isActionDown(int32_t action) const override { return held && action == GuideKeys::kFire; }
    bool held = false;
};

class TrooperRules : public testing::Test {
  protected:
    // Something of the given kind heading right, as the map hands it over.
    Move& thing(int32_t kind) {
        Move* made = new Move(0, 0, 8, 10);
        things.append(made, kind);
        return *made;
    }
    void frame() {
        troopers.forEachReadControls();
        troopers.forEachAct(map);
        troopers.forEachUpdateLights();
        troopers.forEachUpdate();
    }

    Soldiers troopers;
    GLinkedList things;
    Collision map{640, 480, 2};
};

// An alien touching the trooper every frame: the glow counts down its ten
// frames and starts again only once it has run out.
TEST_F(TrooperRules, TheHurtGlowCountsDownAndRestartsOnlyOnceItHasFinished) {
    Soldier& t = *troopers.addTrooper(nullptr);
    for (int32_t glow : {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 10, 9}) {
        t.act(map);
        t.collide(thing(kKindAlien));
        EXPECT_EQ(t.getHurtTimer(), glow);
    }
}

// The death ring widens with the counter.
TEST_F(TrooperRules, TheDeathCounterAdvancesEveryFrameAfterDeath) {
    Soldier& t = *troopers.addTrooper(nullptr);
    frame();
    EXPECT_EQ(t.getDeathCounter(), 0);
    t.kill();
    for (int32_t count : {2, 3, 4}) {
        frame();
        EXPECT_EQ(t.getDeathCounter(), count);
    }
}

// Letting go ends a special weapon's cool-down, so the next press fires at
// once; dying lets go as well, and a body reads no controls.
TEST_F(TrooperRules, LettingGoOfFireOrDyingReleasesTheTrigger) {
    Trigger player;
    Soldier& t = *troopers.addTrooper(&player);
    Gun& gun = t.getGun();
    gun.setKind(Gun::kGrenades);
    player.held = true;
    frame();
    ASSERT_GT(gun.getCooldown(), 0);
    player.held = false;
    frame();
    EXPECT_EQ(gun.getCooldown(), 0) << "let go";

    player.held = true;
    frame();
    ASSERT_GT(gun.getCooldown(), 0);
    troopers.killAll();
    EXPECT_EQ(gun.getCooldown(), 0) << "died";
    frame();
    EXPECT_FALSE(t.isFiring()) << "a body reads no controls";
}

TEST_F(TrooperRules, APowerUpGoesToTheFirstTrooperToTouchItAndNoMoreLieAboutThanAllowed) {
    std::srand(14);
    PowerUps powerUps(3);
    for (int i = 0; i < 6; ++i) {
        powerUps.spawn();
    }
    EXPECT_EQ(powerUps.count(), 3);
    powerUps.clear();
    auto* flamer = new PowerUp(nullptr, nullptr);
    powerUps.append(flamer, kKindFlamePowerUp);
    flamer->setHalfSize(15, 15);
    flamer->x = 320;
    flamer->y = 240;
    Soldier& one = *troopers.addTrooper(nullptr);
    Soldier& two = *troopers.addTrooper(nullptr);
    one.x = 300; // at its rim; player 2 squarely on it
    two.x = 320;
    powerUps.forEachRegister(map);
    troopers.forEachAct(map);
    EXPECT_EQ(one.getGun().getKind(), Gun::kFlameThrower);
    EXPECT_EQ(two.getGun().getKind(), Gun::kRifle);
    EXPECT_TRUE(powerUps.isEmpty());
}

} // namespace
