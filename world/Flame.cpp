#include "world/Flame.h"

#include <cstdlib>

#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/TrooperKit.h"

namespace {
constexpr int32_t kDefaultFrames = 8;
constexpr int32_t kEmberRed = 180;
// Older embers burn yellower.
constexpr int32_t kEmberGreenPerFrame = 16;
} // namespace

Flame::Flame(int32_t x, int32_t y, int32_t d, const TrooperKit& kit)
    : Move(x, y, directions().stepX(d, kSpeed), directions().stepY(d, kSpeed), kFriction) {
    setSprites(kit.fire);
    jitter(kJitter);
}

void Flame::act(Collision& map) {
    stepAndBounce();
    map.testPoint(x, y, *this);
    const int32_t frames = sprites != nullptr ? sprites->getCount() : kDefaultFrames;
    if (age < frames - 1) {
        ++age;
    } else {
        removeSelf();
    }
}

void Flame::draw() {
    if ((std::rand() & 1) != 0 || sprites == nullptr) {
        return;
    }
    sprites->setFrame(age);
    Move::draw();
}

void Flame::addLights(Light& lights) {
    for (int32_t i = 0; i < age; ++i) {
        const int32_t ex = x + age + std::rand() % (2 * age);
        const int32_t ey = y + age + std::rand() % (2 * age);
        if (lights.isOn()) {
            lights.spark(ex >> 1, ey >> 1, kEmberRed, kEmberGreenPerFrame * age, 0);
        }
    }
}
