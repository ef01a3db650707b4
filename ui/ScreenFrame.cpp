#include "ui/ScreenFrame.h"

#include "gfx/Buffer.h"
#include "gfx/FrameTimer.h"
#include "input/InputDevices.h"

void runScreenFrame(Buffer& screen, InputDevices& devices, FrameTimer& timer,
                    const std::function<void()>& draw) {
    devices.pump();
    draw();
    while (!timer.tick()) {
    }
    screen.flip();
}
