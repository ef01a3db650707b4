#pragma once

#include <SDL.h>
#include <cstdint>
#include <memory>

#include "app/GBase.h"

class DirectDrawBlitter;

// A picture in an SDL surface of the display's depth, with its size; it draws
// other holders into itself through its blitter.
class SurfaceHolder : public GBase {
  public:
    SurfaceHolder(int32_t width, int32_t height);
    ~SurfaceHolder() override;
    SurfaceHolder(const SurfaceHolder&) = delete;
    SurfaceHolder& operator=(const SurfaceHolder&) = delete;

    // Bits per pixel of the current display surface, 0 while there is none.
    static int32_t displayDepth();

    // Makes a surface of the holder's size in the display's depth; false (and
    // a message) when SDL cannot or the depth is not 8, 16 or 24.
    bool createSurface();
    // Frees the surface; the holder then draws nothing and is drawn as nothing.
    void dropSurface();
    // Copies masks, shifts and losses of the surface's format into the holder.
    void fillFormatSummary();
    // Makes sure the holder draws through its own blitter.
    void attachBlitter();

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

    // Drawing into this holder; each goes to the blitter of the same name.
    void blit(SurfaceHolder* source);
    void blitAt(SurfaceHolder* source, int32_t x, int32_t y);
    void blitPart(SurfaceHolder* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                  int32_t h);
    void blitBox(SurfaceHolder* source, int32_t x, int32_t y, int32_t w, int32_t h);
    void blitAtAlpha(SurfaceHolder* source, int32_t x, int32_t y, uint8_t alpha);
    void blitPartAlpha(SurfaceHolder* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                       int32_t w, int32_t h, uint8_t alpha);
    void blitBoxAlpha(SurfaceHolder* source, int32_t x, int32_t y, int32_t w, int32_t h,
                      uint8_t alpha);
    uint32_t getPixel(int32_t x, int32_t y);
    void putPixel(int32_t x, int32_t y, uint32_t value);
    bool isWhite(int32_t x, int32_t y);

    // Makes the top-left pixel's value the transparent colour.
    void keyFromCorner();
    // Makes the given colour, mapped into the surface's format, transparent.
    void keyFromColor(uint8_t r, uint8_t g, uint8_t b);
    // Pixel value of a colour in this holder's surface format (0 without one).
    uint32_t mapColor(uint8_t r, uint8_t g, uint8_t b);

  protected:
    // Copies another holder's format summary, for views onto its surface.
    void copyFormatSummary(const SurfaceHolder& other);
    DirectDrawBlitter& blitter();
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

  private:
    // Made on first use. Owned here so that a holder and its view die together
    // and no view outlives the surface it points into.
    std::unique_ptr<DirectDrawBlitter> ownBlitter;
};
