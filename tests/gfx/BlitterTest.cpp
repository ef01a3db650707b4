// Blits, clipping, colour keys, alpha and pixel reads through the blitters.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Blitter.h"
#include "gfx/Buffer.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"

namespace {

class Blitting : public DisplayTest {
  protected:
    // A holder whose every pixel has its own raw value: 1 + x + 16 * y.
    static void numberPixels(SurfaceHolder& holder) {
        for (int y = 0; y < holder.getHeight(); ++y) {
            for (int x = 0; x < holder.getWidth(); ++x) {
                holder.putPixel(x, y, uint32_t(1 + x + 16 * y));
            }
        }
    }
    static void fill(SurfaceHolder& holder, uint32_t value) {
        SDL_FillRect(holder.getSurface(), nullptr, value);
    }
};

TEST_F(Blitting, AWholeSourceLandsWithItsTopLeftAtThePosition) {
    openDisplay(16);
    SurfaceHolder source(4, 3);
    SurfaceHolder target(10, 10);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    numberPixels(source);
    target.blitAt(&source, 5, 6);
    EXPECT_EQ(target.getPixel(5, 6), 1u);
    EXPECT_EQ(target.getPixel(8, 8), uint32_t(1 + 3 + 32));
    EXPECT_EQ(target.getPixel(4, 6), 0u);
    EXPECT_EQ(target.getPixel(9, 8), 0u);
    target.blit(&source);
    EXPECT_EQ(target.getPixel(0, 0), 1u);
    EXPECT_EQ(target.getPixel(3, 2), uint32_t(1 + 3 + 32));
}

TEST_F(Blitting, APartIsCutFromTheSource) {
    openDisplay(24);
    SurfaceHolder source(8, 8);
    SurfaceHolder target(8, 8);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    numberPixels(source);
    target.blitPart(&source, 1, 2, 3, 4, 2, 3);
    EXPECT_EQ(target.getPixel(1, 2), uint32_t(1 + 3 + 64));
    EXPECT_EQ(target.getPixel(2, 4), uint32_t(1 + 4 + 96));
    EXPECT_EQ(target.getPixel(3, 2), 0u);
    EXPECT_EQ(target.getPixel(1, 5), 0u);
    // Empty and negative parts draw nothing.
    target.blitPart(&source, 6, 6, 0, 0, 0, 2);
    target.blitPart(&source, 6, 6, 0, 0, 2, -1);
    EXPECT_EQ(target.getPixel(6, 6), 0u);
}

TEST_F(Blitting, ABoxIgnoresItsSize) {
    openDisplay(16);
    SurfaceHolder source(3, 3);
    SurfaceHolder target(8, 8);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    numberPixels(source);
    target.blitBox(&source, 2, 2, 1, 1);
    EXPECT_EQ(target.getPixel(4, 4), uint32_t(1 + 2 + 32));
    target.blitBoxAlpha(&source, 5, 0, 0, 0, 255);
    EXPECT_EQ(target.getPixel(7, 2), uint32_t(1 + 2 + 32));
}

TEST_F(Blitting, EdgesClipAndNeverWrap) {
    openDisplay(16);
    SurfaceHolder source(4, 4);
    SurfaceHolder target(10, 6);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    numberPixels(source);
    target.blitAt(&source, -2, -3);
    EXPECT_EQ(target.getPixel(0, 0), uint32_t(1 + 2 + 48));
    EXPECT_EQ(target.getPixel(1, 0), uint32_t(1 + 3 + 48));
    EXPECT_EQ(target.getPixel(2, 0), 0u);
    EXPECT_EQ(target.getPixel(0, 1), 0u);
    target.blitAt(&source, 8, 4);
    EXPECT_EQ(target.getPixel(9, 5), uint32_t(1 + 1 + 16));
    // Nothing of what lies beyond the right edge shows at the left.
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(target.getPixel(0, y), y == 0 ? uint32_t(51) : 0u) << y;
    }
}

