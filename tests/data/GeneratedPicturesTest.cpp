// Every picture the game loads, read from the generated data folder through the
// game's own loaders at the sizes and counts the game asks for.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/DigitFont.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

namespace {
namespace fs = std::filesystem;

constexpr long kMaxDataBytes = 20L * 1000 * 1000;
constexpr int kMinArtPixels = 12; // the smallest blood drop is about this big

struct ExpectedSet {
    const char* name;
    int count, width, height, first;
};

const ExpectedSet kSets[] = {
    {"pics/trooper1k", 32, 45, 45, 0},
    {"pics/trooper2k", 32, 45, 45, 0},
    {"pics/trooper1ka", 32, 45, 45, 0},
    {"pics/trooper2ka", 32, 45, 45, 0},
    {"pics/trooper1kas", 32, 45, 45, 0},
    {"pics/trooper2kas", 32, 45, 45, 0},
    {"pics/p2_trooper1k", 32, 45, 45, 0},
    {"pics/p2_trooper2k", 32, 45, 45, 0},
    {"pics/p2_trooper1ka", 32, 45, 45, 0},
    {"pics/p2_trooper2ka", 32, 45, 45, 0},
    {"pics/p2_trooper1kas", 32, 45, 45, 0},
    {"pics/p2_trooper2kas", 32, 45, 45, 0},
    {"pics/exp_", 8, 60, 60, 1},
    {"pics/fire", 8, 14, 14, 1},
    {"pics/gran", 3, 15, 15, 1},
    {"pics/power", 3, 10, 25, 1},
    {"pics/wbar", 3, 18, 25, 1},
    {"pics/blood", 4, 20, 20, 1},
    {"pics/bloodbg", 4, 20, 20, 1},
    {"pics/trooperpart", 5, 35, 29, 1},
    {"pics/fa_", 1, 30, 30, 1},
    {"pics/bb_", 1, 33, 33, 1},
    {"pics/fla_", 2, 30, 30, 1},
    {"pics/cc_", 1, 30, 25, 1},
    {"pics/alien100", 32, 70, 70, 1},
    {"pics/alien200", 32, 70, 70, 1},
    {"pics/alien300", 32, 70, 70, 1},
    {"pics/alien400", 32, 70, 70, 1},
    {"pics/slime", 8, 20, 20, 1},
    {"pics/slimebg", 8, 20, 20, 1},
    {"pics/alienp1", 4, 22, 18, 1},
    {"pics/alienp2", 4, 22, 18, 1},
    {"pics/alienp3", 4, 22, 18, 1},
    {"pics/alienpb1", 4, 22, 18, 1},
    {"pics/alienpb2", 4, 22, 18, 1},
    {"pics/alienpb3", 4, 22, 18, 1},
    {"pics/burn", 4, 16, 16, 1},
    {"pics/tag", 26, 120, 60, 1},
    {"pics/tagsm", 26, 40, 20, 1},
    {"pics/volume", 3, 8, 16, 1},
};

struct ExpectedFrame {
    const char* name;
    int width, height;
};

const ExpectedFrame kFullPictures[] = {
    {"pics/title", 640, 480},      {"pics/tausta2", 640, 480},
    {"pics/console", 640, 480},    {"pics/setup", 640, 480},
    {"pics/keyset", 640, 480},     {"pics/gunpic", 640, 480},
    {"pics/font_gold", 502, 200},  {"pics/font_babylon_deco", 610, 122},
    {"pics/digit_kravex", 470, 55}};

const ExpectedFrame kSingleFrames[] = {
    {"pics/cursor", 40, 32},        {"pics/qsvlogo", 90, 16},
    {"pics/weapon_rifle", 80, 32},  {"pics/weapon_bullets", 80, 32},
    {"pics/weapon_flamer", 80, 32}, {"pics/weapon_grenade", 80, 32}};

// Pixels of a frame that are not the transparent key.
int artPixels(SurfaceHolder& f) {
    return countPixels(0, 0, f.getWidth(), f.getHeight(),
                       [&](int x, int y) { return f.getPixel(x, y) != 0; });
}

// Pixels where two frames of the same size differ.
int differingPixels(SurfaceHolder& a, SurfaceHolder& b) {
    return countPixels(0, 0, a.getWidth(), a.getHeight(),
                       [&](int x, int y) { return a.getPixel(x, y) != b.getPixel(x, y); });
}

class GeneratedPictures : public DisplayTest {
  protected:
    void SetUp() override { openDisplay(16); }

