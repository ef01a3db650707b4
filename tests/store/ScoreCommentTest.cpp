#include "store/ScoreComment.h"

#include <gtest/gtest.h>

#include "store/CipherFiles.h"

namespace {

class Comments : public ::testing::Test {
  protected:
    const char* commentFor(int32_t value) {
        points = value;
        comment.load();
        return comment.text();
    }

    TempDir dir;
    int32_t points = 0;
    ScoreComment comment{&points, dir.file("comment.dat").c_str(), 50};
};

TEST_F(Comments, LineIsChosenByFiftiesAndBeyondTheLastTakesTheLast) {
    writeEnciphered(dir, "comment.dat", "zero %\none %\ntwo %\nthree %\n");
    EXPECT_STREQ(commentFor(0), "zero 0");
    EXPECT_STREQ(commentFor(49), "zero 49");
    EXPECT_STREQ(commentFor(50), "one 50");
    EXPECT_STREQ(commentFor(120), "two 120");
    EXPECT_STREQ(commentFor(199), "three 199");
    EXPECT_STREQ(commentFor(200), "three 200");
    EXPECT_STREQ(commentFor(100000), "three 100000");
    EXPECT_STREQ(commentFor(INT32_MAX), "three 2147483647");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"comment.dat"});
}

TEST_F(Comments, TextBeforeAndAfterThePercentSurroundTheScore) {
    writeEnciphered(dir, "comment.dat", "a\nb\nYou got % aliens, well done.\n");
    EXPECT_STREQ(commentFor(120), "You got 120 aliens, well done.");
}

TEST_F(Comments, LineWithoutPercentIsShownAsItIs) {
    writeEnciphered(dir, "comment.dat", "No score here\n100% sure\n");
    EXPECT_STREQ(commentFor(10), "No score here");
    EXPECT_STREQ(commentFor(60), "10060 sure") << "only the first percent is replaced";
}

TEST_F(Comments, MissingOrEmptyFileGivesNoText) {
    EXPECT_EQ(commentFor(10), nullptr);
    writeEnciphered(dir, "comment.dat", "");
    EXPECT_EQ(commentFor(10), nullptr);
    writeEnciphered(dir, "comment.dat", "x %\n");
    ASSERT_STREQ(commentFor(10), "x 10");
    std::filesystem::remove(dir.path() / "comment.dat");
    EXPECT_EQ(commentFor(10), nullptr) << "the old text is dropped";
    EXPECT_TRUE(filesIn(dir).empty());
}

TEST_F(Comments, LastLineWithoutNewlineCounts) {
    writeEnciphered(dir, "comment.dat", "first\nsecond %");
    EXPECT_STREQ(commentFor(75), "second 75");
}

TEST_F(Comments, LongLinesAreCutAt255) {
    const std::string longLine = "%" + std::string(400, 'z');
    writeEnciphered(dir, "comment.dat", longLine + "\nnext\n");
    const std::string shown = commentFor(7);
    EXPECT_EQ(shown, "7" + std::string(254, 'z'));
    EXPECT_STREQ(commentFor(50), "next") << "the cut part is not the next line";
    writeEnciphered(dir, "comment.dat", std::string(250, 'a') + "% aliens\n");
    EXPECT_EQ(std::string(commentFor(123456)), std::string(250, 'a') + "12345")
        << "a long score does not stretch the text past the longest line";
}

TEST_F(Comments, NegativeScoresTakeTheFirstLine) {
    writeEnciphered(dir, "comment.dat", "first %\nsecond\n");
    EXPECT_STREQ(commentFor(-1), "first -1");
    EXPECT_STREQ(commentFor(-500), "first -500");
}

TEST(ScoreComment, ZeroDivisorTakesTheFirstLine) {
    TempDir dir;
    writeEnciphered(dir, "c.dat", "first %\nsecond\n");
    int32_t points = 120;
    ScoreComment comment(&points, dir.file("c.dat").c_str(), 0);
    comment.load();
    EXPECT_STREQ(comment.text(), "first 120");
}

} // namespace
