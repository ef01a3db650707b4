#include "gfx/Buffer.h"

#include "gfx/Detector.h"
#include "gfx/Presentation.h"

namespace {
constexpr Uint32 kWindowFlags = SDL_HWSURFACE | SDL_DOUBLEBUF;
constexpr Uint32 kFullScreenFlags = SDL_FULLSCREEN | SDL_HWSURFACE | SDL_DOUBLEBUF;
} // namespace

Buffer::Buffer(int32_t width, int32_t height, int32_t depth, int32_t windowMode)
    : SurfaceHolder(width, height) {
    const Uint32 flags = windowMode == kWindowModeFullScreen ? kFullScreenFlags : kWindowFlags;
    Presentation::choose(windowMode);
    surface = SDL_SetVideoMode(width, height, depth, flags);
    // The caption is set even when the mode failed, so a later retry shows it.
    SDL_WM_SetCaption("LinuxKravex", "./kravex2.ico");
    if (surface == nullptr) {
        error("Displaymode change failed.");
        return;
    }
    displayWidth = width;
    displayHeight = height;
    fillFormatSummary();
    attachBlitter();
    ready = true;
}

Buffer::~Buffer() {
    // The display surface belongs to SDL; SDL_Quit releases it.
    surface = nullptr;
}

void Buffer::flip() {
    if (surface != nullptr) {
        SDL_Flip(surface);
    }
}
