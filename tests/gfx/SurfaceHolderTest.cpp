// Surfaces made in the display's depth, their format summary and palettes.
#include <SDL.h>
#include <gtest/gtest.h>
#include <tuple>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Palette.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"

namespace {

using Surfaces = DisplayTest;

TEST_F(Surfaces, SurfacesTakeTheDisplaysDepthAndSummariseTheirFormat) {
    for (int depth : {16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        auto holder = madeHolder(7, 5);
        const SDL_PixelFormat* f = holder->getSurface()->format;
        EXPECT_EQ(f->BitsPerPixel, depth);
        EXPECT_EQ(
            std::make_tuple(holder->getRedMask(), holder->getGreenMask(), holder->getBlueMask(),
                            holder->getRedShift(), holder->getGreenShift(), holder->getBlueShift(),
                            holder->getRedLoss(), holder->getGreenLoss(), holder->getBlueLoss()),
            std::make_tuple(f->Rmask, f->Gmask, f->Bmask, f->Rshift, f->Gshift, f->Bshift, f->Rloss,
                            f->Gloss, f->Bloss));
        // Sixteen-bit pictures keep red in the low bits.
        const auto masks = std::make_tuple(f->Rmask, f->Gmask, f->Bmask);
        EXPECT_EQ(masks, depth == 16 ? std::make_tuple(0x001Fu, 0x07E0u, 0xF800u)
                                     : std::make_tuple(0xFF0000u, 0x00FF00u, 0x0000FFu));
    }
}

TEST_F(Surfaces, EightBitSurfacesCarryTheDisplayPalette) {
    openDisplay(8);
    ASSERT_NE(screen->getPalette(), nullptr);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i] = SDL_Color{Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
    }
    SDL_SetPalette(SDL_GetVideoSurface(), SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
    auto holder = madeHolder(4, 4);
    const SDL_Palette* palette = holder->getSurface()->format->palette;
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->ncolors, 256);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(std::tie(palette->colors[i].r, palette->colors[i].g, palette->colors[i].b),
                  std::tie(colours[i].r, colours[i].g, colours[i].b));
    }
    // Three of these sum to nearly white, for the white test.
    for (SurfaceHolder* h : {holder.get(), static_cast<SurfaceHolder*>(screen)}) {
        EXPECT_EQ(std::make_tuple(h->getRedMask(), h->getGreenMask(), h->getBlueMask()),
                  std::make_tuple(5590000u, 5590000u, 5590000u));
    }
    openDisplay(16);
    EXPECT_EQ(screen->getPalette(), nullptr);
}

TEST_F(Surfaces, NoSurfaceWhereNoneCanBeMade) {
    const std::string outOfMemory = "OUT OF MEMORY, cannot create surface";
    SurfaceHolder beforeDisplay(4, 4);
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(beforeDisplay.createSurface()); }), outOfMemory);
    EXPECT_EQ(SurfaceHolder::displayDepth(), 0);
    openDisplay(16);
    for (auto [w, h] : {std::pair{-1, 4}, {4, -1}, {100000, 1}, {1, 100000}}) {
        SurfaceHolder holder(w, h);
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(holder.createSurface()); }), outOfMemory);
    }
    openDisplay(32);
    SurfaceHolder otherDepth(4, 4);
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(otherDepth.createSurface()); }), outOfMemory);
    EXPECT_EQ(otherDepth.getSurface(), nullptr);
    EXPECT_EQ(otherDepth.getRedMask(), 0u);
}

TEST_F(Surfaces, AHolderWithoutSurfaceDrawsAndIsDrawnAsNothing) {
    openDisplay(16);
    SurfaceHolder empty(4, 4);
    auto real = madeHolder(4, 4);
    real->putPixel(1, 1, 0x1234);
    real->blitAt(&empty, 0, 0);
    empty.blitAt(real.get(), 0, 0);
    empty.blitPartAlpha(real.get(), 0, 0, 0, 0, 2, 2, 100);
    empty.keyFromCorner();
    empty.keyFromColor(1, 2, 3);
    real->blitAt(nullptr, 0, 0);
    EXPECT_EQ(real->getPixel(1, 1), 0x1234u);
    EXPECT_EQ(empty.getPixel(1, 1), 0u);
    EXPECT_FALSE(empty.isWhite(0, 0));
    // A recreated surface starts afresh, and a dropped one reads as nothing.
    real->createSurface();
    EXPECT_EQ(real->getPixel(1, 1), 0u);
    real->putPixel(1, 1, 0x2222);
    EXPECT_EQ(real->getPixel(1, 1), 0x2222u);
    real->dropSurface();
    EXPECT_EQ(real->getSurface(), nullptr);
    EXPECT_EQ(real->getPixel(1, 1), 0u);
}

TEST_F(Surfaces, TheWindowIsCaptionedAndTheScreenFlipped) {
    openDisplay(16);
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "LinuxKravex");
    EXPECT_STREQ(icon, "./kravex2.ico");
    EXPECT_EQ(screen->getSurface(), SDL_GetVideoSurface());
    screen->putPixel(101, 51, 0x1234);
    screen->flip();
    EXPECT_EQ(screen->getPixel(101, 51), 0x1234u);
}

} // namespace
