#include "gfx/Blitter.h"

Blitter::Blitter(Surface* target) : LockSurfaceHolder(target) {}

Blitter::~Blitter() = default;

uint32_t Blitter::mapColor(uint8_t r, uint8_t g, uint8_t b) {
    return surface == nullptr ? 0 : SDL_MapRGB(surface->format, r, g, b);
}

void Blitter::keyFromCorner() {}

void Blitter::blit(Surface*) {
    error("Why are we here?");
}

void Blitter::blitAt(Surface*, int32_t, int32_t) {}

void Blitter::blitPart(Surface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    error("Why are we here (2)?");
}

void Blitter::blitBox(Surface*, int32_t, int32_t, int32_t, int32_t) {}

void Blitter::blitAtAlpha(Surface* source, int32_t x, int32_t y, uint8_t) {
    blitAt(source, x, y);
}

void Blitter::blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                            int32_t w, int32_t h, uint8_t) {
    error("Why are we here (3)?");
    blitPart(source, dx, dy, sx, sy, w, h);
}

void Blitter::blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h,
                           uint8_t) {
    blitBox(source, x, y, w, h);
}

void Blitter::putPixel(int32_t, int32_t, uint32_t) {}

uint32_t Blitter::getPixel(int32_t, int32_t) {
    return 0;
}

bool Blitter::isWhite(int32_t x, int32_t y) {
    // Without a surface the masks are unset and every pixel would pass.
    if (surface == nullptr) {
        return false;
    }
    const uint32_t white = redMask + greenMask + blueMask;
    return static_cast<int32_t>(getPixel(x, y)) >= static_cast<int32_t>(white);
}
