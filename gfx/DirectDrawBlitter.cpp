#include "gfx/DirectDrawBlitter.h"

#include <algorithm>
#include <limits>

#include "gfx/SurfaceLock.h"

namespace {

// SDL 1.2 rectangles hold 16-bit positions; anything beyond would wrap round
// and land on screen, so such blits are dropped (they are off-target anyway).
bool fitsRect(int32_t x, int32_t y) {
    constexpr int32_t lowest = std::numeric_limits<Sint16>::min();
    constexpr int32_t highest = std::numeric_limits<Sint16>::max();
    return x >= lowest && x <= highest && y >= lowest && y <= highest;
}

// Translucent blits are blended in the layout our 16-bit pictures are stored
// in, red in the low bits. SDL blends a picture in the display's own 5-6-5
// layout with an alpha of 5 bits, one in another layout with 8, and the
// pictures must look as they always have.
constexpr Uint32 kBlendRedMask16 = 0x001F;
constexpr Uint32 kBlendGreenMask16 = 0x07E0;
constexpr Uint32 kBlendBlueMask16 = 0xF800;

bool needsBlendCopy(const SDL_Surface* source) {
    const SDL_PixelFormat* f = source->format;
    return f->BytesPerPixel == 2 && (f->Rmask != kBlendRedMask16 || f->Gmask != kBlendGreenMask16 ||
                                     f->Bmask != kBlendBlueMask16);
}

// Cuts a source rectangle to the source the way SDL's blit does, moving the
// destination along; false when nothing is left.
bool clipToSource(const SDL_Surface* source, SDL_Rect& from, SDL_Rect& to) {
    if (from.x < 0) {
        from.w = Uint16(std::max(0, from.w + from.x));
        to.x = Sint16(to.x - from.x);
        from.x = 0;
    }
    if (from.y < 0) {
        from.h = Uint16(std::max(0, from.h + from.y));
        to.y = Sint16(to.y - from.y);
        from.y = 0;
    }
    from.w = Uint16(std::max(0, std::min<int>(from.w, source->w - from.x)));
    from.h = Uint16(std::max(0, std::min<int>(from.h, source->h - from.y)));
    return from.w > 0 && from.h > 0;
}

// The rectangle of a source in the blending layout, colour key included.
SDL_Surface* blendCopy(SDL_Surface* source, SDL_Rect from) {
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, from.w, from.h, 16, kBlendRedMask16,
                                             kBlendGreenMask16, kBlendBlueMask16, 0);
    if (copy == nullptr) {
        return nullptr;
    }
    const bool keyed = (source->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 key = source->format->colorkey;
    if (keyed) {
        SDL_SetColorKey(source, 0, 0);
    }
    SDL_BlitSurface(source, &from, copy, nullptr);
    if (keyed) {
        SDL_SetColorKey(source, SDL_SRCCOLORKEY, key);
        Uint8 r = 0;
        Uint8 g = 0;
        Uint8 b = 0;
        SDL_GetRGB(key, source->format, &r, &g, &b);
        SDL_SetColorKey(copy, SDL_SRCCOLORKEY, SDL_MapRGB(copy->format, r, g, b));
    }
    return copy;
}

} // namespace

DirectDrawBlitter::DirectDrawBlitter(Surface* target) : Blitter(target) {}

bool DirectDrawBlitter::inside(int32_t x, int32_t y) const {
    return surface != nullptr && x >= 0 && y >= 0 && x < surface->w && y < surface->h;
}

void DirectDrawBlitter::keyFromCorner() {
    if (!inside(0, 0)) {
        return;
    }
    Uint32 key = 0;
    {
        SurfaceLock lock(surface);
        const auto* corner = static_cast<const Uint8*>(surface->pixels);
        switch (surface->format->BytesPerPixel) {
        case 1:
            key = corner[0];
            break;
        case 2:
            key = *reinterpret_cast<const Uint16*>(corner);
            break;
        case 3:
            key = corner[0] | corner[1] << 8 | corner[2] << 16;
            break;
        default:
            return;
        }
    }
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
}

