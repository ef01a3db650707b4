// Surfaces in the display's depth and what the blitter does with them: blits,
// clipping, colour keys, alpha, pixel reads and the white test.
#include <SDL.h>
#include <gtest/gtest.h>
#include <tuple>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"

namespace {

using Surfaces = DisplayTest;

uint32_t number(int x, int y) {
    return uint32_t(1 + x + 16 * y);
}

// A holder whose every pixel has its own raw value, number(x, y).
std::unique_ptr<SurfaceHolder> numbered(int width, int height) {
    auto holder = madeHolder(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            holder->putPixel(x, y, number(x, y));
        }
    }
    return holder;
}

void fill(SurfaceHolder& holder, uint32_t value) {
    SDL_FillRect(holder.getSurface(), nullptr, value);
}

TEST_F(Surfaces, SurfacesTakeTheDisplaysDepthFormatAndPalette) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        SDL_Color colours[256];
        for (int i = 0; i < 256; ++i) {
            colours[i] = SDL_Color{Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
        }
        SDL_SetPalette(SDL_GetVideoSurface(), SDL_LOGPAL | SDL_PHYSPAL, colours, 0, 256);
        auto holder = madeHolder(7, 5);
        const SDL_PixelFormat* f = holder->getSurface()->format;
        ASSERT_EQ(f->BitsPerPixel, depth);
        const auto masks =
            std::make_tuple(holder->getRedMask(), holder->getGreenMask(), holder->getBlueMask());
        EXPECT_EQ(screen->getPalette() != nullptr, depth == 8);
        if (depth == 8) {
            ASSERT_EQ(f->palette->ncolors, 256);
            for (int i = 0; i < 256; ++i) {
                const SDL_Color& c = f->palette->colors[i];
                EXPECT_EQ(std::tie(c.r, c.g, c.b),
                          std::tie(colours[i].r, colours[i].g, colours[i].b));
            }
            // Three of these sum to nearly white, for the white test.
            EXPECT_EQ(masks, std::make_tuple(5590000u, 5590000u, 5590000u));
            continue;
        }
        EXPECT_EQ(std::make_tuple(holder->getRedShift(), holder->getGreenShift(),
                                  holder->getBlueShift(), holder->getRedLoss(),
                                  holder->getGreenLoss(), holder->getBlueLoss()),
                  std::make_tuple(f->Rshift, f->Gshift, f->Bshift, f->Rloss, f->Gloss, f->Bloss));
        // Pictures take the display's own layout, so blits to it copy.
        EXPECT_EQ(masks, std::make_tuple(f->Rmask, f->Gmask, f->Bmask));
        EXPECT_EQ(masks, depth == 16 ? std::make_tuple(0xF800u, 0x07E0u, 0x001Fu)
                                     : std::make_tuple(0xFF0000u, 0x00FF00u, 0x0000FFu));
    }
}

TEST_F(Surfaces, NoSurfaceWithoutADisplayOfAUsableDepthOrAtAnAbsurdSize) {
    const std::string outOfMemory = "OUT OF MEMORY, cannot create surface";
    auto refused = [&](int w, int h) {
        SurfaceHolder holder(w, h);
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(holder.createSurface()); }), outOfMemory);
        EXPECT_EQ(holder.getSurface(), nullptr);
        EXPECT_EQ(holder.getRedMask(), 0u);
    };
    refused(4, 4);
    EXPECT_EQ(SurfaceHolder::displayDepth(), 0);
    openDisplay(16);
    for (auto [w, h] : {std::pair{-1, 4}, {4, -1}, {100000, 1}, {1, 100000}}) {
        refused(w, h);
    }
    openDisplay(32);
    refused(4, 4);
}

