// Weapons: how long a held trigger lasts on each gun.
#include <gtest/gtest.h>

#include "world/Gun.h"
#include "world/ObjectKinds.h"
#include "world/TrooperKit.h"

namespace {

int countKind(const Gun& gun, int32_t kind) {
    int n = 0;
    gun.forEachItem([&](Linkable& item) { n += item.getKind() == kind ? 1 : 0; });
    return n;
}

class Weapons : public testing::Test {
  protected:
    TrooperKit kit; // empty: nothing drawn, nothing heard
};

// Every firing frame costs a unit and a throw five more, so the launcher is
// empty after ten throws, yet the eleventh is still made.
TEST_F(Weapons, AHeldTriggerEmptiesASpecialWeaponAndThenFiresTheRifle) {
    const struct {
        int32_t gun, projectile;
        int frames, total;
    } cases[] = {{Gun::kExplodingBullets, kKindExplodingBullet, 101, 51},
                 {Gun::kFlameThrower, kKindFlame, 101, 1212},
                 {Gun::kGrenades, kKindGrenade, 51, 11}};
    for (const auto& c : cases) {
        Gun gun(c.gun, kit);
        int frames = 0;
        for (; gun.getKind() == c.gun && frames < 500; ++frames) {
            gun.fire(320, 240, 8);
        }
        EXPECT_EQ(frames, c.frames) << c.gun;
        EXPECT_EQ(countKind(gun, c.projectile), c.total) << c.gun;
        gun.fire(320, 240, 8);
        gun.fire(320, 240, 8);
        EXPECT_EQ(countKind(gun, kKindBullet), 2) << "the rifle fires every frame";
        EXPECT_EQ(gun.getAmmunition().getValue(), 0) << "and needs no ammunition";
    }
}

} // namespace