TEST_F(Blitting, WhollyOutsideDrawsNothing) {
    openDisplay(16);
    SurfaceHolder source(4, 4);
    SurfaceHolder target(10, 6);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    numberPixels(source);
    for (auto [x, y] : {std::pair{10, 0},
                        {-4, 0},
                        {0, 6},
                        {0, -4},
                        {65536 + 2, 1},
                        {2, 65536 + 1},
                        {-65536 + 2, 1},
                        {1 << 30, 0}}) {
        target.blitAt(&source, x, y);
        target.blitPart(&source, x, y, 0, 0, 4, 4);
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(target.getPixel(x, y), 0u) << x << "," << y;
        }
    }
}

TEST_F(Blitting, EightBitBlitsCopyPaletteIndices) {
    openDisplay(8);
    SurfaceHolder source(16, 16);
    ASSERT_TRUE(source.createSurface());
    for (int i = 0; i < 256; ++i) {
        source.putPixel(i % 16, i / 16, uint32_t(i));
    }
    screen->blitAt(&source, 3, 3);
    const SDL_Surface* display = SDL_GetVideoSurface();
    for (int i = 0; i < 256; ++i) {
        const auto* row =
            static_cast<const Uint8*>(display->pixels) + (3 + i / 16) * display->pitch;
        EXPECT_EQ(row[3 + i % 16], i);
    }
}

TEST_F(Blitting, TheCornerNamesTheTransparentColour) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        SurfaceHolder source(3, 1);
        SurfaceHolder target(3, 1);
        ASSERT_TRUE(source.createSurface());
        ASSERT_TRUE(target.createSurface());
        source.putPixel(0, 0, 7);
        source.putPixel(1, 0, 9);
        source.putPixel(2, 0, 7);
        fill(target, 5);
        source.keyFromCorner();
        EXPECT_EQ(source.getColorKey(), 7u);
        EXPECT_EQ(source.getSurface()->format->colorkey, 7u);
        target.blit(&source);
        const auto* pixels = static_cast<const Uint8*>(target.getSurface()->pixels);
        const int bytes = target.getSurface()->format->BytesPerPixel;
        EXPECT_EQ(pixels[0], 5);
        EXPECT_EQ(pixels[bytes], 9);
        EXPECT_EQ(pixels[2 * bytes], 5);
    }
}

TEST_F(Blitting, AColourCanBeMadeTransparent) {
    openDisplay(16);
    SurfaceHolder source(2, 1);
    SurfaceHolder target(2, 1);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    source.putPixel(0, 0, source.mapColor(255, 255, 255));
    source.putPixel(1, 0, source.mapColor(0, 255, 0));
    fill(target, 3);
    source.keyFromColor(255, 255, 255);
    EXPECT_EQ(source.getColorKey(), 0xFFFFu);
    target.blit(&source);
    EXPECT_EQ(target.getPixel(0, 0), 3u);
    EXPECT_EQ(target.getPixel(1, 0), 0x07E0u);
}

TEST_F(Blitting, AWholeSourceAlphaDrawIsOpaque) {
    openDisplay(16);
    SurfaceHolder source(2, 2);
    SurfaceHolder target(2, 2);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    fill(source, source.mapColor(248, 0, 0));
    fill(target, target.mapColor(0, 0, 248));
    target.blitAtAlpha(&source, 0, 0, 10);
    EXPECT_EQ(target.getPixel(1, 1), target.mapColor(248, 0, 0));
}

TEST_F(Blitting, APartialAlphaDrawBlendsAndLeavesTheSourceOpaque) {
    openDisplay(24);
    SurfaceHolder source(2, 2);
    SurfaceHolder target(2, 2);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    fill(source, source.mapColor(200, 0, 0));
    fill(target, target.mapColor(0, 0, 200));
    target.blitPartAlpha(&source, 0, 0, 0, 0, 1, 1, 128);
    const uint32_t blended = target.getPixel(0, 0);
    EXPECT_NEAR(int(blended >> 16 & 0xFF), 100, 2);
    EXPECT_NEAR(int(blended & 0xFF), 100, 2);
    EXPECT_EQ(source.getSurface()->flags & SDL_SRCALPHA, 0u);
    target.blitPart(&source, 1, 1, 0, 0, 1, 1);
    EXPECT_EQ(target.getPixel(1, 1), target.mapColor(200, 0, 0));
    target.blitBoxAlpha(&source, 0, 1, 9, 9, 64);
    EXPECT_NE(target.getPixel(0, 1), target.mapColor(200, 0, 0));
    EXPECT_NE(target.getPixel(0, 1), target.mapColor(0, 0, 200));
    EXPECT_EQ(source.getSurface()->flags & SDL_SRCALPHA, 0u);
}

