#include "input/Joystick.h"

namespace {
constexpr int32_t kAxisThreshold = 15000;
} // namespace

Joystick::Joystick() {
    if (SDL_NumJoysticks() == 0) {
        return;
    }
    xHigh = yHigh = kAxisThreshold;
    xLow = yLow = -kAxisThreshold;
    device = SDL_JoystickOpen(0);
    opened = device != nullptr;
}

Joystick::~Joystick() {
    if (device != nullptr) {
        SDL_JoystickClose(device);
    }
}
