#pragma once

#include <cstdint>

// Anything that can hold the input focus and receive key presses and releases.
class Focusable {
  public:
    virtual ~Focusable() = default;
    virtual void keyDown(int32_t) {}
    virtual void keyUp(int32_t) {}
};
