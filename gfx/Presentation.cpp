#include "gfx/Presentation.h"

#include <cstdlib>

#include "gfx/Detector.h"

void Presentation::choose(int32_t windowMode) {
    if (windowMode == kWindowModeFullScreen) {
        return;
    }
    constexpr int kKeepSet = 0;
    setenv("SDL_RENDER_DRIVER", "software", kKeepSet);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", kKeepSet);
}
