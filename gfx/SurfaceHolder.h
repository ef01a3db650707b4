#pragma once

#include <cstdint>
#include <memory>

#include "gfx/Surface.h"

class DirectDrawBlitter;

// A surface that draws other surfaces into itself through its own blitter.
class SurfaceHolder : public Surface {
  public:
    SurfaceHolder(int32_t width, int32_t height);
    ~SurfaceHolder() override;

    void dropSurface() override;
    // Makes sure the holder draws through its own blitter.
    void attachBlitter();

    // Drawing into this holder; each goes to the blitter of the same name.
    void blit(Surface* source);
    void blitAt(Surface* source, int32_t x, int32_t y);
    void blitPart(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                  int32_t h);
    void blitBox(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h);
    void blitAtAlpha(Surface* source, int32_t x, int32_t y, uint8_t alpha);
    void blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, uint8_t alpha);
    void blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t alpha);
    uint32_t getPixel(int32_t x, int32_t y);
    void putPixel(int32_t x, int32_t y, uint32_t value);
    bool isWhite(int32_t x, int32_t y);

    // Makes the top-left pixel's value the transparent colour.
    void keyFromCorner();
    // Pixel value of a colour in this holder's surface format (0 without one).
    uint32_t mapColor(uint8_t r, uint8_t g, uint8_t b);

  protected:
    DirectDrawBlitter& blitter();

  private:
    // Made on first use. Owned here so that a holder and its view die together
    // and no view outlives the surface it points into.
    std::unique_ptr<DirectDrawBlitter> ownBlitter;
};
