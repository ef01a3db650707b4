// Surfaces made in the display's depth, their format summary and palettes.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Palette.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"

namespace {

class Surfaces : public DisplayTest {};

TEST_F(Surfaces, SixteenBitSurfacesKeepRedInTheLowBits) {
    openDisplay(16);
    SurfaceHolder holder(7, 5);
    ASSERT_TRUE(holder.createSurface());
    const SDL_PixelFormat* format = holder.getSurface()->format;
    EXPECT_EQ(format->BitsPerPixel, 16);
    EXPECT_EQ(format->Rmask, 0x001Fu);
    EXPECT_EQ(format->Gmask, 0x07E0u);
    EXPECT_EQ(format->Bmask, 0xF800u);
    EXPECT_EQ(holder.getRedMask(), 0x001Fu);
    EXPECT_EQ(holder.getGreenMask(), 0x07E0u);
    EXPECT_EQ(holder.getBlueMask(), 0xF800u);
    EXPECT_EQ(holder.getRedShift(), 0);
    EXPECT_EQ(holder.getGreenShift(), 5);
    EXPECT_EQ(holder.getBlueShift(), 11);
    EXPECT_EQ(holder.getRedLoss(), 3);
    EXPECT_EQ(holder.getGreenLoss(), 2);
    EXPECT_EQ(holder.getBlueLoss(), 3);
    EXPECT_EQ(holder.getSurface()->w, 7);
    EXPECT_EQ(holder.getSurface()->h, 5);
}

TEST_F(Surfaces, TwentyFourBitSurfacesUseSdlsLayout) {
    openDisplay(24);
    SurfaceHolder holder(3, 2);
    ASSERT_TRUE(holder.createSurface());
    const SDL_PixelFormat* format = holder.getSurface()->format;
    EXPECT_EQ(format->BytesPerPixel, 3);
    EXPECT_EQ(holder.getRedMask(), format->Rmask);
    EXPECT_EQ(holder.getGreenMask(), format->Gmask);
    EXPECT_EQ(holder.getBlueMask(), format->Bmask);
    EXPECT_EQ(holder.getRedMask() + holder.getGreenMask() + holder.getBlueMask(), 0xFFFFFFu);
    EXPECT_EQ(holder.getRedShift(), format->Rshift);
    EXPECT_EQ(holder.getBlueLoss(), format->Bloss);
}

TEST_F(Surfaces, EightBitSurfacesCarryTheDisplayPalette) {
    openDisplay(8);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i] = SDL_Color{Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
    }
    SDL_SetPalette(SDL_GetVideoSurface(), SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
    SurfaceHolder holder(4, 4);
    ASSERT_TRUE(holder.createSurface());
    const SDL_Palette* palette = holder.getSurface()->format->palette;
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->ncolors, 256);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(palette->colors[i].r, colours[i].r);
        EXPECT_EQ(palette->colors[i].g, colours[i].g);
        EXPECT_EQ(palette->colors[i].b, colours[i].b);
    }
    EXPECT_EQ(holder.getRedMask(), 5590000u);
    EXPECT_EQ(holder.getGreenMask(), 5590000u);
    EXPECT_EQ(holder.getBlueMask(), 5590000u);
    EXPECT_EQ(holder.getRedShift(), 0);
    EXPECT_EQ(holder.getRedLoss(), 0);
}

TEST_F(Surfaces, OtherDepthsGetNoSurface) {
    openDisplay(32);
    SurfaceHolder holder(4, 4);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(holder.createSurface());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "OUT OF MEMORY, cannot create surface");
    EXPECT_EQ(holder.getSurface(), nullptr);
    EXPECT_EQ(holder.getRedMask(), 0u);
}

TEST_F(Surfaces, ImpossibleSizesGetNoSurface) {
    openDisplay(16);
    for (auto [w, h] : {std::pair{-1, 4}, {4, -1}, {100000, 1}, {1, 100000}}) {
        SurfaceHolder holder(w, h);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(holder.createSurface());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "OUT OF MEMORY, cannot create surface");
    }
}

TEST(SurfacesWithoutDisplay, NoSurfaceBeforeTheDisplayIsOpen) {
    SurfaceHolder holder(4, 4);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(holder.createSurface());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "OUT OF MEMORY, cannot create surface");
    EXPECT_EQ(SurfaceHolder::displayDepth(), 0);
}

TEST_F(Surfaces, AHolderWithoutSurfaceDrawsAndIsDrawnAsNothing) {
    openDisplay(16);
    SurfaceHolder empty(4, 4);
    SurfaceHolder real(4, 4);
    ASSERT_TRUE(real.createSurface());
    real.putPixel(1, 1, 0x1234);
    real.blitAt(&empty, 0, 0);
    empty.blitAt(&real, 0, 0);
    empty.blitPartAlpha(&real, 0, 0, 0, 0, 2, 2, 100);
    empty.keyFromCorner();
    empty.keyFromColor(1, 2, 3);
    real.blitAt(nullptr, 0, 0);
    EXPECT_EQ(real.getPixel(1, 1), 0x1234u);
    EXPECT_EQ(empty.getPixel(1, 1), 0u);
    EXPECT_FALSE(empty.isWhite(0, 0));
}

TEST_F(Surfaces, ARecreatedSurfaceIsDrawnIntoAfresh) {
    openDisplay(16);
    SurfaceHolder holder(4, 4);
    ASSERT_TRUE(holder.createSurface());
    holder.putPixel(0, 0, 0x1111);
    ASSERT_TRUE(holder.createSurface());
    EXPECT_EQ(holder.getPixel(0, 0), 0u);
    holder.putPixel(0, 0, 0x2222);
    EXPECT_EQ(holder.getPixel(0, 0), 0x2222u);
    holder.dropSurface();
    EXPECT_EQ(holder.getSurface(), nullptr);
    EXPECT_EQ(holder.getPixel(0, 0), 0u);
}

class Display : public DisplayTest {};

TEST_F(Display, OnlyEightBitModeHasAPalette) {
    openDisplay(8);
    ASSERT_NE(screen->getPalette(), nullptr);
    EXPECT_EQ(screen->getPalette()->getDisplay(), SDL_GetVideoSurface());
    EXPECT_EQ(screen->getPalette()->getPalette(), SDL_GetVideoSurface()->format->palette);
    EXPECT_EQ(screen->getRedMask(), 5590000u);
    openDisplay(16);
    EXPECT_EQ(screen->getPalette(), nullptr);
    EXPECT_EQ(screen->getDepth(), 16);
    EXPECT_EQ(screen->getRedMask(), SDL_GetVideoSurface()->format->Rmask);
}

TEST_F(Display, TheWindowIsCaptioned) {
    openDisplay(16);
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "LinuxKravex");
    EXPECT_STREQ(icon, "./kravex2.ico");
    EXPECT_EQ(screen->getSurface(), SDL_GetVideoSurface());
}

TEST_F(Display, TheScreenIsDrawnIntoAndFlipped) {
    openDisplay(16);
    SurfaceHolder red(2, 2);
    ASSERT_TRUE(red.createSurface());
    SDL_FillRect(red.getSurface(), nullptr, red.mapColor(255, 0, 0));
    screen->blitAt(&red, 100, 50);
    screen->flip();
    EXPECT_EQ(screen->getPixel(101, 51), screen->mapColor(255, 0, 0));
    EXPECT_EQ(screen->getPixel(102, 51), 0u);
}

} // namespace
