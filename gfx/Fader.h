#pragma once

#include <cstdint>
#include <memory>

#include "gfx/FaderItem.h"
#include "gfx/SurfaceHolder.h"

// A screen transition: the picture on the screen when it starts is worked off
// the screen over the frames that follow. Until its first start, and again
// once a transition has ended, it is finished and its steps do nothing.
class Fader : public SurfaceHolder {
  public:
    // Works on screenHolder (not owned); a surface of width x height holds
    // the picture being faded, and speed sets how fast it goes.
    Fader(SurfaceHolder* screenHolder, int32_t width, int32_t height, int32_t speed);
    ~Fader() override;

    // Called by the game session as a game begins and again as it ends: takes
    // the picture now on the screen and begins a transition from it.
    virtual void start() = 0;
    // Called once a frame by the loop showing the transition, after the frame
    // is composed and before the flip; does nothing once finished.
    virtual void step() = 0;

    bool isFinished() const { return finished; }

  protected:
    bool finished = true;
    SurfaceHolder* screenHolder;
    // The copier for the pixel size of the display; none for other sizes.
    std::unique_ptr<FaderItem> item;
    int32_t speed;
};
