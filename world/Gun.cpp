#include "world/Gun.h"

#include "audio/Sounds.h"
#include "world/Bullet.h"
#include "world/ExplodingBullet.h"
#include "world/Flame.h"
#include "world/Granade.h"
#include "world/ObjectKinds.h"
#include "world/TrooperKit.h"

Gun::Gun(int32_t kind, const TrooperKit& kit)
    : kit(kit), kind(kind), ammunition(kind != kRifle ? kAmmunition : 0, kAmmunition) {}

void Gun::playSound(int32_t i, int32_t x) {
    if (kit.gunSounds != nullptr && i >= 0 && i < kit.gunSounds->getCount()) {
        kit.gunSounds->play(i, x);
    }
}

void Gun::fire(int32_t x, int32_t y, int32_t d) {
    switch (kind) {
    case kRifle:
        append(new Bullet(x, y, d), kKindBullet);
        break;
    case kExplodingBullets:
        if (cooldown > 0) {
            --cooldown;
        } else {
            append(new ExplodingBullet(x, y, d, kit), kKindExplodingBullet);
            cooldown = kExplodingCooldown;
            playSound(kExplodingBullets, x);
        }
        break;
    case kFlameThrower:
        for (int32_t i = 0; i < kFlamesPerFrame; ++i) {
            append(new Flame(x, y, d, kit), kKindFlame);
        }
        break;
    case kGrenades:
        if (cooldown > 0) {
            --cooldown;
        } else {
            ammunition.take(kGrenadeCost);
            playSound(kGrenades, x);
            append(new Granade(x, y, d, 0, kit), kKindGrenade);
            cooldown = kGrenadeCooldown;
        }
        break;
    default:
        break;
    }
    if (kind != kRifle && ammunition.take(1)) {
        kind = kRifle;
    }
    // A sound still playing is not restarted, so the rifle's and the flame
    // thrower's run on while the trigger is held.
    if (kind == kRifle || kind == kFlameThrower) {
        playSound(kind, x);
    }
}

void Gun::setKind(int32_t k) {
    kind = k;
    if (k != kRifle) {
        ammunition.add(kAmmunition);
    }
    cooldown = 0;
}

void Gun::releaseTrigger() {
    if (kit.gunSounds != nullptr && kind >= 0 && kind < kit.gunSounds->getCount()) {
        kit.gunSounds->stop(kind);
    }
    cooldown = 0;
}
