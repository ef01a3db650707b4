// The score display: numbers right-aligned on a mark in the digit font, on a
// font sheet drawn here and on the game's own generated digit font.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"
#include "world/NumberDisplay.h"

namespace {

// The smallest box holding every lit screen pixel.
struct Extent {
    int left = 640, right = -1, top = 480, bottom = -1;
};

Extent litExtent() {
    Extent e;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (screen->getPixel(x, y) != 0) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}

std::vector<uint32_t> snapshot() {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            pixels.push_back(screen->getPixel(x, y));
        }
    }
    return pixels;
}

void clearScreen() {
    SDL_FillRect(screen->getSurface(), nullptr, 0);
}

class NumberDisplays : public DisplayTest {
  protected:
    void TearDown() override {
        // The font's picture must go before the display it was made for.
        delete digitFont;
        digitFont = nullptr;
        here.reset();
        DisplayTest::TearDown();
    }

    void useSheet(const FontSheet& sheet) {
        here = std::make_unique<WorkingDir>(folder.path());
        folder.write("pics/digits.pl", rawTga(sheet.picture, 32, kBottomRowFirst));
        digitFont = new DigitFont("pics/digits", sheet.picture.width, sheet.picture.height);
    }

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
};

TEST_F(NumberDisplays, NothingIsDrawnWithoutADigitFont) {
    openDisplay(24);
    ASSERT_EQ(digitFont, nullptr);
    NumberDisplay(620, 40).draw(57);
    EXPECT_EQ(litExtent().right, -1);
}

TEST_F(NumberDisplays, DigitsOfADrawnSheetEndTwoPixelsLeftOfTheMark) {
    openDisplay(24);
    const FontSheet sheet = digitSheet();
    useSheet(sheet);
    const int w5 = sheet.boxes[5].w;
    const int w7 = sheet.boxes[7].w;
    NumberDisplay(620, 40).draw(57);
    // Each glyph box is filled but for its top-left pixel; y is the bottom line.
    EXPECT_EQ(screen->getPixel(618, 39), glyphColour(7));
    EXPECT_EQ(screen->getPixel(618 - w7 + 1, 39), glyphColour(7));
    EXPECT_EQ(screen->getPixel(618 - w7 - 1, 39), glyphColour(5)) << "the 5 ends one pixel earlier";
    const Extent e = litExtent();
    EXPECT_EQ(e.right, 618);
    EXPECT_EQ(e.left, 620 - (w5 + 1) - (w7 + 1));
    EXPECT_EQ(e.bottom, 39);
    EXPECT_EQ(e.top, 40 - 12);
}

TEST_F(NumberDisplays, ANegativeNumberShowsWithoutItsSignInTheSamePlace) {
    openDisplay(24);
    useSheet(digitSheet());
    NumberDisplay score(300, 200);
    score.draw(-1234);
    const std::vector<uint32_t> negative = snapshot();
    clearScreen();
    score.draw(1234);
    EXPECT_EQ(snapshot(), negative);
    EXPECT_EQ(litExtent().right, 298);
}

TEST_F(NumberDisplays, ZeroAndTheLongestNumbersAreAlignedAlike) {
    openDisplay(24);
    const FontSheet sheet = digitSheet();
    useSheet(sheet);
    for (int32_t n : {0, INT32_MAX, INT32_MIN}) {
        clearScreen();
        NumberDisplay(620, 100).draw(n);
        const Extent e = litExtent();
        EXPECT_EQ(e.right, 618) << n;
        EXPECT_EQ(e.bottom, 99) << n;
    }
    // Ten digits of "2147483648", every one followed by its spacing pixel.
    int width = 0;
    for (int digit : {2, 1, 4, 7, 4, 8, 3, 6, 4, 8}) {
        width += sheet.boxes[size_t(digit)].w + 1;
    }
    EXPECT_EQ(litExtent().left, 620 - width);
}

// The game's own score font, as the generator made it.
class GameDigitFont : public NumberDisplays {
  protected:
    void SetUp() override {
        openDisplay(16);
        here = std::make_unique<WorkingDir>(KRAVEX_DATA_DIR);
        // A missing picture would end the whole test run, so look first.
        ASSERT_TRUE(std::filesystem::is_regular_file("pics/digit_kravex.pl"));
        digitFont = new DigitFont("pics/digit_kravex", 470, 55);
    }
};

TEST_F(GameDigitFont, FiftySevenEndsInColumn618AndLeaves619Free) {
    NumberDisplay score(620, 100);
    score.draw(57);
    const Extent e = litExtent();
    EXPECT_EQ(e.right, 618);
    for (int y = 0; y < 480; ++y) {
        ASSERT_EQ(screen->getPixel(619, y), 0u) << "row " << y;
    }
    EXPECT_LE(e.bottom, 99) << "y is the bottom line, below the digits";
    EXPECT_GE(e.top, 100 - digitFont->lineHeight());
    EXPECT_GE(e.left, 620 - digitFont->width("57"));
}

TEST_F(GameDigitFont, TheRightmostDigitIsTheLastOneOfTheNumber) {
    NumberDisplay score(620, 100);
    score.draw(7);
    const std::vector<uint32_t> seven = snapshot();
    clearScreen();
    score.draw(57);
    const std::vector<uint32_t> fiftySeven = snapshot();
    // Wherever the 7 alone lies, the 7 of 57 lies too.
    const int from = 620 - digitFont->width("7");
    for (int y = 100 - digitFont->lineHeight(); y < 100; ++y) {
        for (int x = from; x < 620; ++x) {
            const size_t i = size_t(y) * 640 + size_t(x);
            ASSERT_EQ(fiftySeven[i], seven[i]) << x << "," << y;
        }
    }
    EXPECT_LT(litExtent().left, from) << "the 5 stands left of the 7";
}

} // namespace
