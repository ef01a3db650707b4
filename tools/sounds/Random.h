#pragma once

#include <cstdint>

// A small deterministic generator, so every build writes the same sounds on
// every machine (the standard distributions are not portable).
class Random {
  public:
    explicit Random(uint32_t seed) : state(seed != 0 ? seed : 1) {}

    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // 0 up to but not including 1.
    float uniform() { return static_cast<float>(next() >> 8) / 16777216.0f; }
    // -1 up to 1.
    float bipolar() { return uniform() * 2.0f - 1.0f; }
    // 0 up to n - 1.
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

  private:
    uint32_t state;
};
