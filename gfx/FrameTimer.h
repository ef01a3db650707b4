#pragma once

#include <cstdint>

// Paces a screen loop: tick() answers true once strictly more than the
// interval has passed since its last true answer.
class FrameTimer {
public:
    explicit FrameTimer(uint32_t intervalMs);

    // Sleeps until the next tick is due or nearly so, then answers whether it
    // is; a loop that polls it does not spin a CPU core.
    bool tick();
    // Length of the last completed interval in milliseconds.
    uint32_t lastInterval() const { return lastLength; }

private:
    uint32_t interval;
    uint32_t lastTick;
    uint32_t lastLength = 0;
};
