#include "input/Keyboard.h"

#include <SDL.h>
#include <algorithm>

Keyboard::Keyboard() {
    ok = 1;
}

Keyboard::~Keyboard() = default;

void Keyboard::keyDown(int32_t key) {
    ++pressCount;
    if (inTable(key)) {
        pressed[key] = 1;
        held[key] = 1;
    }
}

void Keyboard::keyUp(int32_t key) {
    if (inTable(key)) {
        held[key] = 0;
    }
}

bool Keyboard::isDown(int32_t key) const {
    return inTable(key) && held[key] == 1;
}

bool Keyboard::wasPressed(int32_t key) const {
    return inTable(key) && pressed[key] != 0;
}

bool Keyboard::anyPressed() const {
    return std::any_of(pressed, pressed + kScanCount, [](uint8_t p) { return p != 0; });
}

void Keyboard::clearPressed(int32_t key) {
    if (inTable(key)) {
        pressed[key] = 0;
    }
}

void Keyboard::forgetPresses() {
    std::fill(pressed, pressed + kKeyCount, uint8_t(0));
}

void Keyboard::forgetScreenKeys() {
    clearPressed(SDLK_ESCAPE);
    clearPressed(SDLK_F1);
}

bool Keyboard::consume(int32_t key) {
    if (pressed[key] == 0) {
        return false;
    }
    pressed[key] = 0;
    held[key] = 0;
    return true;
}

bool Keyboard::consumeEscape() {
    // The latch only ever holds 0 or 1, so "equals 1" and "non-zero" agree.
    return consume(SDLK_ESCAPE);
}

bool Keyboard::consumeF1() {
    return consume(SDLK_F1);
}
