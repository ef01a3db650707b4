#include "world/Soldier.h"

#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "input/GuideKeys.h"
#include "world/Collision.h"
#include "world/ObjectKinds.h"
#include "world/TrooperKit.h"

namespace {
constexpr int32_t kHeartbeatShift = 5;
constexpr int32_t kBarHeight = 25;
constexpr int32_t kHealthBarLength = 500;
constexpr int32_t kWeaponBarLength = 350;
constexpr int32_t kWalkCounterLast = 7;
constexpr int32_t kFramesPerWalkPicture = 4;
constexpr int32_t kBodyBox = 22;
// Debris: blood drops, body parts, muzzle sparks.
constexpr int32_t kBloodSpread = 8;
constexpr int32_t kDeathBloodSpread = 15;
constexpr int32_t kBodyPartSpread = 18;
constexpr int32_t kDebrisFriction = 2;
constexpr int32_t kSparkSpread = 4;
constexpr int32_t kSparkFriction = 5;
constexpr int32_t kWoundDrops = 2;
constexpr int32_t kDeathDrops = 60;
constexpr int32_t kDeathParts = 5;

// Player 2's pictures when it has them, else player 1's.
Bobs* forSide(Bobs* const sets[TrooperKit::kSides][TrooperKit::kWalkFrames], int32_t side,
              int32_t frame) {
    Bobs* own = sets[side][frame];
    return own != nullptr ? own : sets[0][frame];
}
} // namespace

Soldier::Soldier(int32_t x, int32_t y, int32_t hudY, const ActionSource* keys, int32_t side,
                 const TrooperKit& kit)
    : Move(x, y, 1, kSpeed), kit(kit), health(kMaxHealth, kMaxHealth),
      heartbeat(&health, kHeartbeatShift), healthBar(10, hudY, kHealthBarLength, kMaxHealth),
      weaponBar(10, side == 0 ? hudY - kBarHeight : hudY + kBarHeight, kWeaponBarLength,
                Gun::kAmmunition),
      keys(keys), blood(kBloodSpread, kDebrisFriction, kit.blood, kit.bloodMarks),
      sparks(kSparkSpread, kSparkFriction, 180, 90, 0),
      bodyParts(kBodyPartSpread, kDebrisFriction, kit.bodyParts), gun(Gun::kRifle, kit),
      side(side >= 0 && side < TrooperKit::kSides ? side : 0) {
    healthBar.setSprites(kit.healthBar);
    weaponBar.setSprites(kit.weaponBar);
    weaponBar.setFixedFrame(0);
    setSprites(walkSet());
    // Troopers always sit on their 45-pixel frame, pictures or not.
    setHalfSize(kHalfSize, kHalfSize);
}

Bobs* Soldier::walkSet() const {
    return forSide(kit.walk, side, walkFrame);
}

int32_t Soldier::muzzleX() const {
    return x + directions().stepX(directions().sub(direction, kMuzzleTurn), kMuzzleReach);
}

int32_t Soldier::muzzleY() const {
    return y + directions().stepY(directions().sub(direction, kMuzzleTurn), kMuzzleReach);
}

void Soldier::readControls() {
    if (!isAlive() || keys == nullptr) {
        return;
    }
    left = keys->isActionDown(GuideKeys::kLeft);
    right = keys->isActionDown(GuideKeys::kRight);
    forward = keys->isActionDown(GuideKeys::kForward);
    backward = keys->isActionDown(GuideKeys::kBackward);
    if (keys->isActionDown(GuideKeys::kFire)) {
        fire = true;
    } else if (fire) {
        fire = false;
        setSprites(walkSet());
        gun.releaseTrigger();
    }
}

