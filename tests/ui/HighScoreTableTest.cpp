// The high-score table as read from its file, however damaged, and the rules
// of getting into it.
#include "ui/HighScoreTable.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <numeric>

#include "input/Focus.h"
#include "input/Input.h"
#include "support/StoreFixture.h"
#include "world/LevelTable.h"

namespace {

class HighScores : public ::testing::Test {
  protected:
    bool loadText(const std::string& plain) {
        writeEnciphered(dir, "hiscore_1.dat", plain);
        return table.loadFrom(dir.file("hiscore_1.dat").c_str());
    }

    TempDir dir;
    LevelTable levels{1};
    HighScoreTable table{20, "dat/hiscore.dat", nullptr, nullptr, 0, levels};
};

TEST_F(HighScores, ScoresAreKeptAsReadAndLinesOver63AreCutInStep) {
    const std::string longName(500, 'n');
    const std::string longScore = "1" + std::string(100, '0');
    ASSERT_TRUE(loadText("007\na\n12abc\nb\nabc\nc\n-40\nd\n99999999999\ne\n\nf\n50\n" + longName +
                         "\n" + longScore + "\nsecond\n20\n" + std::string(64, 'y') + "\n"));
    const int32_t scores[] = {7, 12, 0, -40, INT32_MAX, 0, 50}; // too large clamps, never wraps
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(table.entry(i).score, scores[i]) << i;
    }
    EXPECT_EQ(table.entry(0).scoreText, "007");
    EXPECT_EQ(table.entry(6).name, std::string(63, 'n'));
    EXPECT_EQ(table.entry(7).scoreText.size(), 63u);
    EXPECT_EQ(table.entry(7).name, "second");
    EXPECT_EQ(table.entry(8).name, std::string(63, 'y'));
    EXPECT_EQ(table.entry(8).score, 20);

    // Raw bytes, not enciphered: lines of 255 characters after deciphering.
    std::vector<unsigned char> noise(5000);
    std::iota(noise.begin(), noise.end(), 0);
    dir.write("hiscore_1.dat", noise);
    ASSERT_TRUE(table.loadFrom(dir.file("hiscore_1.dat").c_str()));
    for (int i = 0; i < 20; ++i) {
        EXPECT_LE(std::max(table.entry(i).name.size(), table.entry(i).scoreText.size()), 63u);
    }
}

TEST_F(HighScores, AFileShorterThanTwentyRecordsGivesEmptyEntriesScoringZero) {
    for (int kept : {0, 1, 7, 19}) {
        std::string text;
        for (int i = 0; i < kept; ++i) {
            text += "5\nfew\n";
        }
        ASSERT_TRUE(loadText(text + "3")) << "a last record cut in its score line";
        for (int i = 0; i < 20; ++i) {
            const HighScoreEntry& e = table.entry(i);
            EXPECT_EQ(e.name, i < kept ? "few" : "") << kept << " row " << i;
            EXPECT_EQ(e.score, i < kept ? 5 : i == kept ? 3 : 0) << kept << " row " << i;
            EXPECT_EQ(e.scoreText.empty(), i > kept) << kept << " row " << i;
        }
    }
}

TEST_F(HighScores, MissingFileAnswersFalseDefaultsAreTombrixAndSavingCreatesIt) {
    EXPECT_FALSE(table.loadFrom(dir.file("hiscore_2.dat").c_str()));
    EXPECT_FALSE(dir.exists("hiscore_2.dat")) << "reading makes no file";
    table.resetDefaults();
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(table.entry(i).scoreText, "0");
        EXPECT_EQ(table.entry(i).name, "TOMBRIX");
    }
    EXPECT_FALSE(table.qualifies(0));
    EXPECT_TRUE(table.qualifies(1));
    ASSERT_TRUE(table.save());
    EXPECT_EQ(readEnciphered(dir, "hiscore_2.dat").substr(0, 10), "0\nTOMBRIX\n");
}

TEST_F(HighScores, EqualScoreDoesNotQualifyOneMoreGoesBelowTheEqualOnes) {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += std::string(i < 15 ? "100" : "50") + "\nold" + std::to_string(i) + "\n";
    }
    ASSERT_TRUE(loadText(text));
    EXPECT_FALSE(table.qualifies(50));
    EXPECT_FALSE(table.insert(50, "same"));
    EXPECT_FALSE(table.isEntering());
    EXPECT_EQ(table.entry(19).name, "old19");

    ASSERT_TRUE(table.insert(51, "Mister X"));
    EXPECT_EQ(table.getNewIndex(), 15) << "below every 100";
    EXPECT_EQ(table.entry(15).scoreText, "51");
    EXPECT_EQ(table.entry(16).name, "old15");
    EXPECT_EQ(table.entry(19).name, "old18") << "old 20th entry pushed off";
    ASSERT_TRUE(table.insert(100, "tie"));
    EXPECT_EQ(table.getNewIndex(), 15) << "an equal score goes below the existing ones";
}

TEST_F(HighScores, TheTypedNameIsStoredOnReturnAndABlankOneAsUnknownTrooper) {
    const struct {
        std::string typed;
        const char* stored;
    } cases[] = {
        {"abcdefghijk", "abcdefghi "}, {"tom", "tom       "},    {"x", "x         "},
        {"", "unknown trooper"},       {" ", "unknown trooper"}, {"   ", "unknown trooper"},
    };
    for (const auto& c : cases) {
        table.resetDefaults();
        ASSERT_TRUE(table.insert(42, "Mister X"));
        for (char letter : c.typed) {
            table.getInput()->keyDown(letter);
        }
        table.finishEntry();
        EXPECT_EQ(table.entry(0).name, "Mister X") << "the name stays until Return";
        table.getInput()->keyDown(SDLK_RETURN);
        table.finishEntry();
        EXPECT_FALSE(table.isEntering());
        EXPECT_EQ(table.entry(0).name, c.stored) << '"' << c.typed << '"';
    }
}

TEST_F(HighScores, ReloadingEndsNameEntryAndReleasesTheFocus) {
    Focus focus;
    table.useFocus(&focus);
    ASSERT_TRUE(loadText("5\nfew\n"));
    ASSERT_TRUE(table.insert(300, "Mister X"));
    focus.current = table.getInput();
    ASSERT_TRUE(table.loadFrom(dir.file("hiscore_1.dat").c_str()));
    EXPECT_FALSE(table.isEntering());
    EXPECT_EQ(focus.current, nullptr) << "the focus never names a deleted field";
    table.useFocus(nullptr);
}

} // namespace
