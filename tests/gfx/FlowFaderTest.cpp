// The flow fader's end states: the old picture falls off the screen column by
// column until none of it is left, in every depth it can copy, and a fader
// that is too slow or larger than the screen keeps no one waiting.
#include <SDL.h>
#include <gtest/gtest.h>
#include <vector>

#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "support/GfxFixture.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kSpeed = 48;

class FlowFaderTest : public DisplayTest {
  protected:
    // How many steps, each over a freshly drawn black frame, from the start
    // on an old picture (no byte zero) until the fader says it has finished;
    // fails if it says so while any of the old picture is left.
    int stepsToFinish(FlowFader& fader) {
        SDL_FillRect(screen->getSurface(), nullptr, 0x5A5A5A5A);
        fader.start();
        const std::vector<uint8_t> black(screenBytes().size(), 0);
        int steps = 0;
        while (!fader.isFinished() && steps < 2 * kHeight) {
            const auto shown = screenBytes([&] {
                SDL_FillRect(screen->getSurface(), nullptr, 0);
                fader.step();
            });
            ++steps;
            EXPECT_TRUE(shown == black || !fader.isFinished()) << "step " << steps;
        }
        return steps;
    }
};

// The first step lays the old picture; then every column falls at least half
// the speed a step, and a row a step when the speed is nothing.
TEST_F(FlowFaderTest, TheOldPictureFallsAwayAndTheFaderFinishesAndStartsAfresh) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        FlowFader fader(screen.get(), kWidth, kHeight, kSpeed);
        EXPECT_TRUE(fader.isFinished()) << "before its first start";
        const auto old = screenBytes([this] { SDL_FillRect(screen->getSurface(), nullptr, 0x21); });
        EXPECT_EQ(screenBytes([&] { fader.step(); }), old) << "a finished fader draws nothing";
        for (int again = 0; again < 2; ++again) {
            const int steps = stepsToFinish(fader);
            EXPECT_GT(steps, 1);
            EXPECT_LE(steps, 1 + kHeight / (kSpeed / 2));
        }
    }
    FlowFader still(screen.get(), kWidth, kHeight, 0);
    EXPECT_LE(stepsToFinish(still), kHeight + 1);
    FlowFader large(screen.get(), kWidth + 160, kHeight + 120, kSpeed);
    EXPECT_LE(stepsToFinish(large), 1 + (kHeight + 120) / (kSpeed / 2));
}

// The snapshot is taken in the screen's own layout, or red and blue would
// swap as the old picture falls.
TEST_F(FlowFaderTest, RedStaysRedOnASixteenBitDisplay) {
    openDisplay(16);
    const uint32_t red = SDL_MapRGB(screen->getSurface()->format, 255, 0, 0);
    SDL_FillRect(screen->getSurface(), nullptr, red);
    FlowFader fader(screen.get(), kWidth, kHeight, kSpeed);
    fader.start();
    SDL_FillRect(screen->getSurface(), nullptr, 0);
    fader.step();
    EXPECT_EQ(screen->getPixel(10, 10), red);
}

} // namespace
