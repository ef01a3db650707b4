#include "world/Meter.h"

#include <algorithm>

bool Meter::take(int32_t n) {
    if (n > value) {
        value = 0;
        return true;
    }
    value -= n;
    return false;
}

void Meter::add(int32_t n) {
    // 64 bits, so a large refill cannot wrap round to a negative value.
    value = static_cast<int32_t>(std::min<int64_t>(int64_t{value} + n, max));
}
