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
    static std::unique_ptr<SurfaceHolder> numbered(int width, int height) {
        auto holder = madeHolder(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                holder->putPixel(x, y, uint32_t(1 + x + 16 * y));
            }
        }
        return holder;
    }
    static uint32_t number(int x, int y) { return uint32_t(1 + x + 16 * y); }
    static void fill(SurfaceHolder& holder, uint32_t value) {
        SDL_FillRect(holder.getSurface(), nullptr, value);
    }
};

TEST_F(Blitting, SourcesAndPartsLandWithTheirTopLeftAtThePosition) {
    for (int depth : {16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        auto source = numbered(4, 3);
        auto target = madeHolder(12, 12);
        target->blitAt(source.get(), 5, 6);
        EXPECT_EQ(target->getPixel(5, 6), number(0, 0));
        EXPECT_EQ(target->getPixel(8, 8), number(3, 2));
        EXPECT_EQ(target->getPixel(4, 6), 0u);
        EXPECT_EQ(target->getPixel(9, 8), 0u);
        target->blit(source.get());
        EXPECT_EQ(target->getPixel(3, 2), number(3, 2));
        // A box ignores its size, with or without alpha.
        target->blitBox(source.get(), 8, 0, 1, 1);
        EXPECT_EQ(target->getPixel(11, 2), number(3, 2));
        target->blitBoxAlpha(source.get(), 0, 9, 0, 0, 255);
        EXPECT_EQ(target->getPixel(3, 11), number(3, 2));
        fill(*target, 0);
        target->blitPart(source.get(), 1, 2, 3, 1, 1, 2);
        EXPECT_EQ(target->getPixel(1, 2), number(3, 1));
        EXPECT_EQ(target->getPixel(1, 3), number(3, 2));
        EXPECT_EQ(target->getPixel(2, 2), 0u);
        EXPECT_EQ(target->getPixel(1, 4), 0u);
        // Empty and negative parts draw nothing.
        target->blitPart(source.get(), 6, 6, 0, 0, 0, 2);
        target->blitPart(source.get(), 6, 6, 0, 0, 2, -1);
        EXPECT_EQ(target->getPixel(6, 6), 0u);
    }
}

TEST_F(Blitting, EdgesClipAndNothingWrapsRound) {
    openDisplay(16);
    auto source = numbered(4, 4);
    auto target = madeHolder(10, 6);
    // Wholly outside, even where 16-bit rectangle positions would wrap.
    const int outside[][2] = {{10, 0},        {-4, 0},        {0, 6},          {0, -4},
                              {65536 + 2, 1}, {2, 65536 + 1}, {-65536 + 2, 1}, {1 << 30, 0}};
    for (auto [x, y] : outside) {
        target->blitAt(source.get(), x, y);
        target->blitPart(source.get(), x, y, 0, 0, 4, 4);
    }
    expectPicture(*target, Picture(10, 6));
    target->blitAt(source.get(), -2, -3);
    target->blitAt(source.get(), 8, 4);
    Picture clipped(10, 6);
    clipped.at(0, 0) = number(2, 3);
    clipped.at(1, 0) = number(3, 3);
    clipped.fillBox(8, 4, 2, 2, number(0, 0));
    clipped.at(9, 4) = number(1, 0);
    clipped.at(8, 5) = number(0, 1);
    clipped.at(9, 5) = number(1, 1);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(target->getPixel(x, y), clipped.at(x, y)) << x << "," << y;
        }
    }
}

TEST_F(Blitting, EightBitPixelsAreCopiedAsIndicesAndReadAsTheirColour) {
    openDisplay(8);
    SDL_Color colours[3] = {{0xFF, 0xE3, 0xD0, 0}, {0xFF, 0xE3, 0xCF, 0}, {0x12, 0x34, 0x56, 0}};
    SDL_SetPalette(SDL_GetVideoSurface(), SDL_LOGPAL | SDL_PHYSPAL, colours, 10, 3);
    auto source = madeHolder(16, 16);
    for (int i = 0; i < 256; ++i) {
        source->putPixel(i % 16, i / 16, uint32_t(i));
    }
    screen->blitAt(source.get(), 3, 3);
    const SDL_Surface* display = SDL_GetVideoSurface();
    for (int i = 0; i < 256; ++i) {
        const auto* row =
            static_cast<const Uint8*>(display->pixels) + (3 + i / 16) * display->pitch;
        EXPECT_EQ(row[3 + i % 16], i);
    }
    EXPECT_EQ(source->getPixel(12, 0), 0x123456u);
    // Nearly white passes the white test in a palette.
    EXPECT_TRUE(source->isWhite(10, 0));
    EXPECT_FALSE(source->isWhite(11, 0));
    EXPECT_FALSE(source->isWhite(12, 0));
}

