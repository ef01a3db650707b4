#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Fader.h"

// The transition into and out of a game: the old picture falls off the
// screen column by column, each column at its own random speed, uncovering
// the frame drawn behind it.
class FlowFader : public Fader {
  public:
    // Each step every column falls speed / 2 pixels and up to speed / 2 - 1
    // more at random, at least one pixel whatever the speed.
    FlowFader(SurfaceHolder* screenHolder, int32_t width, int32_t height, int32_t speed);
    ~FlowFader() override;

    void start() override;
    void step() override;

  private:
    void takeScreenFormat();
    void matchScreenPalette();
    bool canFlow() const;
    bool flowOnce();
    void fall();

    // How far, in pixels, each column of the old picture has fallen.
    std::vector<uint16_t> offsets;
};
