#pragma once

#include <cstdint>

// Where a FrameTimer reads the time and how it waits: SDL's millisecond clock
// and SDL_Delay. Tests give a timer a clock of their own.
class FrameClock {
  public:
    virtual ~FrameClock() = default;

    virtual uint32_t now();
    virtual void sleep(uint32_t ms);
};
