#include "gfx/Light.h"

#include <algorithm>

#include "gfx/Lighter.h"
#include "gfx/Lighter16.h"
#include "gfx/Lighter24.h"
#include "gfx/Lighter8.h"

namespace {
constexpr int32_t kDirectionMask = 31;
constexpr int32_t kChannelMax = 255;
// Far enough off the screen that no light reaches it, near enough that no
// box arithmetic overflows.
constexpr int32_t kFarAway = 1 << 20;

int32_t place(int32_t v) {
    return std::clamp(v, -kFarAway, kFarAway);
}

int32_t channel(int32_t c) {
    return std::clamp(c, 0, kChannelMax);
}

std::unique_ptr<Lighter> lighterFor(Surface* display, LightTables& tables) {
    const SDL_Surface* surface = display != nullptr ? display->getSurface() : nullptr;
    switch (surface != nullptr ? surface->format->BitsPerPixel : 0) {
    case 16:
        return std::make_unique<Lighter16>(display, tables);
    case 8:
        return std::make_unique<Lighter8>(display, tables);
    case 24:
        return std::make_unique<Lighter24>(display, tables);
    default:
        return nullptr;
    }
}
} // namespace

Light::Light(Surface* display, int32_t size)
    : LockSurfaceHolder(display), Switchable(1, 0), tables(size / 2),
      lighter(lighterFor(display, tables)) {
    rebuildFalloff();
}

Light::Light() : Light(nullptr, kGameSize) {}

Light::~Light() = default;

void Light::rebuildFalloff() {
    if (lighter != nullptr) {
        lighter->buildFalloff(tables);
    }
}

// Every radius the tables cannot hold reads outside them; it is a caller's
// mistake, so it is drawn at the largest size instead.
int32_t Light::clampRadius(int32_t r) const {
    return std::clamp(r, 0, maxRadius());
}

void Light::roundLight(int32_t x, int32_t y, int32_t r, int32_t red, int32_t green, int32_t blue) {
    if (canDraw()) {
        lighter->round(place(x), place(y), clampRadius(r), channel(red), channel(green),
                       channel(blue));
    }
}

void Light::roundLight(int32_t x, int32_t y, int32_t r) {
    roundLight(x, y, r, 255, 255, 255);
}

void Light::coneLight(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width,
                      int32_t red, int32_t green, int32_t blue) {
    if (canDraw()) {
        lighter->cone(place(x), place(y), clampRadius(r), direction & kDirectionMask,
                      std::clamp(width, 0, kDirectionMask), channel(red), channel(green),
                      channel(blue));
    }
}

void Light::ringLight(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
                      int32_t blue) {
    if (canDraw()) {
        // A band thicker than the radius is the whole disc, so thickness is
        // cut like a radius.
        lighter->ring(place(x), place(y), clampRadius(r), clampRadius(a), channel(red),
                      channel(green), channel(blue));
    }
}

void Light::spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue) {
    if (canDraw()) {
        lighter->spark(x, y, channel(red), channel(green), channel(blue));
    }
}
