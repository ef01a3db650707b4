#include "world/LevelTable.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The level tag beside the score, from the table the game builds at start-up.
TEST(LevelTable, TheTagFollowsTheScoreThroughEveryRowAndStopsAtTheCap) {
    const struct {
        int32_t maxLevel, score, level;
    } cases[] = {
        {25, 0, 0},     {25, 99, 0},        {25, 100, 1},   {25, 1199, 10}, {25, 1200, 11},
        {25, 3000, 20}, {25, 3899, 22},     {25, 3900, 23}, {25, 4900, 25}, {25, 100000, 25},
        {25, -1, 0},    {25, INT32_MIN, 0}, {0, 6300, 32},  {20, 4000, 20},
    };
    for (const auto& c : cases) {
        LevelTable table(5);
        table.addRow(0, 0, 100);
        table.addRow(1000, 10, 200);
        table.addRow(3000, 20, 300);
        table.addRow(3900, 23, 500);
        table.addRow(4900, 25, 200);
        table.maxLevel = c.maxLevel;
        EXPECT_EQ(table.levelFor(c.score), c.level) << "score " << c.score << " cap " << c.maxLevel;
    }
}

TEST(LevelTable, OddTablesStayInBounds) {
    LevelTable extreme(1);
    extreme.addRow(-2000000000, 0, 1);
    EXPECT_EQ(extreme.levelFor(INT32_MAX), INT32_MAX) << "no overflow";
    LevelTable flat(2);
    flat.addRow(0, 0, 100);
    flat.addRow(1000, 7, 0);
    EXPECT_EQ(flat.levelFor(123456), 7) << "a zero divisor keeps the base level";
}

} // namespace