void Soldier::act(Collision& map) {
    // The glow of the last hurt thins out. It counts down here, before the
    // trooper can be hurt anew, so the light pass shows the count this
    // frame's hurt left.
    if (hurtTimer > 0) {
        --hurtTimer;
    }
    // Applied even when dead: the body keeps what the controls were.
    if (left) {
        turnLeft(1);
    }
    if (right) {
        turnRight(1);
    }
    if (forward) {
        stepClamped();
    }
    if (backward) {
        stepBackClamped();
    }
    if (forward || backward) {
        walkCounter = walkCounter >= kWalkCounterLast ? 0 : walkCounter + 1;
        walkFrame = walkCounter / kFramesPerWalkPicture;
    }
    // Last frame's shots fly before this frame's shot is fired.
    gun.forEachAct(map);
    if (!isAlive()) {
        return;
    }
    if (fire) {
        gun.fire(muzzleX(), muzzleY(), directions().sub(direction, kShotTurn));
    }
    testRect(map, x - kBodyBox / 2, y - kBodyBox / 2, kBodyBox, kBodyBox);
    const int32_t beat = heartbeat.beat();
    if (beat != Heartbeat::kSilent && kit.heartbeatSounds != nullptr) {
        kit.heartbeatSounds->play(beat, x);
    }
}

bool Soldier::collide(Move& other) {
    if (!isAlive()) {
        return false;
    }
    switch (other.getKind()) {
    case kKindAlien:
        if (health.take(kContactDamage)) {
            kill();
        } else {
            hurtBy(other);
        }
        break;
    case kKindFirstAid:
        health.add(kFirstAid);
        break;
    case kKindExplodingGunPowerUp:
        gun.setKind(Gun::kExplodingBullets);
        break;
    case kKindFlamePowerUp:
        gun.setKind(Gun::kFlameThrower);
        break;
    case kKindGrenadePowerUp:
        gun.setKind(Gun::kGrenades);
        break;
    default:
        break;
    }
    return false;
}

void Soldier::hurtBy(Move& alien) {
    // The cry is drawn whether or not one is still playing, so that a game
    // takes the same random turns with sound and without.
    const int32_t cry = TrooperKit::kFirstPainCry + std::rand() % TrooperKit::kPainCries;
    if (kit.soldierSounds != nullptr && !kit.soldierSounds->anyPlaying()) {
        kit.soldierSounds->play(cry, x);
    }
    blood.tossAlong(*this, alien, kWoundDrops);
    // The alien shoves the trooper along its own heading.
    const int32_t heading = direction;
    direction = alien.getDirection();
    stepClamped();
    direction = heading;
    if (hurtTimer <= 0) {
        hurtTimer = kHurtFrames;
    }
}

void Soldier::kill() {
    if (!isAlive()) {
        return;
    }
    blood.setSpread(kDeathBloodSpread);
    blood.toss(*this, kDeathDrops);
    bodyParts.toss(*this, kDeathParts);
    if (kit.soldierSounds != nullptr) {
        kit.soldierSounds->play(TrooperKit::kDeathCry, x);
    }
    deathCounter = 1;
    gun.releaseTrigger();
    // A body neither shows the muzzle flash nor throws sparks.
    fire = false;
    flashShown = false;
}

void Soldier::afterAct(Image& playfield) {
    const bool bloodDone = blood.settle(playfield);
    const bool partsDone = bodyParts.settle(playfield);
    if (bloodDone && partsDone && !isAlive()) {
        removeSelf();
    }
}

// The random numbers go in the order a game has always drawn them: the
// flash, the sparks, then the embers of every flame in flight; and every
// trooper's before any trooper's flames flicker in update.
void Soldier::updateLights() {
    shapeMuzzleFlash();
    throwSparks();
    if (!isAlive()) {
        ++deathCounter;
    }
    sparks.updateSparks();
    gun.forEachUpdateLights();
}

void Soldier::update() {
    blood.update();
    bodyParts.update();
    gun.forEachUpdate();
    if (!isAlive()) {
        return;
    }
    if (gun.getKind() != Gun::kRifle) {
        weaponBar.setFixedFrame(gun.getKind() - 1);
    }
    chooseSprites();
}

void Soldier::draw(Buffer& screen) const {
    blood.draw(screen);
    bodyParts.draw(screen);
    gun.forEachDraw(screen);
    if (!isAlive()) {
        return;
    }
    healthBar.draw(screen, health.getValue());
    if (gun.getKind() != Gun::kRifle) {
        weaponBar.draw(screen, gun.getAmmunition().getValue());
    }
    if (sprites != nullptr) {
        sprites->drawFrameAt(screen, direction, x - kHalfSize, y - kHalfSize);
    }
}

