#include "audio/Switchable.h"

namespace {
constexpr int32_t kStep = 10;
constexpr int32_t kHighestBeforeStep = 89;
constexpr int32_t kLowestBeforeStep = 9;
} // namespace

void Switchable::toggle() {
    on ^= 1;
}

void Switchable::increase() {
    if (level <= kHighestBeforeStep) {
        level += kStep;
    }
}

void Switchable::decrease() {
    if (level > kLowestBeforeStep) {
        level -= kStep;
    }
}
