// The high-score table on the screen, drawn with the game's own deco font and
// level tags from the generated data: a name too long for its row, and tags
// that will not load.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"
#include "store/CipherFiles.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

constexpr int kX = 50;
constexpr int kY = 70;
constexpr int kScoreOffset = 200;
constexpr int kTagCount = 26;
constexpr int kTagWidth = 40;

class HighScoreDrawing : public DisplayTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        font = std::make_unique<Font>("pics/font_babylon_deco", 610, 122);
        levels.addRow(0, 0, 100);
    }
    void TearDown() override {
        font.reset();
        DisplayTest::TearDown();
    }

    // Columns in [from, to) with a painted pixel in the lower part of a row,
    // which only that row's capitals and digits reach.
    std::vector<int> paintedColumns(int row, int from, int to) const {
        std::vector<int> columns;
        const int bottom = kY + row * font->lineHeight();
        for (int x = from; x < to; ++x) {
            for (int y = bottom - 16; y < bottom; ++y) {
                if (screen->getPixel(x, y) != 0) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    }
    void draw(HighScoreTable& table) const {
        SDL_FillRect(screen->getSurface(), nullptr, 0);
        table.draw(kX, kY, kScoreOffset);
    }

    WorkingDir here{KRAVEX_DATA_DIR};
    TempDir dir;
    LevelTable levels{5};
    std::unique_ptr<Font> font;
};

// A name from the file wider than its column is cut a space's width before
// the score, which stays whole; the name itself is kept.
TEST_F(HighScoreDrawing, ANameTooLongForItsRowIsCutBeforeTheScore) {
    HighScoreTable table(20, "dat/hiscore.dat", font.get(), "pics/tagsm", kTagCount, levels);
    const std::string wide(63, 'W');
    writeEnciphered(dir, "hiscore_1.dat", "99999\nDEX\n900\n" + wide + "\n");
    ASSERT_TRUE(table.loadFrom(dir.file("hiscore_1.dat").c_str()));
    draw(table);
    const int textX = kX + kTagWidth;
    const int scoreX = textX + kScoreOffset;
    for (int row = 0; row < 2; ++row) {
        const HighScoreEntry& e = table.entry(row);
        const std::vector<int> name = paintedColumns(row, textX, scoreX);
        ASSERT_FALSE(name.empty()) << row;
        EXPECT_LT(name.back(), std::min(textX + font->width(e.name.c_str()), scoreX - font->width(" ")))
            << "a space's width stays free before the score, row " << row;
        const std::vector<int> score = paintedColumns(row, scoreX, 640);
        ASSERT_FALSE(score.empty()) << row;
        EXPECT_LT(score.front(), scoreX + 4) << row;
        EXPECT_LT(score.back(), scoreX + font->width(e.scoreText.c_str())) << row;
    }
    EXPECT_EQ(table.entry(1).name, wide) << "only the drawing is cut";
}

TEST_F(HighScoreDrawing, MissingTagPicturesAreReportedAndLeaveTheNamesInPlace) {
    testing::internal::CaptureStderr();
    HighScoreTable untagged(20, "dat/hiscore.dat", font.get(), "pics/nosuchtags", kTagCount, levels);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    untagged.resetDefaults();
    draw(untagged);
    EXPECT_TRUE(paintedColumns(0, 0, kX + kTagWidth).empty()) << "no tag, and the name not moved";
    EXPECT_FALSE(paintedColumns(0, kX + kTagWidth, kX + kTagWidth + 20).empty());
}

} // namespace
