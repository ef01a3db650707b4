// Single sprite frames: read from ".bl" pictures, black transparent, drawn
// onto the screen or the background.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

class Frames : public DisplayTest {
  protected:
    // A 4 x 2 frame: black on the left, green and red on the right.
    static Picture framePicture() {
        Picture picture(4, 2, 0x000000);
        picture.fillBox(2, 0, 1, 2, 0x00FF00);
        picture.fillBox(3, 0, 1, 2, 0xFF0000);
        return picture;
    }
    TempDir folder;
};

TEST_F(Frames, AFrameIsReadFromItsBlFileWithBlackTransparent) {
    openDisplay(24);
    folder.write("pics/man.bl", runLengthTga(framePicture(), 24, kBottomRowFirst));
    WorkingDir here(folder.path());
    Bob frame("pics/man", 4, 2);
    ASSERT_NE(frame.getSurface(), nullptr);
    EXPECT_EQ(frame.getPixel(3, 1), 0xFF0000u);
    EXPECT_NE(frame.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(frame.getColorKey(), 0u);
    SDL_FillRect(screen->getSurface(), nullptr, 0x0000FF);
    frame.drawAt(10, 20);
    EXPECT_EQ(screen->getPixel(10, 20), 0x0000FFu);
    EXPECT_EQ(screen->getPixel(12, 21), 0x00FF00u);
    EXPECT_EQ(screen->getPixel(13, 20), 0xFF0000u);
}

TEST_F(Frames, AFrameThatCannotBeReadHasNoSurface) {
    openDisplay(16);
    folder.write("wide.bl", rawTga(framePicture(), 24));
    WorkingDir here(folder.path());
    testing::internal::CaptureStderr();
    Bob missing("absent", 4, 2);
    Bob wrongSize("wide", 5, 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Opening file failed!\nInvalid image dimensions!\n");
    EXPECT_EQ(missing.getSurface(), nullptr);
    EXPECT_EQ(wrongSize.getSurface(), nullptr);
    missing.drawAt(0, 0);
    EXPECT_EQ(screen->getPixel(0, 0), 0u);
}

TEST_F(Frames, AnEmptyFrameIsReadyToPaintInto) {
    openDisplay(16);
    Bob frame(6, 3);
    ASSERT_NE(frame.getSurface(), nullptr);
    EXPECT_EQ(frame.getSurface()->w, 6);
    EXPECT_EQ(frame.getSurface()->h, 3);
    EXPECT_NE(frame.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(frame.getSurface()->format->colorkey, 0u);
}

TEST_F(Frames, DrawingWithAlphaIsOpaque) {
    openDisplay(16);
    Bob frame(2, 2);
    SDL_FillRect(frame.getSurface(), nullptr, frame.mapColor(255, 0, 0));
    SDL_FillRect(screen->getSurface(), nullptr, screen->mapColor(0, 0, 255));
    frame.drawAtAlpha(5, 5, 40);
    EXPECT_EQ(screen->getPixel(6, 6), screen->mapColor(255, 0, 0));
}

TEST_F(Frames, MarksGoIntoTheBackground) {
    openDisplay(24);
    folder.write("back.pl", rawTga(Picture(16, 16, 0x0000FF), 24));
    folder.write("mark.bl", rawTga(framePicture(), 24));
    WorkingDir here(folder.path());
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
