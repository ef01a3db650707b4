// The high-score table as the generators wrote it, shown with the game's own
// font, when its tag pictures are missing.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>

#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "support/GfxFixture.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

class ShippedData : public DisplayTest {
  protected:
    void SetUp() override { openDisplay(16); }

    WorkingDir here{KRAVEX_DATA_DIR};
};

// Tag pictures that will not load are reported, and the names stay where
// they would be beside the tags.
TEST_F(ShippedData, MissingTagPicturesAreReportedAndLeaveTheNamesInPlace) {
    constexpr int kX = 50;
    constexpr int kY = 70;
    constexpr int kTagWidth = 40;
    {
        Font font("pics/font_babylon_deco", 610, 122);
        LevelTable levels(5);
        levels.addRow(0, 0, 100);
        std::unique_ptr<HighScoreTable> untagged;
        EXPECT_NE(stderrOf([&] {
                      untagged = std::make_unique<HighScoreTable>(20, "dat/hiscore.dat", &font,
                                                                  "pics/nosuchtags", 26, levels);
                  }),
                  "");
        untagged->resetDefaults();
        SDL_FillRect(screen->getSurface(), nullptr, 0);
        untagged->draw(*screen, kX, kY, 200);
    }
    // Whether anything is painted in the first row's columns [from, to).
    const auto painted = [this](int from, int to) {
        return countPixels(from, kY - 16, to - from, 16,
                           [this](int x, int y) { return screen->getPixel(x, y) != 0; }) > 0;
    };
    EXPECT_FALSE(painted(0, kX + kTagWidth)) << "no tag, and the name not moved";
    EXPECT_TRUE(painted(kX + kTagWidth, kX + kTagWidth + 20));
}

} // namespace
