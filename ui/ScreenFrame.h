#pragma once

#include <functional>

class Buffer;
class FrameTimer;
class InputDevices;

// The frame of every screen but play: the events are read, draw paints the
// picture (and may act on what was read), and the picture is shown at the
// timer's next tick.
void runScreenFrame(Buffer& screen, InputDevices& devices, FrameTimer& timer,
                    const std::function<void()>& draw);
