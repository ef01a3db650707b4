#include "support/WorldFixture.h"

#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/Surfaces.h"

namespace {
constexpr int kW = 640;
constexpr int kH = 480;

int litPixels(SurfaceHolder& picture) {
    return countPixels(0, 0, kW, kH,
                       [&picture](int x, int y) { return picture.getPixel(x, y) != 0; });
}
} // namespace

void WorldFixture::TearDown() {
    // Pictures go before the display they were made for.
    sets.clear();
    delete background;
    background = nullptr;
    here.reset();
    DisplayTest::TearDown();
}

void WorldFixture::useGameData() {
    openDisplay(16);
    here.emplace(KRAVEX_DATA_DIR);
    background = new Image("pics/tausta2", kW, kH);
}

void WorldFixture::useOwnPictures() {
    openDisplay(24);
    here.emplace(folder.path());
    folder.write("back.pl", rawTga(Picture(kW, kH, 0), 24));
    background = new Image("back", kW, kH);
}

Bobs* WorldFixture::makeSet(const std::string& name, int width, int height,
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

uint32_t WorldFixture::screenAt(int x, int y) {
    return screen->getPixel(x, y);
}

int WorldFixture::litScreenPixels() {
    return litPixels(*screen);
}

int WorldFixture::litBackgroundPixels() {
    return litPixels(*background);
}
