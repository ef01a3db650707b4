#include "store/HighScoreTable.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/LevelTable.h"
#include "input/Focus.h"
#include "input/Input.h"
#include "store/CipherFiles.h"

namespace {

std::string records(std::initializer_list<std::pair<const char*, const char*>> rows) {
    std::string text;
    for (const auto& row : rows) {
        text += std::string(row.first) + "\n" + row.second + "\n";
    }
    return text;
}

// A table of 20 with scores 200, 190, ... 10 and names n0 ... n19.
std::string descending() {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += std::to_string(200 - 10 * i) + "\nn" + std::to_string(i) + "\n";
    }
    return text;
}

class HighScores : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return dir.file(name); }
    bool loadText(const std::string& plain) {
        writeEnciphered(dir, "hiscore_1.dat", plain);
        return table.loadFrom(path("hiscore_1.dat").c_str());
    }
    void typeName(const char* letters) {
        Input* input = table.getInput();
        for (const char* c = letters; *c != '\0'; ++c) {
            input->keyDown(*c);
        }
        input->keyDown(SDLK_RETURN);
    }

    TempDir dir;
    LevelTable levels{1};
    HighScoreTable table{20, "dat/hiscore.dat", nullptr, nullptr, 0, levels};
};

TEST_F(HighScores, LoadReadsTwentyRecordsBestFirst) {
    ASSERT_TRUE(loadText(descending()));
    ASSERT_EQ(table.getCount(), 20);
    EXPECT_EQ(table.entry(0).scoreText, "200");
    EXPECT_EQ(table.entry(0).score, 200);
    EXPECT_EQ(table.entry(0).name, "n0");
    EXPECT_EQ(table.entry(19).score, 10);
    EXPECT_EQ(table.entry(19).name, "n19");
    EXPECT_EQ(table.getFileName(), path("hiscore_1.dat"));
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_1.dat"});
}

TEST_F(HighScores, MissingFileAnswersFalseAndDefaultsAreTombrix) {
    EXPECT_FALSE(table.loadFrom(path("hiscore_2.dat").c_str()));
    EXPECT_TRUE(filesIn(dir).empty());
    table.resetDefaults();
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(table.entry(i).scoreText, "0");
        EXPECT_EQ(table.entry(i).score, 0);
        EXPECT_EQ(table.entry(i).name, "TOMBRIX");
    }
    EXPECT_FALSE(table.qualifies(0));
    EXPECT_TRUE(table.qualifies(1));
    ASSERT_TRUE(table.insert(1, "Mister X"));
    EXPECT_EQ(table.getNewIndex(), 0);
}

TEST_F(HighScores, ShorterFileGivesEmptyEntriesWithScoreZero) {
    for (int kept : {0, 1, 7, 19}) {
        std::string text;
        for (int i = 0; i < kept; ++i) {
            text += "5\nfew\n";
        }
        text += "3"; // a last record cut in the middle of its score line
        ASSERT_TRUE(loadText(text)) << kept;
        for (int i = 0; i < kept; ++i) {
            EXPECT_EQ(table.entry(i).name, "few");
        }
        EXPECT_EQ(table.entry(kept).score, 3) << kept;
        EXPECT_EQ(table.entry(kept).name, "") << kept;
        for (int i = kept + 1; i < 20; ++i) {
            EXPECT_EQ(table.entry(i).scoreText, "") << kept << " row " << i;
            EXPECT_EQ(table.entry(i).score, 0);
            EXPECT_EQ(table.entry(i).name, "");
        }
    }
}

TEST_F(HighScores, ScoreTextIsKeptAsReadAndGarbageCountsZero) {
    ASSERT_TRUE(loadText(records({{"007", "a"},
                                  {"12abc", "b"},
                                  {"abc", "c"},
                                  {"-40", "d"},
                                  {"99999999999", "e"},
                                  {"", "f"}})));
    EXPECT_EQ(table.entry(0).scoreText, "007");
    EXPECT_EQ(table.entry(0).score, 7);
    EXPECT_EQ(table.entry(1).score, 12);
    EXPECT_EQ(table.entry(2).score, 0);
    EXPECT_EQ(table.entry(3).score, -40);
    EXPECT_EQ(table.entry(4).score, INT32_MAX) << "too large clamps, never wraps";
    EXPECT_EQ(table.entry(5).score, 0);
}

