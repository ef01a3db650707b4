// The high-score table on the screen, drawn with the game's own deco font,
// when its level tags will not load.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

constexpr int kX = 50;
constexpr int kY = 70;
constexpr int kTagWidth = 40;

class HighScoreDrawing : public DisplayTest {
  protected:
    WorkingDir here{KRAVEX_DATA_DIR};
};

TEST_F(HighScoreDrawing, MissingTagPicturesAreReportedAndLeaveTheNamesInPlace) {
    openDisplay(16);
    {
        Font font("pics/font_babylon_deco", 610, 122);
        LevelTable levels(5);
        levels.addRow(0, 0, 100);
        testing::internal::CaptureStderr();
        HighScoreTable untagged(20, "dat/hiscore.dat", &font, "pics/nosuchtags", 26, levels);
        EXPECT_NE(testing::internal::GetCapturedStderr(), "");
        untagged.resetDefaults();
        SDL_FillRect(screen->getSurface(), nullptr, 0);
        untagged.draw(kX, kY, 200);
    }
    // Whether anything is painted in the first row's columns [from, to).
    const auto painted = [](int from, int to) {
        return countPixels(from, kY - 16, to - from, 16,
                           [](int x, int y) { return screen->getPixel(x, y) != 0; }) > 0;
    };
    EXPECT_FALSE(painted(0, kX + kTagWidth)) << "no tag, and the name not moved";
    EXPECT_TRUE(painted(kX + kTagWidth, kX + kTagWidth + 20));
}

} // namespace
