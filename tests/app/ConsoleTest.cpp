// The start-up console: rows, scrolling, appending, limits, drawing, and the
// reporting operations that reach it.
#include <gtest/gtest.h>
#include <string>

#include "app/Console.h"
#include "app/GBase.h"
#include "app/Globals.h"
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
        folder.write("pics/console.pl", runLengthTga(Picture(640, 480, kConsoleColour), 24));
        font = std::make_unique<Font>("pics/font", 300, 80);
    }
    void TearDown() override {
        delete console;
        console = nullptr;
        font.reset();
        DisplayTest::TearDown();
        here.reset();
    }
    void makeConsole(int height = 480) {
        folder.write("pics/console.pl", runLengthTga(Picture(640, height, kConsoleColour), 24));
        console = new Console(640, height, "pics/console", font.get());
    }

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
    std::unique_ptr<Font> font;
};

TEST_F(ConsoleTest, RowsFollowTheFontsLineHeight) {
    makeConsole();
    EXPECT_EQ(console->getRows(), 480 / (10 + 4));
    EXPECT_EQ(console->getCount(), 0);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->rowBaseLine(0), 14);
    EXPECT_EQ(console->rowBaseLine(2), 42);
}

TEST_F(ConsoleTest, AConsoleLowerThanALineStillHasOneRow) {
    makeConsole(12);
    EXPECT_EQ(console->getRows(), 1);
    console->addLine("first");
    console->addLine("second");
    EXPECT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "second");
}

TEST_F(ConsoleTest, AFullConsoleDropsItsTopLine) {
    makeConsole();
    console->setVisible(false);
    const int rows = console->getRows();
    for (int i = 0; i < rows; ++i) {
        console->addLine(("line " + std::to_string(i)).c_str());
        EXPECT_EQ(console->getCount(), i + 1);
    }
    EXPECT_EQ(console->line(0), "line 0");
    console->addLine("newest");
    EXPECT_EQ(console->getCount(), rows);
    EXPECT_EQ(console->line(0), "line 1");
    EXPECT_EQ(console->line(rows - 2), "line " + std::to_string(rows - 1));
    EXPECT_EQ(console->line(rows - 1), "newest");
}

TEST_F(ConsoleTest, AppendingJoinsWithoutASeparator) {
    makeConsole();
    console->addLine("Version information: ");
    console->appendToLast("Version 1.1L");
    ASSERT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "Version information: Version 1.1L");
    console->addLine("");
    console->appendToLast("OK");
    EXPECT_EQ(console->line(1), "OK");
}

TEST_F(ConsoleTest, AppendingToAFullConsoleChangesTheBottomLine) {
    makeConsole();
    for (int i = 0; i <= console->getRows(); ++i) {
        console->addLine("x");
    }
    console->appendToLast("y");
    EXPECT_EQ(console->line(console->getRows() - 1), "xy");
    EXPECT_EQ(console->line(console->getRows() - 2), "x");
}

TEST_F(ConsoleTest, AppendingToAnEmptyConsoleAddsALine) {
    makeConsole();
    console->appendToLast("alone");
    ASSERT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "alone");
}

TEST_F(ConsoleTest, LongTextsAreCutAt255Characters) {
    makeConsole();
    for (size_t length : {254u, 255u, 256u, 1000u}) {
        console->addLine(std::string(length, 'a').c_str());
        EXPECT_EQ(console->line(console->getCount() - 1).size(), std::min<size_t>(length, 255));
    }
    console->addLine(std::string(250, 'b').c_str());
    console->appendToLast("0123456789");
    EXPECT_EQ(console->line(console->getCount() - 1), std::string(250, 'b') + "01234");
    console->appendToLast("more");
    EXPECT_EQ(console->line(console->getCount() - 1).size(), 255u);
    console->addLine(nullptr);
    console->appendToLast(nullptr);
    EXPECT_EQ(console->line(console->getCount() - 1), "");
}

