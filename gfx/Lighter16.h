#pragma once

#include <array>
#include <cstdint>

#include "gfx/Lighter.h"

// The lighter that draws: on a 16-bit display it adds light to both pixels
// of a cell with one 32-bit addition. Light is not clamped: a channel that
// overflows carries into its neighbour, as the game has always looked.
class Lighter16 : public Lighter {
  public:
    using Lighter::Lighter;

    void buildFalloff(LightTables& tables) override;
    void round(int32_t x, int32_t y, int32_t r, int32_t red, int32_t green, int32_t blue) override;
    void cone(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width, int32_t red,
              int32_t green, int32_t blue) override;
    void ring(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
              int32_t blue) override;
    void spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue) override;

    // No word is written at or beyond this byte of the pixel memory.
    static constexpr uint32_t kPixelBytes = 640 * 480 * 2;

  private:
    // The cell pair value for each brightness 0..16 of one request: a light
    // has at most 17 different values, so colours are mapped once, not per cell.
    using Shades = std::array<uint32_t, 17>;
    Shades shades(int32_t shift, int32_t red, int32_t green, int32_t blue) const;

    // Cells x0..x1-1 of rows y0..y1-1, within the screen.
    struct Box {
        int32_t x0, x1, y0, y1;
    };
    Box boxAround(int32_t x, int32_t y, int32_t r) const;
    // Calls lightCell(word, column, tableRow) for every cell of the box of a
    // light at (x, y), with the cell's column and row in the tables.
    template <typename LightCell> void forEachCell(int32_t x, int32_t y, Box box, LightCell lightCell);
    uint32_t memoryEnd() const;
};
