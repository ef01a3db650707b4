// The high-score table on the screen, drawn with the game's own deco font and
// level tags from the generated data: where tags, names and scores land,
// which tag a row gets, cut names and a name being typed.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"
#include "input/Input.h"
#include "store/CipherFiles.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

constexpr int kX = 50;
constexpr int kY = 70;
constexpr int kScoreOffset = 200;
constexpr int kTagCount = 26;
constexpr int kTagHeight = 20;

class HighScoreDrawing : public DisplayTest {
  protected:
    void SetUp() override {
        here = std::make_unique<WorkingDir>(KRAVEX_DATA_DIR);
        openDisplay(16);
        font = std::make_unique<Font>("pics/font_babylon_deco", 610, 122);
        // The game's difficulty rows: 100 points a level up to 1000, and so on.
        levels.addRow(0, 0, 100);
        levels.addRow(1000, 10, 200);
        levels.addRow(3000, 20, 300);
        levels.addRow(3900, 23, 500);
        levels.addRow(4900, 25, 200);
        table = std::make_unique<HighScoreTable>(20, "dat/hiscore.dat", font.get(), "pics/tagsm",
                                                 kTagCount, levels);
    }
    void TearDown() override {
        table.reset();
        font.reset();
        DisplayTest::TearDown();
        here.reset();
    }

    // Loads a table whose first rows have these scores and names; the rest
    // score 0.
    void loadRows(const std::vector<std::pair<std::string, std::string>>& rows) {
        std::string text;
        for (size_t i = 0; i < 20; ++i) {
            text += i < rows.size() ? rows[i].first + "\n" + rows[i].second + "\n" : "0\nZ\n";
        }
        writeEnciphered(dir, "hiscore_1.dat", text);
        ASSERT_TRUE(table->loadFrom(dir.file("hiscore_1.dat").c_str()));
    }

    static void clearScreen() { SDL_FillRect(screen->getSurface(), nullptr, 0); }
    // Rows follow each other at the table font's line height.
    int rowBottom(int row) const { return kY + row * font->lineHeight(); }

    // The pixels of a box of the screen, row by row.
    static std::vector<uint32_t> box(int x, int y, int w, int h) {
        std::vector<uint32_t> pixels;
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                pixels.push_back(screen->getPixel(i, j));
            }
        }
        return pixels;
    }
    // Columns in [from, to) with a painted pixel in the lower part of a row,
    // which only that row's capitals and digits reach.
    std::vector<int> paintedColumns(int row, int from, int to) const {
        std::vector<int> columns;
        const int bottom = rowBottom(row);
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
    // A tag is taller than the row pitch, so the tags of the rows above and
    // below overlap its edges: compare only the band this row keeps alone.
    std::vector<uint32_t> tagBox(int row) const {
        const int overlap = kTagHeight - font->lineHeight();
        return box(kX, rowBottom(row) - kTagHeight + overlap, 40, kTagHeight - 2 * overlap);
    }
    // The text of one row, clear of the rows above and below.
    std::vector<uint32_t> textBox(int x, int row, int w) const {
        return box(x, rowBottom(row) - font->lineHeight(), w, font->lineHeight());
    }
    // What tag frame n looks like on a cleared screen at the row's place.
    std::vector<uint32_t> referenceTag(int n, int row) {
        Bobs reference(kTagCount);
        EXPECT_TRUE(reference.load("pics/tagsm", 40, 20));
        reference.keyFromCorner();
        clearScreen();
        reference.frameAt(n)->drawAt(kX, rowBottom(row) - kTagHeight);
        return tagBox(row);
    }

    std::unique_ptr<WorkingDir> here;
    TempDir dir;
    LevelTable levels{5};
    std::unique_ptr<Font> font;
    std::unique_ptr<HighScoreTable> table;
};

TEST_F(HighScoreDrawing, EachRowShowsTheTagOfItsScoresLevelCappedAtTheLastTag) {
    // Twenty rows from y 70 must end above the message line the main menu
    // writes at 450 in the 27-pixel gold font.
    EXPECT_LE(kY + 19 * font->lineHeight(), 450 - 27);
    EXPECT_TRUE(table->hasTags());
    EXPECT_EQ(table->textIndent(), 40);
    EXPECT_EQ(levels.levelFor(1000000), 25);
    EXPECT_EQ(levels.maxLevel, 25) << "the tags cap the levels";
    loadRows({{"99999", "A"}, {"5230", "B"}, {"1500", "C"}, {"250", "D"}, {"-7", "E"}});
    const int expected[] = {25, 25, 12, 2, 0};
    std::vector<std::vector<uint32_t>> shown;
    clearScreen();
    table->draw(kX, kY, kScoreOffset);
    for (int row = 0; row < 5; ++row) {
        shown.push_back(tagBox(row));
    }
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(shown[size_t(row)], referenceTag(expected[row], row)) << "row " << row;
    }
    EXPECT_NE(referenceTag(12, 0), referenceTag(2, 0)) << "the tags can be told apart";
    EXPECT_NE(referenceTag(25, 0), referenceTag(0, 0));
}

