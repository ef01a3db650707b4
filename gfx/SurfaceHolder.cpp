#include "gfx/SurfaceHolder.h"

#include "gfx/DirectDrawBlitter.h"

namespace {

// No SDL_SRCALPHA here: translucent blits switch alpha on for themselves. Made
// with it, SDL 1.2 over SDL 2 blends every blit, which turns a palette copy
// into a nearest-colour search that merges repeated palette entries.
constexpr Uint32 kSurfaceFlags = SDL_HWSURFACE | SDL_SRCCOLORKEY;
// Palette surfaces have no masks; three of these sum to 0xFFE3D0, so the
// white test accepts palette colours that are nearly white.
constexpr uint32_t kPaletteModeMask = 5590000;
// SDL 1.2 keeps the pitch in 16 bits; larger surfaces cannot be addressed.
constexpr int32_t kMaxSurfaceSide = 16384;

SDL_Surface* makeSurface(int32_t width, int32_t height, int depth) {
    switch (depth) {
    case 24:
        return SDL_CreateRGBSurface(kSurfaceFlags, width, height, 24, 0, 0, 0, 0);
    case 16: {
        // In the display's own layout a blit to the screen is a plain copy;
        // in any other, SDL converts every pixel of every blit.
        const SDL_PixelFormat* shown = SDL_GetVideoSurface()->format;
        return SDL_CreateRGBSurface(kSurfaceFlags, width, height, 16, shown->Rmask, shown->Gmask,
                                    shown->Bmask, 0);
    }
    case 8: {
        SDL_Surface* made = SDL_CreateRGBSurface(kSurfaceFlags, width, height, 8, 0, 0, 0, 0);
        const SDL_Palette* shared = SDL_GetVideoSurface()->format->palette;
        if (made != nullptr && shared != nullptr) {
            SDL_SetPalette(made, SDL_LOGPAL | SDL_PHYSPAL, shared->colors, 0, shared->ncolors);
        }
        return made;
    }
    default:
        return nullptr;
    }
}

} // namespace

SurfaceHolder::SurfaceHolder(int32_t width, int32_t height) : width(width), height(height) {}

SurfaceHolder::~SurfaceHolder() {
    ownBlitter.reset();
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
}

int32_t SurfaceHolder::displayDepth() {
    const SDL_Surface* display = SDL_GetVideoSurface();
    return display == nullptr ? 0 : display->format->BitsPerPixel;
}

bool SurfaceHolder::createSurface() {
    dropSurface();
    if (width >= 0 && height >= 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide) {
        surface = makeSurface(width, height, displayDepth());
    }
    if (surface == nullptr) {
        error("OUT OF MEMORY, cannot create surface");
        return false;
    }
    fillFormatSummary();
    return true;
}

void SurfaceHolder::dropSurface() {
    // A view made on the old surface would point into freed memory.
    ownBlitter.reset();
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}

void SurfaceHolder::fillFormatSummary() {
    if (surface == nullptr) {
        return;
    }
    const SDL_PixelFormat* format = surface->format;
    if (format->BitsPerPixel == 8) {
        redMask = greenMask = blueMask = kPaletteModeMask;
        redShift = greenShift = blueShift = 0;
        redLoss = greenLoss = blueLoss = 0;
        return;
    }
    redMask = format->Rmask;
    greenMask = format->Gmask;
    blueMask = format->Bmask;
    redShift = format->Rshift;
    greenShift = format->Gshift;
    blueShift = format->Bshift;
    redLoss = format->Rloss;
    greenLoss = format->Gloss;
    blueLoss = format->Bloss;
}

void SurfaceHolder::copyFormatSummary(const SurfaceHolder& other) {
    redMask = other.redMask;
    greenMask = other.greenMask;
    blueMask = other.blueMask;
    redShift = other.redShift;
    greenShift = other.greenShift;
    blueShift = other.blueShift;
    redLoss = other.redLoss;
    greenLoss = other.greenLoss;
    blueLoss = other.blueLoss;
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

void SurfaceHolder::refreshColorKey() {
    if (surface != nullptr) {
        colorKey = surface->format->colorkey;
    }
}

void SurfaceHolder::blit(SurfaceHolder* source) {
    blitter().blit(source);
}

void SurfaceHolder::blitAt(SurfaceHolder* source, int32_t x, int32_t y) {
    blitter().blitAt(source, x, y);
}

void SurfaceHolder::blitPart(SurfaceHolder* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                             int32_t w, int32_t h) {
    blitter().blitPart(source, dx, dy, sx, sy, w, h);
}

void SurfaceHolder::blitBox(SurfaceHolder* source, int32_t x, int32_t y, int32_t w, int32_t h) {
    blitter().blitBox(source, x, y, w, h);
}

void SurfaceHolder::blitAtAlpha(SurfaceHolder* source, int32_t x, int32_t y, uint8_t alpha) {
    blitter().blitAtAlpha(source, x, y, alpha);
}

void SurfaceHolder::blitPartAlpha(SurfaceHolder* source, int32_t dx, int32_t dy, int32_t sx,
                                  int32_t sy, int32_t w, int32_t h, uint8_t alpha) {
    blitter().blitPartAlpha(source, dx, dy, sx, sy, w, h, alpha);
}

void SurfaceHolder::blitBoxAlpha(SurfaceHolder* source, int32_t x, int32_t y, int32_t w, int32_t h,
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

void SurfaceHolder::keyFromColor(uint8_t r, uint8_t g, uint8_t b) {
    if (surface == nullptr) {
        return;
    }
    const Uint32 key = SDL_MapRGB(surface->format, r, g, b);
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
    refreshColorKey();
}

uint32_t SurfaceHolder::mapColor(uint8_t r, uint8_t g, uint8_t b) {
    return blitter().mapColor(r, g, b);
}
