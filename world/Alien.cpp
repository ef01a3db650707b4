#include "world/Alien.h"

#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "world/AlienKit.h"
#include "world/Collision.h"
#include "world/ObjectKinds.h"
#include "world/Soldiers.h"

namespace {
constexpr int32_t kSlimeSpread = 6;
constexpr int32_t kPartSpread = 10;
constexpr int32_t kDebrisFriction = 2;
constexpr int32_t kFireSpread = 5;
constexpr int32_t kFireFriction = 3;
constexpr int32_t kDeathParts = 4;
constexpr int32_t kAnimationLast = 7;
// Each animation step shows for this many frames.
constexpr int32_t kFramesPerStep = 2;
// The step shown while the alien waits.
constexpr int32_t kHeldStep = 1;
// The box an alien paints is half its picture, centred two steps ahead.
constexpr int32_t kLookAheadSteps = 2;
constexpr int32_t kBoxSize = 35;

// The body parts of one of the alien variants, flying or as stains.
Bobs* partsVariant(const AlienKit& kit, int32_t variant, bool marks) {
    return marks ? kit.partMarks[variant] : kit.parts[variant];
}
} // namespace

Alien::Alien(int32_t x, int32_t y, const Soldiers& troopers, const AlienKit& kit, int32_t& score)
    : Alien(x, y, troopers, kit, score, std::rand() % AlienKit::kPartVariants) {}

Alien::Alien(int32_t x, int32_t y, const Soldiers& troopers, const AlienKit& kit, int32_t& score,
             int32_t variant)
    : Move(x, y, 1, kSpeed), kit(kit), health(kMaxHealth, kMaxHealth),
      slime(kSlimeSpread, kDebrisFriction, kit.slime, kit.slimeMarks),
      parts(kPartSpread, kDebrisFriction, partsVariant(kit, variant, false),
            partsVariant(kit, variant, true)),
      troopers(troopers), score(score) {
    setSprites(kit.steps[0]);
    // Aliens keep their 70-pixel frame even where a picture is missing.
    setHalfSize(kHalfSize, kHalfSize);
    target = troopers.nearestTo(*this);
    placeAtRandomEdge();
    if (target != nullptr) {
        direction = directionTo(*target);
    }
}

void Alien::update() {
    if (!dying) {
        crawl();
        if (burning) {
            slime.toss(*this, 1);
        }
    }
    parts.update();
    slime.update();
}

void Alien::draw(Buffer& screen) const {
    if (!dying) {
        drawFrame(screen, direction);
    }
    parts.draw(screen);
    slime.draw(screen);
}

// One frame of walking: the next animation step, a turn toward the nearest
// trooper (away from it while burning), and a step unless held.
void Alien::crawl() {
    animation = animation >= kAnimationLast ? 0 : animation + 1;
    setSprites(kit.steps[held ? kHeldStep : animation / kFramesPerStep]);
    setHalfSize(kHalfSize, kHalfSize);
    target = troopers.nearestTo(*this);
    if (target == nullptr) {
        held = true;
    } else if (burning) {
        turnToward(directions().sub(directionTo(*target), Move::kDirections / 2));
    } else {
        steerToTarget();
    }
    if (!held || burning) {
        step();
    } else {
        held = false;
    }
}

void Alien::registerIn(Collision& map) {
    if (dying || burning) {
        return;
    }
    const int32_t aheadX = x + kLookAheadSteps * directions().stepX(direction, kSpeed);
    const int32_t aheadY = y + kLookAheadSteps * directions().stepY(direction, kSpeed);
    if (map.cellAt(aheadX, aheadY) != Collision::kEmpty) {
        held = true;
    }
    map.add(aheadX - kBoxSize / 2, aheadY - kBoxSize / 2, kBoxSize, kBoxSize, this);
}

bool Alien::collide(Move& other) {
    if (dying || burning) {
        return false;
    }
    switch (other.getKind()) {
    case kKindBullet:
        hitByBullet(other);
        break;
    case kKindExplodingBullet:
    case kKindGrenade:
        hitByExplosion();
        break;
    case kKindFlame:
        setAlight();
        break;
    default:
        break;
    }
    return false;
}

void Alien::hitByBullet(Move& bullet) {
    if (health.take(kBulletDamage)) {
        parts.tossAlong(*this, bullet, kDeathParts);
        slime.tossAlong(*this, bullet, 2);
        die();
        return;
    }
    held = true;
    // Knocked back one step along the bullet's path.
    const int32_t heading = direction;
    direction = bullet.getDirection();
    step();
    direction = heading;
    slime.tossAlong(*this, bullet, 1);
}

void Alien::hitByExplosion() {
    if (health.take(kExplosionDamage)) {
        parts.toss(*this, kDeathParts);
        slime.toss(*this, 3);
        die();
        return;
    }
    held = true;
    slime.toss(*this, 1);
}

void Alien::setAlight() {
    health.take(kFlameDamage);
    if (!burning) {
        playCry();
        burning = true;
    }
    slime.throwInstead(kit.burn, kFireSpread, kFireFriction);
}

// Killed by a shot: it cries and waits for its debris to land.
void Alien::die() {
    playCry();
    dying = true;
}

void Alien::playCry() {
    if (kit.sounds != nullptr) {
        kit.sounds->play(std::rand() % AlienKit::kSoundCount, x);
    }
}

void Alien::afterAct(Image& playfield) {
    if (burning && health.take(kBurnDamage)) {
        parts.toss(*this, kDeathParts);
        slime.toss(*this, 2);
        dying = true;
        burning = false;
    }
    const bool partsDone = parts.settle(playfield);
    const bool slimeDone = slime.settle(playfield);
    if (partsDone && slimeDone && dying) {
        ++score;
        removeSelf();
    }
}
