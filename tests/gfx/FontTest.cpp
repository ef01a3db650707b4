// Fonts scanned from pictures the tests draw: characters the font lacks, and
// damaged pictures. The shipped fonts' scans are the generated data's tests.
#include <gtest/gtest.h>

#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/Font.h"
#include "support/GfxFixture.h"

namespace {

bool inside(const Glyph& g, const Picture& p) {
    return g.x >= 0 && g.y >= 0 && g.w >= 0 && g.h >= 0 && g.x + g.w <= p.width &&
           g.y + g.h <= p.height;
}

class Fonts : public FolderTest {
  protected:
    std::unique_ptr<Font> makeFont(const FontSheet& from) {
        folder.write("pics/font.pl", runLengthTga(from.picture, 24));
        return std::make_unique<Font>("pics/font", from.picture.width, from.picture.height);
    }
    std::unique_ptr<DigitFont> makeDigits(const FontSheet& from) {
        folder.write("pics/digits.pl", rawTga(from.picture, 32, kBottomRowFirst));
        return std::make_unique<DigitFont>("pics/digits", from.picture.width, from.picture.height);
    }
};

// Controls, [ \ ] ^ _ ` { | } ~ and everything past 126 take no room and
// draw nothing; a digit font has digits and the space only.
TEST_F(Fonts, CharactersTheFontLacksAreLeftOut) {
    openDisplay(24);
    const auto font = makeFont(fontSheet());
    const auto digits = makeDigits(digitSheet());
    EXPECT_EQ(font->width("A[\\]^_`{|}~b\t\x7f\x80\xff"), font->width("Ab"));
    EXPECT_EQ(font->width(nullptr), 0);
    EXPECT_EQ(digits->width("-1+0."), digits->width("10"));
    EXPECT_EQ(digits->width("Ab"), 0);
    const auto blank = screenBytes();
    EXPECT_EQ(screenBytes([&] {
                  font->drawString(*screen, "[_~\x80", 0, 20);
                  font->drawString(*screen, nullptr, 0, 20);
                  digits->drawString(*screen, "Ab-", 0, 20);
              }),
              blank);
    const auto lacking = screenBytes([&] { font->drawString(*screen, "A[b", 0, 20); });
    SDL_FillRect(screen->getSurface(), nullptr, 0);
    EXPECT_EQ(screenBytes([&] { font->drawString(*screen, "Ab", 0, 20); }), lacking);
}

// Markers knocked out in patterns, pictures all markers: every box stays
// inside the picture, so drawing reads nothing outside it.
TEST_F(Fonts, DamagedPicturesStillGiveBoxesInsideThePicture) {
    openDisplay(16);
    std::vector<FontSheet> damaged;
    for (int step : {1, 2, 5}) {
        for (int offset = 0; offset < step; ++offset) {
            damaged.push_back(fontSheet());
            int whites = 0;
            for (uint32_t& rgb : damaged.back().picture.rgb) {
                rgb = rgb == kWhite && whites++ % step == offset ? 0x203040 : rgb;
            }
        }
    }
    for (const auto& [w, h] : {std::pair{1, 1}, {50, 3}, {3, 50}}) {
        damaged.push_back(FontSheet{Picture(w, h, kWhite), {}});
    }
    for (const FontSheet& bad : damaged) {
        const auto font = makeFont(bad);
        for (int i = 0; i < Font::kGlyphCount; ++i) {
            EXPECT_TRUE(inside(font->glyph(i), bad.picture)) << i;
        }
        font->drawString(*screen, "The quick brown fox: 0123456789 !?@", 5, 470);
    }
    // Without its marker row a digit font's boxes reach down to the last row.
    FontSheet noMarkers = digitSheet();
    noMarkers.picture.fillBox(0, 12, noMarkers.picture.width, 1, 0x203040);
    const auto digits = makeDigits(noMarkers);
    for (int i = 0; i < DigitFont::kDigitCount; ++i) {
        EXPECT_TRUE(inside(digits->digit(i), noMarkers.picture)) << i;
    }
    digits->drawString(*screen, "0123456789", 0, 100);
}

} // namespace
