#pragma once

#include "gfx/Blitter.h"

// The blitter every holder uses: SDL blits with SDL's clipping and colour
// keys, and pixel access that locks the surface only while it reads or writes.
class DirectDrawBlitter : public Blitter {
  public:
    explicit DirectDrawBlitter(Surface* target);

    void keyFromCorner() override;
    void blit(Surface* source) override;
    void blitAt(Surface* source, int32_t x, int32_t y) override;
    void blitPart(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                  int32_t h) override;
    void blitBox(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                       int32_t w, int32_t h, uint8_t alpha) override;
    void blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h,
                      uint8_t alpha) override;
    // Writes a raw value in the surface's format (a palette index in 8 bits).
    void putPixel(int32_t x, int32_t y, uint32_t value) override;
    // The raw value, except in 8 bits: the palette colour as 0xRRGGBB.
    uint32_t getPixel(int32_t x, int32_t y) override;

  private:
    void blitRect(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                  int32_t h);
    void blitRectAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                       int32_t w, int32_t h, uint8_t alpha);
    bool inside(int32_t x, int32_t y) const;
};
