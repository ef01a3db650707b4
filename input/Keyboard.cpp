#include "input/Keyboard.h"

#include <SDL.h>
#include <algorithm>

Keyboard::Keyboard() : held(new uint8_t[kKeyCount]()), ownHeld(held) {
    ok = 1;
}

Keyboard::~Keyboard() {
    delete[] ownHeld;
}

void Keyboard::keyDown(int32_t key) {
    if (pressedIndex(key)) {
        pressed[key] = 1;
    }
    if (heldIndex(key)) {
        held[key] = 1;
    }
}

void Keyboard::keyUp(int32_t key) {
    if (heldIndex(key)) {
        held[key] = 0;
    }
}

bool Keyboard::isDown(int32_t key) const {
    return heldIndex(key) && held[key] == 1;
}

bool Keyboard::anyDown() const {
    return lastDown() >= 0;
}

int32_t Keyboard::lastDown() const {
    for (int32_t key = std::min(kScanCount, heldCount) - 1; key >= 0; --key) {
        if (held[key] == 1) {
            return key;
        }
    }
    return -1;
}

bool Keyboard::wasPressed(int32_t key) const {
    return pressedIndex(key) && pressed[key] != 0;
}

bool Keyboard::anyPressed() const {
    return std::any_of(pressed, pressed + kScanCount, [](uint8_t p) { return p != 0; });
}

void Keyboard::setPressed(int32_t key) {
    if (pressedIndex(key)) {
        pressed[key] = 1;
    }
}

void Keyboard::clearPressed(int32_t key) {
    if (pressedIndex(key)) {
        pressed[key] = 0;
    }
}

bool Keyboard::consume(int32_t key) {
    if (pressed[key] == 0) {
        return false;
    }
    pressed[key] = 0;
    if (heldIndex(key)) {
        held[key] = 0;
    }
    return true;
}

bool Keyboard::consumeEscape() {
    // The latch only ever holds 0 or 1, so "equals 1" and "non-zero" agree.
    return consume(SDLK_ESCAPE);
}

bool Keyboard::consumeF1() {
    return consume(SDLK_F1);
}

void Keyboard::attachPlatformState() {
    SDL_PumpEvents();
    int count = 0;
    uint8_t* state = SDL_GetKeyState(&count);
    if (state == nullptr) {
        return;
    }
    held = state;
    heldCount = std::min(count, int(kKeyCount));
}

void Keyboard::attachOwnState() {
    if (held == ownHeld) {
        return;
    }
    // Codes past SDL's table could not be followed meanwhile; none is held.
    std::fill(ownHeld, ownHeld + kKeyCount, uint8_t(0));
    std::copy(held, held + heldCount, ownHeld);
    held = ownHeld;
    heldCount = kKeyCount;
}
