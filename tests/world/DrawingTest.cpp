// What moving objects and gauges put on the screen and into the background.
#include <gtest/gtest.h>

#include <climits>

#include "world/BarGauge.h"
#include "world/Move.h"
#include "world/WorldPictures.h"

namespace {

class Drawing : public WorldPictures {
  protected:
    // The colour of every screen column of row y from 0 to 299.
    static std::vector<uint32_t> row(int y) {
        std::vector<uint32_t> colours;
        for (int x = 0; x < 300; ++x) {
            colours.push_back(screenAt(x, y));
        }
        return colours;
    }
    // Runs of (length, colour) from column 0, black up to column 299.
    static std::vector<uint32_t> runs(std::initializer_list<std::pair<int, uint32_t>> parts) {
        std::vector<uint32_t> colours;
        for (const auto& part : parts) {
            colours.insert(colours.end(), size_t(part.first), part.second);
        }
        colours.resize(300, 0);
        return colours;
    }
};

TEST_F(Drawing, AMoveDrawsItsCurrentFrameCentredAndStampsItIntoTheBackground) {
    Move m(100, 200, 0, 0);
    m.draw();
    m.afterAct();
    EXPECT_EQ(litScreenPixels() + litBackgroundPixels(), 0) << "no sprites, nothing drawn";
    Bobs* set = makeSet("dot", 5, 7, {kRed, kGreen});
    m.setSprites(set);
    EXPECT_EQ(m.getHalfWidth(), 2);
    EXPECT_EQ(m.getHalfHeight(), 3);
    set->setFrame(1);
    m.draw();
    // Top-left at (100 - 2, 200 - 3).
    EXPECT_EQ(screenAt(98, 197), kGreen);
    EXPECT_EQ(screenAt(102, 203), kGreen);
    EXPECT_EQ(screenAt(97, 197), 0u);
    EXPECT_EQ(screenAt(98, 196), 0u);
    EXPECT_EQ(litScreenPixels(), 5 * 7);
    EXPECT_EQ(litBackgroundPixels(), 0);
    m.x = 10;
    m.afterAct();
    EXPECT_EQ(backgroundAt(8, 197), kGreen);
    EXPECT_EQ(backgroundAt(12, 203), kGreen);
    EXPECT_EQ(litBackgroundPixels(), 5 * 7);
    EXPECT_EQ(litScreenPixels(), 5 * 7);
    m.setSprites(nullptr);
    EXPECT_EQ(m.getHalfWidth(), 0);
}

TEST(BarGaugePixels, TheBarIsValueTimesLengthOverMax) {
    struct Case {
        int32_t length, max, value, pixels;
    };
    const Case cases[] = {
        {500, 100, 50, 250},
        {500, 100, 100, 500},
        {500, 100, 0, 0},
        {500, 100, 1, 5},
        {270, 255, 255, 270},
        {270, 255, 128, 135},
        {270, 255, 1, 1},
        {270, 0, 10, 0}, // no maximum: nothing rather than a division by zero
        {500, 100, INT32_MAX / 100, 107374180}, // no overflow in value * length
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarGauge(0, 0, c.length, c.max).pixels(c.value), c.pixels)
            << c.value << " of " << c.max << " on " << c.length;
    }
}

TEST_F(Drawing, ABarChangesFrameAlongItsLength) {
    BarGauge volume(0, 100, 270, 255);
    volume.setSprites(makeSet("volume", 8, 16, {kRed, kGreen, kBlue}));
    // Pieces every 8 pixels while i < the bar's length; the frame changes every
    // 90 pixels. Full: pieces at 0..88, 96..176, 184..264; half (135 pixels):
    // pieces at 0..128.
    volume.draw(255);
    EXPECT_EQ(row(100), runs({{96, kRed}, {88, kGreen}, {88, kBlue}}));
    EXPECT_EQ(row(115), row(100));
    EXPECT_EQ(screenAt(0, 116), 0u);
    volume.setPosition(0, 200);
    volume.draw(128);
    EXPECT_EQ(row(200), runs({{96, kRed}, {40, kGreen}}));
}

TEST_F(Drawing, HalfOfALength500BarIs250PixelsOfWholePieces) {
    BarGauge health(20, 300, 500, 100);
    health.setSprites(makeSet("health", 10, 5, {kRed, kGreen}));
    health.draw(50);
    EXPECT_EQ(litScreenPixels(), 250 * 5);
    EXPECT_EQ(screenAt(269, 300), kRed) << "still in the first half of the colours";
    EXPECT_EQ(screenAt(270, 300), 0u);
    // Pieces start while they are short of the bar's end, so a piece width
    // that does not divide it runs past: 21 pieces of 12 from 0 to 240.
    health.setSprites(makeSet("rough", 12, 5, {kBlue}));
    health.setPosition(20, 320);
    health.draw(50);
    EXPECT_EQ(litScreenPixels(), 250 * 5 + 21 * 12 * 5);
}

TEST_F(Drawing, AFixedFrameIsUsedForEveryPiece) {
    BarGauge ammo(0, 0, 100, 100);
    ammo.setSprites(makeSet("ammo", 10, 4, {kRed, kGreen, kBlue}));
    ammo.setFixedFrame(2);
    ammo.draw(45);
    EXPECT_EQ(row(0), runs({{50, kBlue}}));
    ammo.clearFixedFrame();
    EXPECT_EQ(ammo.frameAt(0), 0);
    EXPECT_EQ(ammo.frameAt(33), 1);
    EXPECT_EQ(ammo.frameAt(1000), 2);
    BarGauge tiny(0, 10, 2, 10);
    tiny.setSprites(makeSet("tiny", 1, 1, {kRed, kGreen, kBlue}));
    tiny.draw(10);
    EXPECT_EQ(row(10), runs({{1, kRed}, {1, kGreen}})) << "shorter than its frame count";
}

TEST_F(Drawing, NothingIsDrawnForZeroNegativeOrWithoutFramesAndNothingPastTheScreen) {
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

} // namespace
