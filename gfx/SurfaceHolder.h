#pragma once

#include <SDL.h>
#include <cstdint>

#include "app/GBase.h"

// A picture in an SDL surface of the display's depth, with its size.
class SurfaceHolder : public GBase {
public:
    SurfaceHolder(int32_t width, int32_t height);
    ~SurfaceHolder() override;

    SDL_Surface* getSurface() const { return surface; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }

protected:
    SDL_Surface* surface = nullptr;
    int32_t width;
    int32_t height;
};
