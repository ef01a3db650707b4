#include "world/Collision.h"

#include <algorithm>

namespace {
// testRect reads every second pixel: fine enough for the smallest box.
constexpr int64_t kScanStep = 2;
// Largest shift that still leaves a pixel coordinate room in 32 bits.
constexpr int32_t kMaxShift = 16;

// The last scan point before the grid's near edge: every earlier one reads
// the same border cell. A span that ends before the edge starts at its own
// last point, which reads that cell as a point test there would.
int64_t firstUsefulPoint(int32_t from, int32_t length) {
    if (from >= 0 || length <= 0) {
        return from;
    }
    const int64_t lastOfSpan = from + (int64_t{length} - 1) / kScanStep * kScanStep;
    return std::min(from + (-int64_t{from} - 1) / kScanStep * kScanStep, lastOfSpan);
}
} // namespace

Collision::Collision(int32_t width, int32_t height, int32_t shift)
    : shift(std::clamp(shift, 0, kMaxShift)),
      // At least one cell each way, so every lookup has a cell to clamp to.
      cols(std::max(width >> this->shift, 1)), rows(std::max(height >> this->shift, 1)),
      cells(static_cast<size_t>(cols) * rows, kEmpty) {
    clear();
}

void Collision::clear() {
    count = 0;
    objects.fill(nullptr);
    std::fill(cells.begin(), cells.end(), kEmpty);
}

void Collision::add(int32_t x, int32_t y, int32_t w, int32_t h, Move* object) {
    if (count >= kMaxObjects) {
        return;
    }
    // 64 bits: a box far off the playfield must not wrap round into it.
    int64_t cx = x >> shift;
    int64_t cy = y >> shift;
    int64_t cw = w >> shift;
    int64_t ch = h >> shift;
    if (cx + cw < 0 || cy + ch < 0) {
        return;
    }
    cx = std::max<int64_t>(cx, 0);
    cy = std::max<int64_t>(cy, 0);
    // The last column and row stay unpainted, as they always have.
    cw = std::min(cw, cols - cx - 1);
    ch = std::min(ch, rows - cy - 1);
    for (int64_t row = cy; row < cy + ch; ++row) {
        for (int64_t col = cx; col < cx + cw; ++col) {
            cells[row * cols + col] = static_cast<int16_t>(count);
        }
    }
    objects[count] = object;
    ++count;
}

int32_t Collision::cellAt(int32_t x, int32_t y) const {
    const int32_t col = std::clamp(x >> shift, 0, cols - 1);
    const int32_t row = std::clamp(y >> shift, 0, rows - 1);
    return cells[static_cast<size_t>(row) * cols + col];
}

Move* Collision::objectAt(int32_t index) const {
    return index >= 0 && index < count ? objects[index] : nullptr;
}

int32_t Collision::firstInRect(int32_t x, int32_t y, int32_t w, int32_t h) const {
    // Points before the grid read the same border cell as the first point on
    // it, and every point past its far edge reads the same last cell, so the
    // scan can be cut to the grid (plus one step) without changing its order.
    const int64_t gridW = int64_t{cols} << shift;
    const int64_t gridH = int64_t{rows} << shift;
    const int64_t endX = std::min(int64_t{x} + w, gridW + kScanStep);
    const int64_t endY = std::min(int64_t{y} + h, gridH + kScanStep);
    const int64_t startX = firstUsefulPoint(x, w);
    const int64_t startY = firstUsefulPoint(y, h);
    for (int64_t py = startY; py < endY; py += kScanStep) {
        for (int64_t px = startX; px < endX; px += kScanStep) {
            const int32_t index = cellAt(static_cast<int32_t>(px), static_cast<int32_t>(py));
            if (objectAt(index) != nullptr) {
                return index;
            }
        }
    }
    return kEmpty;
}