TEST_F(Blitting, OnlyFullWhitePassesTheWhiteTest) {
    for (auto [depth, white] : {std::pair{16, 0xFFFFu}, {24, 0xFFFFFFu}}) {
        openDisplay(depth);
        auto holder = madeHolder(2, 1);
        holder->putPixel(0, 0, white);
        holder->putPixel(1, 0, white - 1);
        EXPECT_TRUE(holder->isWhite(0, 0)) << depth;
        EXPECT_FALSE(holder->isWhite(1, 0)) << depth;
    }
}

TEST_F(Blitting, TheCornerOrAColourNamesTheTransparentColour) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        auto source = madeHolder(3, 1);
        auto target = madeHolder(3, 1);
        source->putPixel(0, 0, 7);
        source->putPixel(1, 0, 9);
        source->putPixel(2, 0, 7);
        fill(*target, 5);
        source->keyFromCorner();
        EXPECT_EQ(source->getColorKey(), 7u);
        EXPECT_EQ(source->getSurface()->format->colorkey, 7u);
        target->blit(source.get());
        const auto* pixels = static_cast<const Uint8*>(target->getSurface()->pixels);
        const int bytes = target->getSurface()->format->BytesPerPixel;
        EXPECT_EQ(pixels[0], 5);
        EXPECT_EQ(pixels[bytes], 9);
        EXPECT_EQ(pixels[2 * bytes], 5);
    }
    openDisplay(16);
    auto source = madeHolder(2, 1);
    auto target = madeHolder(2, 1);
    source->putPixel(0, 0, source->mapColor(255, 255, 255));
    source->putPixel(1, 0, source->mapColor(0, 255, 0));
    fill(*target, 3);
    source->keyFromColor(255, 255, 255);
    EXPECT_EQ(source->getColorKey(), 0xFFFFu);
    target->blit(source.get());
    EXPECT_EQ(target->getPixel(0, 0), 3u);
    EXPECT_EQ(target->getPixel(1, 0), 0x07E0u);
}

TEST_F(Blitting, OnlyPartialAlphaDrawsBlendAndTheSourceStaysOpaque) {
    openDisplay(24);
    auto source = madeHolder(2, 2);
    auto target = madeHolder(2, 2);
    fill(*source, source->mapColor(200, 0, 0));
    fill(*target, target->mapColor(0, 0, 200));
    target->blitAtAlpha(source.get(), 1, 0, 10);
    EXPECT_EQ(target->getPixel(1, 0), target->mapColor(200, 0, 0));
    target->blitPartAlpha(source.get(), 0, 0, 0, 0, 1, 1, 128);
    const uint32_t blended = target->getPixel(0, 0);
    EXPECT_NEAR(int(blended >> 16 & 0xFF), 100, 2);
    EXPECT_NEAR(int(blended & 0xFF), 100, 2);
    EXPECT_EQ(source->getSurface()->flags & SDL_SRCALPHA, 0u);
    target->blitPart(source.get(), 1, 1, 0, 0, 1, 1);
    EXPECT_EQ(target->getPixel(1, 1), target->mapColor(200, 0, 0));
    target->blitBoxAlpha(source.get(), 0, 1, 9, 9, 64);
    EXPECT_NE(target->getPixel(0, 1), target->mapColor(200, 0, 0));
    EXPECT_NE(target->getPixel(0, 1), target->mapColor(0, 0, 200));
    EXPECT_EQ(source->getSurface()->flags & SDL_SRCALPHA, 0u);
}

TEST_F(Blitting, PixelsOutsideTheSurfaceReadAsZeroAndAreNotWritten) {
    openDisplay(24);
    auto holder = madeHolder(3, 3);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {1 << 30, 1}}) {
        holder->putPixel(x, y, 0xABCDEF);
        EXPECT_EQ(holder->getPixel(x, y), 0u);
    }
    holder->putPixel(2, 2, 0xABCDEF);
    Picture corner(3, 3);
    corner.at(2, 2) = 0xABCDEF;
    expectPicture(*holder, corner);
}

TEST_F(Blitting, TheBaseBlitterOnlyComplains) {
    openDisplay(16);
    auto source = madeHolder(2, 2);
    auto target = madeHolder(2, 2);
    fill(*source, 0x1234);
    Blitter base(target.get());
    EXPECT_EQ(stderrOf([&] {
                  base.blit(source.get());
                  base.blitAt(source.get(), 0, 0);
                  base.blitBox(source.get(), 0, 0, 2, 2);
                  base.blitAtAlpha(source.get(), 0, 0, 9);
              }),
              "Why are we here?");
    EXPECT_EQ(stderrOf([&] { base.blitPart(source.get(), 0, 0, 0, 0, 2, 2); }),
              "Why are we here (2)?");
    EXPECT_EQ(stderrOf([&] { base.blitPartAlpha(source.get(), 0, 0, 0, 0, 2, 2, 9); }),
              "Why are we here (3)?Why are we here (2)?");
    base.putPixel(0, 0, 0x5555);
    EXPECT_EQ(target->getPixel(0, 0), 0u);
}

} // namespace
