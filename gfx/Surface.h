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
    // Copies masks, shifts and losses of the surface's format into the holder.
    void fillFormatSummary();

    SDL_Surface* getSurface() const { return surface; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    uint32_t getColorKey() const { return colorKey; }
    uint32_t getRedMask() const { return redMask; }
    uint32_t getGreenMask() const { return greenMask; }
    uint32_t getBlueMask() const { return blueMask; }
    uint8_t getRedShift() const { return redShift; }
    uint8_t getGreenShift() const { return greenShift; }
    uint8_t getBlueShift() const { return blueShift; }
    uint8_t getRedLoss() const { return redLoss; }
    uint8_t getGreenLoss() const { return greenLoss; }
    uint8_t getBlueLoss() const { return blueLoss; }

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
    uint8_t redShift = 0;
    uint8_t greenShift = 0;
    uint8_t blueShift = 0;
    uint8_t redLoss = 0;
    uint8_t greenLoss = 0;
    uint8_t blueLoss = 0;
};
