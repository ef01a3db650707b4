#include "gfx/Surface.h"

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

Surface::~Surface() {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
}

int32_t Surface::displayDepth() {
    const SDL_Surface* display = SDL_GetVideoSurface();
    return display == nullptr ? 0 : display->format->BitsPerPixel;
}

bool Surface::createSurface() {
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

void Surface::fillFormatSummary() {
    if (surface == nullptr) {
        return;
    }
    const SDL_PixelFormat* format = surface->format;
    if (format->BitsPerPixel == 8) {
        redMask = greenMask = blueMask = kPaletteModeMask;
        return;
    }
    redMask = format->Rmask;
    greenMask = format->Gmask;
    blueMask = format->Bmask;
}

void Surface::copyFormatSummary(const Surface& other) {
    redMask = other.redMask;
    greenMask = other.greenMask;
    blueMask = other.blueMask;
}

void Surface::refreshColorKey() {
    if (surface != nullptr) {
        colorKey = surface->format->colorkey;
    }
}

void Surface::keyFromColor(uint8_t r, uint8_t g, uint8_t b) {
    if (surface == nullptr) {
        return;
    }
    const Uint32 key = SDL_MapRGB(surface->format, r, g, b);
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
    refreshColorKey();
}

void Surface::dropSurface() {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}
