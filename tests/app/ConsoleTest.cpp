// The start-up console: rows, scrolling, appending, limits, drawing, and the
// reporting operations that reach it.
#include <gtest/gtest.h>
#include <string>

#include "app/Console.h"
#include "app/Globals.h"
#include "core/GBase.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

constexpr uint32_t kConsoleColour = 0x102030;

class ConsoleTest : public DisplayTest {
  protected:
    void SetUp() override {
        here = std::make_unique<WorkingDir>(folder.path());
        openDisplay(24);
        folder.write("pics/font.pl", rawTga(fontSheet().picture, 24));
        font = std::make_unique<Font>("pics/font", 300, 80);
    }
    void TearDown() override {
        delete console;
        console = nullptr;
        font.reset();
        DisplayTest::TearDown();
        here.reset();
    }
    // A console of the given height, hidden unless a test looks at the drawing.
    void makeConsole(int height = 480, bool hidden = true) {
        delete console;
        console = nullptr; // the new console's own loading report goes to standard error
        folder.write("pics/console.pl", runLengthTga(Picture(640, height, kConsoleColour), 24));
        console = new Console(640, height, "pics/console", font.get());
        if (hidden) {
            console->setVisible(false);
        }
    }
    const std::string& last() const { return console->line(console->getCount() - 1); }

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
    std::unique_ptr<Font> font;
};

TEST_F(ConsoleTest, RowsFollowTheFontsLineHeightAndAFullConsoleScrolls) {
    makeConsole(12);
    EXPECT_EQ(console->getRows(), 1) << "lower than a line still has one row";
    console->addLine("first");
    console->addLine("second");
    EXPECT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "second");

    makeConsole();
    const int rows = console->getRows();
    EXPECT_EQ(rows, 480 / (10 + 4));
    EXPECT_EQ(console->rowBaseLine(2), 42);
    for (int i = 0; i <= rows; ++i) {
        console->addLine(("line " + std::to_string(i)).c_str());
        EXPECT_EQ(console->getCount(), std::min(i + 1, rows));
    }
    EXPECT_EQ(console->line(0), "line 1");
    console->appendToLast(" end");
    EXPECT_EQ(console->line(rows - 1), "line " + std::to_string(rows) + " end");
}

TEST_F(ConsoleTest, AppendingJoinsWithoutASeparatorAndTextsAreCutAt255) {
    makeConsole();
    console->appendToLast("alone");
    EXPECT_EQ(console->line(0), "alone") << "appending to an empty console adds a line";
    console->addLine("Version information: ");
    console->appendToLast("Version 1.1L");
    EXPECT_EQ(last(), "Version information: Version 1.1L");
    for (size_t length : {254u, 255u, 256u, 1000u}) {
        console->addLine(std::string(length, 'a').c_str());
        EXPECT_EQ(last().size(), std::min<size_t>(length, 255));
    }
    console->addLine(std::string(250, 'b').c_str());
    console->appendToLast("0123456789");
    EXPECT_EQ(last(), std::string(250, 'b') + "01234");
    console->addLine(nullptr);
    console->appendToLast(nullptr);
    EXPECT_EQ(last(), "");
}

TEST_F(ConsoleTest, LinesAreDrawnMoreOpaqueLowerDownAndOnlyWhileVisible) {
    EXPECT_EQ(Console::rowAlpha(0), 64);
    EXPECT_EQ(Console::rowAlpha(1), 70);
    EXPECT_EQ(Console::rowAlpha(31), 250);
    EXPECT_EQ(Console::rowAlpha(32), 255);
    for (int i = 1; i < 200; ++i) {
        EXPECT_GE(Console::rowAlpha(i), Console::rowAlpha(i - 1)) << "never wraps, row " << i;
    }
    makeConsole();
    console->addLine("A");
    console->setVisible(true);
    EXPECT_EQ(screen->getPixel(600, 400), 0u) << "hidden lines are recorded, not drawn";
    console->redraw();
    EXPECT_EQ(screen->getPixel(600, 400), kConsoleColour) << "the picture covers the screen";

    makeConsole(480, false);
    EXPECT_TRUE(console->isVisible()) << "a new console shows";
    console->addLine("A");
    console->addLine("A");
    const auto red = [](uint32_t c) { return int(c >> 16 & 0xFF); };
    const int faint = red(screen->getPixel(11, console->rowBaseLine(0) - 5));
    const int back = red(kConsoleColour);
    EXPECT_NEAR(faint, back + (red(glyphColour(0)) - back) * 64 / 255, 2);
    EXPECT_GT(red(screen->getPixel(11, console->rowBaseLine(1) - 5)), faint);
}

TEST_F(ConsoleTest, ReportsReachTheConsoleWhileItExistsAndStandardErrorOtherwise) {
    // Not stderrOf, which keeps progress lines out of what it returns.
    testing::internal::CaptureStderr();
    GBase::print("before");
    GBase::printAppend("...OK");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "before\n...OK");
    makeConsole();
    EXPECT_EQ(console->getCount(), 0);
    GBase::print("Loading keys.");
    GBase::printAppend(" done");
    EXPECT_EQ(stderrOf([] { GBase::error("to standard error"); }), "to standard error");

    // The loaders report what they load, and whether it worked.
    folder.write("pics/blood.lib", libraryFile(2, 2, {Picture(2, 2, 1)}));
    folder.write("pics/gran01.bl", rawTga(Picture(2, 2, 5), 24));
    Image picture("pics/console", 640, 480);
    Bobs found(1), missing(1), partial(2), whole(1);
    found.load("pics/blood", 2, 2);
    stderrOf([&] { missing.load("pics/absent", 2, 2); });
    stderrOf([&] { partial.loadFiles("pics/gran", 2, 2, 1); });
    whole.loadFiles("pics/gran", 2, 2, 1);
    ASSERT_EQ(console->getCount(), 6);
    EXPECT_EQ(console->line(0), "Loading keys. done");
    EXPECT_EQ(console->line(1), "Loading image \"pics/console\".");
    EXPECT_EQ(console->line(2), "Loading images \"pics/blood.lib\"...OK");
    EXPECT_EQ(console->line(3), "Loading images \"pics/absent.lib\"...ERROR!");
    EXPECT_EQ(console->line(4), "Loading images \"pics/gran\"...ERROR!");
    EXPECT_EQ(console->line(5), "Loading images \"pics/gran\"...OK");

    // A console that is gone is never written to again.
    delete console;
    console = nullptr;
    testing::internal::CaptureStderr();
    GBase::print("after");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "after\n");
}

} // namespace
