#include "gfx/FrameTimer.h"

#include <SDL.h>

namespace {
// SDL_Delay may oversleep by a scheduler slice; the last stretch is polled.
constexpr uint32_t kPollSlackMs = 2;
} // namespace

FrameTimer::FrameTimer(uint32_t intervalMs) : interval(intervalMs), lastTick(SDL_GetTicks()) {}

bool FrameTimer::tick() {
    uint32_t elapsed = SDL_GetTicks() - lastTick;
    if (elapsed + kPollSlackMs <= interval) {
        SDL_Delay(interval - elapsed - kPollSlackMs + 1);
        elapsed = SDL_GetTicks() - lastTick;
    } else if (elapsed <= interval) {
        SDL_Delay(1);
        elapsed = SDL_GetTicks() - lastTick;
    }
    if (elapsed <= interval) {
        return false;
    }
    lastLength = elapsed;
    lastTick = SDL_GetTicks();
    return true;
}
