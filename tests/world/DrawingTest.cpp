// What moving objects and gauges put on the screen and into the background.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "world/BarGauge.h"
#include "world/Move.h"
#include "world/WorldPictures.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

class Drawing : public WorldPictures {};

TEST_F(Drawing, SetSpritesTakesHalfTheSizeOfFrameZero) {
    Move part(0, 0, 0, 0);
    part.setSprites(makeSet("part", 35, 29, {kRed}));
    EXPECT_EQ(part.getHalfWidth(), 17);
    EXPECT_EQ(part.getHalfHeight(), 14);
    part.setSprites(nullptr);
    EXPECT_EQ(part.getHalfWidth(), 0);
    EXPECT_EQ(part.getSprites(), nullptr);
}

TEST_F(Drawing, DrawPutsTheCurrentFrameCentredOnTheObject) {
    Bobs* set = makeSet("dot", 4, 6, {kRed, kGreen});
    Move m(100, 200, 0, 0);
    m.setSprites(set);
    set->setFrame(1);
    m.draw();
    // Top-left at (100 - 2, 200 - 3).
    EXPECT_EQ(screenAt(98, 197), kGreen);
    EXPECT_EQ(screenAt(101, 202), kGreen);
    EXPECT_EQ(screenAt(97, 197), 0u);
    EXPECT_EQ(screenAt(102, 202), 0u);
    EXPECT_EQ(screenAt(98, 203), 0u);
    EXPECT_EQ(litScreenPixels(), 4 * 6);
    EXPECT_EQ(litBackgroundPixels(), 0);
}

TEST_F(Drawing, AfterActStampsTheFrameIntoTheBackground) {
    Bobs* set = makeSet("corpse", 4, 4, {kBlue});
    Move m(10, 10, 0, 0);
    m.setSprites(set);
    m.afterAct();
    EXPECT_EQ(backgroundAt(8, 8), kBlue);
    EXPECT_EQ(backgroundAt(11, 11), kBlue);
    EXPECT_EQ(litBackgroundPixels(), 16);
    EXPECT_EQ(litScreenPixels(), 0);
}

TEST_F(Drawing, AnObjectWithoutSpritesDrawsNothing) {
    Move m(10, 10, 0, 0);
    m.draw();
    m.afterAct();
    EXPECT_EQ(litScreenPixels(), 0);
    EXPECT_EQ(litBackgroundPixels(), 0);
}

TEST(BarGaugePixels, TheBarIsValueTimesLengthOverMax) {
    BarGauge health(0, 0, 500, 100);
    EXPECT_EQ(health.pixels(50), 250);
    EXPECT_EQ(health.pixels(100), 500);
    EXPECT_EQ(health.pixels(0), 0);
    EXPECT_EQ(health.pixels(1), 5);
    BarGauge volume(0, 0, 270, 255);
    EXPECT_EQ(volume.pixels(255), 270);
    EXPECT_EQ(volume.pixels(128), 135);
    EXPECT_EQ(volume.pixels(1), 1);
    EXPECT_EQ(volume.pixels(0), 0);
    BarGauge none(0, 0, 270, 0);
    EXPECT_EQ(none.pixels(10), 0) << "no maximum: nothing rather than a division by zero";
    BarGauge huge(0, 0, 500, 100);
    EXPECT_EQ(huge.pixels(INT32_MAX / 100), 107374180) << "no overflow in value * length";
}

class Gauges : public WorldPictures {
  protected:
    // The colour of every screen column of row y from 0 to 299.
    std::vector<uint32_t> row(int y) {
        std::vector<uint32_t> colours;
        for (int x = 0; x < 300; ++x) {
            colours.push_back(screenAt(x, y));
        }
        return colours;
    }
    static std::vector<uint32_t> runs(std::initializer_list<std::pair<int, uint32_t>> parts) {
        std::vector<uint32_t> colours;
        for (const auto& part : parts) {
            colours.insert(colours.end(), size_t(part.first), part.second);
        }
        colours.resize(300, 0);
        return colours;
    }
};

