#include "gfx/SurfaceHolder.h"

#include "gfx/DirectDrawBlitter.h"

SurfaceHolder::SurfaceHolder(int32_t width, int32_t height) : Surface(width, height) {}

SurfaceHolder::~SurfaceHolder() {
    // The blitter is a view onto the surface, which Surface frees after.
    ownBlitter.reset();
}

void SurfaceHolder::dropSurface() {
    // A view made on the old surface would point into freed memory.
    ownBlitter.reset();
    Surface::dropSurface();
}

void SurfaceHolder::attachBlitter() {
    blitter();
}

DirectDrawBlitter& SurfaceHolder::blitter() {
    if (!ownBlitter) {
        ownBlitter = std::make_unique<DirectDrawBlitter>(this);
    }
    return *ownBlitter;
}

void SurfaceHolder::blit(Surface* source) {
    blitter().blit(source);
}

void SurfaceHolder::blitAt(Surface* source, int32_t x, int32_t y) {
    blitter().blitAt(source, x, y);
}

void SurfaceHolder::blitPart(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                             int32_t w, int32_t h) {
    blitter().blitPart(source, dx, dy, sx, sy, w, h);
}

void SurfaceHolder::blitBox(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h) {
    blitter().blitBox(source, x, y, w, h);
}

void SurfaceHolder::blitAtAlpha(Surface* source, int32_t x, int32_t y, uint8_t alpha) {
    blitter().blitAtAlpha(source, x, y, alpha);
}

void SurfaceHolder::blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                                  int32_t sy, int32_t w, int32_t h, uint8_t alpha) {
    blitter().blitPartAlpha(source, dx, dy, sx, sy, w, h, alpha);
}

void SurfaceHolder::blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h,
                                 uint8_t alpha) {
    blitter().blitBoxAlpha(source, x, y, w, h, alpha);
}

uint32_t SurfaceHolder::getPixel(int32_t x, int32_t y) {
    return blitter().getPixel(x, y);
}

void SurfaceHolder::putPixel(int32_t x, int32_t y, uint32_t value) {
    blitter().putPixel(x, y, value);
}

bool SurfaceHolder::isWhite(int32_t x, int32_t y) {
    return blitter().isWhite(x, y);
}

void SurfaceHolder::keyFromCorner() {
    blitter().keyFromCorner();
    refreshColorKey();
}

uint32_t SurfaceHolder::mapColor(uint8_t r, uint8_t g, uint8_t b) {
    return blitter().mapColor(r, g, b);
}
