#include "world/PowerUp.h"

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/ObjectKinds.h"

namespace {
constexpr int32_t kPulseStep = 4;
constexpr int32_t kPulseLast = 127;
// Above this the pulse turns the beam; below it the glow swells and shrinks.
constexpr int32_t kBeamFrom = 63;
constexpr int32_t kGlowPeak = 32;
constexpr int32_t kBeamRadius = 32;
constexpr int32_t kBeamWidth = 8;
} // namespace

PowerUp::PowerUp(Bobs* set, Sounds* sounds)
    : Move(0, 0, kDrift, kDrift, kFriction), sounds(sounds) {
    // Placed before the picture is known, so anywhere on the screen.
    placeAtRandom();
    setSprites(set);
    spawnX = x;
    spawnY = y;
    lightX = x;
    lightY = y;
    playSound(kAppears);
}

void PowerUp::playSound(int32_t i) {
    if (sounds != nullptr && i < sounds->getCount()) {
        sounds->play(i, x);
    }
}

void PowerUp::update() {
    pulse = pulse > kPulseLast ? 0 : pulse + kPulseStep;
    ++age;
    lightX = x;
    lightY = y;
    stepAndBounce();
}

void PowerUp::draw(Buffer& screen) const {
    // The flame thrower's second frame is never shown.
    drawFrame(screen, 0);
}

void PowerUp::registerIn(Collision& map) {
    const int32_t w = 3 * halfWidth;
    const int32_t h = 3 * halfHeight;
    map.add(x - 3 * (halfWidth / 2), y - 3 * (halfHeight / 2), w, h, this);
}

bool PowerUp::collide(Move& other) {
    copyVelocity(other);
    vx /= 2;
    vy /= 2;
    if (other.getKind() != kKindTrooper) {
        return false;
    }
    // The trooper has already taken the effect in its own collide.
    playSound(getKind() == kKindFirstAid ? kFirstAidTaken : kWeaponTaken);
    removeSelf();
    return true;
}

void PowerUp::addLights(Light& lights) const {
    if (!lights.isOn()) {
        return;
    }
    addGlow(lights);
    if (age == 1) {
        lights.roundLight(spawnX >> 1, spawnY >> 1, kFlashRadius / 2, 255, 255, 100);
    }
}

// A blue glow that swells and shrinks, then a beam that turns once round.
void PowerUp::addGlow(Light& lights) const {
    const int32_t cx = lightX >> 1;
    const int32_t cy = lightY >> 1;
    if (pulse > kBeamFrom) {
        lights.coneLight(cx, cy, kBeamRadius, (pulse - (kBeamFrom + 1)) / 2, kBeamWidth, 100, 200,
                         200);
    } else if (pulse >= kGlowPeak) {
        lights.roundLight(cx, cy, 2 * kGlowPeak - pulse, 100, 100, 255);
    } else {
        lights.roundLight(cx, cy, pulse, 100, 100, 255);
    }
}
