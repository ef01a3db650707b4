// Surfaces in the display's depth: refused when absurd, harmless when
// missing, clipped at every edge. Blits as the game makes them are pinned by
// the recorded games; the game always opens a 16-bit display (SDL converts
// it for the desktop), so other depths get no tests of their own.
#include <SDL.h>
#include <gtest/gtest.h>
#include <tuple>

#include "gfx/Buffer.h"
#include "gfx/SurfaceHolder.h"
#include "support/GfxFixture.h"

namespace {

using Surfaces = DisplayTest;

uint32_t number(int x, int y) {
    return uint32_t(1 + x + 16 * y);
}

// Depth 0 is no display at all.
TEST_F(Surfaces, NoSurfaceWithoutADisplayOfAUsableDepthOrAtAnAbsurdSize) {
    const int cases[][3] = {{0, 4, 4},       {16, -1, 4},     {16, 4, -1},
                            {16, 100000, 1}, {16, 1, 100000}, {32, 4, 4}};
    for (const auto& [depth, w, h] : cases) {
        if (depth != 0) {
            openDisplay(depth);
        }
        SurfaceHolder holder(w, h);
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(holder.createSurface()); }),
                  "OUT OF MEMORY, cannot create surface")
            << w << " x " << h;
        EXPECT_EQ(holder.getSurface(), nullptr);
    }
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
    EXPECT_EQ(real->getPixel(1, 1), 0x1234u);
    EXPECT_EQ(empty.getPixel(1, 1), 0u);
    EXPECT_FALSE(empty.isWhite(0, 0));
    // A dropped surface reads as nothing.
    real->dropSurface();
    EXPECT_EQ(real->getPixel(1, 1), 0u);
}

TEST_F(Surfaces, EdgesClipAndNothingWrapsRound) {
    openDisplay(16);
    auto source = madeHolder(4, 4);
    for (int i = 0; i < 16; ++i) {
        source->putPixel(i % 4, i / 4, number(i % 4, i / 4));
    }
    auto target = madeHolder(10, 6);
    // Wholly outside, even where 16-bit rectangle positions would wrap; a
    // pixel there reads as zero and is not written.
    const int outside[][2] = {{10, 0},        {-4, 0},        {0, 6},          {0, -4},
                              {65536 + 2, 1}, {2, 65536 + 1}, {-65536 + 2, 1}, {1 << 30, 0}};
    for (const auto& [x, y] : outside) {
        target->blitAt(source.get(), x, y);
        target->blitPart(source.get(), x, y, 0, 0, 4, 4);
        target->putPixel(x, y, 0xABCD);
        EXPECT_EQ(target->getPixel(x, y), 0u);
    }
    target->blitAt(source.get(), -2, -3);
    target->blitAt(source.get(), 8, 4);
    Picture clipped(10, 6);
    clipped.at(0, 0) = number(2, 3);
    clipped.at(1, 0) = number(3, 3);
    for (int i = 0; i < 4; ++i) {
        clipped.at(8 + i % 2, 4 + i / 2) = number(i % 2, i / 2);
    }
    EXPECT_EQ(countPixels(0, 0, 10, 6,
                          [&](int x, int y) { return target->getPixel(x, y) != clipped.at(x, y); }),
              0);
}

} // namespace
