// Troopers: where they start, what aliens and pick-ups do to them, the
// trigger, death and the body's debris; and who gets a power-up.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/Globals.h"
#include "input/GuideKeys.h"
#include "input/Keyboard.h"
#include "world/Collision.h"
#include "world/GameData.h"
#include "world/ObjectKinds.h"
#include "world/PowerUp.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

class TrooperRules : public testing::Test {
  protected:
    // Something of the given kind heading right, as the map hands it over.
    Move& thing(int32_t kind) {
        Move* made = new Move(0, 0, 8, 10);
        things.append(made, kind);
        return *made;
    }

    Soldiers troopers{false};
    GLinkedList things;
    Collision map{640, 480, 2};
};

TEST_F(TrooperRules, AliensWearATrooperDownUntilItDiesAndADeadTrooperTakesNothing) {
    Soldier& t = *troopers.addTrooper(nullptr);
    EXPECT_EQ(t.x, 160);
    EXPECT_EQ(t.y, 240);
    EXPECT_EQ(t.getDirection(), 1);
    Soldier& two = *troopers.addTrooper(nullptr);
    EXPECT_EQ(two.x, 480);
    EXPECT_EQ(two.y, 240);
    EXPECT_EQ(two.getSide(), 1);

    Move& alien = thing(kKindAlien);
    t.collide(alien);
    EXPECT_EQ(t.x, 160 + Move::directions().stepX(8, Soldier::kSpeed)) << "shoved along";
    EXPECT_EQ(t.getHurtTimer(), Soldier::kHurtFrames);
    int contacts = 1;
    for (; t.isAlive() && contacts < 200; ++contacts) {
        EXPECT_EQ(t.getHealth().getValue(), 100 - contacts * Soldier::kContactDamage);
        t.collide(alien);
    }
    // Fifty contacts empty the meter; the next finds nothing left and kills.
    EXPECT_EQ(contacts, 100 / Soldier::kContactDamage + 1);
    for (int32_t kind : {kKindFirstAid, kKindExplodingGunPowerUp, kKindGrenadePowerUp,
                         kKindFlamePowerUp, kKindAlien}) {
        t.collide(thing(kind));
    }
    t.kill();
    EXPECT_EQ(t.getHealth().getValue(), 0);
    EXPECT_EQ(t.getGun().getKind(), Gun::kRifle);
    EXPECT_EQ(t.getDeathCounter(), 1) << "killed only once";
    EXPECT_TRUE(two.isAlive());
}

TEST_F(TrooperRules, FirstAidHealsUpToFullAndAWeaponComesLoadedAndReady) {
    Soldier& t = *troopers.addTrooper(nullptr);
    for (int i = 0; i < 35; ++i) {
        t.collide(thing(kKindAlien));
    }
    for (int32_t healed : {70, 100, 100}) {
        t.collide(thing(kKindFirstAid));
        EXPECT_EQ(t.getHealth().getValue(), healed);
    }
    const int32_t pickUps[][2] = {{kKindExplodingGunPowerUp, Gun::kExplodingBullets},
                                  {kKindGrenadePowerUp, Gun::kGrenades},
                                  {kKindFlamePowerUp, Gun::kFlameThrower}};
    for (const auto& [pickUp, kind] : pickUps) {
        SCOPED_TRACE(pickUp);
        Gun& gun = t.getGun();
        gun.setKind(Gun::kGrenades);
        gun.fire(0, 0, 0);
        t.collide(thing(pickUp));
        EXPECT_EQ(gun.getKind(), kind);
        EXPECT_EQ(gun.getAmmunition().getValue(), Gun::kAmmunition);
        EXPECT_EQ(gun.getCooldown(), 0);
    }
}

TEST_F(TrooperRules, TheTriggerFiresEveryFrameUntilTheTrooperDies) {
    TempDir dir;
    keyboard = new Keyboard();
    GuideKeys keys(dir.file("pl1key").c_str(), 1);
    Soldier& t = *troopers.addTrooper(&keys);
    keyboard->keyDown(SDLK_RCTRL);
    for (int frame = 1; frame <= 3; ++frame) {
        troopers.forEachReadControls();
        troopers.forEachAct(map);
        troopers.forEachUpdate();
        EXPECT_EQ(t.getGun().count(), 1) << "last frame's bullet has flown";
        EXPECT_EQ(t.isFlashShown(), frame % 2 == 1) << "the rifle flashes every other frame";
    }
    t.kill();
    EXPECT_FALSE(t.isFiring());
    EXPECT_FALSE(t.isFlashShown());
    troopers.forEachReadControls();
    troopers.forEachAct(map);
    EXPECT_FALSE(t.isFiring()) << "a body reads no controls";
    EXPECT_TRUE(t.getGun().isEmpty()) << "its last bullet flew, and no more";
    delete keyboard;
    keyboard = nullptr;
}

// As letting go of fire does: the gun's sound stops and a cool-down ends.
TEST_F(TrooperRules, DyingLetsGoOfTheTrigger) {
    Gun& gun = troopers.addTrooper(nullptr)->getGun();
    gun.setKind(Gun::kGrenades);
    gun.fire(0, 0, 0);
    ASSERT_GT(gun.getCooldown(), 0);
    troopers.killAll();
    EXPECT_EQ(gun.getCooldown(), 0);
}

TEST_F(TrooperRules, APowerUpGoesToTheFirstTrooperToTouchItAndNoMoreLieAboutThanAllowed) {
    std::srand(14);
    PowerUps powerUps(3, false);
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
    EXPECT_NE(map.cellAt(320, 240), Collision::kEmpty) << "its box stays painted, yet gives nothing";
}

class TrooperDebris : public GameData {};

TEST_F(TrooperDebris, ADeadTrooperLeavesWhenItsBloodAndBodyPartsHaveLanded) {
    std::srand(15);
    Soldiers troopers;
    Soldier* both[] = {troopers.addTrooper(nullptr), troopers.addTrooper(nullptr)};
    troopers.killAll();
    both[0]->kill();
    for (Soldier* t : both) {
        EXPECT_FALSE(t->isAlive());
        EXPECT_EQ(t->getBlood().count(), 60);
        EXPECT_EQ(t->getBodyParts().count(), 5);
    }
    std::set<const Soldier*> gone;
    int frames = 0;
    while (!troopers.isEmpty() && frames < 300) {
        ++frames;
        troopers.forEachUpdate();
        for (Soldier* t : both) {
            if (gone.count(t) == 0 && t->getBlood().isEmpty() && t->getBodyParts().isEmpty()) {
                gone.insert(t);
            }
        }
        troopers.forEachAfterAct();
        ASSERT_EQ(troopers.count(), 2 - int(gone.size())) << frames;
    }
    EXPECT_TRUE(troopers.isEmpty());
    EXPECT_GT(frames, 2);
}

} // namespace
