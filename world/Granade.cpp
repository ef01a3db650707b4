#include "world/Granade.h"

#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/LinkedList.h"
#include "world/ObjectKinds.h"
#include "world/TrooperKit.h"

namespace {
// The grenade set has one frame per generation that still bursts, plus one.
constexpr int32_t kDefaultGrenadeFrames = 3;
constexpr int32_t kBlastSize = 60;
constexpr int32_t kGlowRadius = 16;
} // namespace

Granade::Granade(int32_t x, int32_t y, int32_t d, int32_t generation, const TrooperKit& kit)
    : Move(x, y, directions().stepX(d, kSpeed), directions().stepY(d, kSpeed), kFriction),
      kit(kit), generation(generation), thrownDirection(d) {
    setSprites(kit.grenade);
}

void Granade::act(Collision& map) {
    if (exploded) {
        testRect(map, x - kBlastSize / 2, y - kBlastSize / 2, kBlastSize, kBlastSize);
        if (timer < kit.explosionFrames() - 1) {
            ++timer;
        } else {
            removeSelf();
        }
        return;
    }
    stepAndBounce();
    testPoint(map, x, y);
    if (timer < kFlightFrames) {
        ++timer;
    } else {
        exploded = true;
    }
    if (exploded) {
        explodeNow();
    }
}

void Granade::explodeNow() {
    throwFragments();
    setSprites(kit.explosion);
    stepAndBounce();
    timer = 0;
    if (kit.explosionSounds != nullptr) {
        kit.explosionSounds->play(std::rand() % TrooperKit::kExplosionSoundCount, x);
    }
}

void Granade::throwFragments() {
    const int32_t frames = kit.grenade != nullptr ? kit.grenade->getCount() : kDefaultGrenadeFrames;
    if (generation >= frames - 1) {
        return;
    }
    const DirectionTable& table = directions();
    const int32_t headings[] = {table.sub(thrownDirection, kFragmentSpread), thrownDirection,
                                table.add(thrownDirection, kFragmentSpread)};
    for (int32_t heading : headings) {
        LinkedList::linkBefore(getNode(), new Granade(x, y, heading, generation + 1, kit),
                               kKindGrenade);
    }
}

bool Granade::collide(Move&) {
    exploded = true;
    return false;
}

void Granade::draw(Buffer& screen) const {
    drawFrame(screen, exploded ? timer : 0);
}

void Granade::addLights(Light& lights) const {
    if (!exploded && lights.isOn()) {
        lights.roundLight(x >> 1, y >> 1, kGlowRadius, 120, 120, 0);
    }
}
