#pragma once

#include "gfx/SurfaceHolder.h"

class Buffer;

// A full picture (backdrop, title, font sheet) read from "<name>.pl" and
// drawn onto the screen. A picture that cannot be read ends the program.
class Image : public SurfaceHolder {
  public:
    // Exit status of the program when a full picture cannot be loaded.
    static constexpr int kLoadFailedStatus = 666;

    Image(const char* name, int32_t width, int32_t height);

    // The whole picture at (0, 0) of the screen.
    void draw(Buffer& screen);
    // The w x h part at (sx, sy) of the picture, placed at (dx, dy) on the screen.
    void drawPart(Buffer& screen, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                  int32_t h);
    void drawPartAlpha(Buffer& screen, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                       int32_t h, uint8_t alpha);

  private:
    bool canDraw();
};
