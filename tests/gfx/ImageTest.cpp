// Full pictures: loaded from "<name>.pl", drawn onto the screen, fatal when missing.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"

namespace {

using Images = FolderTest;

TEST_F(Images, ThePictureIsReadFromItsPlFileAndDrawnOntoTheScreen) {
    openDisplay(24);
    Picture picture(8, 4, 0x00FF00);
    picture.fillBox(4, 0, 4, 4, 0xFF0000);
    folder.write("pics/two.pl", rawTga(picture, 24));
    Image image("pics/two", 8, 4);
    expectPicture(image, picture);
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

TEST_F(Images, APictureThatCannotBeLoadedEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    folder.write("small.pl", rawTga(patternPicture(4, 4), 24));
    struct Case {
        int depth;
        const char* name;
        int width;
        const char* said;
    };
    for (const Case& c :
         {Case{16, "pics/absent", 4,
               "Opening file failed!\nImage load failed! File: pics/absent.pl\n"},
          Case{16, "small", 5, "Invalid image dimensions!\nImage load failed! File: small.pl\n"},
          // An 8-bit display cannot show pictures at all.
          Case{8, "small", 4, "^Image load failed! File: small.pl\n$"}}) {
        openDisplay(c.depth);
        // The status is 666; the system keeps only its low eight bits.
        EXPECT_EXIT(Image(c.name, c.width, 4),
                    testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF), c.said);
    }
}

} // namespace