TEST_F(HighScores, LongLinesAreCutAt63AndRecordsStayInStep) {
    const std::string longName(500, 'n');
    const std::string longScore = "1" + std::string(100, '0');
    ASSERT_TRUE(loadText(records({{"50", longName.c_str()},
                                  {longScore.c_str(), "second"},
                                  {"30", std::string(63, 'x').c_str()},
                                  {"20", std::string(64, 'y').c_str()}})));
    EXPECT_EQ(table.entry(0).name, std::string(63, 'n'));
    EXPECT_EQ(table.entry(1).scoreText.size(), 63u);
    EXPECT_EQ(table.entry(1).name, "second");
    EXPECT_EQ(table.entry(2).name, std::string(63, 'x'));
    EXPECT_EQ(table.entry(3).name, std::string(63, 'y'));
    EXPECT_EQ(table.entry(3).score, 20);
}

TEST_F(HighScores, GarbageBytesNeverBreakTheTable) {
    std::vector<unsigned char> noise(5000);
    for (size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<unsigned char>((i * 7919) >> 3);
    }
    dir.write("hiscore_1.dat", noise);
    ASSERT_TRUE(table.loadFrom(path("hiscore_1.dat").c_str()));
    for (int i = 0; i < 20; ++i) {
        EXPECT_LE(table.entry(i).name.size(), 63u);
        EXPECT_LE(table.entry(i).scoreText.size(), 63u);
    }
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
    EXPECT_EQ(table.getInput(), nullptr);
    EXPECT_EQ(table.entry(19).name, "old19");

    ASSERT_TRUE(table.insert(51, "Mister X"));
    EXPECT_EQ(table.getNewIndex(), 15) << "below every 100";
    EXPECT_EQ(table.entry(15).name, "Mister X");
    EXPECT_EQ(table.entry(15).scoreText, "51");
    EXPECT_EQ(table.entry(16).name, "old15");
    EXPECT_EQ(table.entry(19).name, "old18") << "old 20th entry pushed off";

    ASSERT_TRUE(table.insert(100, "tie"));
    EXPECT_EQ(table.getNewIndex(), 15) << "an equal score goes below the existing ones";
}

TEST_F(HighScores, InsertAtRowZeroMovesEveryoneDownAndTheLastIsGoneAfterSaving) {
    ASSERT_TRUE(loadText(descending()));
    ASSERT_TRUE(table.insert(201, "Mister X"));
    EXPECT_EQ(table.getNewIndex(), 0);
    EXPECT_TRUE(table.isEntering());
    ASSERT_NE(table.getInput(), nullptr);
    for (int i = 1; i < 20; ++i) {
        EXPECT_EQ(table.entry(i).name, "n" + std::to_string(i - 1));
    }
    ASSERT_TRUE(table.save());
    const std::string saved = readEnciphered(dir, "hiscore_1.dat");
    EXPECT_EQ(saved.find("n19"), std::string::npos);
    EXPECT_EQ(saved.substr(0, 20), "201\nMister X\n200\nn0\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_1.dat"});
}

TEST_F(HighScores, InsertAtTheLastRow) {
    ASSERT_TRUE(loadText(descending()));
    ASSERT_TRUE(table.insert(11, "last"));
    EXPECT_EQ(table.getNewIndex(), 19);
    EXPECT_EQ(table.entry(18).name, "n18");
    EXPECT_EQ(table.entry(19).name, "last");
}

