#include "world/DirectionTable.h"
#include "world/Move.h"

#include <gtest/gtest.h>

namespace {

// The table every path in the game is built on, entry by entry.
constexpr int32_t kDx[32] = {0,   3,   6,   8,   11,  13,  14,  15, 15, 15,  14,
                             13,  11,  8,   6,   3,   0,   -3,  -6, -8, -11, -13,
                             -14, -15, -15, -15, -14, -13, -11, -8, -6, -3};
constexpr int32_t kDy[32] = {-16, -15, -14, -13, -11, -8, -6,  -3,  0,   3,  6,
                             8,   11,  13,  14,  15,  15, 15,  14,  13,  11, 8,
                             6,   3,   0,   -3,  -6,  -8, -11, -13, -14, -15};

TEST(DirectionTable, TheGamesTableAndAFreshOneOfItsShapeMatchEveryEntry) {
    const DirectionTable fresh(32, 16);
    for (const DirectionTable* table : {&Move::directions(), &fresh}) {
        ASSERT_EQ(table->size(), 32);
        for (int32_t i = 0; i < 32; ++i) {
            EXPECT_EQ(table->dx(i), kDx[i]) << "dx of direction " << i;
            EXPECT_EQ(table->dy(i), kDy[i]) << "dy of direction " << i;
        }
    }
}

TEST(DirectionTable, StepsScaleByTenthsAndTruncateTowardZero) {
    const DirectionTable& table = Move::directions();
    EXPECT_EQ(table.stepX(27, 5), -6);
    EXPECT_EQ(table.stepY(27, 5), -4);
    EXPECT_EQ(table.stepX(8, 10), 15) << "right moves 15, not 16";
    EXPECT_EQ(table.stepY(0, 1), -1);
    EXPECT_EQ(table.stepX(1, 3), 0);
    EXPECT_EQ(table.stepX(31, 3), 0) << "-0.9 truncates to 0";
    EXPECT_EQ(table.stepY(16, 20), 30);
}

TEST(DirectionTable, DirectionsWrapRoundTheCompass) {
    const DirectionTable& table = Move::directions();
    EXPECT_EQ(table.add(31, 1), 0);
    EXPECT_EQ(table.add(30, 5), 3);
    EXPECT_EQ(table.sub(3, 5), 30);
    EXPECT_EQ(table.add(-5, 0), 27);
    for (int32_t d = 0; d < 32; ++d) {
        for (int32_t k = 0; k <= 32; ++k) {
            EXPECT_EQ(table.sub(table.add(d, k), k), d);
        }
    }
    // Out-of-range directions wrap instead of reading outside the table.
    EXPECT_EQ(table.dx(32), table.dx(0));
    EXPECT_EQ(table.dy(-1), table.dy(31));
    EXPECT_EQ(table.stepX(40, 10), 15);
}

} // namespace
