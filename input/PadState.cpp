#include "input/PadState.h"

#include <SDL.h>
#include <cstring>

namespace {
// Past this either way the stick counts as pushed; a worn stick at rest
// stays well inside it.
constexpr int32_t kAxisThreshold = 15000;
} // namespace

void PadState::record(int32_t axisX, int32_t axisY, int32_t buttonCount, const uint8_t* buttons,
                      uint8_t hat) {
    std::memcpy(previous, state, sizeof state);
    std::memset(state, 0, sizeof state);
    state[kStickLeft] = axisX < -kAxisThreshold || (hat & SDL_HAT_LEFT) != 0;
    state[kStickRight] =
        (axisX > kAxisThreshold || (hat & SDL_HAT_RIGHT) != 0) && !state[kStickLeft];
    state[kStickUp] = axisY < -kAxisThreshold || (hat & SDL_HAT_UP) != 0;
    state[kStickDown] = (axisY > kAxisThreshold || (hat & SDL_HAT_DOWN) != 0) && !state[kStickUp];
    for (int32_t b = 0; b < buttonCount && b < kButtonsRead; ++b) {
        if (buttons[b] != 0) {
            state[kFirstButtonState + b] = 1;
        }
    }
}

bool PadState::isOn(int32_t i) const {
    return valid(i) && state[i] != 0;
}

bool PadState::pressedNow(int32_t i) const {
    return valid(i) && state[i] != 0 && previous[i] == 0;
}

bool PadState::anyButtonOn() const {
    return lastOn() >= kFirstButtonState;
}

bool PadState::anyButtonPressedNow() const {
    for (int32_t i = kFirstButtonState; i < kStateCount; ++i) {
        if (pressedNow(i)) {
            return true;
        }
    }
    return false;
}

int32_t PadState::lastOn() const {
    for (int32_t i = kStateCount - 1; i >= 0; --i) {
        if (state[i] != 0) {
            return i;
        }
    }
    return -1;
}
