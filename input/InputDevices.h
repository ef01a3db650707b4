#pragma once

#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"

// The keyboard, the pads and the focus every screen reads, and the pump that
// feeds them SDL's events. The game makes one and hands it to its screens.
class InputDevices {
  public:
    // Says so when the keyboard could not be made; the game goes on regardless.
    InputDevices();
    InputDevices(const InputDevices&) = delete;
    InputDevices& operator=(const InputDevices&) = delete;

    Keyboard& keyboard() { return keys; }
    const Keyboard& keyboard() const { return keys; }
    Joystick& joystick() { return pads; }
    const Joystick& joystick() const { return pads; }
    Focus& focus() { return receiver; }

    // Drains SDL's event queue: every key press and release goes to the
    // keyboard and then to the focused receiver, and a quit event (the
    // window's close button) raises the QuitRequest; everything else is
    // dropped. Polls the pads at most once per half frame, so their states
    // and edges advance once per frame, and hands their new presses to the
    // screens as keys (PadNavigation) unless a game is in play. Restarts
    // music that ended since the last call when it is to loop.
    void pump();

  private:
    // Made in this order. Only the joystick's end does anything (it closes
    // the pads), so nothing depends on the order they go in.
    Focus receiver;
    Keyboard keys;
    Joystick pads;
};
