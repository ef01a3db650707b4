// What the world draws, at the limits: bars for any value, the score for any
// number, and debris thrown at the very edge of the screen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/Surfaces.h"
#include "support/WorldFixture.h"
#include "world/BarGauge.h"
#include "world/LinkablePoint.h"
#include "world/Move.h"
#include "world/NumberDisplay.h"
#include "world/Tosser.h"

namespace {

class Drawing : public WorldFixture {};

TEST(BarGaugePixels, TheBarIsValueTimesLengthOverMaxWithoutDividingByZeroOrOverflowing) {
    const struct {
        int32_t length, max, value, pixels;
    } cases[] = {
        {500, 100, 50, 250},
        {500, 100, 1, 5},
        {270, 255, 128, 135},
        {270, 0, 10, 0},
        {500, 100, INT32_MAX / 100, 107374180},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarGauge(0, 0, c.length, c.max).pixels(c.value), c.pixels)
            << c.value << " of " << c.max << " on " << c.length;
    }
}

TEST_F(Drawing, ABarShowsNothingForZeroOrLessAndNothingPastTheScreen) {
    useOwnPictures();
    BarGauge gauge(0, 0, 100, 100);
    gauge.draw(100);
    gauge.setSprites(makeSet("bar", 10, 4, {kRed}));
    gauge.draw(0);
    gauge.draw(-50);
    EXPECT_EQ(litScreenPixels(), 0);
    gauge.draw(1);
    EXPECT_EQ(litScreenPixels(), 10 * 4) << "one pixel of bar still shows a whole piece";
    gauge.setPosition(600, 100);
    gauge.draw(INT32_MAX);
    EXPECT_EQ(litScreenPixels(), 10 * 4 + 40 * 4);
}

// The score ends two pixels left of its mark, whatever the number.
TEST_F(Drawing, TheScoreEndsLeftOfItsMarkForAnyNumber) {
    useGameData();
    DigitFont font("pics/digit_kravex", 470, 55);
    for (int32_t n : {0, 57, -57, INT32_MAX, INT32_MIN}) {
        SDL_FillRect(screen->getSurface(), nullptr, 0);
        NumberDisplay(620, 100).draw(n, &font);
        int right = -1;
        for (int x = 0; x < 640; ++x) {
            for (int y = 0; y < 480; ++y) {
                right = screenAt(x, y) != 0 ? x : right;
            }
        }
        EXPECT_EQ(right, 618) << n;
    }
}

TEST_F(Drawing, DebrisThrownAtTheEdgeBouncesBackStopsAndLeavesItsStainOnTheScreen) {
    useOwnPictures();
    std::srand(9);
    Tosser parts(18, 1, makeSet("part", 35, 29, {kRed, kGreen, kBlue}));
    parts.toss(LinkablePoint(0, 0), 0);
    parts.toss(LinkablePoint(0, 0), -3);
    EXPECT_TRUE(parts.isEmpty()) << "nothing tossed for no count";
    const LinkablePoint edges[] = {{0, 0}, {639, 479}, {-50, 900}};
    for (const LinkablePoint& p : edges) {
        parts.toss(p, 20);
    }
    for (int frame = 0; frame < 80; ++frame) {
        parts.update();
        parts.forEachItem([](Linkable& item) {
            const Move& p = dynamic_cast<Move&>(item);
            ASSERT_TRUE(p.x >= 17 && p.x < 640 - 17 && p.y >= 14 && p.y < 480 - 14)
                << p.x << "," << p.y;
        });
    }
    EXPECT_FALSE(parts.settle());
    EXPECT_TRUE(parts.isEmpty()) << "friction stops every particle in time";
    EXPECT_GT(litBackgroundPixels(), 0);
}

} // namespace