TEST_F(Surfaces, AHolderWithoutSurfaceDrawsAndIsDrawnAsNothing) {
    openDisplay(16);
    SurfaceHolder empty(4, 4);
    auto real = madeHolder(4, 4);
    real->putPixel(1, 1, 0x1234);
    real->blitAt(&empty, 0, 0);
    real->blitAt(nullptr, 0, 0);
    empty.blitAt(real.get(), 0, 0);
    empty.blitPartAlpha(real.get(), 0, 0, 0, 0, 2, 2, 100);
    empty.keyFromCorner();
    empty.keyFromColor(1, 2, 3);
    EXPECT_EQ(real->getPixel(1, 1), 0x1234u);
    EXPECT_EQ(empty.getPixel(1, 1), 0u);
    EXPECT_FALSE(empty.isWhite(0, 0));
    // A recreated surface starts afresh, and a dropped one reads as nothing.
    real->createSurface();
    EXPECT_EQ(real->getPixel(1, 1), 0u);
    real->putPixel(1, 1, 0x2222);
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

TEST_F(Surfaces, SourcesAndPartsLandWithTheirTopLeftAtThePosition) {
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
        // Empty and negative parts draw nothing.
        target->blitPart(source.get(), 6, 6, 0, 0, 0, 2);
        target->blitPart(source.get(), 6, 6, 0, 0, 2, -1);
        Picture part(12, 12);
        part.at(1, 2) = number(3, 1);
        part.at(1, 3) = number(3, 2);
        EXPECT_EQ(
            countPixels(0, 0, 12, 12,
                        [&](int x, int y) { return target->getPixel(x, y) != part.at(x, y); }),
            0);
    }
}

TEST_F(Surfaces, EdgesClipAndNothingWrapsRound) {
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
    target->blitAt(source.get(), -2, -3);
    target->blitAt(source.get(), 8, 4);
    Picture clipped(10, 6);
    clipped.at(0, 0) = number(2, 3);
    clipped.at(1, 0) = number(3, 3);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            clipped.at(8 + x, 4 + y) = number(x, y);
        }
    }
    EXPECT_EQ(countPixels(0, 0, 10, 6,
                          [&](int x, int y) { return target->getPixel(x, y) != clipped.at(x, y); }),
              0);
    // Pixels outside read as zero and are not written.
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {0, 6}, {1 << 30, 1}}) {
        target->putPixel(x, y, 0xABCD);
        EXPECT_EQ(target->getPixel(x, y), 0u);
    }
}

TEST_F(Surfaces, EightBitPixelsAreCopiedAsIndicesAndReadAsTheirColour) {
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
    // Nearly white passes the white test in a palette; elsewhere only full white.
    EXPECT_TRUE(source->isWhite(10, 0));
    EXPECT_FALSE(source->isWhite(11, 0));
    EXPECT_FALSE(source->isWhite(12, 0));
    for (auto [depth, white] : {std::pair{16, 0xFFFFu}, {24, 0xFFFFFFu}}) {
        openDisplay(depth);
        auto holder = madeHolder(2, 1);
        holder->putPixel(0, 0, white);
        holder->putPixel(1, 0, white - 1);
        EXPECT_TRUE(holder->isWhite(0, 0)) << depth;
        EXPECT_FALSE(holder->isWhite(1, 0)) << depth;
    }
}

TEST_F(Surfaces, TheCornerOrAColourNamesTheTransparentColour) {
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
        EXPECT_EQ(std::make_tuple(pixels[0], pixels[bytes], pixels[2 * bytes]),
                  std::make_tuple(5, 9, 5));
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

TEST_F(Surfaces, OnlyPartialAlphaDrawsBlendAndTheSourceStaysOpaque) {
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
    target->blitBoxAlpha(source.get(), 0, 1, 9, 9, 64);
    EXPECT_NE(target->getPixel(0, 1), target->mapColor(200, 0, 0));
    EXPECT_NE(target->getPixel(0, 1), target->mapColor(0, 0, 200));
    EXPECT_EQ(source->getSurface()->flags & SDL_SRCALPHA, 0u);
    target->blitPart(source.get(), 1, 1, 0, 0, 1, 1);
    EXPECT_EQ(target->getPixel(1, 1), target->mapColor(200, 0, 0));
}

} // namespace
