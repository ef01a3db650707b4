// Fonts scanned from pictures the tests draw: glyph boxes, widths, drawing,
// unsupported characters and pictures with markers missing.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

constexpr uint32_t kScreenColour = 0x000080;

class Fonts : public DisplayTest {
  protected:
    void SetUp() override { here = std::make_unique<WorkingDir>(folder.path()); }
    void TearDown() override {
        here.reset();
        DisplayTest::TearDown();
    }

    std::unique_ptr<Font> makeFont(const FontSheet& sheet) {
        folder.write("pics/font.pl", runLengthTga(sheet.picture, 24));
        return std::make_unique<Font>("pics/font", sheet.picture.width, sheet.picture.height);
    }

    // Where the sheet's box for index i of the font's table is.
    static const Glyph& sheetBox(const FontSheet& sheet, int index) {
        // The sheet runs capitals, small letters, digits, punctuation, symbols.
        const int sheetIndex = index < 26 ? index + 26 : index < 52 ? index - 26 : index;
        return sheet.boxes[size_t(sheetIndex)];
    }

    static void expectInside(const Glyph& g, int width, int height) {
        EXPECT_GE(g.x, 0);
        EXPECT_GE(g.y, 0);
        EXPECT_GE(g.w, 0);
        EXPECT_GE(g.h, 0);
        EXPECT_LE(g.x + g.w, width);
        EXPECT_LE(g.y + g.h, height);
        EXPECT_LT(g.x, width);
        EXPECT_LT(g.y, std::max(height, 1));
    }

    static void clearScreen() { SDL_FillRect(screen->getSurface(), nullptr, kScreenColour); }

    // Columns from x on, in the row, that are not the screen colour.
    static int paintedColumns(int row, int from = 0, int to = 640) {
        int painted = 0;
        for (int x = from; x < to; ++x) {
            painted += screen->getPixel(x, row) != kScreenColour;
        }
        return painted;
    }

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
};

TEST_F(Fonts, EveryGlyphBoxIsFoundFromItsMarkers) {
    openDisplay(24);
    const FontSheet sheet = fontSheet();
    auto font = makeFont(sheet);
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        const Glyph& want = sheetBox(sheet, i);
        const Glyph& got = font->glyph(i);
        EXPECT_EQ(got.x, want.x) << i;
        EXPECT_EQ(got.y, want.y) << i;
        EXPECT_EQ(got.w, want.w) << i;
        EXPECT_EQ(got.h, want.h) << i;
    }
    EXPECT_EQ(font->lineHeight(), 10);
}

TEST_F(Fonts, CharactersMapToTheirGlyphs) {
    EXPECT_EQ(Font::glyphIndex('a'), 0);
    EXPECT_EQ(Font::glyphIndex('z'), 25);
    EXPECT_EQ(Font::glyphIndex('A'), 26);
    EXPECT_EQ(Font::glyphIndex('Z'), 51);
    EXPECT_EQ(Font::glyphIndex('0'), 52);
    EXPECT_EQ(Font::glyphIndex('9'), 61);
    EXPECT_EQ(Font::glyphIndex('!'), 62);
    EXPECT_EQ(Font::glyphIndex('/'), 76);
    EXPECT_EQ(Font::glyphIndex(':'), 77);
    EXPECT_EQ(Font::glyphIndex('@'), 83);
    for (int c : std::initializer_list<int>{0, 9, 31, ' ', '[', '\\', ']', '^', '_', '`', '{', '|',
                                            '}', '~', 127, 128, 200, 255}) {
        EXPECT_EQ(Font::glyphIndex(static_cast<unsigned char>(c)), -1) << c;
    }
}

TEST_F(Fonts, WidthsCountEveryGlyphWithItsSpacingPixel) {
    openDisplay(16);
    const FontSheet sheet = fontSheet();
    auto font = makeFont(sheet);
    const int a = sheetBox(sheet, 0).w;
    const int capitalA = sheetBox(sheet, 26).w;
    const int b = sheetBox(sheet, 1).w;
    EXPECT_EQ(font->width(""), 0);
    EXPECT_EQ(font->width(nullptr), 0);
    EXPECT_EQ(font->width("Ab"), capitalA + 1 + b + 1);
    EXPECT_EQ(font->width(" "), a);
    EXPECT_EQ(font->width("A b"), capitalA + 1 + a + b + 1);
    EXPECT_EQ(font->width("[_~"), 0);
    EXPECT_EQ(font->width("A[_~b\t\x80\xff"), font->width("Ab"));
    EXPECT_EQ(font->width("@"), sheetBox(sheet, 83).w + 1);
}

