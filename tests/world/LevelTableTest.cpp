#include "world/LevelTable.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The level tag beside the score, from the table the game builds at start-up
// out of its own constants.
TEST(LevelTable, TheTagFollowsTheScoreAndStopsAtTheCap) {
    LevelTable table(5);
    const int32_t rows[][3] = {
        {0, 0, 100}, {1000, 10, 200}, {3000, 20, 300}, {3900, 23, 500}, {4900, 25, 200}};
    for (const auto& [score, level, divisor] : rows) {
        table.addRow(score, level, divisor);
    }
    const int32_t cases[][3] = {{25, 99, 0},        {25, 100, 1},   {25, 1199, 10},
                                {25, 3899, 22},     {25, 4900, 25}, {25, 100000, 25},
                                {25, INT32_MIN, 0}, {0, 6300, 32},  {20, 4000, 20}};
    for (const auto& [cap, score, level] : cases) {
        table.maxLevel = cap;
        EXPECT_EQ(table.levelFor(score), level) << "score " << score << " cap " << cap;
    }
}

} // namespace
