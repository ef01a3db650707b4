#include "world/ExplodingBullet.h"

#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/TrooperKit.h"

namespace {
// The glow starts this wide (in light cells, doubled) and shrinks each frame.
constexpr int32_t kGlowStart = 80;
constexpr int32_t kGlowShrink = 10;
// Half the explosion's picture hurts, so aliens at its ragged rim live.
constexpr int32_t kBlastSize = 30;
} // namespace

ExplodingBullet::ExplodingBullet(int32_t x, int32_t y, int32_t d, const TrooperKit& kit)
    : Bullet(x, y, d), kit(kit) {
    setSprites(kit.explosion);
}

void ExplodingBullet::act(Collision& map) {
    if (exploded) {
        testRect(map, x - kBlastSize / 2, y - kBlastSize / 2, kBlastSize, kBlastSize);
        if (explosionFrame < kit.explosionFrames() - 1) {
            ++explosionFrame;
        } else {
            removeSelf();
        }
        return;
    }
    sweep(map);
    if (!exploded) {
        removeSelf();
        return;
    }
    if (kit.explosionSounds != nullptr) {
        kit.explosionSounds->play(std::rand() % TrooperKit::kExplosionSoundCount, x);
    }
    stepAndBounce();
}

bool ExplodingBullet::collide(Move&) {
    exploded = true;
    return false;
}

void ExplodingBullet::draw(Buffer& screen) const {
    if (exploded) {
        drawFrame(screen, explosionFrame);
    }
}

void ExplodingBullet::addLights(Light& lights) const {
    if (exploded && lights.isOn()) {
        lights.roundLight(x >> 1, y >> 1, (kGlowStart - kGlowShrink * explosionFrame) / 2, 255, 150,
                          0);
    }
}
