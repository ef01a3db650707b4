#include "gfx/FrameClock.h"

#include <SDL.h>

uint32_t FrameClock::now() {
    return SDL_GetTicks();
}

void FrameClock::sleep(uint32_t ms) {
    SDL_Delay(ms);
}
