// The help and credits pages, score remarks and high-score table as the
// generators wrote them, shown with the game's own fonts and pictures.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "support/GfxFixture.h"
#include "store/ScoreComment.h"
#include "ui/BobHelpItem.h"
#include "ui/Help.h"
#include "ui/HighScoreTable.h"
#include "ui/TextHelpItem.h"
#include "world/LevelTable.h"

namespace {

// The left margin the pages are drawn at, kept on the right too.
constexpr int kMargin = 20;
constexpr int kPictureGap = 5;

class ShippedData : public DisplayTest {
  protected:
    void SetUp() override { openDisplay(16); }

    WorkingDir here{KRAVEX_DATA_DIR};
};

// No line is rejected, every picture loads, and every row, a picture sharing
// its row with its neighbours, ends inside the screen's right margin.
TEST_F(ShippedData, EveryHelpAndCreditsLineLoadsAndFitsTheScreen) {
    Font font("pics/font_gold", 502, 200);
    const auto widestRow = [&font](const Help& help) {
        int widest = 0;
        int x = kMargin;
        bool textBefore = true;
        help.forEachItem([&](Linkable& item) {
            const bool text = item.getKind() == Help::kTextKind;
            x = text && textBefore ? kMargin : x;
            if (text) {
                x += font.width(static_cast<const TextHelpItem&>(item).getText());
            } else {
                const auto& picture = static_cast<const BobHelpItem&>(item);
                EXPECT_NE(picture.getPicture().getSurface(), nullptr);
                x += picture.getWidth() + kPictureGap;
            }
            widest = std::max(widest, text ? x : x - kPictureGap);
            textBefore = text;
        });
        return widest;
    };
    for (const auto& [baseName, pages] : {std::pair{"dat/general", 4}, {"dat/credits", 1}}) {
        Help help(pages, baseName, &font, nullptr, 6);
        for (int32_t page = 0; page < pages; ++page) {
            SCOPED_TRACE(std::string(baseName) + " page " + std::to_string(page + 1));
            EXPECT_EQ(stderrOf([&, page = page] {
                          page == 0 ? help.loadPage() : help.keyDown(SDLK_RIGHT);
                      }),
                      "");
            EXPECT_GT(help.count(), 10);
            EXPECT_LE(widestRow(help), screen->getWidth() - kMargin);
        }
    }
}

// Every remark of the score table leads with the score, fits beside the
// table even after a five-digit score, and the last one holds for any score
// beyond the list.
TEST_F(ShippedData, EveryScoreCommentFitsWithItsScore) {
    constexpr int32_t kPointsPerLine = 50;
    constexpr int32_t kCommentX = 50;
    Font font("pics/font_gold", 502, 200);
    int32_t shown = 0;
    ScoreComment comments(&shown, "dat/comment.dat", kPointsPerLine);
    const auto remark = [&] {
        comments.load();
        const std::string number = std::to_string(shown);
        const std::string text = comments.text() != nullptr ? comments.text() : "";
        EXPECT_EQ(text.rfind(number, 0), 0u) << text;
        return text.substr(std::min(number.size(), text.size()));
    };
    std::string previous;
    int lines = 0;
    for (; lines < 1000; ++lines, shown += kPointsPerLine) {
        const std::string now = remark();
        EXPECT_LE(kCommentX + font.width(("99999" + now).c_str()), screen->getWidth()) << now;
        if (now == previous) {
            break;
        }
        previous = now;
    }
    EXPECT_GE(lines, 30) << "a few dozen remarks";
    shown = 1000000;
    EXPECT_EQ(remark(), previous);
}

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
        untagged->draw(kX, kY, 200);
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
