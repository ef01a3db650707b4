#include "gfx/FrameTimer.h"

namespace {
// A sleep may overshoot by a scheduler slice, so the timer wakes this many
// milliseconds early and covers the rest in one-millisecond naps.
constexpr uint32_t kWakeEarlyMs = 2;
constexpr uint32_t kNapMs = 1;
} // namespace

FrameTimer::FrameTimer(uint32_t intervalMs) : FrameTimer(intervalMs, sdlClock) {}

FrameTimer::FrameTimer(uint32_t intervalMs, FrameClock& clock)
    : clock(&clock), interval(intervalMs), lastTick(clock.now()) {}

bool FrameTimer::tick() {
    // Unsigned differences stay right when the millisecond clock wraps.
    uint32_t elapsed = clock->now() - lastTick;
    if (elapsed <= interval) {
        const uint32_t untilDue = interval - elapsed;
        clock->sleep(untilDue > kWakeEarlyMs ? untilDue - kWakeEarlyMs : kNapMs);
        elapsed = clock->now() - lastTick;
    }
    if (elapsed <= interval) {
        return false;
    }
    lastLength = elapsed;
    lastTick = clock->now();
    return true;
}
