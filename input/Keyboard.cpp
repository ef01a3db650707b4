#include "input/Keyboard.h"

Keyboard::Keyboard() : held(new uint8_t[kKeyCount]()), ownHeld(held) {
    ok = 1;
}

Keyboard::~Keyboard() {
    delete[] ownHeld;
}