TEST_F(ConsoleTest, LowerRowsAreMoreOpaqueAndNeverWrap) {
    EXPECT_EQ(Console::rowAlpha(0), 64);
    EXPECT_EQ(Console::rowAlpha(1), 70);
    EXPECT_EQ(Console::rowAlpha(31), 250);
    EXPECT_EQ(Console::rowAlpha(32), 255);
    for (int i = 1; i < 200; ++i) {
        EXPECT_GE(Console::rowAlpha(i), Console::rowAlpha(i - 1)) << i;
        EXPECT_GE(Console::rowAlpha(i), 64) << i;
    }
}

TEST_F(ConsoleTest, AVisibleConsoleDrawsItsLinesWithTheirAlpha) {
    makeConsole();
    console->addLine("A");
    console->addLine("A");
    // The console picture covers the screen.
    EXPECT_EQ(screen->getPixel(600, 400), kConsoleColour);
    // Row 0 at alpha 64 is fainter than row 1 at alpha 70; both lie between
    // the console's colour and the glyph's.
    const uint32_t glyph = glyphColour(0);
    const uint32_t faint = screen->getPixel(11, console->rowBaseLine(0) - 5);
    const uint32_t stronger = screen->getPixel(11, console->rowBaseLine(1) - 5);
    const auto red = [](uint32_t c) { return int(c >> 16 & 0xFF); };
    EXPECT_GT(red(faint), red(kConsoleColour));
    EXPECT_LT(red(faint), red(glyph));
    EXPECT_GT(red(stronger), red(faint));
    const int expectedFaint = red(kConsoleColour) + (red(glyph) - red(kConsoleColour)) * 64 / 255;
    EXPECT_NEAR(red(faint), expectedFaint, 2);
}

TEST_F(ConsoleTest, AHiddenConsoleRecordsButDoesNotDraw) {
    makeConsole();
    console->setVisible(false);
    EXPECT_FALSE(console->isVisible());
    console->addLine("A");
    console->appendToLast("A");
    EXPECT_EQ(console->line(0), "AA");
    EXPECT_EQ(screen->getPixel(600, 400), 0u);
    console->setVisible(true);
    EXPECT_EQ(screen->getPixel(600, 400), 0u);
    console->redraw();
    EXPECT_EQ(screen->getPixel(600, 400), kConsoleColour);
}

TEST_F(ConsoleTest, ReportingReachesTheConsoleOnlyOnceItExists) {
    GBase::print("before");
    GBase::printAppend("before");
    makeConsole();
    EXPECT_EQ(console->getCount(), 0);
    GBase::print("Loading keys.");
    GBase::printAppend(" done");
    ASSERT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "Loading keys. done");
    testing::internal::CaptureStderr();
    GBase::error("to standard error");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "to standard error");
    EXPECT_EQ(console->getCount(), 1);
}

TEST_F(ConsoleTest, LoadersReportOnTheConsole) {
    makeConsole();
    console->setVisible(false);
    folder.write("pics/blood.lib", libraryFile(2, 2, {Picture(2, 2, 1)}));
    Image picture("pics/console", 640, 480);
    Bobs found(1);
    found.load("pics/blood", 2, 2);
    Bobs missing(1);
    testing::internal::CaptureStderr();
    missing.load("pics/absent", 2, 2);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(console->getCount(), 3);
    EXPECT_EQ(console->line(0), "Loading image \"pics/console\".");
    EXPECT_EQ(console->line(1), "Loading images \"pics/blood.lib\"...OK");
    EXPECT_EQ(console->line(2), "Loading images \"pics/absent.lib\"...ERROR!");
}

TEST_F(ConsoleTest, SingleFileSetsReportOnTheConsole) {
    makeConsole();
    console->setVisible(false);
    folder.write("pics/gran01.bl", rawTga(Picture(2, 2, 5), 24));
    Bobs partial(2);
    testing::internal::CaptureStderr();
    partial.loadFiles("pics/gran", 2, 2, 1);
    testing::internal::GetCapturedStderr();
    Bobs whole(1);
    whole.loadFiles("pics/gran", 2, 2, 1);
    EXPECT_EQ(console->line(0), "Loading images \"pics/gran\"...ERROR!");
    EXPECT_EQ(console->line(1), "Loading images \"pics/gran\"...OK");
}

} // namespace
