#pragma once

#include "gfx/SurfaceHolder.h"

// The display surface: opened by its constructor, shown by flip().
class Buffer : public SurfaceHolder {
  public:
    // Opens a width x height display at the given depth, full screen when
    // windowMode is 1 and in a window otherwise. Check isReady() afterwards.
    Buffer(int32_t width, int32_t height, int32_t depth, int32_t windowMode);
    ~Buffer() override;

    bool isReady() const { return ready; }
    // Shows the composed frame.
    void flip();

  private:
    int32_t displayWidth = 0;
    int32_t displayHeight = 0;
    bool ready = false;
};