void DirectDrawBlitter::blitRect(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                                 int32_t sy, int32_t w, int32_t h) {
    if (source == nullptr || source->getSurface() == nullptr || surface == nullptr) {
        return;
    }
    if (w <= 0 || h <= 0 || !fitsRect(dx, dy) || !fitsRect(sx, sy) || !fitsRect(w, h)) {
        return;
    }
    SDL_Rect from{static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    SDL_Rect to{static_cast<Sint16>(dx), static_cast<Sint16>(dy), 0, 0};
    SDL_BlitSurface(source->getSurface(), &from, surface, &to);
}

void DirectDrawBlitter::blit(Surface* source) {
    blitAt(source, 0, 0);
}

void DirectDrawBlitter::blitAt(Surface* source, int32_t x, int32_t y) {
    if (source != nullptr) {
        blitRect(source, x, y, 0, 0, source->getWidth(), source->getHeight());
    }
}

void DirectDrawBlitter::blitPart(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                                 int32_t sy, int32_t w, int32_t h) {
    blitRect(source, dx, dy, sx, sy, w, h);
}

void DirectDrawBlitter::blitBox(Surface* source, int32_t x, int32_t y, int32_t, int32_t) {
    blitAt(source, x, y);
}

void DirectDrawBlitter::blitRectAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                                      int32_t sy, int32_t w, int32_t h, uint8_t alpha) {
    if (source == nullptr || source->getSurface() == nullptr || surface == nullptr) {
        return;
    }
    if (w <= 0 || h <= 0 || !fitsRect(dx, dy) || !fitsRect(sx, sy) || !fitsRect(w, h)) {
        return;
    }
    SDL_Surface* picture = source->getSurface();
    if (!needsBlendCopy(picture)) {
        SDL_SetAlpha(picture, SDL_SRCALPHA, alpha);
        blitRect(source, dx, dy, sx, sy, w, h);
        // Later plain blits of the source must be opaque again.
        SDL_SetAlpha(picture, 0, 0);
        return;
    }
    SDL_Rect from{Sint16(sx), Sint16(sy), Uint16(w), Uint16(h)};
    SDL_Rect to{Sint16(dx), Sint16(dy), 0, 0};
    if (!clipToSource(picture, from, to)) {
        return;
    }
    SDL_Surface* copy = blendCopy(picture, from);
    if (copy != nullptr) {
        SDL_SetAlpha(copy, SDL_SRCALPHA, alpha);
        SDL_BlitSurface(copy, nullptr, surface, &to);
        SDL_FreeSurface(copy);
    }
}

void DirectDrawBlitter::blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                                      int32_t sy, int32_t w, int32_t h, uint8_t alpha) {
    blitRectAlpha(source, dx, dy, sx, sy, w, h, alpha);
}

void DirectDrawBlitter::blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t, int32_t,
                                     uint8_t alpha) {
    if (source != nullptr) {
        blitRectAlpha(source, x, y, 0, 0, source->getWidth(), source->getHeight(), alpha);
    }
}

void DirectDrawBlitter::putPixel(int32_t x, int32_t y, uint32_t value) {
    if (!inside(x, y)) {
        return;
    }
    SurfaceLock lock(surface);
    const int bytes = surface->format->BytesPerPixel;
    Uint8* at = static_cast<Uint8*>(surface->pixels) + x * bytes + y * surface->pitch;
    switch (bytes) {
    case 1:
        at[0] = static_cast<Uint8>(value);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(at) = static_cast<Uint16>(value);
        break;
    case 3:
        at[0] = static_cast<Uint8>(value);
        at[1] = static_cast<Uint8>(value >> 8);
        at[2] = static_cast<Uint8>(value >> 16);
        break;
    case 4:
        *reinterpret_cast<Uint32*>(at) = value;
        break;
    default:
        break;
    }
}

uint32_t DirectDrawBlitter::getPixel(int32_t x, int32_t y) {
    if (!inside(x, y)) {
        return 0;
    }
    SurfaceLock lock(surface);
    const int bytes = surface->format->BytesPerPixel;
    const Uint8* at = static_cast<const Uint8*>(surface->pixels) + x * bytes + y * surface->pitch;
    switch (bytes) {
    case 1: {
        const SDL_Palette* palette = surface->format->palette;
        if (palette == nullptr || at[0] >= palette->ncolors) {
            return 0;
        }
        const SDL_Color& colour = palette->colors[at[0]];
        return uint32_t(colour.r) << 16 | uint32_t(colour.g) << 8 | colour.b;
    }
    case 2:
        return *reinterpret_cast<const Uint16*>(at);
    case 3:
        return at[0] | at[1] << 8 | at[2] << 16;
    case 4:
        return *reinterpret_cast<const Uint32*>(at);
    default:
        return 0;
    }
}
