#include "world/WorldPictures.h"

void WorldPictures::SetUp() {
    openDisplay(24);
    folder.write("back.pl", rawTga(Picture(640, 480, 0), 24));
    background = new Image("back", 640, 480);
}

void WorldPictures::TearDown() {
    sets.clear();
    delete background;
    background = nullptr;
    FolderTest::TearDown();
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

int WorldPictures::litPixels(SurfaceHolder& picture) {
    return countPixels(0, 0, 640, 480,
                       [&picture](int x, int y) { return picture.getPixel(x, y) != 0; });
}
