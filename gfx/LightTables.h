#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The look-up tables every light is drawn from, computed once: for each
// cell of an n x n square around a centre, its distance and its compass
// direction from the centre, and for each radius the fall-off of brightness
// from the centre to the rim.
class LightTables {
  public:
    // n cells a side; n / 2 is the centre.
    explicit LightTables(int32_t n);

    int32_t size() const { return n; }
    int32_t centre() const { return ctr; }
    // Whole cells from the centre to cell (x, y) of the square.
    uint8_t distance(int32_t x, int32_t y) const { return distances[index(x, y)]; }
    // 0 up, 8 right, 16 down, 24 left, as seen from the centre.
    uint8_t direction(int32_t x, int32_t y) const { return directions[index(x, y)]; }
    // Brightness j cells out from a light of radius r (j <= r).
    uint8_t falloff(int32_t r, int32_t j) const { return falloffs[std::size_t(r)][std::size_t(j)]; }
    // Fills the fall-off rows: row r falls from top at the centre by drop at
    // the rim, row 0 is dark. Made with (16, 14); a lighter may refill it.
    void fillFalloff(int32_t top, int32_t drop);


  private:
    std::size_t index(int32_t x, int32_t y) const { return std::size_t(x) + std::size_t(y) * std::size_t(n); }
    void buildDistances();
    void buildDirections();

    int32_t n;
    int32_t ctr;
    std::vector<uint8_t> distances;
    std::vector<uint8_t> directions;
    std::vector<std::vector<uint8_t>> falloffs;
};
