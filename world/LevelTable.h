#pragma once

#include <cstdint>
#include <vector>

#include "core/GBase.h"

// Turns a score into a difficulty level through rows of (lowest score, level
// at that score, points per further level). Shared by the aliens and the
// high-score tables.
class LevelTable : public GBase {
public:
    explicit LevelTable(int32_t rows);

    // Stores the next row; ignored once every allocated row is filled.
    void addRow(int32_t threshold, int32_t base, int32_t divisor);
    int32_t levelFor(int32_t score) const;

    // 0 or less means no upper limit.
    int32_t maxLevel = 0;

private:
    struct Row {
        int32_t threshold = 0;
        int32_t base = 0;
        int32_t divisor = 1;
    };
    std::vector<Row> rows;
    int32_t count = 0;
};
