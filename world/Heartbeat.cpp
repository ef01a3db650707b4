#include "world/Heartbeat.h"

#include "world/Meter.h"

namespace {
// The pause after the second sound is this many times the one after the first.
constexpr int64_t kLongPauseFactor = 4;
} // namespace

int32_t Heartbeat::beat() {
    if (!kEnabled) {
        return kSilent;
    }
    return advance();
}

int32_t Heartbeat::advance() {
    // 64 bits, so a large watched value cannot overflow the long pause.
    const int64_t value = meter != nullptr ? meter->getValue() : 0;
    if (phase == 0 && counter > (value * kLongPauseFactor) >> shift) {
        phase = 1;
        counter = 0;
        return kFirstSound;
    }
    if (phase == 1 && counter > value >> shift) {
        phase = 0;
        counter = 0;
        return kSecondSound;
    }
    ++counter;
    return kSilent;
}
