#include "world/WorldPictures.h"

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"

void WorldPictures::SetUp() {
    openDisplay(24);
    here = std::make_unique<WorkingDir>(folder.path());
    folder.write("back.pl", rawTga(Picture(640, 480, 0), 24));
    background = new Image("back", 640, 480);
}

void WorldPictures::TearDown() {
    sets.clear();
    delete background;
    background = nullptr;
    here.reset();
    DisplayTest::TearDown();
}

Bobs* WorldPictures::makeSet(const std::string& name, int width, int height,
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

uint32_t WorldPictures::screenAt(int x, int y) const {
    return screen->getPixel(x, y);
}

uint32_t WorldPictures::backgroundAt(int x, int y) const {
    return background->getPixel(x, y);
}

int WorldPictures::litScreenPixels() const {
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            lit += screen->getPixel(x, y) != 0;
        }
    }
    return lit;
}

int WorldPictures::litBackgroundPixels() const {
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            lit += background->getPixel(x, y) != 0;
        }
    }
    return lit;
}