TEST_F(Fonts, TextIsDrawnGlyphByGlyphAboveItsBottomLine) {
    openDisplay(24);
    const FontSheet sheet = fontSheet();
    auto font = makeFont(sheet);
    clearScreen();
    font->drawString("Ab", 100, 50);
    const Glyph& capitalA = sheetBox(sheet, 26);
    const Glyph& b = sheetBox(sheet, 1);
    const int top = 50 - font->lineHeight();
    // The A's corner pixel is the background colour, so it stays clear.
    EXPECT_EQ(screen->getPixel(100, top), kScreenColour);
    EXPECT_EQ(screen->getPixel(101, top), glyphColour(0));
    EXPECT_EQ(screen->getPixel(100 + capitalA.w - 1, 49), glyphColour(0));
    EXPECT_EQ(screen->getPixel(100 + capitalA.w, 49), kScreenColour);
    const int bAt = 100 + capitalA.w + 1;
    EXPECT_EQ(screen->getPixel(bAt + 1, top), glyphColour(27));
    EXPECT_EQ(screen->getPixel(bAt + b.w, top + 1), kScreenColour);
    EXPECT_EQ(paintedColumns(top + 1), capitalA.w + b.w);
    EXPECT_EQ(screen->getPixel(101, top - 1), kScreenColour);
}

TEST_F(Fonts, ATallSmallLetterReachesBelowTheBottomLine) {
    openDisplay(16);
    const FontSheet sheet = fontSheet();
    auto font = makeFont(sheet);
    clearScreen();
    font->drawString("g", 10, 100);
    const Glyph& g = sheetBox(sheet, 6);
    ASSERT_GT(g.h, font->lineHeight());
    EXPECT_NE(screen->getPixel(11, 100 - font->lineHeight() + g.h - 1), kScreenColour);
    EXPECT_NE(screen->getPixel(11, 100), kScreenColour);
    EXPECT_EQ(screen->getPixel(11, 100 - font->lineHeight() + g.h), kScreenColour);
}

TEST_F(Fonts, UnsupportedCharactersAreLeftOut) {
    openDisplay(24);
    auto font = makeFont(fontSheet());
    clearScreen();
    font->drawString("[_~", 0, 20);
    font->drawString("", 0, 20);
    font->drawString(nullptr, 0, 20);
    for (int row = 0; row < 30; ++row) {
        EXPECT_EQ(paintedColumns(row, 0, 40), 0) << row;
    }
    font->drawString("A[b", 0, 20);
    std::vector<uint32_t> mixed;
    for (int x = 0; x < 40; ++x) {
        mixed.push_back(screen->getPixel(x, 15));
    }
    clearScreen();
    font->drawString("Ab", 0, 20);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(screen->getPixel(x, 15), mixed[size_t(x)]) << x;
    }
}

TEST_F(Fonts, ASpaceAdvancesByTheSmallA) {
    openDisplay(24);
    const FontSheet sheet = fontSheet();
    auto font = makeFont(sheet);
    clearScreen();
    font->drawString(" A", 200, 40);
    EXPECT_EQ(screen->getPixel(200 + sheetBox(sheet, 0).w + 1, 35), glyphColour(0));
    EXPECT_EQ(screen->getPixel(200 + sheetBox(sheet, 0).w, 35), glyphColour(0));
    EXPECT_EQ(screen->getPixel(200 + sheetBox(sheet, 0).w - 1, 35), kScreenColour);
}

TEST_F(Fonts, AlphaTextBlendsWithTheScreen) {
    openDisplay(24);
    auto font = makeFont(fontSheet());
    clearScreen();
    font->drawStringAlpha("A", 0, 20, 128);
    const uint32_t blended = screen->getPixel(1, 15);
    EXPECT_NE(blended, glyphColour(0));
    EXPECT_NE(blended, kScreenColour);
    EXPECT_NEAR(int(blended & 0xFF), int((glyphColour(0) & 0xFF) + 0x80) / 2, 2);
    font->drawString("A", 0, 40);
    EXPECT_EQ(screen->getPixel(1, 35), glyphColour(0));
}

