#include "ui/ScreenFrame.h"

#include "gfx/Buffer.h"
#include "gfx/FrameTimer.h"
#include "gfx/Surfaces.h"
#include "input/Interfaces.h"

void runScreenFrame(FrameTimer& timer, const std::function<void()>& draw) {
    pumpEvents();
    draw();
    while (!timer.tick()) {
    }
    screen->flip();
}
