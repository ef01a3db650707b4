#include "world/LevelTable.h"

#include <gtest/gtest.h>

namespace {

// The table the game builds at start-up.
LevelTable gameTable(int32_t maxLevel) {
    LevelTable table(5);
    table.addRow(0, 0, 100);
    table.addRow(1000, 10, 200);
    table.addRow(3000, 20, 300);
    table.addRow(3900, 23, 500);
    table.addRow(4900, 25, 200);
    table.maxLevel = maxLevel;
    return table;
}

TEST(LevelTable, EachRowStartsAtItsBaseAndStepsByItsDivisor) {
    const struct {
        int32_t maxLevel, score, level;
    } cases[] = {
        {25, 0, 0},         {25, 99, 0},    {25, 100, 1},     {25, 999, 9},   {25, 1000, 10},
        {25, 1199, 10},     {25, 1200, 11}, {25, 2999, 19},   {25, 3000, 20}, {25, 3299, 20},
        {25, 3300, 21},     {25, 3899, 22}, {25, 3900, 23},   {25, 4399, 23}, {25, 4400, 24},
        {25, 4899, 24},     {25, 4900, 25}, {25, 100000, 25}, {25, -1, 0},    {25, -100, 0},
        {25, INT32_MIN, 0}, {0, 6300, 32},  {-3, 6300, 32},   {20, 2999, 19}, {20, 4000, 20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gameTable(c.maxLevel).levelFor(c.score), c.level)
            << "score " << c.score << " cap " << c.maxLevel;
    }
}

// Where a row's base does not continue the row before it, a score exactly on
// its threshold already belongs to it.
TEST(LevelTable, AScoreOnAThresholdTakesThatRowWhereTheRowsJump) {
    LevelTable jumping(3);
    jumping.addRow(0, 0, 100);
    jumping.addRow(1000, 50, 100);
    jumping.addRow(2000, 5, 1000);
    const int32_t cases[][2] = {{999, 9}, {1000, 50}, {1999, 59}, {2000, 5}, {2999, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(jumping.levelFor(c[0]), c[1]) << c[0];
    }
}

TEST(LevelTable, OddTablesStayInBounds) {
    LevelTable extreme(1);
    extreme.addRow(-2000000000, 0, 1);
    EXPECT_EQ(extreme.levelFor(INT32_MAX), INT32_MAX) << "no overflow";

    // Rows not added, or beyond the allocated ones, do not count.
    LevelTable partial(5), full(1), empty(0);
    for (LevelTable* table : {&partial, &full}) {
        table->addRow(0, 0, 100);
        table->addRow(1000, 10, 200);
    }
    empty.addRow(0, 5, 1);
    EXPECT_EQ(partial.levelFor(5000), 30);
    EXPECT_EQ(full.levelFor(5000), 50);
    EXPECT_EQ(empty.levelFor(123), 0);

    LevelTable flat(2);
    flat.addRow(0, 0, 100);
    flat.addRow(1000, 7, 0);
    EXPECT_EQ(flat.levelFor(123456), 7) << "a zero divisor keeps the base level";
}

} // namespace
