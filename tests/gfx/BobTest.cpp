// Single sprite frames: read from ".bl" pictures, black transparent, drawn
// onto the screen or the background.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

namespace {

class Frames : public FolderTest {
  protected:
    // A 4 x 2 frame: black on the left, green and red on the right.
    static Picture framePicture() {
        Picture picture(4, 2, 0x000000);
        picture.fillBox(2, 0, 1, 2, 0x00FF00);
        picture.fillBox(3, 0, 1, 2, 0xFF0000);
        return picture;
    }
};

TEST_F(Frames, AFrameIsReadFromItsBlFileWithBlackTransparent) {
    openDisplay(24);
    folder.write("pics/man.bl", runLengthTga(framePicture(), 24, kBottomRowFirst));
    Bob frame("pics/man", 4, 2);
    expectPicture(frame, framePicture());
    EXPECT_NE(frame.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(frame.getColorKey(), 0u);
    SDL_FillRect(screen->getSurface(), nullptr, 0x0000FF);
    frame.drawAt(10, 20);
    // Alpha is ignored: the frame is drawn opaque.
    frame.drawAtAlpha(20, 20, 40);
    for (int x : {10, 20}) {
        EXPECT_EQ(screen->getPixel(x, 20), 0x0000FFu);
        EXPECT_EQ(screen->getPixel(x + 2, 21), 0x00FF00u);
        EXPECT_EQ(screen->getPixel(x + 3, 20), 0xFF0000u);
    }
}

TEST_F(Frames, AFrameThatCannotBeReadHasNoSurface) {
    openDisplay(16);
    folder.write("wide.bl", rawTga(framePicture(), 24));
    std::unique_ptr<Bob> missing, wrongSize;
    EXPECT_EQ(stderrOf([&] {
                  missing = std::make_unique<Bob>("absent", 4, 2);
                  wrongSize = std::make_unique<Bob>("wide", 5, 2);
              }),
              "Opening file failed!\nInvalid image dimensions!\n");
    EXPECT_EQ(missing->getSurface(), nullptr);
    EXPECT_EQ(wrongSize->getSurface(), nullptr);
    missing->drawAt(0, 0);
    EXPECT_EQ(screen->getPixel(0, 0), 0u);
}

TEST_F(Frames, AnEmptyFrameIsBlackTransparent) {
    openDisplay(16);
    Bob frame(6, 3);
    expectPicture(frame, Picture(6, 3));
    EXPECT_NE(frame.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(frame.getSurface()->format->colorkey, 0u);
}

TEST_F(Frames, MarksGoIntoTheBackground) {
    openDisplay(24);
    folder.write("back.pl", rawTga(Picture(16, 16, 0x0000FF), 24));
    folder.write("mark.bl", rawTga(framePicture(), 24));
    background = new Image("back", 16, 16);
    Bob mark("mark", 4, 2);
    mark.drawOnBackground(12, 14);
    EXPECT_EQ(background->getPixel(12, 14), 0x0000FFu);
    EXPECT_EQ(background->getPixel(15, 15), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(15, 15), 0u);
    delete background;
    background = nullptr;
    mark.drawOnBackground(0, 0);
}

} // namespace
