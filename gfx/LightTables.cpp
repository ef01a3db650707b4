#include "gfx/LightTables.h"

#include <cmath>
#include <cstdlib>

namespace {
// The horizontal distance counts a third of the vertical one, so the steps
// are three times finer across the vertical axis.
constexpr double kWeightX = 8;
constexpr double kWeightY = 24;
constexpr double kStepsPerRadian = 32.0 / 3.141592654;
constexpr int32_t kQuadrantLast = 7;
constexpr int32_t kHalfTurn = 16;
constexpr int32_t kDirections = 32;
// Brightness at a light's centre and what it loses by the rim.
constexpr int32_t kTop = 16;
constexpr int32_t kDrop = 14;

// Steps from the vertical, 0 to 7, of the offset (dx, dy), both positive.
int32_t stepsFromVertical(int32_t dx, int32_t dy) {
    const double wx = kWeightX * dx;
    const double wy = kWeightY * dy;
    const double r = std::sqrt(wx * wx + wy * wy);
    if (r == 0.0) {
        return 0;
    }
    const int32_t v = static_cast<int32_t>(std::acos(wy / r) * kStepsPerRadian);
    return v > kQuadrantLast ? kQuadrantLast : v;
}

// The quadrant turns the steps into a direction counted from straight down;
// the lower left quadrant and the axes not named keep the steps as they are.
int32_t fromDown(int32_t x, int32_t y, int32_t ctr) {
    const int32_t v = stepsFromVertical(std::abs(ctr - x), std::abs(ctr - y));
    if (x < ctr && y < ctr) {
        return 15 - v;
    }
    if (x > ctr && y < ctr) {
        return v + 16;
    }
    if (x > ctr && y > ctr) {
        return 31 - v;
    }
    if (x == ctr && y < ctr) {
        return 16;
    }
    if (y == ctr && x > ctr) {
        return 24;
    }
    return v;
}
} // namespace

LightTables::LightTables(int32_t n)
    : n(n > 0 ? n : 1), ctr(this->n / 2), distances(size_t(this->n) * size_t(this->n)),
      directions(distances.size()), falloffs(size_t(this->n)) {
    buildDistances();
    buildDirections();
    fillFalloff(kTop, kDrop);
}

void LightTables::fillFalloff(int32_t top, int32_t drop) {
    falloffs[0].assign(1, 0);
    for (int32_t r = 1; r < n; ++r) {
        std::vector<uint8_t>& row = falloffs[std::size_t(r)];
        row.resize(std::size_t(r) + 1);
        for (int32_t j = 0; j <= r; ++j) {
            const int32_t value = top - drop * j / r;
            row[std::size_t(j)] = static_cast<uint8_t>(value > 0 ? value : 0);
        }
    }
}

void LightTables::buildDistances() {
    for (int32_t y = 0; y < n; ++y) {
        for (int32_t x = 0; x < n; ++x) {
            const double dx = x - ctr;
            const double dy = y - ctr;
            distances[index(x, y)] = static_cast<uint8_t>(std::sqrt(dx * dx + dy * dy));
        }
    }
}

void LightTables::buildDirections() {
    for (int32_t y = 0; y < n; ++y) {
        for (int32_t x = 0; x < n; ++x) {
            const int32_t v = fromDown(x, y, ctr);
            directions[index(x, y)] = static_cast<uint8_t>((v + kHalfTurn) % kDirections);
        }
    }
}
