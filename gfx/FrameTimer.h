#pragma once

#include <cstdint>

#include "gfx/FrameClock.h"

// Paces a screen loop: tick() answers true once strictly more than the
// interval has passed since its last true answer.
class FrameTimer {
  public:
    explicit FrameTimer(uint32_t intervalMs);
    // Reads the time from the given clock, which must outlive the timer.
    FrameTimer(uint32_t intervalMs, FrameClock& clock);
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    // Sleeps until the next tick is due or nearly so, then answers whether it
    // is; a loop that polls it does not spin a CPU core.
    bool tick();
    // Length of the last completed interval in milliseconds.
    uint32_t lastInterval() const { return lastLength; }

  private:
    FrameClock sdlClock;
    FrameClock* clock;
    uint32_t interval;
    uint32_t lastTick;
    uint32_t lastLength = 0;
};
