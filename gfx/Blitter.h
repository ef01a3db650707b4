#pragma once

#include "gfx/LockSurfaceHolder.h"

// The drawing back end of a holder: draws other holders into its target and
// reads its pixels. This base draws almost nothing; DirectDrawBlitter does.
class Blitter : public LockSurfaceHolder {
  public:
    explicit Blitter(Surface* target);
    ~Blitter() override;

    virtual uint32_t mapColor(uint8_t r, uint8_t g, uint8_t b);
    virtual void keyFromCorner();
    virtual void blit(Surface* source);
    virtual void blitAt(Surface* source, int32_t x, int32_t y);
    virtual void blitPart(Surface* source, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
                          int32_t w, int32_t h);
    virtual void blitBox(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h);
    virtual void blitAtAlpha(Surface* source, int32_t x, int32_t y, uint8_t alpha);
    virtual void blitPartAlpha(Surface* source, int32_t dx, int32_t dy, int32_t sx,
                               int32_t sy, int32_t w, int32_t h, uint8_t alpha);
    virtual void blitBoxAlpha(Surface* source, int32_t x, int32_t y, int32_t w, int32_t h,
                              uint8_t alpha);
    virtual void putPixel(int32_t x, int32_t y, uint32_t value);
    virtual uint32_t getPixel(int32_t x, int32_t y);
    // True when the pixel is at least the sum of the three colour masks.
    virtual bool isWhite(int32_t x, int32_t y);
};
