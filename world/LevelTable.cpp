#include "world/LevelTable.h"

#include <algorithm>
#include <climits>

LevelTable::LevelTable(int32_t rows) : rows(rows > 0 ? size_t(rows) : 0) {}

void LevelTable::addRow(int32_t threshold, int32_t base, int32_t divisor) {
    if (count >= int32_t(rows.size())) {
        return;
    }
    // A zero divisor would divide by zero; such a row keeps its base level.
    rows[count] = Row{threshold, base, divisor};
    ++count;
}

int32_t LevelTable::levelFor(int32_t score) const {
    if (count == 0) {
        return 0;
    }
    // Only rows that were added take part; unfilled ones hold nothing.
    int32_t row = count - 1;
    while (row > 0 && score < rows[row].threshold) {
        --row;
    }
    const Row& r = rows[row];
    const int64_t above = int64_t(score) - r.threshold;
    int64_t level = r.base;
    if (r.divisor != 0) {
        level += above / r.divisor;
    }
    if (maxLevel > 0 && level > maxLevel) {
        level = maxLevel;
    }
    // A negative score would give a negative level, which indexes no tag.
    if (level < 0) {
        level = 0;
    }
    return int32_t(std::min<int64_t>(level, INT32_MAX));
}
