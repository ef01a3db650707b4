// The generated sprite sets read through the game's own loaders. The full
// pictures and fonts are loaded by the recorded games and by the help-page
// and menu tests; the frame hashes pin what they show.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "support/GfxFixture.h"

namespace {
namespace fs = std::filesystem;

constexpr int kMinArtPixels = 12; // the smallest blood drop is about this big

class GeneratedPictures : public DisplayTest {
  protected:
    void SetUp() override { openDisplay(16); }
    WorkingDir dataDir{KRAVEX_DATA_DIR};
};

// Every library has its frames as numbered files too, from 00 or 01: both
// give the same frames, each on a transparent corner and holding some art.
// Which sets the game loads, at which sizes, the recorded games pin.
TEST_F(GeneratedPictures, EverySpriteSetGivesTheSameFramesFromItsLibraryAndItsNumberedFiles) {
    int libraries = 0;
    for (const auto& entry : fs::directory_iterator("pics")) {
        const std::string name = (entry.path().parent_path() / entry.path().stem()).string();
        if (entry.path().extension() != ".lib") {
            continue;
        }
        SCOPED_TRACE(name);
        ++libraries;
        const int first = fs::exists(Bobs::frameName(name.c_str(), 0) + ".bl") ? 0 : 1;
        int count = 0;
        while (fs::exists(Bobs::frameName(name.c_str(), first + count) + ".bl")) {
            ++count;
        }
        Bobs fromLibrary(count), fromFiles(count);
        ASSERT_TRUE(count > 0 && fromLibrary.loadLibrary(name.c_str()));
        const int w = fromLibrary.frameAt(0)->getWidth(), h = fromLibrary.frameAt(0)->getHeight();
        ASSERT_TRUE(fromFiles.loadFiles(name.c_str(), w, h, first));
        for (int i = 0; i < count; ++i) {
            Bob& a = *fromLibrary.frameAt(i);
            Bob& b = *fromFiles.frameAt(i);
            EXPECT_EQ(a.getPixel(0, 0), 0u) << "the corner must be transparent in frame " << i;
            EXPECT_GE(countPixels(0, 0, w, h, [&](int x, int y) { return a.getPixel(x, y) != 0; }),
                      kMinArtPixels)
                << "hardly any art in frame " << i;
            EXPECT_EQ(
                countPixels(0, 0, w, h,
                            [&](int x, int y) { return a.getPixel(x, y) != b.getPixel(x, y); }),
                0)
                << "library and single file differ in frame " << i;
        }
    }
    EXPECT_GE(libraries, 40) << "the game's own sets are missing";
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

} // namespace
