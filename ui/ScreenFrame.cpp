#include "ui/ScreenFrame.h"

#include "gfx/Buffer.h"
#include "gfx/FrameTimer.h"
#include "input/Interfaces.h"

void runScreenFrame(Buffer& screen, FrameTimer& timer, const std::function<void()>& draw) {
    pumpEvents();
    draw();
    while (!timer.tick()) {
    }
    screen.flip();
}
