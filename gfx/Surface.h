#pragma once

#include <SDL.h>
#include <cstdint>

#include "core/GBase.h"

// A picture in an SDL surface of the display's depth, with its size and a
// summary of its pixel format: what every holder, view and blitter shares.
class Surface : public GBase {
  public:
    Surface(int32_t width, int32_t height) : width(width), height(height) {}
    ~Surface() override;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Bits per pixel of the current display surface, 0 while there is none.
    static int32_t displayDepth();

    // Makes a surface of the holder's size in the display's depth; false (and
    // a message) when SDL cannot or the depth is not 8, 16 or 24.
    bool createSurface();
    // Frees the surface; the holder then draws nothing and is drawn as nothing.
    virtual void dropSurface();
    // Copies the masks of the surface's format into the holder, for the white test.
    void fillFormatSummary();

    SDL_Surface* getSurface() const { return surface; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    uint32_t getColorKey() const { return colorKey; }

    // Makes the given colour, mapped into the surface's format, transparent.
    void keyFromColor(uint8_t r, uint8_t g, uint8_t b);

  protected:
    // Copies another holder's format summary, for views onto its surface.
    void copyFormatSummary(const Surface& other);
    void refreshColorKey();

    SDL_Surface* surface = nullptr;
    uint32_t colorKey = 0;
    int32_t width;
    int32_t height;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
};
