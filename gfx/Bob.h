#pragma once

#include "gfx/SurfaceHolder.h"

class Buffer;
class Image;

// One sprite frame, with pixel value 0 transparent.
class Bob : public SurfaceHolder {
  public:
    // A frame read from "<name>.bl", which must be exactly width x height; a
    // frame that cannot be read is left without a surface.
    Bob(const char* name, int32_t width, int32_t height);
    // An empty frame for code to paint into.
    Bob(int32_t width, int32_t height);

    void drawAt(Buffer& screen, int32_t x, int32_t y);
    // Goes through the whole-source alpha blit, so the frame is drawn opaque.
    void drawAtAlpha(Buffer& screen, int32_t x, int32_t y, uint8_t alpha);
    // Into the playfield picture, for marks that last.
    void drawOnBackground(Image& playfield, int32_t x, int32_t y);

  private:
    void keyBlack();
};
