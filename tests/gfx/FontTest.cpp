// Fonts scanned from pictures the tests draw: glyph boxes, widths, drawing,
// unsupported characters and pictures with markers missing.
#include <gtest/gtest.h>
#include <tuple>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

namespace {

constexpr uint32_t kScreenColour = 0x000080;

auto corners(const Glyph& g) {
    return std::make_tuple(g.x, g.y, g.w, g.h);
}

uint32_t at(int x, int y) {
    return screen->getPixel(x, y);
}

// Columns from x on, in the row, that are not the screen colour.
int paintedColumns(int row, int from = 0, int to = 640) {
    return countPixels(from, row, to - from, 1,
                       [](int x, int y) { return at(x, y) != kScreenColour; });
}

void expectInside(const Glyph& g, int width, int height) {
    EXPECT_TRUE(g.x >= 0 && g.y >= 0 && g.w >= 0 && g.h >= 0 && g.x + g.w <= width &&
                g.y + g.h <= height && g.x < width && g.y < std::max(height, 1))
        << g.x << "," << g.y << " " << g.w << "x" << g.h;
}

class Fonts : public FolderTest {
  protected:
    void TearDown() override {
        font.reset();
        digits.reset();
        FolderTest::TearDown();
    }
    // Opens the display, loads the fonts drawn from the sheets and clears the screen.
    void open(int depth) {
        openDisplay(depth);
        font = makeFont(sheet);
        digits = makeDigits(digitSheet);
        SDL_FillRect(screen->getSurface(), nullptr, kScreenColour);
    }
    std::unique_ptr<Font> makeFont(const FontSheet& from) {
        folder.write("pics/font.pl", runLengthTga(from.picture, 24));
        return std::make_unique<Font>("pics/font", from.picture.width, from.picture.height);
    }
    std::unique_ptr<DigitFont> makeDigits(const FontSheet& from) {
        folder.write("pics/digits.pl", rawTga(from.picture, 32, kBottomRowFirst));
        return std::make_unique<DigitFont>("pics/digits", from.picture.width, from.picture.height);
    }
    // The sheet's box for index i of the font's table; the sheet runs
    // capitals, small letters, digits, punctuation, symbols.
    const Glyph& box(int i) const {
        return sheet.boxes[size_t(i < 26 ? i + 26 : i < 52 ? i - 26 : i)];
    }
    int digitWidth(int i) const { return digitSheet.boxes[size_t(i)].w; }

    const FontSheet sheet = fontSheet();
    const FontSheet digitSheet = ::digitSheet();
    std::unique_ptr<Font> font;
    std::unique_ptr<DigitFont> digits;
};

TEST_F(Fonts, EveryGlyphBoxIsFoundFromItsMarkers) {
    for (int depth : {16, 24}) {
        SCOPED_TRACE(depth);
        open(depth);
        for (int i = 0; i < Font::kGlyphCount; ++i) {
            EXPECT_EQ(corners(font->glyph(i)), corners(box(i))) << i;
        }
        EXPECT_EQ(font->lineHeight(), 10);
        for (int i = 0; i < DigitFont::kDigitCount; ++i) {
            EXPECT_EQ(corners(digits->digit(i)),
                      std::make_tuple(digitSheet.boxes[size_t(i)].x, 0, digitWidth(i), 12))
                << i;
        }
        EXPECT_EQ(digits->lineHeight(), 12);
    }
}

TEST_F(Fonts, CharactersMapToTheirGlyphs) {
    for (auto [c, index] : {std::pair{'a', 0},
                            {'z', 25},
                            {'A', 26},
                            {'Z', 51},
                            {'0', 52},
                            {'9', 61},
                            {'!', 62},
                            {'/', 76},
                            {':', 77},
                            {'@', 83}}) {
        EXPECT_EQ(Font::glyphIndex(static_cast<unsigned char>(c)), index) << c;
    }
    // Controls, space, [ \ ] ^ _ ` { | } ~ and everything past 126.
    for (int c : {0, 9, 31, 32, 91, 92, 93, 94, 95, 96, 123, 124, 125, 126, 127, 128, 200, 255}) {
        EXPECT_EQ(Font::glyphIndex(static_cast<unsigned char>(c)), -1) << c;
    }
}

TEST_F(Fonts, TextIsMeasuredAndDrawnGlyphByGlyphAboveItsBottomLine) {
    open(24);
    const Glyph& a = box(0);
    const Glyph& capitalA = box(26);
    const Glyph& b = box(1);
    EXPECT_EQ(font->width(nullptr), 0);
    EXPECT_EQ(font->width("Ab"), capitalA.w + 1 + b.w + 1);
    // A space is as wide as the small a, with no gap after it.
    EXPECT_EQ(font->width(" "), a.w);
    // Unsupported characters take no room.
    EXPECT_EQ(font->width("A[_~b\t\x80\xff"), font->width("Ab"));
    EXPECT_EQ(font->width("@"), box(83).w + 1);
    font->drawString("Ab", 100, 50);
    const int top = 50 - font->lineHeight();
    // The A's corner pixel is the background colour, so it stays clear.
    EXPECT_EQ(at(100, top), kScreenColour);
    EXPECT_EQ(at(101, top), glyphColour(0));
    EXPECT_EQ(at(100 + capitalA.w - 1, 49), glyphColour(0));
    EXPECT_EQ(at(100 + capitalA.w, 49), kScreenColour);
    const int bAt = 100 + capitalA.w + 1;
    EXPECT_EQ(at(bAt + 1, top), glyphColour(27));
    EXPECT_EQ(at(bAt + b.w, top + 1), kScreenColour);
    EXPECT_EQ(paintedColumns(top + 1), capitalA.w + b.w);
    // A small letter taller than the capitals reaches below the bottom line.
    font->drawString("g", 10, 100);
    const Glyph& g = box(6);
    ASSERT_GT(g.h, font->lineHeight());
    EXPECT_NE(at(11, 100 - font->lineHeight() + g.h - 1), kScreenColour);
    EXPECT_NE(at(11, 100), kScreenColour);
    EXPECT_EQ(at(11, 100 - font->lineHeight() + g.h), kScreenColour);
    // A space advances by the small a.
    font->drawString(" A", 200, 40);
    EXPECT_EQ(at(200 + a.w + 1, 35), glyphColour(0));
    EXPECT_EQ(at(200 + a.w, 35), glyphColour(0));
    EXPECT_EQ(at(200 + a.w - 1, 35), kScreenColour);
    // Alpha text blends with the screen.
    font->drawStringAlpha("A", 300, 20, 128);
    EXPECT_NE(at(301, 15), glyphColour(0));
    EXPECT_NEAR(int(at(301, 15) & 0xFF), int((glyphColour(0) & 0xFF) + 0x80) / 2, 2);
}

TEST_F(Fonts, UnsupportedCharactersAreLeftOut) {
    open(24);
    font->drawString("[_~", 0, 20);
    font->drawString(nullptr, 0, 20);
    EXPECT_EQ(countPixels(0, 0, 40, 30, [](int x, int y) { return at(x, y) != kScreenColour; }), 0);
    font->drawString("A[b", 0, 20);
    font->drawString("Ab", 0, 40);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(at(x, 15), at(x, 35)) << x;
    }
}

