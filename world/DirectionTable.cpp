#include "world/DirectionTable.h"

#include <cmath>

namespace {
// The table has always been built with this rounded value rather than 2 pi;
// its entries, and so every path in the game, depend on it.
constexpr double kFullTurn = 6.28;
} // namespace

DirectionTable::DirectionTable(int32_t n, int32_t r) : n(n < 1 ? 1 : n) {
    dxs.resize(this->n);
    dys.resize(this->n);
    for (int32_t i = 0; i < this->n; ++i) {
        const double angle = i * kFullTurn / this->n;
        dxs[i] = static_cast<int32_t>(r * std::sin(angle));
        dys[i] = static_cast<int32_t>(-r * std::cos(angle));
    }
}

int32_t DirectionTable::wrap(int64_t d) const {
    const int64_t m = d % n;
    return static_cast<int32_t>(m < 0 ? m + n : m);
}
