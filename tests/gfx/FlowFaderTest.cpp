// The flow fader: the old picture falls off the screen column by column and
// the frame drawn behind it shows through, in every display depth.
#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "gfx/TestPictures.h"

namespace {

using FlowFaderTest = DisplayTest;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kLastRow = kHeight - 1;
constexpr int kSpeed = 48;

uint8_t* pixelAt(int x, int y) {
    SDL_Surface* s = screen->getSurface();
    return static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

uint32_t raw(int x, int y) {
    uint32_t value = 0;
    std::memcpy(&value, pixelAt(x, y), screen->getSurface()->format->BytesPerPixel);
    return value;
}

// The old picture: raw values, never 0, that differ down each column.
uint32_t old(int x, int y) {
    const uint64_t values = (uint64_t(1) << screen->getSurface()->format->BitsPerPixel) - 1;
    return uint32_t(1 + (7u * x + 13u * y) % values);
}

void paintOld() {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t value = old(x, y);
            std::memcpy(pixelAt(x, y), &value, screen->getSurface()->format->BytesPerPixel);
        }
    }
}

// The new frame is all zero.
void drawFrame() {
    SDL_FillRect(screen->getSurface(), nullptr, 0);
}

int changedPixels() {
    return countPixels(0, 0, kWidth, kHeight, [](int x, int y) { return raw(x, y) != old(x, y); });
}

int oldPixels() {
    return countPixels(0, 0, kWidth, kHeight, [](int x, int y) { return raw(x, y) != 0; });
}

// The row where column x's old picture begins, kHeight when it has gone; -1
// unless its top is laid unbroken down to the last row, which stays the frame's.
int fallen(int x) {
    int top = 0;
    while (top < kHeight && raw(x, top) == 0) {
        ++top;
    }
    for (int y = top; y < kLastRow; ++y) {
        if (raw(x, y) != old(x, y - top)) {
            return -1;
        }
    }
    return top;
}

TEST_F(FlowFaderTest, DoesNothingBeforeItsFirstStartOrWithoutACopierForTheDepth) {
    for (int depth : {8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        std::unique_ptr<FlowFader> fader;
        const std::string said =
            stderrOf([&] { fader = std::make_unique<FlowFader>(screen, kWidth, kHeight, kSpeed); });
        EXPECT_EQ(said.empty(), depth != 32) << said;
        EXPECT_TRUE(fader->isFinished());
        paintOld();
        fader->step();
        EXPECT_EQ(changedPixels(), 0);
        if (depth == 32) {
            // A fader that can copy nothing must not keep its waiters waiting.
            fader->start();
            EXPECT_TRUE(fader->isFinished());
            drawFrame();
            fader->step();
            EXPECT_EQ(oldPixels(), 0);
        }
    }
}

TEST_F(FlowFaderTest, FirstStepLaysTheSnapshotThenEachColumnFallsAtItsOwnSpeed) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        std::srand(7);
        FlowFader fader(screen, kWidth, kHeight, kSpeed);
        paintOld();
        fader.start();
        EXPECT_FALSE(fader.isFinished());
        drawFrame();
        fader.step();
        EXPECT_FALSE(fader.isFinished());
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(fallen(x), 0) << "column " << x;
            ASSERT_EQ(raw(x, kLastRow), 0u) << "column " << x;
        }
        drawFrame();
        fader.step();
        std::multiset<int> falls;
        for (int x = 0; x < kWidth; ++x) {
            falls.insert(fallen(x));
        }
        EXPECT_EQ(*falls.begin(), 24);
        EXPECT_EQ(*falls.rbegin(), 47);
        EXPECT_EQ(std::set<int>(falls.begin(), falls.end()).size(), 24u);
    }
}

TEST_F(FlowFaderTest, FinishesOnceEveryColumnHasFallenAndStartsAfresh) {
    for (int depth : {8, 16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        std::srand(11);
        FlowFader fader(screen, kWidth, kHeight, kSpeed);
        paintOld();
        fader.start();
        int steps = 0;
        while (!fader.isFinished() && steps < 100) {
            drawFrame();
            fader.step();
            ++steps;
            EXPECT_EQ(oldPixels() == 0, fader.isFinished()) << "step " << steps;
        }
        // Falling 24 to 47 rows a step, the last of 479 rows goes after 11 to 20 falls.
        EXPECT_GE(steps, 12);
        EXPECT_LE(steps, 21);
        paintOld();
        fader.step();
        EXPECT_EQ(changedPixels(), 0);
        fader.start();
        EXPECT_FALSE(fader.isFinished());
        drawFrame();
        fader.step();
        EXPECT_EQ(fallen(kWidth / 2), 0);
    }
}

TEST_F(FlowFaderTest, RedAndBlueStayPutOnASixteenBitDisplay) {
    openDisplay(16);
    const SDL_PixelFormat* format = screen->getSurface()->format;
    const uint32_t red = SDL_MapRGB(format, 255, 0, 0);
    const uint32_t blue = SDL_MapRGB(format, 0, 0, 255);
    SDL_Rect left{0, 0, kWidth / 2, kHeight};
    SDL_Rect right{kWidth / 2, 0, kWidth / 2, kHeight};
    SDL_FillRect(screen->getSurface(), &left, red);
    SDL_FillRect(screen->getSurface(), &right, blue);
    FlowFader fader(screen, kWidth, kHeight, kSpeed);
    fader.start();
    drawFrame();
    fader.step();
    EXPECT_EQ(raw(10, 10), red);
    EXPECT_EQ(raw(kWidth - 10, 10), blue);
}

TEST_F(FlowFaderTest, TooSlowAFaderStillFallsARowAStep) {
    openDisplay(16);
    for (int speed : {1, 0, -48}) {
        SCOPED_TRACE(speed);
        FlowFader fader(screen, kWidth, kHeight, speed);
        paintOld();
        fader.start();
        fader.step();
        drawFrame();
        fader.step();
        EXPECT_EQ(fallen(0), 1);
        EXPECT_EQ(fallen(kWidth - 1), 1);
    }
}

TEST_F(FlowFaderTest, AFaderLargerThanTheScreenStaysOnIt) {
    openDisplay(16);
    FlowFader fader(screen, kWidth + 160, kHeight + 120, kSpeed);
    paintOld();
    fader.start();
    drawFrame();
    fader.step();
    EXPECT_EQ(fallen(kWidth - 1), 0);
    for (int steps = 0; steps < 100 && !fader.isFinished(); ++steps) {
        drawFrame();
        fader.step();
    }
    EXPECT_TRUE(fader.isFinished());
    EXPECT_EQ(oldPixels(), 0);
}

} // namespace