TEST_F(Fonts, DamagedPicturesStillGiveBoxesInsideThePicture) {
    open(16);
    std::vector<FontSheet> damaged;
    // Knock out white pixels one pattern at a time: every k-th, from offset o.
    std::vector<size_t> whites;
    for (size_t i = 0; i < sheet.picture.rgb.size(); ++i) {
        if (sheet.picture.rgb[i] == kWhite) {
            whites.push_back(i);
        }
    }
    for (int step : {1, 2, 3, 5, 11}) {
        for (int offset = 0; offset < step; ++offset) {
            damaged.push_back(sheet);
            for (size_t i = size_t(offset); i < whites.size(); i += size_t(step)) {
                damaged.back().picture.rgb[whites[i]] = 0x203040;
            }
        }
    }
    // Pictures of one colour, all markers or none.
    for (uint32_t colour : {kWhite, 0x000000u, 0x808080u}) {
        for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {50, 3}, {3, 50}, {50, 0}}) {
            damaged.push_back(FontSheet{Picture(w, h, colour), {}});
        }
    }
    for (size_t n = 0; n < damaged.size(); ++n) {
        SCOPED_TRACE("picture " + std::to_string(n));
        const Picture& picture = damaged[n].picture;
        font = makeFont(damaged[n]);
        for (int i = 0; i < Font::kGlyphCount; ++i) {
            expectInside(font->glyph(i), picture.width, picture.height);
        }
        font->drawString("The quick brown fox: 0123456789 !?@", 5, 470);
        EXPECT_GE(font->width("Ab 9:"), 4);
    }
    // Without its marker row a digit font's boxes reach down to the last row.
    FontSheet noMarkers = digitSheet;
    noMarkers.picture.fillBox(0, 12, noMarkers.picture.width, 1, 0x203040);
    digits = makeDigits(noMarkers);
    for (int i = 0; i < DigitFont::kDigitCount; ++i) {
        EXPECT_EQ(digits->digit(i).h, noMarkers.picture.height - 1);
        expectInside(digits->digit(i), noMarkers.picture.width, noMarkers.picture.height);
    }
    digits->drawString("0123456789", 0, 100);
}

TEST_F(Fonts, OnlyDigitsAndSpacesTakeRoomInADigitFont) {
    open(24);
    EXPECT_EQ(digits->width(nullptr), 0);
    EXPECT_EQ(digits->width("10"), digitWidth(1) + 1 + digitWidth(0) + 1);
    EXPECT_EQ(digits->width("-10"), digits->width("10"));
    EXPECT_EQ(digits->width("Ab-+."), 0);
    EXPECT_EQ(digits->width(" "), digitWidth(0));
    digits->drawString("-7", 30, 60);
    EXPECT_EQ(at(31, 50), glyphColour(7));
    EXPECT_EQ(at(30 + digitWidth(7), 50), kScreenColour);
    EXPECT_EQ(paintedColumns(50, 0, 30), 0);
    // A right-aligned number ends two pixels left of its mark.
    constexpr int kRight = 600;
    digits->drawString("1234", kRight - digits->width("1234"), 40);
    EXPECT_NE(at(kRight - 2, 39), kScreenColour);
    EXPECT_EQ(at(kRight - 1, 39), kScreenColour);
    EXPECT_EQ(at(kRight - 2, 40), kScreenColour);
}

} // namespace