    // A set read both ways must give the same frames, each drawn on a
    // transparent corner and holding some art, and no numbered file beyond them.
    void checkSet(const ExpectedSet& set) {
        SCOPED_TRACE(set.name);
        for (int past : {set.first - 1, set.first + set.count}) {
            EXPECT_TRUE(past < 0 || !fs::exists(Bobs::frameName(set.name, past) + ".bl")) << past;
        }
        Bobs fromLibrary(set.count), fromFiles(set.count);
        ASSERT_TRUE(fromLibrary.loadLibrary(set.name));
        ASSERT_TRUE(fromFiles.loadFiles(set.name, set.width, set.height, set.first));
        for (int i = 0; i < set.count; ++i) {
            SCOPED_TRACE("frame " + std::to_string(i));
            Bob* a = fromLibrary.frameAt(i);
            Bob* b = fromFiles.frameAt(i);
            ASSERT_TRUE(a && a->getSurface() && b && b->getSurface());
            ASSERT_EQ(a->getWidth(), set.width);
            ASSERT_EQ(a->getHeight(), set.height);
            EXPECT_EQ(a->getPixel(0, 0), 0u) << "the corner must be the transparent background";
            EXPECT_GE(artPixels(*a), kMinArtPixels) << "a frame with hardly any art";
            EXPECT_EQ(differingPixels(*a, *b), 0) << "library and single file differ";
        }
    }

    WorkingDir dataDir{KRAVEX_DATA_DIR};
};

TEST_F(GeneratedPictures, EverySpriteSetLoadsFromItsLibraryAndItsNumberedFiles) {
    for (const ExpectedSet& set : kSets)
        checkSet(set);
}

TEST_F(GeneratedPictures, EveryFullPictureAndSingleFrameLoadsAtItsSize) {
    for (const ExpectedFrame& p : kFullPictures) {
        // A missing full picture would end the test run, so look first.
        ASSERT_TRUE(fs::is_regular_file(std::string(p.name) + ".pl")) << p.name;
        Image image(p.name, p.width, p.height);
        ASSERT_NE(image.getSurface(), nullptr) << p.name;
        // Black holes in the playfield ground would show through sprites' keys.
        const bool opaque = std::string(p.name) == "pics/tausta2";
        EXPECT_GE(artPixels(image), opaque ? p.width * p.height : 1) << p.name;
    }
    for (const ExpectedFrame& f : kSingleFrames) {
        Bob bob(f.name, f.width, f.height);
        ASSERT_NE(bob.getSurface(), nullptr) << f.name;
        EXPECT_EQ(bob.getPixel(0, 0), 0u) << f.name;
        EXPECT_GT(artPixels(bob), f.width * f.height / 10) << f.name;
    }
}

TEST_F(GeneratedPictures, EachLevelTagDiffersFromTheNext) {
    for (const char* name : {"pics/tag", "pics/tagsm"}) {
        Bobs tags(26);
        ASSERT_TRUE(tags.load(name, 0, 0));
        for (int n = 0; n + 1 < 26; ++n) {
            Bob* a = tags.frameAt(n);
            EXPECT_GT(differingPixels(*a, *tags.frameAt(n + 1)),
                      a->getWidth() * a->getHeight() / 50)
                << name << " " << n;
        }
    }
}

// The game fires from 12 pixels along direction d - 3 and shows its flash
// there; frame d of the firing set must have its muzzle on that point.
TEST_F(GeneratedPictures, TheMuzzleFlashSitsWhereTheGameFiresFrom) {
    Bobs flash(32), aim(32);
    ASSERT_TRUE(flash.load("pics/trooper1ka", 45, 45, 0));
    ASSERT_TRUE(aim.load("pics/trooper1kas", 45, 45, 0));
    const SDL_PixelFormat* format = flash.frameAt(0)->getSurface()->format;
    for (int d = 0; d < 32; ++d) {
        const double a = ((d + 29) % 32) * 6.28 / 32;
        const int mx = 22 + int(16 * std::sin(a)) * 12 / 10;
        const int my = 22 + int(-16 * std::cos(a)) * 12 / 10;
        Uint8 r, g, b;
        SDL_GetRGB(flash.frameAt(d)->getPixel(mx, my), format, &r, &g, &b);
        EXPECT_GT(r + g + b, 600) << "no bright flash at the muzzle of frame " << d;
        SDL_GetRGB(aim.frameAt(d)->getPixel(mx, my), format, &r, &g, &b);
        EXPECT_LT(r + g + b, 450) << "a flash in the aiming frame " << d;
        Bob& gun = *aim.frameAt(d);
        EXPECT_GT(countPixels(mx - 1, my - 1, 3, 3,
                              [&](int x, int y) { return gun.getPixel(x, y) != 0; }),
                  0)
            << "no gun at the muzzle point of frame " << d;
    }
}

TEST_F(GeneratedPictures, WalkStepsDifferInTheLegs) {
    Bobs one(32), two(32);
    ASSERT_TRUE(one.load("pics/trooper1k", 45, 45, 0));
    ASSERT_TRUE(two.load("pics/trooper2k", 45, 45, 0));
    for (int d = 0; d < 32; ++d)
        EXPECT_GT(differingPixels(*one.frameAt(d), *two.frameAt(d)), 20) << d;
}

// In a game for two, player two's trooper must be the same figure, so it hits,
// walks and fires from the same points, yet wear colours told apart at a glance.
TEST_F(GeneratedPictures, PlayerTwoIsTheSameFigureInOtherColours) {
    for (const char* set :
         {"trooper1k", "trooper2k", "trooper1ka", "trooper2ka", "trooper1kas", "trooper2kas"}) {
        SCOPED_TRACE(set);
        Bobs one(32), two(32);
        ASSERT_TRUE(one.load((std::string("pics/") + set).c_str(), 45, 45, 0));
        ASSERT_TRUE(two.load((std::string("pics/p2_") + set).c_str(), 45, 45, 0));
        const SDL_PixelFormat* format = one.frameAt(0)->getSurface()->format;
        for (int d = 0; d < 32; ++d) {
            Bob& a = *one.frameAt(d);
            Bob& b = *two.frameAt(d);
            const int art = artPixels(a);
            const int outline = countPixels(0, 0, 45, 45, [&](int x, int y) {
                return (a.getPixel(x, y) == 0) != (b.getPixel(x, y) == 0);
            });
            EXPECT_LE(outline, art / 50) << "a different outline in frame " << d;
            // Shadow, gun and boots are shared; the armour must clearly differ.
            const int recoloured = countPixels(0, 0, 45, 45, [&](int x, int y) {
                Uint8 r1, g1, b1, r2, g2, b2;
                SDL_GetRGB(a.getPixel(x, y), format, &r1, &g1, &b1);
                SDL_GetRGB(b.getPixel(x, y), format, &r2, &g2, &b2);
                return std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2) > 60;
            });
            EXPECT_GE(recoloured, art / 4) << "hardly another colour in frame " << d;
        }
    }
}

