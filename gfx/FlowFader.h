#pragma once

#include <cstdint>
#include <random>
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
    // The columns' speeds come from a generator of the fader's own: a game's
    // course draws from the standard one, and the fader runs a different
    // number of steps on another display or after another screen.
    std::minstd_rand speeds;
};
