#pragma once

#include <cstdint>

class Focus;
class Joystick;
class Keyboard;

// Lets the pads steer every screen with the keys the screens already know:
// the stick or d-pad as the arrow keys, the first button as Return and the
// second as Escape. A key item waiting for a binding takes the press as it
// is instead.
class PadNavigation {
  public:
    // The key a pad state stands for on the screens, or 0 for none.
    static int32_t keyFor(int32_t state);
    // Hands on the new presses of the pads' last poll: first offered to the
    // focused receiver, else sent as their keys to the keyboard and the
    // receiver. Once the receiver takes a pad's press as it is, that pad's
    // other new presses wait: a diagonal push binds one direction, not two
    // actions at once.
    static void deliver(const Joystick& pads, Keyboard* keyboard, Focus* focus);

  private:
    static void sendKey(int32_t key, Keyboard* keyboard, Focus* focus);
};
