// Every picture the game loads, read from the generated data folder through the
// game's own loaders at the sizes and counts the game asks for.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/DigitFont.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

namespace {
namespace fs = std::filesystem;

constexpr long kMaxDataBytes = 20L * 1000 * 1000;
constexpr int kMinArtPixels = 12; // the smallest blood drop is about this big

struct ExpectedSet {
    std::string name;
    int count, width, height, first;
};

const char* const kTrooperSets[] = {"trooper1k",  "trooper2k",   "trooper1ka",
                                    "trooper2ka", "trooper1kas", "trooper2kas"};

std::vector<ExpectedSet> expectedSets() {
    std::vector<ExpectedSet> sets = {
        {"exp_", 8, 60, 60, 1},    {"fire", 8, 14, 14, 1},        {"gran", 3, 15, 15, 1},
        {"power", 3, 10, 25, 1},   {"wbar", 3, 18, 25, 1},        {"blood", 4, 20, 20, 1},
        {"bloodbg", 4, 20, 20, 1}, {"trooperpart", 5, 35, 29, 1}, {"fa_", 1, 30, 30, 1},
        {"bb_", 1, 33, 33, 1},     {"fla_", 2, 30, 30, 1},        {"cc_", 1, 30, 25, 1},
        {"slime", 8, 20, 20, 1},   {"slimebg", 8, 20, 20, 1},     {"burn", 4, 16, 16, 1},
        {"tag", 26, 120, 60, 1},   {"tagsm", 26, 40, 20, 1},      {"volume", 3, 8, 16, 1}};
    for (const char* alien : {"alien100", "alien200", "alien300", "alien400"}) {
        sets.push_back({alien, 32, 70, 70, 1});
    }
    for (const char* part : {"alienp1", "alienp2", "alienp3", "alienpb1", "alienpb2", "alienpb3"}) {
        sets.push_back({part, 4, 22, 18, 1});
    }
    for (const char* player : {"", "p2_"}) {
        for (const char* trooper : kTrooperSets) {
            sets.push_back({std::string(player) + trooper, 32, 45, 45, 0});
        }
    }
    return sets;
}

// Pixels of a frame that are not the transparent key.
int artPixels(SurfaceHolder& f) {
    return countPixels(0, 0, f.getWidth(), f.getHeight(),
                       [&](int x, int y) { return f.getPixel(x, y) != 0; });
}

class GeneratedPictures : public DisplayTest {
  protected:
    void SetUp() override { openDisplay(16); }
    WorkingDir dataDir{KRAVEX_DATA_DIR};
};

// A set read both ways gives the same frames, each on a transparent corner and
// holding some art, and no numbered file lies beyond them.
TEST_F(GeneratedPictures, EverySpriteSetLoadsFromItsLibraryAndItsNumberedFiles) {
    for (const ExpectedSet& set : expectedSets()) {
        SCOPED_TRACE(set.name);
        const std::string name = "pics/" + set.name;
        EXPECT_FALSE(fs::exists(Bobs::frameName(name.c_str(), set.first + set.count) + ".bl"));
        Bobs fromLibrary(set.count), fromFiles(set.count);
        ASSERT_TRUE(fromLibrary.loadLibrary(name.c_str()));
        ASSERT_TRUE(fromFiles.loadFiles(name.c_str(), set.width, set.height, set.first));
        for (int i = 0; i < set.count; ++i) {
            Bob& a = *fromLibrary.frameAt(i);
            Bob& b = *fromFiles.frameAt(i);
            ASSERT_TRUE(a.getWidth() == set.width && a.getHeight() == set.height) << i;
            EXPECT_EQ(a.getPixel(0, 0), 0u) << "the corner must be transparent in frame " << i;
            EXPECT_GE(artPixels(a), kMinArtPixels) << "hardly any art in frame " << i;
            EXPECT_EQ(
                countPixels(0, 0, set.width, set.height,
                            [&](int x, int y) { return a.getPixel(x, y) != b.getPixel(x, y); }),
                0)
                << "library and single file differ in frame " << i;
        }
    }
}

TEST_F(GeneratedPictures, EveryFullPictureSingleFrameAndFontLoadsAtItsSize) {
    for (const char* picture : {"title", "tausta2", "console", "setup", "keyset", "gunpic"}) {
        // A missing full picture would end the test run, so look first.
        const std::string name = std::string("pics/") + picture;
        ASSERT_TRUE(fs::is_regular_file(name + ".pl")) << name;
        Image image(name.c_str(), 640, 480);
        // Black holes in the playfield ground would show through sprites' keys.
        EXPECT_GE(artPixels(image), name == "pics/tausta2" ? 640 * 480 : 1) << name;
    }
    for (const char* frame :
         {"weapon_rifle", "weapon_bullets", "weapon_flamer", "weapon_grenade"}) {
        Bob bob((std::string("pics/") + frame).c_str(), 80, 32);
        EXPECT_GT(artPixels(bob), 80 * 32 / 10) << frame;
    }
    Font gold("pics/font_gold", 502, 200);
    Font deco("pics/font_babylon_deco", 610, 122);
    DigitFont digits("pics/digit_kravex", 470, 55);
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        EXPECT_TRUE(gold.glyph(i).w > 0 && deco.glyph(i).w > 0) << "an empty glyph " << i;
        EXPECT_TRUE(i >= DigitFont::kDigitCount || digits.digit(i).w > 0) << "digit " << i;
    }
    EXPECT_GE(digits.lineHeight(), 40) << "the score digits are meant to be large";
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
    }
}

TEST_F(GeneratedPictures, TheWholeDataSetStaysSmall) {
    long bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator("pics")) {
        bytes += entry.is_regular_file() ? long(entry.file_size()) : 0;
    }
    EXPECT_LT(bytes, kMaxDataBytes);
}

} // namespace
