#pragma once

#include <cstdint>

// Anything that can hold the input focus and receive key presses and releases.
class Focusable {
  public:
    virtual ~Focusable() = default;
    virtual void keyDown(int32_t) {}
    virtual void keyUp(int32_t) {}
    // A pad's new press (device 1 or 2, a PadState index), offered before
    // it is read as a key. True when the receiver took it as it is, as a key
    // item capturing a binding does; the base never does.
    virtual bool padPressed(int32_t /*device*/, int32_t /*state*/) { return false; }
};
