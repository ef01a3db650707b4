// The help and credits pages as the text generator wrote them, read with the
// game's own gold font and pictures: no line is rejected, every picture
// loads, and every row ends inside the screen's right margin.
#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"
#include "store/ScoreComment.h"
#include "ui/BobHelpItem.h"
#include "ui/Help.h"
#include "ui/TextHelpItem.h"

namespace {

// The left margin the pages are drawn at, kept on the right too.
constexpr int kMargin = 20;

struct PageSet {
    const char* baseName;
    int32_t pages;
};
const PageSet kSets[] = {{"dat/general", 4}, {"dat/credits", 1}};

class HelpPages : public DisplayTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        font = std::make_unique<Font>("pics/font_gold", 502, 200);
    }
    void TearDown() override {
        font.reset();
        DisplayTest::TearDown();
    }

    // The right end of the page's widest row; fails for a picture that did
    // not load. A picture shares its row with its neighbours.
    int widestRow(const Help& help) const {
        int widest = 0;
        int x = kMargin;
        int32_t previousKind = Help::kTextKind;
        help.forEachItem([&](Linkable& item) {
            if (previousKind == Help::kTextKind && item.getKind() == Help::kTextKind) {
                x = kMargin;
            }
            if (item.getKind() == Help::kPictureKind) {
                const auto& picture = static_cast<const BobHelpItem&>(item);
                EXPECT_NE(picture.getPicture().getSurface(), nullptr);
                x += picture.getWidth() + 5;
                widest = std::max(widest, x - 5);
            } else {
                x += font->width(static_cast<const TextHelpItem&>(item).getText());
                widest = std::max(widest, x);
            }
            previousKind = item.getKind();
        });
        return widest;
    }

    WorkingDir here{KRAVEX_DATA_DIR};
    std::unique_ptr<Font> font;
};

TEST_F(HelpPages, EveryLineLoadsAndFitsTheScreen) {
    for (const PageSet& set : kSets) {
        Help help(set.pages, set.baseName, font.get(), nullptr, 6);
        for (int32_t page = 0; page < set.pages; ++page) {
            const std::string err = stderrOf([&] {
                if (page == 0) {
                    help.loadPage();
                } else {
                    help.keyDown(SDLK_RIGHT);
                }
            });
            EXPECT_EQ(err, "") << set.baseName << " page " << page + 1;
            EXPECT_GT(help.count(), 10) << set.baseName << " page " << page + 1;
            EXPECT_LE(widestRow(help), screen->getWidth() - kMargin) << set.baseName << " page " << page + 1;
        }
    }
}

// Every remark of the score table leads with the score, fits beside the
// table even after a five-digit score, and the last one holds for any score
// beyond the list.
TEST_F(HelpPages, EveryScoreCommentFitsWithItsScore) {
    constexpr int32_t kPointsPerLine = 50;
    constexpr int32_t kCommentX = 50;
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
        EXPECT_LE(kCommentX + font->width(("99999" + now).c_str()), screen->getWidth()) << now;
        if (now == previous) {
            break;
        }
        previous = now;
    }
    EXPECT_GE(lines, 30) << "a few dozen remarks";
    shown = 1000000;
    EXPECT_EQ(remark(), previous);
}

} // namespace