TEST_F(HighScoreDrawing, NameFollowsTheTagAndIsCutBeforeTheScoreAtItsOffset) {
    const std::string wide(63, 'W');
    ASSERT_GT(font->width(wide.c_str()), kScoreOffset);
    loadRows({{"4410", "DEX"}, {"12", "NEWT"}, {"900", wide}});
    clearScreen();
    table->draw(kX, kY, kScoreOffset);
    const int textX = kX + 40;
    const int scoreX = textX + kScoreOffset;
    for (int row = 0; row < 3; ++row) {
        const HighScoreEntry& e = table->entry(row);
        const std::vector<int> name = paintedColumns(row, textX, scoreX);
        ASSERT_FALSE(name.empty()) << row;
        EXPECT_LT(name.front(), textX + 4) << row;
        EXPECT_LT(name.back(),
                  std::min(textX + font->width(e.name.c_str()), scoreX - font->width(" ")))
            << "a space's width stays free before the score, row " << row;
        const std::vector<int> score = paintedColumns(row, scoreX, 640);
        ASSERT_FALSE(score.empty()) << row;
        EXPECT_LT(score.front(), scoreX + 4) << row;
        EXPECT_LT(score.back(), scoreX + font->width(e.scoreText.c_str())) << row;
        EXPECT_TRUE(paintedColumns(row, 0, kX).empty()) << "nothing left of the tags";
    }
    EXPECT_GT(paintedColumns(2, textX, scoreX).size(), size_t(kScoreOffset / 2));
    EXPECT_EQ(table->entry(2).name, wide) << "only the drawing is cut";
}

TEST_F(HighScoreDrawing, TheNameBeingTypedIsDrawnWithItsCursorUntilReturn) {
    loadRows({{"3000", "KIRA"}, {"1000", "HICKS"}});
    ASSERT_TRUE(table->insert(2000, "Mister X"));
    ASSERT_EQ(table->getNewIndex(), 1);
    Input* input = table->getInput();
    for (int32_t key : {SDLK_LSHIFT, SDLK_t, SDLK_o}) {
        input->keyDown(key);
    }
    input->keyUp(SDLK_LSHIFT);
    input->keyDown(SDLK_m);

    clearScreen();
    table->draw(kX, kY, kScoreOffset);
    EXPECT_EQ(input->getText(), "TOm*      ");
    const std::vector<uint32_t> withCursor = textBox(kX + 40, 1, 150);
    clearScreen();
    font->drawString("TOm*      ", kX + 40, rowBottom(1));
    EXPECT_EQ(withCursor, textBox(kX + 40, 1, 150))
        << "the field is drawn in the new row, not the placeholder name";

    table->draw(kX, kY, kScoreOffset);
    EXPECT_EQ(input->getText(), "TOm       ") << "the cursor blinks off the next frame";
    EXPECT_TRUE(table->isEntering());

    input->keyDown(SDLK_RETURN);
    EXPECT_TRUE(table->isEntering()) << "entry ends in the next drawn frame";
    table->draw(kX, kY, kScoreOffset);
    EXPECT_FALSE(table->isEntering());
    EXPECT_EQ(table->entry(1).name, "TOm       ");
    EXPECT_EQ(table->entry(1).scoreText, "2000");
}

TEST_F(HighScoreDrawing, MissingTagPicturesLeaveTheNamesInPlace) {
    LevelTable other(1), untouched(1);
    HighScoreTable bare(20, "dat/hiscore.dat", font.get(), nullptr, 0, untouched);
    EXPECT_FALSE(bare.hasTags());
    EXPECT_EQ(bare.textIndent(), 0);
    EXPECT_EQ(untouched.maxLevel, 0);
    testing::internal::CaptureStderr();
    HighScoreTable untagged(20, "dat/hiscore.dat", font.get(), "pics/nosuchtags", kTagCount, other);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    untagged.resetDefaults();
    clearScreen();
    untagged.draw(kX, kY, kScoreOffset);
    EXPECT_TRUE(paintedColumns(0, 0, kX + 40).empty()) << "no tag, and the name not moved";
    EXPECT_FALSE(paintedColumns(0, kX + 40, kX + 60).empty());
}

} // namespace
