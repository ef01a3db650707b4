// The start-up console: scrolling, appending, limits, and the reports that
// reach it.
#include <gtest/gtest.h>
#include <string>

#include "app/Console.h"
#include "core/GBase.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "support/GfxFixture.h"

namespace {

constexpr uint32_t kConsoleColour = 0x102030;

class ConsoleTest : public FolderTest {
  protected:
    void SetUp() override {
        openDisplay(24);
        folder.write("pics/font.pl", rawTga(fontSheet().picture, 24));
        font = std::make_unique<Font>("pics/font", 300, 80);
    }
    void TearDown() override {
        console.reset();
        font.reset();
        FolderTest::TearDown();
    }
    // A hidden console of the given height.
    void makeConsole(int height = 480) {
        console.reset(); // the new console's own loading report goes to standard error
        folder.write("pics/console.pl", runLengthTga(Picture(640, height, kConsoleColour), 24));
        console = std::make_unique<Console>(screen.get(), 640, height, "pics/console", font.get());
        console->setVisible(false);
    }
    const std::string& last() const { return console->line(console->getCount() - 1); }

    std::unique_ptr<Font> font;
    std::unique_ptr<Console> console;
};

TEST_F(ConsoleTest, AFullConsoleDropsItsOldestLinesAndALowOneKeepsOne) {
    makeConsole(12);
    console->addLine("first");
    console->addLine("second");
    EXPECT_EQ(console->getCount(), 1) << "lower than a line still has one row";
    EXPECT_EQ(console->line(0), "second");

    makeConsole();
    for (int i = 0; i < 100; ++i) {
        console->addLine(("line " + std::to_string(i)).c_str());
    }
    const int rows = console->getCount();
    EXPECT_LT(rows, 100);
    EXPECT_EQ(console->line(0), "line " + std::to_string(100 - rows));
    console->appendToLast(" end");
    EXPECT_EQ(last(), "line 99 end");
}

// Appending joins without a separator, and a text of any length, or none, is
// kept to 255 characters a line.
TEST_F(ConsoleTest, AppendingToAnEmptyConsoleAddsALineAndNoLinePasses255) {
    makeConsole();
    console->appendToLast("alone");
    EXPECT_EQ(console->line(0), "alone") << "appending to an empty console adds a line";
    console->appendToLast(" more");
    EXPECT_EQ(last(), "alone more");
    for (size_t length : {255u, 256u, 100000u}) {
        console->addLine(std::string(length, 'a').c_str());
        EXPECT_EQ(last().size(), 255u);
    }
    console->appendToLast("0123456789");
    EXPECT_EQ(last().size(), 255u) << "appending never grows a line past 255";
    console->addLine(nullptr);
    console->appendToLast(nullptr);
    EXPECT_EQ(last(), "");
}

TEST_F(ConsoleTest, ReportsReachTheConsoleWhileItExistsAndStandardErrorOtherwise) {
    makeConsole();
    GBase::print("Loading keys.");
    GBase::printAppend(" done");
    EXPECT_EQ(stderrOf([] { GBase::error("to standard error"); }), "to standard error");

    ASSERT_EQ(console->getCount(), 1);
    EXPECT_EQ(console->line(0), "Loading keys. done");

    // A console that is gone is never written to again. Not stderrOf, which
    // keeps progress lines out of what it returns.
    console.reset();
    testing::internal::CaptureStderr();
    GBase::print("after");
    GBase::printAppend("...OK");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "after\n...OK");
}

} // namespace
