#include "gfx/Light.h"

#include <algorithm>

#include "gfx/Lighter.h"
#include "gfx/Lighter16.h"
#include "gfx/Lighter24.h"
#include "gfx/Lighter8.h"

namespace {
constexpr int32_t kDirectionMask = 31;

std::unique_ptr<Lighter> lighterFor(SurfaceHolder* display, LightTables& tables) {
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

Light::Light(SurfaceHolder* display, int32_t size)
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
        lighter->round(x, y, clampRadius(r), red, green, blue);
    }
}

void Light::roundLight(int32_t x, int32_t y, int32_t r) {
    roundLight(x, y, r, 255, 255, 255);
}

void Light::coneLight(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width,
                      int32_t red, int32_t green, int32_t blue) {
    if (canDraw()) {
        lighter->cone(x, y, clampRadius(r), direction & kDirectionMask,
                      std::clamp(width, 0, kDirectionMask), red, green, blue);
    }
}

void Light::ringLight(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
                      int32_t blue) {
    if (canDraw()) {
        lighter->ring(x, y, clampRadius(r), a, red, green, blue);
    }
}

void Light::spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue) {
    if (canDraw()) {
        lighter->spark(x, y, red, green, blue);
    }
}
