// The flow fader's end states: the old picture falls off the screen column by
// column until none of it is left, in every depth it can copy, and a fader
// that cannot copy (or is larger than the screen) keeps no one waiting.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "support/GfxFixture.h"

namespace {

using FlowFaderTest = DisplayTest;

constexpr int kWidth = 640, kHeight = 480, kSpeed = 48;

// The old picture: no byte zero, so any of it left shows on a black frame.
void paintOld() {
    SDL_FillRect(screen->getSurface(), nullptr, 0x5A5A5A5A);
}

// How many steps, each over a freshly drawn black frame, until the fader says
// it has finished; fails if it says so while any of the old picture is left.
int stepsToFinish(FlowFader& fader, int most = 2 * kHeight) {
    const std::vector<uint8_t> black(screenBytes().size(), 0);
    int steps = 0;
    while (!fader.isFinished() && steps < most) {
        const auto shown = screenBytes([&] {
            SDL_FillRect(screen->getSurface(), nullptr, 0);
            fader.step();
        });
        ++steps;
        EXPECT_TRUE(shown == black || !fader.isFinished()) << "step " << steps;
    }
    return steps;
}

TEST_F(FlowFaderTest, TheOldPictureFallsAwayAndTheFaderFinishesAndStartsAfresh) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        FlowFader fader(screen, kWidth, kHeight, kSpeed);
        EXPECT_TRUE(fader.isFinished()) << "before its first start";
        paintOld();
        const auto old = screenBytes();
        EXPECT_EQ(screenBytes([&] { fader.step(); }), old) << "a finished fader draws nothing";
        fader.start();
        EXPECT_FALSE(fader.isFinished());
        // The first step lays the old picture; then every column falls at
        // least half the speed a step.
        const int steps = stepsToFinish(fader);
        EXPECT_GT(steps, 1);
        EXPECT_LE(steps, 1 + kHeight / (kSpeed / 2));
        paintOld();
        fader.start();
        EXPECT_GT(stepsToFinish(fader), 1);
    }
}

TEST_F(FlowFaderTest, ATooSlowOrTooLargeFaderStillFinishesWithinTheScreen) {
    openDisplay(16);
    // Width, height, speed, and the most steps: a row a step at least.
    const int faders[][4] = {
        {kWidth, kHeight, 0, kHeight + 1},
        {kWidth + 160, kHeight + 120, kSpeed, 1 + (kHeight + 120) / (kSpeed / 2)}};
    for (const auto& [width, height, speed, most] : faders) {
        FlowFader fader(screen, width, height, speed);
        paintOld();
        fader.start();
        EXPECT_LE(stepsToFinish(fader), most) << speed;
    }
}

// The snapshot is taken in the screen's own layout, or red and blue would
// swap as the old picture falls.
TEST_F(FlowFaderTest, RedStaysRedOnASixteenBitDisplay) {
    openDisplay(16);
    const uint32_t red = SDL_MapRGB(screen->getSurface()->format, 255, 0, 0);
    SDL_FillRect(screen->getSurface(), nullptr, red);
    FlowFader fader(screen, kWidth, kHeight, kSpeed);
    fader.start();
    SDL_FillRect(screen->getSurface(), nullptr, 0);
    fader.step();
    EXPECT_EQ(screen->getPixel(10, 10), red);
}

// A fader that can copy nothing must not keep its waiters waiting; a finished
// fader draws nothing, as the first test shows.
TEST_F(FlowFaderTest, WithoutACopierForTheDepthItSaysSoAndIsFinishedAtOnce) {
    openDisplay(32);
    std::unique_ptr<FlowFader> fader;
    EXPECT_NE(
        stderrOf([&] { fader = std::make_unique<FlowFader>(screen, kWidth, kHeight, kSpeed); }),
        "");
    paintOld();
    fader->start();
    EXPECT_TRUE(fader->isFinished());
}

} // namespace
