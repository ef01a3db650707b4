// Whatever layout pictures and sprites are kept in, the screen must look
// exactly as it did when they were kept in the stored layout (red in the low
// bits) and SDL converted every blit: each kind of blit the game makes is
// drawn both ways onto the same screen and the bytes compared.
#include <SDL.h>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/TestPictures.h"

namespace {

using DisplayLayout = DisplayTest;

constexpr int kSide = 37;

// The same picture, colour for colour, in the old stored layout.
SDL_Surface* storedLayoutCopy(const Picture& picture) {
    SDL_Surface* old = SDL_CreateRGBSurface(SDL_SWSURFACE, picture.width, picture.height, 16,
                                            0x001F, 0x07E0, 0xF800, 0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t c = picture.at(x, y);
            const auto value = Uint16(SDL_MapRGB(old->format, Uint8(c >> 16), Uint8(c >> 8), Uint8(c)));
            static_cast<Uint16*>(old->pixels)[y * old->pitch / 2 + x] = value;
        }
    }
    return old;
}

void fillFrom(SurfaceHolder& holder, const Picture& picture) {
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t c = picture.at(x, y);
            holder.putPixel(x, y, holder.mapColor(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)));
        }
    }
}

// A pattern with black holes, which sprites leave transparent.
Picture spritePicture() {
    Picture picture = patternPicture(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if ((x * 7 + y * 3) % 5 == 0 || (x > 10 && x < 20)) {
                picture.at(x, y) = 0;
            }
        }
    }
    return picture;
}

// What the screen holds, after a backdrop that every blit mode changes.
std::vector<uint8_t> drawnBytes(const std::function<void()>& draw) {
    SDL_Surface* shown = screen->getSurface();
    for (int y = 0; y < shown->h; ++y) {
        auto* row = reinterpret_cast<Uint16*>(static_cast<Uint8*>(shown->pixels) + y * shown->pitch);
        for (int x = 0; x < shown->w; ++x) {
            row[x] = Uint16(x * 131 + y * 977);
        }
    }
    draw();
    const auto* bytes = static_cast<const uint8_t*>(shown->pixels);
    return std::vector<uint8_t>(bytes, bytes + shown->pitch * shown->h);
}

struct Placement {
    int dx, dy, sx, sy, w, h;
};

// Inside, across every screen edge, and with source rectangles that start
// before the picture or run past it.
const Placement kPlacements[] = {
    {100, 80, 0, 0, kSide, kSide},  {-9, -5, 0, 0, kSide, kSide}, {620, 470, 0, 0, kSide, kSide},
    {50, 60, 5, 7, 20, 11},         {50, 60, -4, -6, 20, 30},     {50, 60, 30, 30, 20, 20},
    {-30, 300, 3, 0, 30, kSide},    {300, -20, 0, 2, kSide, 30},  {639, 479, 0, 0, kSide, kSide},
};

TEST_F(DisplayLayout, OpaqueAndKeyedBlitsMatchTheStoredLayoutByteForByte) {
    openDisplay(16);
    const Picture picture = spritePicture();
    SDL_Surface* old = storedLayoutCopy(picture);
    auto plain = madeHolder(kSide, kSide);
    fillFrom(*plain, picture);
    // Sprites are keyed on black as a Bob keys them.
    Bob sprite(kSide, kSide);
    fillFrom(sprite, picture);
    for (const bool keyed : {false, true}) {
        SurfaceHolder& holder = keyed ? static_cast<SurfaceHolder&>(sprite) : *plain;
        SDL_SetColorKey(old, keyed ? SDL_SRCCOLORKEY : 0, 0);
        for (const Placement& p : kPlacements) {
            SCOPED_TRACE(testing::Message() << "keyed " << keyed << " at " << p.dx << "," << p.dy
                                            << " from " << p.sx << "," << p.sy);
            const auto drawn = drawnBytes([&] { screen->blitPart(&holder, p.dx, p.dy, p.sx, p.sy, p.w, p.h); });
            const auto wanted = drawnBytes([&] {
                SDL_Rect from{Sint16(p.sx), Sint16(p.sy), Uint16(p.w), Uint16(p.h)};
                SDL_Rect to{Sint16(p.dx), Sint16(p.dy), 0, 0};
                SDL_BlitSurface(old, &from, screen->getSurface(), &to);
            });
            ASSERT_EQ(drawn, wanted);
        }
    }
    SDL_FreeSurface(old);
}

// Translucent text and pictures (console, help, credits) blend as they did.
TEST_F(DisplayLayout, TranslucentBlitsBlendAsTheStoredLayoutDid) {
    openDisplay(16);
    const Picture picture = spritePicture();
    SDL_Surface* old = storedLayoutCopy(picture);
    auto holder = madeHolder(kSide, kSide);
    fillFrom(*holder, picture);
    for (const bool keyed : {false, true}) {
        if (keyed) {
            holder->keyFromColor(0, 0, 0);
        }
        SDL_SetColorKey(old, keyed ? SDL_SRCCOLORKEY : 0, 0);
        for (const int alpha : {0, 1, 7, 8, 9, 100, 128, 200, 254, 255}) {
            for (const Placement& p : kPlacements) {
                SCOPED_TRACE(testing::Message() << "keyed " << keyed << " alpha " << alpha << " at "
                                                << p.dx << "," << p.dy << " from " << p.sx << ","
                                                << p.sy);
                const auto drawn = drawnBytes([&] {
                    screen->blitPartAlpha(holder.get(), p.dx, p.dy, p.sx, p.sy, p.w, p.h,
                                          uint8_t(alpha));
                });
                const auto wanted = drawnBytes([&] {
                    SDL_Rect from{Sint16(p.sx), Sint16(p.sy), Uint16(p.w), Uint16(p.h)};
                    SDL_Rect to{Sint16(p.dx), Sint16(p.dy), 0, 0};
                    SDL_SetAlpha(old, SDL_SRCALPHA, Uint8(alpha));
                    SDL_BlitSurface(old, &from, screen->getSurface(), &to);
                    SDL_SetAlpha(old, 0, 0);
                });
                ASSERT_EQ(drawn, wanted);
            }
        }
        // A whole-picture translucent blit, as the help pages make.
        const auto drawn = drawnBytes([&] { screen->blitBoxAlpha(holder.get(), 11, 13, 0, 0, 77); });
        const auto wanted = drawnBytes([&] {
            SDL_Rect to{11, 13, 0, 0};
            SDL_SetAlpha(old, SDL_SRCALPHA, 77);
            SDL_BlitSurface(old, nullptr, screen->getSurface(), &to);
            SDL_SetAlpha(old, 0, 0);
        });
        EXPECT_EQ(drawn, wanted);
        // The picture itself stays keyed and opaque for later blits.
        EXPECT_EQ((holder->getSurface()->flags & SDL_SRCCOLORKEY) != 0, keyed);
        EXPECT_EQ(holder->getSurface()->flags & SDL_SRCALPHA, 0u);
    }
    SDL_FreeSurface(old);
}

} // namespace