TEST_F(Fonts, MissingMarkersStillGiveBoxesInsideThePicture) {
    openDisplay(16);
    const FontSheet whole = fontSheet();
    // Knock out white pixels one pattern at a time: every k-th, from offset o.
    std::vector<std::pair<int, int>> whites;
    for (int y = 0; y < whole.picture.height; ++y) {
        for (int x = 0; x < whole.picture.width; ++x) {
            if (whole.picture.at(x, y) == kWhite) {
                whites.emplace_back(x, y);
            }
        }
    }
    for (int step : {1, 2, 3, 5, 11}) {
        for (int offset = 0; offset < step; ++offset) {
            SCOPED_TRACE(std::to_string(step) + "/" + std::to_string(offset));
            FontSheet damaged = whole;
            for (size_t i = size_t(offset); i < whites.size(); i += size_t(step)) {
                damaged.picture.at(whites[i].first, whites[i].second) = 0x203040;
            }
            auto font = makeFont(damaged);
            for (int i = 0; i < Font::kGlyphCount; ++i) {
                expectInside(font->glyph(i), whole.picture.width, whole.picture.height);
            }
            clearScreen();
            font->drawString("The quick brown fox: 0123456789 !?@", 5, 470);
        }
    }
}

TEST_F(Fonts, PicturesOfOneColourGiveBoxesInsideThePicture) {
    openDisplay(16);
    for (uint32_t colour : {kWhite, 0x000000u, 0x808080u}) {
        for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {50, 3}, {3, 50}}) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
            auto font = makeFont(FontSheet{Picture(w, h, colour), {}});
            for (int i = 0; i < Font::kGlyphCount; ++i) {
                expectInside(font->glyph(i), w, h);
            }
            font->drawString("Ab 9:", 0, 10);
            EXPECT_GE(font->width("Ab 9:"), 4);
        }
    }
}

class Digits : public Fonts {
  protected:
    std::unique_ptr<DigitFont> makeDigits(const FontSheet& sheet) {
        folder.write("pics/digits.pl", rawTga(sheet.picture, 32, kBottomRowFirst));
        return std::make_unique<DigitFont>("pics/digits", sheet.picture.width,
                                           sheet.picture.height);
    }
};

TEST_F(Digits, TenBoxesAreFoundInOneRow) {
    openDisplay(16);
    const FontSheet sheet = digitSheet();
    auto digits = makeDigits(sheet);
    for (int i = 0; i < DigitFont::kDigitCount; ++i) {
        EXPECT_EQ(digits->digit(i).x, sheet.boxes[size_t(i)].x) << i;
        EXPECT_EQ(digits->digit(i).y, 0) << i;
        EXPECT_EQ(digits->digit(i).w, sheet.boxes[size_t(i)].w) << i;
        EXPECT_EQ(digits->digit(i).h, 12) << i;
    }
    EXPECT_EQ(digits->lineHeight(), 12);
}

TEST_F(Digits, OnlyDigitsAndSpacesTakeRoom) {
    openDisplay(24);
    const FontSheet sheet = digitSheet();
    auto digits = makeDigits(sheet);
    const int zero = sheet.boxes[0].w;
    EXPECT_EQ(digits->width(""), 0);
    EXPECT_EQ(digits->width(nullptr), 0);
    EXPECT_EQ(digits->width("10"), sheet.boxes[1].w + 1 + zero + 1);
    EXPECT_EQ(digits->width("-10"), digits->width("10"));
    EXPECT_EQ(digits->width("Ab-+."), 0);
    EXPECT_EQ(digits->width(" "), zero);
    clearScreen();
    digits->drawString("-7", 30, 60);
    EXPECT_EQ(screen->getPixel(31, 50), glyphColour(7));
    EXPECT_EQ(screen->getPixel(30 + sheet.boxes[7].w, 50), kScreenColour);
    EXPECT_EQ(paintedColumns(50, 0, 30), 0);
}

TEST_F(Digits, ARightAlignedNumberEndsTwoPixelsLeftOfItsMark) {
    openDisplay(24);
    auto digits = makeDigits(digitSheet());
    clearScreen();
    constexpr int kRight = 600;
    digits->drawString("1234", kRight - digits->width("1234"), 40);
    EXPECT_NE(screen->getPixel(kRight - 2, 39), kScreenColour);
    EXPECT_EQ(screen->getPixel(kRight - 1, 39), kScreenColour);
    EXPECT_EQ(screen->getPixel(kRight - 2, 40), kScreenColour);
}

TEST_F(Digits, AMissingMarkerRowFallsBackToTheLastRow) {
    openDisplay(16);
    FontSheet sheet = digitSheet();
    for (int x = 0; x < sheet.picture.width; ++x) {
        sheet.picture.at(x, 12) = 0x203040;
    }
    auto digits = makeDigits(sheet);
    for (int i = 0; i < DigitFont::kDigitCount; ++i) {
        EXPECT_EQ(digits->digit(i).h, sheet.picture.height - 1);
        expectInside(digits->digit(i), sheet.picture.width, sheet.picture.height);
    }
    digits->drawString("0123456789", 0, 100);
}

} // namespace
