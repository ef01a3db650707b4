#pragma once

#include <cstdint>

// A value that is used up and refilled up to a maximum: health, ammunition.
class Meter {
  public:
    Meter(int32_t value, int32_t max) : max(max), value(value) {}

    // Takes n off; true when that was more than was left, leaving 0.
    bool take(int32_t n);
    // Adds n, up to the maximum.
    void add(int32_t n);

    int32_t getValue() const { return value; }

  private:
    int32_t max;
    int32_t value;
};