TEST_F(Gauges, ALongBarChangesFrameAlongItsLength) {
    BarGauge volume(0, 100, 270, 255);
    volume.setSprites(makeSet("volume", 8, 16, {kRed, kGreen, kBlue}));
    volume.draw(255);
    // Pieces every 8 pixels while i < 270, so the last piece starts at 264;
    // the frame changes every 90 pixels: pieces at 0..88, 96..176, 184..264.
    EXPECT_EQ(row(100), runs({{96, kRed}, {88, kGreen}, {88, kBlue}}));
    EXPECT_EQ(row(115), row(100));
    EXPECT_EQ(screenAt(0, 116), 0u);
}

TEST_F(Gauges, HalfOfALength500BarIs250PixelsOfWholePieces) {
    BarGauge health(20, 300, 500, 100);
    health.setSprites(makeSet("health", 10, 5, {kRed, kGreen}));
    health.draw(50);
    EXPECT_EQ(litScreenPixels(), 250 * 5);
    EXPECT_EQ(screenAt(269, 300), kRed) << "still in the first half of the colours";
    EXPECT_EQ(screenAt(270, 300), 0u);
    // Pieces start while they are short of the bar's end, so a piece width
    // that does not divide it runs past: 21 pieces of 12 from 0 to 240.
    BarGauge rough(20, 320, 500, 100);
    rough.setSprites(makeSet("rough", 12, 5, {kBlue}));
    rough.draw(50);
    EXPECT_EQ(litScreenPixels(), 250 * 5 + 21 * 12 * 5);
}

TEST_F(Gauges, HalfAValueDrawsHalfTheBar) {
    BarGauge volume(10, 0, 270, 255);
    volume.setSprites(makeSet("volume", 8, 16, {kRed, kGreen, kBlue}));
    volume.draw(128);
    // 135 pixels: pieces at 0..128, the one at 96 onwards in the second frame.
    EXPECT_EQ(row(0), runs({{10, 0}, {96, kRed}, {40, kGreen}}));
}

TEST_F(Gauges, AFixedFrameIsUsedForEveryPiece) {
    BarGauge ammo(0, 0, 100, 100);
    ammo.setSprites(makeSet("ammo", 10, 4, {kRed, kGreen, kBlue}));
    ammo.setFixedFrame(2);
    ammo.draw(45);
    EXPECT_EQ(row(0), runs({{50, kBlue}}));
    ammo.clearFixedFrame();
    EXPECT_EQ(ammo.frameAt(0), 0);
    EXPECT_EQ(ammo.frameAt(33), 1);
    EXPECT_EQ(ammo.frameAt(99), 2);
    EXPECT_EQ(ammo.frameAt(1000), 2);
}

TEST_F(Gauges, NothingIsDrawnForZeroNegativeOrWithoutFrames) {
    BarGauge gauge(0, 0, 100, 100);
    gauge.draw(100);
    gauge.setSprites(makeSet("bar", 10, 4, {kRed}));
    gauge.draw(0);
    gauge.draw(-50);
    EXPECT_EQ(litScreenPixels(), 0);
    gauge.draw(1);
    EXPECT_EQ(litScreenPixels(), 10 * 4) << "one pixel of bar still shows a whole piece";
}

TEST_F(Gauges, AValueFarAboveTheMaximumStopsAtTheScreenEdge) {
    BarGauge gauge(600, 0, 100, 100);
    gauge.setSprites(makeSet("bar", 10, 4, {kRed}));
    gauge.draw(INT32_MAX);
    EXPECT_EQ(litScreenPixels(), 40 * 4);
}

TEST_F(Gauges, ABarShorterThanItsFrameCountStillPicksFrames) {
    BarGauge tiny(0, 0, 2, 10);
    tiny.setSprites(makeSet("tiny", 1, 1, {kRed, kGreen, kBlue}));
    EXPECT_EQ(tiny.frameAt(0), 0);
    EXPECT_EQ(tiny.frameAt(1), 1);
    tiny.draw(10);
    EXPECT_EQ(row(0), runs({{1, kRed}, {1, kGreen}}));
}

} // namespace
