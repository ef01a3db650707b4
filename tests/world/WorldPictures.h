#pragma once

// A 24-bit dummy display, a black background picture and sprite sets of
// plain-coloured frames, for the tests of what game objects draw.
#include <memory>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

class WorldPictures : public FolderTest {
  protected:
    void SetUp() override {
        openDisplay(24);
        folder.write("back.pl", rawTga(Picture(640, 480, 0), 24));
        background = new Image("back", 640, 480);
    }
    void TearDown() override {
        sets.clear();
        delete background;
        background = nullptr;
        FolderTest::TearDown();
    }

    // A set of one plain colour (0xRRGGBB) per frame, loaded from a library.
    Bobs* makeSet(const std::string& name, int width, int height,
                  const std::vector<uint32_t>& colours) {
        std::vector<Picture> frames;
        for (uint32_t colour : colours) {
            frames.emplace_back(width, height, colour);
        }
        folder.write(name + ".lib", libraryFile(width, height, frames));
        sets.push_back(std::make_unique<Bobs>(int32_t(colours.size())));
        EXPECT_TRUE(sets.back()->load(name.c_str(), width, height));
        return sets.back().get();
    }

    static uint32_t screenAt(int x, int y) { return screen->getPixel(x, y); }
    static uint32_t backgroundAt(int x, int y) { return background->getPixel(x, y); }
    // Pixels that are not black.
    static int litPixels(SurfaceHolder& picture) {
        return countPixels(0, 0, 640, 480,
                           [&picture](int x, int y) { return picture.getPixel(x, y) != 0; });
    }
    static int litScreenPixels() { return litPixels(*screen); }
    static int litBackgroundPixels() { return litPixels(*background); }

    std::vector<std::unique_ptr<Bobs>> sets;
};
