// Weapons: how long a held trigger lasts on each gun, and how each kind of
// projectile flies, meets what it hits and goes away.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "world/Collision.h"
#include "world/ExplodingBullet.h"
#include "world/Granade.h"
#include "world/Gun.h"
#include "world/ObjectKinds.h"
#include "world/TrooperKit.h"

namespace {

// Something lying in the map that remembers who met it.
struct Probe : Move {
    Probe() : Move(0, 0, 0, 0) {}
    bool collide(Move& other) override {
        ++hits;
        lastKind = other.getKind();
        return false;
    }
    int hits = 0;
    int32_t lastKind = -1;
};

template <typename T> std::vector<T*> itemsOf(const Gun& gun) {
    std::vector<T*> all;
    gun.forEachItem([&](Linkable& item) { all.push_back(dynamic_cast<T*>(&item)); });
    return all;
}

int countKind(const Gun& gun, int32_t kind) {
    int n = 0;
    gun.forEachItem([&](Linkable& item) { n += item.getKind() == kind ? 1 : 0; });
    return n;
}

class Weapons : public testing::Test {
  protected:
    TrooperKit kit; // empty: nothing drawn, nothing heard
    Collision map{640, 480, 2};
};

TEST_F(Weapons, AHeldTriggerEmptiesASpecialWeaponAndThenFiresTheRifle) {
    // Every firing frame costs a unit and a throw five more, so the launcher
    // is empty after ten throws, yet the eleventh is still made.
    const struct {
        int32_t gun, projectile;
        int period, perShot, frames, total;
    } cases[] = {{Gun::kExplodingBullets, kKindExplodingBullet, 2, 1, 101, 51},
                 {Gun::kFlameThrower, kKindFlame, 1, Gun::kFlamesPerFrame, 101, 1212},
                 {Gun::kGrenades, kKindGrenade, 5, 1, 51, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gun);
        Gun gun(c.gun, kit);
        int frames = 0;
        for (; gun.getKind() == c.gun && frames < 500; ++frames) {
            const int before = gun.count();
            gun.fire(320, 240, 8);
            ASSERT_EQ(gun.count() - before, frames % c.period == 0 ? c.perShot : 0) << frames;
        }
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(countKind(gun, c.projectile), c.total);
        EXPECT_EQ(gun.getAmmunition().getValue(), 0);
        gun.fire(320, 240, 8);
        gun.fire(320, 240, 8);
        EXPECT_EQ(countKind(gun, kKindBullet), 2) << "the rifle fires every frame";
        EXPECT_EQ(gun.getAmmunition().getValue(), 0) << "and needs no ammunition";
    }
}

TEST_F(Weapons, ReleasingTheTriggerLetsTheNextPressFireAtOnce) {
    for (int32_t kind : {Gun::kExplodingBullets, Gun::kGrenades}) {
        Gun gun(kind, kit);
        gun.fire(320, 240, 8);
        gun.releaseTrigger();
        gun.fire(320, 240, 8);
        gun.fire(320, 240, 8);
        EXPECT_EQ(gun.count(), 2) << "released once, then held: " << kind;
    }
}

TEST_F(Weapons, OneGrenadeBurstsIntoThirteenExplosionsInThreeWaves) {
    const DirectionTable& table = Move::directions();
    Gun gun(Gun::kGrenades, kit);
    gun.fire(320, 240, 8);
    std::map<int, int> explosions;
    int frame = 0;
    while (!gun.isEmpty() && frame < 100) {
        ++frame;
        std::set<const Granade*> flying;
        for (const Granade* g : itemsOf<Granade>(gun)) {
            if (!g->hasExploded()) {
                flying.insert(g);
            }
        }
        map.clear();
        gun.forEachAct(map);
        const std::vector<Granade*> all = itemsOf<Granade>(gun);
        for (const Granade* g : all) {
            explosions[frame] += flying.count(g) != 0 && g->hasExploded() ? 1 : 0;
        }
        if (frame == 5) {
            // The fragments sit before the burst grenade and have not moved yet.
            ASSERT_EQ(all.size(), 4u);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(all[i]->getGeneration(), 1);
                EXPECT_EQ(all[i]->getVx(), table.stepX(4 + 4 * i, Granade::kSpeed)) << i;
                EXPECT_EQ(all[i]->getVy(), table.stepY(4 + 4 * i, Granade::kSpeed)) << i;
            }
        }
    }
    const std::map<int, int> waves = {{5, 1}, {10, 3}, {15, 9}};
    for (const auto& [at, n] : explosions) {
        EXPECT_EQ(n, waves.count(at) != 0 ? waves.at(at) : 0) << "frame " << at;
    }
    EXPECT_EQ(frame, 15 + 8) << "the last wave burns eight frames";

    // Touching something sets a grenade off in its first frame.
    Probe probe;
    gun.releaseTrigger();
    gun.fire(320, 240, 8);
    const Granade* thrown = itemsOf<Granade>(gun).front();
    map.add(330, 200, 100, 80, &probe);
    gun.forEachAct(map);
    EXPECT_TRUE(thrown->hasExploded());
    EXPECT_EQ(probe.lastKind, kKindGrenade);
}

TEST_F(Weapons, BulletsMeetTheFirstThingOnTheirPathAndOnlyAHitExplodes) {
    Probe target;
    map.add(460, 200, 100, 80, &target);
    Gun rifle(Gun::kRifle, kit);
    rifle.fire(100, 240, 8); // at the target
    rifle.fire(100, 240, 0); // up, past it
    rifle.forEachAct(map);
    EXPECT_TRUE(rifle.isEmpty()) << "a rifle bullet lives one act, hit or miss";
    EXPECT_EQ(target.hits, 1);
    EXPECT_EQ(target.lastKind, kKindBullet);

    Gun gun(Gun::kExplodingBullets, kit);
    gun.fire(100, 240, 24); // to the left edge: nothing there
    gun.forEachAct(map);
    EXPECT_TRUE(gun.isEmpty());
    gun.releaseTrigger();
    gun.fire(100, 240, 8);
    const ExplodingBullet* shot = itemsOf<ExplodingBullet>(gun).front();
    gun.forEachAct(map);
    EXPECT_TRUE(shot->hasExploded());
    // The blast covers the target in each of its eight frames, then is gone.
    for (int frame = 1; frame <= 8; ++frame) {
        ASSERT_EQ(gun.count(), 1) << frame;
        gun.forEachAct(map);
    }
    EXPECT_TRUE(gun.isEmpty());
    EXPECT_EQ(target.hits, 1 + 1 + 8);
    EXPECT_EQ(target.lastKind, kKindExplodingBullet);
}

TEST_F(Weapons, AFlameBurnsEightFramesWhetherOrNotItTouchesAnything) {
    for (bool covered : {false, true}) {
        SCOPED_TRACE(covered);
        Probe everything;
        Gun gun(Gun::kFlameThrower, kit);
        gun.fire(320, 240, 8);
        for (int frame = 1; frame <= 8; ++frame) {
            EXPECT_EQ(gun.count(), Gun::kFlamesPerFrame) << frame;
            map.clear();
            if (covered) {
                map.add(0, 0, 640, 480, &everything);
            }
            gun.forEachAct(map);
        }
        EXPECT_TRUE(gun.isEmpty());
        EXPECT_EQ(everything.hits, covered ? 8 * Gun::kFlamesPerFrame : 0);
    }
}

} // namespace
