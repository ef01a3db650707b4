#include "gfx/SurfaceHolder.h"

SurfaceHolder::SurfaceHolder(int32_t width, int32_t height) : width(width), height(height) {}

SurfaceHolder::~SurfaceHolder() {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
}
