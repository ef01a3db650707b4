#pragma once

#include <cstdint>

#include "input/Focusable.h"

// Held keys and latched presses, indexed by SDL key code.
class Keyboard : public Focusable {
public:
    static constexpr int kKeyCount = 512;

    Keyboard();
    ~Keyboard() override;

    bool isOk() const { return ok != 0; }

private:
    uint8_t* held;
    uint8_t pressed[kKeyCount] = {};
    uint8_t* ownHeld;
    uint8_t ok = 0;
};