TEST_F(Blitting, EightBitPixelsReadAsTheirPaletteColour) {
    openDisplay(8);
    SDL_Color colours[3] = {{0xFF, 0xE3, 0xD0, 0}, {0xFF, 0xE3, 0xCF, 0}, {0x12, 0x34, 0x56, 0}};
    SDL_SetPalette(SDL_GetVideoSurface(), SDL_LOGPAL | SDL_PHYSPAL, colours, 10, 3);
    SurfaceHolder holder(3, 1);
    ASSERT_TRUE(holder.createSurface());
    holder.putPixel(0, 0, 10);
    holder.putPixel(1, 0, 11);
    holder.putPixel(2, 0, 12);
    EXPECT_EQ(holder.getPixel(2, 0), 0x123456u);
    EXPECT_TRUE(holder.isWhite(0, 0));
    EXPECT_FALSE(holder.isWhite(1, 0));
    EXPECT_FALSE(holder.isWhite(2, 0));
}

TEST_F(Blitting, OnlyFullWhitePassesTheWhiteTest) {
    openDisplay(16);
    SurfaceHolder sixteen(2, 1);
    ASSERT_TRUE(sixteen.createSurface());
    sixteen.putPixel(0, 0, 0xFFFF);
    sixteen.putPixel(1, 0, 0xFFFE);
    EXPECT_TRUE(sixteen.isWhite(0, 0));
    EXPECT_FALSE(sixteen.isWhite(1, 0));
    openDisplay(24);
    SurfaceHolder deep(2, 1);
    ASSERT_TRUE(deep.createSurface());
    deep.putPixel(0, 0, 0xFFFFFF);
    deep.putPixel(1, 0, 0xFFFFFE);
    EXPECT_TRUE(deep.isWhite(0, 0));
    EXPECT_FALSE(deep.isWhite(1, 0));
}

TEST_F(Blitting, PixelsOutsideTheSurfaceReadAsZeroAndAreNotWritten) {
    openDisplay(24);
    SurfaceHolder holder(3, 3);
    ASSERT_TRUE(holder.createSurface());
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {1 << 30, 1}}) {
        holder.putPixel(x, y, 0xABCDEF);
        EXPECT_EQ(holder.getPixel(x, y), 0u);
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(holder.getPixel(x, y), 0u);
        }
    }
    holder.putPixel(2, 2, 0xABCDEF);
    EXPECT_EQ(holder.getPixel(2, 2), 0xABCDEFu);
    EXPECT_EQ(holder.getPixel(1, 2), 0u);
}

TEST_F(Blitting, TheBaseBlitterOnlyComplains) {
    openDisplay(16);
    SurfaceHolder source(2, 2);
    SurfaceHolder target(2, 2);
    ASSERT_TRUE(source.createSurface());
    ASSERT_TRUE(target.createSurface());
    fill(source, 0x1234);
    Blitter base(&target);
    testing::internal::CaptureStderr();
    base.blit(&source);
    base.blitAt(&source, 0, 0);
    base.blitBox(&source, 0, 0, 2, 2);
    base.blitAtAlpha(&source, 0, 0, 9);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Why are we here?");
    testing::internal::CaptureStderr();
    base.blitPart(&source, 0, 0, 0, 0, 2, 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Why are we here (2)?");
    testing::internal::CaptureStderr();
    base.blitPartAlpha(&source, 0, 0, 0, 0, 2, 2, 9);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Why are we here (3)?Why are we here (2)?");
    base.putPixel(0, 0, 0x5555);
    base.keyFromCorner();
    EXPECT_EQ(base.getPixel(0, 0), 0u);
    EXPECT_EQ(target.getPixel(0, 0), 0u);
    EXPECT_EQ(base.mapColor(255, 0, 0), 0x001Fu);
    EXPECT_EQ(base.getTarget(), &target);
    EXPECT_EQ(base.getSurface(), target.getSurface());
}

} // namespace