// Every glyph box lies inside the picture and holds more than minInk pixels.
template <typename F> void checkGlyphs(const F& glyph, int count, Image& sheet, int minInk) {
    for (int i = 0; i < count; ++i) {
        const Glyph& g = glyph(i);
        SCOPED_TRACE("glyph " + std::to_string(i));
        ASSERT_GT(g.w, 0);
        ASSERT_GT(g.h, 0);
        ASSERT_GE(g.x, 1);
        ASSERT_LE(g.x + g.w, sheet.getWidth());
        ASSERT_LE(g.y + g.h, sheet.getHeight());
        const int ink = countPixels(g.x, g.y, g.w, g.h, [&](int x, int y) {
            return sheet.getPixel(x, y) != sheet.getColorKey();
        });
        EXPECT_GT(ink, minInk) << "an empty glyph";
    }
}

// The rows stack in the marker layout: capitals on top, the taller rows below.
// Sample lines drawn with the fonts are kept beside the data to look at.
TEST_F(GeneratedPictures, TheFontsScanIntoAllTheirGlyphsAndDrawSampleLines) {
    Font gold("pics/font_gold", 502, 200);
    Font deco("pics/font_babylon_deco", 610, 122);
    DigitFont digits("pics/digit_kravex", 470, 55);
    for (const Font* font : {&gold, &deco}) {
        SCOPED_TRACE(font == &gold ? "gold" : "deco");
        checkGlyphs([&](int i) { return font->glyph(i); }, Font::kGlyphCount, *font->getImage(), 2);
        EXPECT_EQ(font->glyph(26).y, 0);
        // Small letters below the capitals.
        EXPECT_GT(font->glyph(0).y, font->glyph(26).y + font->lineHeight());
        EXPECT_GE(font->glyph(0).h, font->lineHeight());
        // Letters of one row share their top, so a text keeps one base line.
        for (int i = 27; i < 52; ++i)
            EXPECT_EQ(font->glyph(i).h, font->lineHeight());
    }
    checkGlyphs([&](int i) { return digits.digit(i); }, DigitFont::kDigitCount, *digits.getImage(),
                50);
    for (int i = 0; i < DigitFont::kDigitCount; ++i)
        EXPECT_EQ(digits.digit(i).y, 0);
    EXPECT_GE(digits.lineHeight(), 40) << "the score digits are meant to be large";
    SDL_FillRect(screen->getSurface(), nullptr,
                 SDL_MapRGB(screen->getSurface()->format, 40, 44, 52));
    const char* goldLine = "One player  Two players  Setup: ON (100%)";
    const char* decoLine = "Loading images \"pics/alien100\"... OK  TOMBRIX 4711";
    gold.drawString(goldLine, 10, 60);
    deco.drawString(decoLine, 10, 120);
    digits.drawString("1234567890", 10, 200);
    EXPECT_LT(gold.width(goldLine), 640);
    EXPECT_LT(deco.width(decoLine), 640);
    const uint32_t ground = screen->getPixel(639, 0);
    EXPECT_GT(countPixels(0, 60 - gold.lineHeight() / 2, 640, 1,
                          [&](int x, int y) { return screen->getPixel(x, y) != ground; }),
              60);
    const std::string out = std::string(KRAVEX_DATA_DIR) + "/../font-lines.bmp";
    SDL_SaveBMP(screen->getSurface(), out.c_str());
}

TEST_F(GeneratedPictures, TheWholeDataSetStaysSmall) {
    long bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator("pics"))
        if (entry.is_regular_file())
            bytes += long(entry.file_size());
    EXPECT_LT(bytes, kMaxDataBytes);
}
} // namespace