// With the rifle the flash and the plain aim alternate every frame; the
// slower weapons flash while they wait to fire again.
void Soldier::chooseSprites() {
    if (!fire) {
        setSprites(walkSet());
    } else if ((gun.getKind() == Gun::kRifle && !flashShown) ||
               (gun.getKind() != Gun::kRifle && gun.getCooldown() != 0)) {
        setSprites(forSide(kit.shot, side, walkFrame));
        flashShown = true;
    } else {
        setSprites(forSide(kit.aim, side, walkFrame));
        flashShown = false;
    }
    setHalfSize(kHalfSize, kHalfSize);
}

void Soldier::addLights(Light& lights) const {
    addHurtGlow(lights);
    addMuzzleFlash(lights);
    if (isAlive()) {
        addTorch(lights);
    } else {
        addDeathRing(lights);
    }
    sparks.addLights(lights);
    gun.forEachAddLights(lights);
}

// A red ring that widens from the trooper while it thins out.
void Soldier::addHurtGlow(Light& lights) const {
    if (hurtTimer == 0 || !lights.isOn()) {
        return;
    }
    lights.ringLight(x >> 1, y >> 1, (15 * (11 - hurtTimer)) / 2, (3 * hurtTimer) / 2, 200, 50, 50);
}

// The flash of the frame before shows while the trigger is held: the rifle
// flashes every other frame.
void Soldier::shapeMuzzleFlash() {
    muzzle.lit = flashShown && fire;
    if (!muzzle.lit) {
        return;
    }
    muzzle.cone = directions().sub(direction, 5 - std::rand() % 3);
    muzzle.width = 4 + std::rand() % 4;
    muzzle.red = 150 + std::rand() % 105;
}

void Soldier::addMuzzleFlash(Light& lights) const {
    if (!muzzle.lit || !lights.isOn()) {
        return;
    }
    lights.coneLight(muzzleX() >> 1, muzzleY() >> 1, 12, muzzle.cone, muzzle.width, muzzle.red, 100,
                     0);
}

// A red ring that widens with every frame since the death, this one
// included: the counter has already counted it.
void Soldier::addDeathRing(Light& lights) const {
    if (!lights.isOn()) {
        return;
    }
    const int32_t frames = deathCounter - 1;
    lights.ringLight(x >> 1, y >> 1, (15 * frames) / 2, frames, 200, 50, 50);
}

void Soldier::throwSparks() {
    if (!fire) {
        return;
    }
    const int32_t mx = muzzleX();
    const int32_t my = muzzleY();
    const DirectionTable& table = directions();
    const bool ready = gun.getCooldown() == 0;
    switch (gun.getKind()) {
    case Gun::kRifle:
        sparks.tossInDirection(mx, my, table.sub(direction, 4), 5, 6);
        break;
    case Gun::kExplodingBullets:
        if (ready) {
            sparks.tossInDirection(mx, my, table.sub(direction, 7), 6, 8);
            sparks.tossInDirection(mx, my, table.sub(direction, 1), 6, 8);
        }
        break;
    case Gun::kGrenades:
        if (ready) {
            sparks.tossInDirection(mx, my, table.sub(direction, 7), 8, 24);
            sparks.tossInDirection(mx, my, table.sub(direction, 1), 8, 24);
        }
        break;
    default:
        break;
    }
}

// The helmet lamp: ahead of the trooper while it walks, along the barrel
// while it fires.
void Soldier::addTorch(Light& lights) const {
    if (!lights.isOn()) {
        return;
    }
    const DirectionTable& table = directions();
    if (fire) {
        lights.coneLight(muzzleX() >> 1, muzzleY() >> 1, 64, table.sub(direction, 4), 8, 155, 155,
                         155);
        return;
    }
    const int32_t from = table.sub(direction, 5);
    const int32_t tx = x + table.stepX(from, 12);
    const int32_t ty = y + table.stepY(from, 12);
    lights.coneLight(tx >> 1, ty >> 1, 64, table.sub(direction, 7), 8, 155, 155, 155);
}
