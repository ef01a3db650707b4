#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/GBase.h"

class Move;

// The coarse occupancy grid all contacts go through, rebuilt every frame.
// Aliens and power-ups paint their boxes into it; troopers and projectiles
// look things up in it (Move's lookups) and meet what they find.
class Collision : public GBase {
  public:
    // A grid of cells 2^shift pixels square over a width x height playfield.
    Collision(int32_t width, int32_t height, int32_t shift);

    // Forgets every object and empties every cell.
    void clear();
    // Registers object (not owned) with its box in pixels. Boxes wholly left
    // of or above the grid are ignored; the rest is cut to the grid.
    void add(int32_t x, int32_t y, int32_t w, int32_t h, Move* object);
    // Index of the object that last painted the cell under a pixel, or
    // kEmpty. Pixels off the grid read the nearest border cell.
    int32_t cellAt(int32_t x, int32_t y) const;

    // The index of the first registered object found scanning the rectangle
    // row by row, every second pixel; kEmpty when there is none.
    int32_t firstInRect(int32_t x, int32_t y, int32_t w, int32_t h) const;
    // The object registered at index, or null (out of range or forgotten).
    Move* objectAt(int32_t index) const;
    // Leaves the object at index out of every later lookup: it was used up.
    void forget(int32_t index) { objects[index] = nullptr; }

    int32_t getCount() const { return count; }
    int32_t pixelWidth() const { return cols << shift; }
    int32_t pixelHeight() const { return rows << shift; }

    static constexpr int32_t kEmpty = -1;
    static constexpr int32_t kMaxObjects = 256;

  private:
    int32_t shift;
    int32_t cols;
    int32_t rows;
    std::vector<int16_t> cells;
    std::array<Move*, kMaxObjects> objects{};
    int32_t count = 0;
};
