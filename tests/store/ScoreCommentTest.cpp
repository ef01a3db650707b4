#include "store/ScoreComment.h"

#include <gtest/gtest.h>

#include "support/StoreFixture.h"

namespace {

// Every line holds a % that becomes the score; the line is the score's
// fifties counted from the first.
TEST(ScoreComment, TheLineIsChosenByFiftiesAndThePercentBecomesTheScore) {
    TempDir dir;
    ScoreComment comment{dir.file("comment.dat").c_str(), 50};
    const auto commentFor = [&](int32_t value) {
        comment.load(value);
        return std::string(comment.text() == nullptr ? "(none)" : comment.text());
    };
    const std::string cut = "%" + std::string(400, 'z');
    const std::string wide = std::string(250, 'a') + "% aliens";
    const struct {
        std::string file;
        int32_t score;
        std::string shown;
    } cases[] = {
        {"zero %\none %\ntwo %\nthree %\n", 0, "zero 0"},
        {"zero %\none %\ntwo %\nthree %\n", 50, "one 50"},
        {"zero %\none %\ntwo %\nthree %\n", INT32_MAX, "three 2147483647"},
        {"zero %\none %\n", -500, "zero -500"},
        {"No score here\n100% sure\n", 60, "10060 sure"}, // only the first percent
        {"first\nsecond %", 75, "second 75"},             // no newline at the end
        {cut + "\nnext\n", 7, "7" + std::string(254, 'z')},
        {cut + "\nnext\n", 50, "next"}, // the cut part is not a line of its own
        // A long score does not stretch the text past the longest line.
        {wide + "\n", 123456, std::string(250, 'a') + "12345"},
        {"", 10, "(none)"},
    };
    for (const auto& c : cases) {
        writeEnciphered(dir, "comment.dat", c.file);
        EXPECT_EQ(commentFor(c.score), c.shown) << c.file.substr(0, 20) << " " << c.score;
    }
    writeEnciphered(dir, "comment.dat", "x %\n");
    ASSERT_EQ(commentFor(10), "x 10");
    std::filesystem::remove(dir.path() / "comment.dat");
    EXPECT_EQ(commentFor(10), "(none)") << "a missing file drops the old text";
}

} // namespace
