#include "app/LevelTable.h"

#include <gtest/gtest.h>

namespace {

// The table the game builds at start-up.
LevelTable gameTable() {
    LevelTable table(5);
    table.addRow(0, 0, 100);
    table.addRow(1000, 10, 200);
    table.addRow(3000, 20, 300);
    table.addRow(3900, 23, 500);
    table.addRow(4900, 25, 200);
    table.maxLevel = 25;
    return table;
}

TEST(LevelTable, EachRowStartsAtItsBaseAndStepsByItsDivisor) {
    const LevelTable table = gameTable();
    const struct {
        int32_t score;
        int32_t level;
    } cases[] = {{0, 0},      {99, 0},     {100, 1},    {999, 9},    {1000, 10},
                 {1199, 10},  {1200, 11},  {2999, 19},  {3000, 20},  {3299, 20},
                 {3300, 21},  {3899, 22},  {3900, 23},  {4399, 23},  {4400, 24},
                 {4899, 24},  {4900, 25},  {5100, 25},  {100000, 25}};
    for (const auto& c : cases) {
        EXPECT_EQ(table.levelFor(c.score), c.level) << "score " << c.score;
    }
}

TEST(LevelTable, MaxLevelCapsOnlyWhenPositive) {
    LevelTable table = gameTable();
    table.maxLevel = 0;
    EXPECT_EQ(table.levelFor(4900 + 200 * 7), 32);
    table.maxLevel = -3;
    EXPECT_EQ(table.levelFor(4900 + 200 * 7), 32);
    table.maxLevel = 20;
    EXPECT_EQ(table.levelFor(2999), 19);
    EXPECT_EQ(table.levelFor(3000), 20);
    EXPECT_EQ(table.levelFor(4000), 20);
}

TEST(LevelTable, NegativeScoresUseRowZeroAndNeverGoBelowLevelZero) {
    const LevelTable table = gameTable();
    EXPECT_EQ(table.levelFor(-1), 0);
    EXPECT_EQ(table.levelFor(-99), 0);
    EXPECT_EQ(table.levelFor(-100), 0);
    EXPECT_EQ(table.levelFor(INT32_MIN), 0);
}

TEST(LevelTable, ExtremeScoresDoNotOverflow) {
    LevelTable table(1);
    table.addRow(-2000000000, 0, 1);
    EXPECT_EQ(table.levelFor(INT32_MAX), INT32_MAX);
}

TEST(LevelTable, UnfilledRowsAndExtraRowsAreIgnored) {
    LevelTable partial(5);
    partial.addRow(0, 0, 100);
    partial.addRow(1000, 10, 200);
    EXPECT_EQ(partial.levelFor(5000), 30) << "only the two added rows count";

    LevelTable full(1);
    full.addRow(0, 0, 100);
    full.addRow(1000, 10, 200);
    EXPECT_EQ(full.levelFor(5000), 50) << "a row beyond the allocated ones is dropped";

    LevelTable empty(0);
    empty.addRow(0, 5, 1);
    EXPECT_EQ(empty.levelFor(123), 0);
}

TEST(LevelTable, ZeroDivisorKeepsTheBaseLevel) {
    LevelTable table(2);
    table.addRow(0, 0, 100);
    table.addRow(1000, 7, 0);
    EXPECT_EQ(table.levelFor(123456), 7);
}

} // namespace
