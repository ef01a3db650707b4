// The score display: numbers right-aligned on a mark in the digit font, on a
// font sheet drawn here and on the game's own generated digit font.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
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

// The screen's pixels in the w x h box at (x0, y0), row by row.
std::vector<uint32_t> pixelsIn(int x0, int y0, int w, int h) {
    std::vector<uint32_t> pixels;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
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
        font.reset();
        here.reset();
        DisplayTest::TearDown();
    }

    std::unique_ptr<DigitFont> font;
    TempDir folder;
    std::unique_ptr<WorkingDir> here;
};

TEST_F(NumberDisplays, ADrawnSheetsDigitsEndTwoPixelsLeftOfTheMarkWithoutASign) {
    openDisplay(24);
    NumberDisplay(620, 40).draw(57, font.get());
    EXPECT_EQ(litExtent().right, -1) << "nothing is drawn without a digit font";

    const FontSheet sheet = digitSheet();
    here = std::make_unique<WorkingDir>(folder.path());
    folder.write("pics/digits.pl", rawTga(sheet.picture, 32, kBottomRowFirst));
    font = std::make_unique<DigitFont>("pics/digits", sheet.picture.width, sheet.picture.height);
    NumberDisplay(620, 40).draw(57, font.get());
    // Each glyph box is filled but for its top-left pixel; y is the bottom line.
    const int w7 = sheet.boxes[7].w;
    EXPECT_EQ(screen->getPixel(618, 39), glyphColour(7));
    EXPECT_EQ(screen->getPixel(618 - w7 + 1, 39), glyphColour(7));
    EXPECT_EQ(screen->getPixel(618 - w7 - 1, 39), glyphColour(5)) << "the 5 ends one pixel earlier";
    EXPECT_EQ(litExtent().top, 40 - 12);

    // Every digit is followed by its spacing pixel; a negative number shows
    // without its sign in the same place.
    for (int32_t n : {57, 0, 1234, -1234, INT32_MAX, INT32_MIN}) {
        clearScreen();
        NumberDisplay(620, 100).draw(n, font.get());
        int width = 0;
        for (char digit : std::to_string(std::llabs(int64_t{n}))) {
            width += sheet.boxes[size_t(digit - '0')].w + 1;
        }
        const Extent e = litExtent();
        EXPECT_EQ(e.right, 618) << n;
        EXPECT_EQ(e.left, 620 - width) << n;
        EXPECT_EQ(e.bottom, 99) << n;
    }
}

// The game's own score font, as the generator made it.
TEST_F(NumberDisplays, OnTheGamesFontFiftySevenEndsInColumn618WithTheSevenLast) {
    openDisplay(16);
    here = std::make_unique<WorkingDir>(KRAVEX_DATA_DIR);
    // A missing picture would end the whole test run, so look first.
    ASSERT_TRUE(std::filesystem::is_regular_file("pics/digit_kravex.pl"));
    font = std::make_unique<DigitFont>("pics/digit_kravex", 470, 55);
    const NumberDisplay score(620, 100);
    score.draw(7, font.get());
    const int from = 620 - font->width("7");
    const int top = 100 - font->lineHeight();
    const std::vector<uint32_t> seven = pixelsIn(from, top, 620 - from, 100 - top);
    clearScreen();
    score.draw(57, font.get());
    const Extent e = litExtent();
    EXPECT_EQ(e.right, 618);
    EXPECT_EQ(pixelsIn(619, 0, 1, 480), std::vector<uint32_t>(480, 0)) << "column 619 stays free";
    EXPECT_LE(e.bottom, 99) << "y is the bottom line, below the digits";
    EXPECT_GE(e.top, top);
    EXPECT_GE(e.left, 620 - font->width("57"));
    EXPECT_LT(e.left, from) << "the 5 stands left of the 7";
    EXPECT_EQ(pixelsIn(from, top, 620 - from, 100 - top), seven)
        << "wherever the 7 alone lies, the 7 of 57 lies too";
}

} // namespace