TEST_F(HighScores, NineTypedLettersAreSavedAsTenCharacters) {
    table.resetDefaults();
    ASSERT_TRUE(table.insert(42, "Mister X"));
    typeName("abcdefghijk");
    table.finishEntry();
    EXPECT_FALSE(table.isEntering());
    EXPECT_EQ(table.entry(0).name, "abcdefghi ");

    table.resetDefaults();
    ASSERT_TRUE(table.insert(42, "Mister X"));
    typeName("tom");
    table.finishEntry();
    EXPECT_EQ(table.entry(0).name, "tom       ");
}

TEST_F(HighScores, NameStaysUntilReturnIsPressed) {
    table.resetDefaults();
    ASSERT_TRUE(table.insert(42, "Mister X"));
    table.getInput()->keyDown(SDLK_a);
    table.finishEntry();
    EXPECT_TRUE(table.isEntering());
    EXPECT_EQ(table.entry(0).name, "Mister X");
}

TEST_F(HighScores, EmptyOrBlankNameIsStoredAsUnknownTrooper) {
    for (const char* typed : {"", " ", "   "}) {
        table.resetDefaults();
        ASSERT_TRUE(table.insert(42, "Mister X"));
        typeName(typed);
        table.finishEntry();
        EXPECT_EQ(table.entry(0).name, "unknown trooper") << '"' << typed << '"';
    }
    table.resetDefaults();
    ASSERT_TRUE(table.insert(42, "Mister X"));
    typeName("x");
    table.finishEntry();
    EXPECT_EQ(table.entry(0).name, "x         ") << "one letter is a name";
}

TEST_F(HighScores, SaveThenLoadGivesTheSameTable) {
    ASSERT_TRUE(loadText(descending()));
    ASSERT_TRUE(table.insert(155, "Mister X"));
    typeName("zed");
    table.finishEntry();
    ASSERT_TRUE(table.save());
    const std::string saved = readEnciphered(dir, "hiscore_1.dat");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 40);

    LevelTable otherLevels(1);
    HighScoreTable other(20, "dat/hiscore.dat", nullptr, nullptr, 0, otherLevels);
    ASSERT_TRUE(other.loadFrom(path("hiscore_1.dat").c_str()));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(other.entry(i).scoreText, table.entry(i).scoreText) << i;
        EXPECT_EQ(other.entry(i).name, table.entry(i).name) << i;
    }
    EXPECT_EQ(other.entry(5).name, "zed       ");
}

TEST_F(HighScores, SaveCreatesAMissingFile) {
    EXPECT_FALSE(table.loadFrom(path("hiscore_2.dat").c_str()));
    table.resetDefaults();
    ASSERT_TRUE(table.save());
    EXPECT_EQ(readEnciphered(dir, "hiscore_2.dat").substr(0, 10), "0\nTOMBRIX\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_2.dat"});
}

TEST_F(HighScores, FailedSaveKeepsTheOldTable) {
    ASSERT_TRUE(loadText(descending()));
    table.resetDefaults();
    // A directory in the way of the replacement makes the write fail.
    std::filesystem::create_directory(dir.path() / "hiscore_1.dat.new");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(table.save());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readEnciphered(dir, "hiscore_1.dat"), descending());
    EXPECT_FALSE(dir.exists("hiscore_1.dat.tmp"));

    EXPECT_FALSE(table.loadFrom(path("nowhere/hiscore_1.dat").c_str()));
    EXPECT_FALSE(table.save()) << "a directory that does not exist";
}

TEST_F(HighScores, ReloadingEndsNameEntryAndReleasesTheFocus) {
    Focus focus;
    inputFocus = &focus;
    ASSERT_TRUE(loadText(descending()));
    ASSERT_TRUE(table.insert(300, "Mister X"));
    focus.current = table.getInput();
    ASSERT_TRUE(table.loadFrom(path("hiscore_1.dat").c_str()));
    EXPECT_FALSE(table.isEntering());
    EXPECT_EQ(table.getInput(), nullptr);
    EXPECT_EQ(focus.current, nullptr) << "the focus never names a deleted field";
    inputFocus = nullptr;
}

} // namespace
