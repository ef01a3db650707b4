// Full pictures: loaded from "<name>.pl", drawn onto the screen, fatal when missing.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

class Images : public DisplayTest {
  protected:
    TempDir folder;
};

TEST_F(Images, ThePictureIsReadFromItsPlFile) {
    openDisplay(16);
    folder.write("pics/back.pl", rawTga(patternPicture(20, 10), 24));
    WorkingDir here(folder.path());
    Image image("pics/back", 20, 10);
    ASSERT_NE(image.getSurface(), nullptr);
    const Picture picture = patternPicture(20, 10);
    const uint32_t rgb = picture.at(13, 7);
    EXPECT_EQ(image.getPixel(13, 7),
              image.mapColor(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)));
    EXPECT_EQ(image.getRedMask(), 0x001Fu);
}

TEST_F(Images, DrawingGoesOntoTheScreen) {
    openDisplay(24);
    Picture picture(8, 4, 0x00FF00);
    picture.fillBox(4, 0, 4, 4, 0xFF0000);
    folder.write("two.pl", rawTga(picture, 24));
    WorkingDir here(folder.path());
    Image image("two", 8, 4);
    image.draw();
    EXPECT_EQ(screen->getPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(screen->getPixel(7, 3), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(8, 0), 0u);
    image.drawPart(100, 200, 3, 1, 2, 2);
    EXPECT_EQ(screen->getPixel(100, 200), 0x00FF00u);
    EXPECT_EQ(screen->getPixel(101, 201), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(102, 200), 0u);
    image.drawPartAlpha(300, 300, 4, 0, 1, 1, 128);
    EXPECT_NEAR(int(screen->getPixel(300, 300) >> 16), 128, 2);
    EXPECT_EQ(image.getSurface()->flags & SDL_SRCALPHA, 0u);
}

TEST_F(Images, AMissingPictureEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    openDisplay(16);
    WorkingDir here(folder.path());
    // The status is 666; the system keeps only its low eight bits.
    EXPECT_EXIT(Image("pics/absent", 4, 4),
                testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF),
                "Opening file failed!\nImage load failed! File: pics/absent.pl\n");
}

TEST_F(Images, APictureOfTheWrongSizeEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    openDisplay(16);
    folder.write("small.pl", rawTga(patternPicture(4, 4), 24));
    WorkingDir here(folder.path());
    EXPECT_EXIT(Image("small", 5, 4), testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF),
                "Invalid image dimensions!\nImage load failed! File: small.pl\n");
}

TEST_F(Images, AnEightBitDisplayCannotShowPictures) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    openDisplay(8);
    folder.write("fine.pl", rawTga(patternPicture(4, 4), 24));
    WorkingDir here(folder.path());
    EXPECT_EXIT(Image("fine", 4, 4), testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF),
                "^Image load failed! File: fine.pl\n$");
}

} // namespace
