#pragma once

#include <cstdint>
#include <vector>

// The step vectors of the game's directions: n directions clockwise from up,
// each about r pixels long. Movement is integer arithmetic on these vectors.
class DirectionTable {
  public:
    DirectionTable(int32_t n, int32_t r);

    int32_t size() const { return n; }
    int32_t dx(int32_t d) const { return dxs[wrap(d)]; }
    int32_t dy(int32_t d) const { return dys[wrap(d)]; }
    // The table vector scaled by s tenths, truncated toward zero.
    int32_t stepX(int32_t d, int32_t s) const { return scale(dx(d), s); }
    int32_t stepY(int32_t d, int32_t s) const { return scale(dy(d), s); }
    // Direction d turned k steps clockwise (add) or counter-clockwise (sub).
    int32_t add(int32_t d, int32_t k) const { return wrap(int64_t{d} + k); }
    int32_t sub(int32_t d, int32_t k) const { return wrap(int64_t{d} - k); }

    // A speed of this many tenths moves by the table vector itself.
    static constexpr int32_t kSpeedUnit = 10;

  private:
    int32_t wrap(int64_t d) const;
    static int32_t scale(int32_t v, int32_t s) {
        return static_cast<int32_t>(int64_t{v} * s / kSpeedUnit);
    }

    int32_t n;
    std::vector<int32_t> dxs;
    std::vector<int32_t> dys;
};
