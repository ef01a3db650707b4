#include "world/Flame.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/TrooperKit.h"

namespace {
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
    testPoint(map, x, y);
    const int32_t frames = sprites != nullptr ? sprites->getCount() : kDefaultFrames;
    if (age < frames - 1) {
        ++age;
    } else {
        removeSelf();
    }
}

// The embers take their random numbers whether or not "High detail" shows
// them, so that a game takes the same random turns with light and without.
void Flame::updateLights() {
    for (int32_t i = 0; i < age; ++i) {
        const int32_t ex = x + age + std::rand() % (2 * age);
        const int32_t ey = y + age + std::rand() % (2 * age);
        if (size_t(i) < embers.size()) {
            embers[size_t(i)] = {ex, ey};
        }
    }
}

void Flame::update() {
    shown = (std::rand() & 1) == 0;
}

void Flame::draw(Buffer& screen) const {
    if (shown) {
        drawFrame(screen, age);
    }
}

void Flame::addLights(Light& lights) const {
    if (!lights.isOn()) {
        return;
    }
    const size_t count = std::min(size_t(age), embers.size());
    for (size_t i = 0; i < count; ++i) {
        lights.spark(embers[i].x >> 1, embers[i].y >> 1, kEmberRed, kEmberGreenPerFrame * age, 0);
    }
}
