#include "input/Joystick.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int32_t kAxisThreshold = 15000;
} // namespace

Joystick::Joystick() {
    xHigh = yHigh = kAxisThreshold;
    xLow = yLow = -kAxisThreshold;
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        ownsSubsystem = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    }
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 || SDL_NumJoysticks() == 0) {
        return;
    }
    device = SDL_JoystickOpen(0);
    opened = device != nullptr;
    poll();
}

Joystick::~Joystick() {
    // After SDL_Quit the handle is already freed; closing it again would
    // touch released memory.
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        return;
    }
    if (device != nullptr) {
        SDL_JoystickClose(device);
    }
    if (ownsSubsystem) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

void Joystick::poll() {
    if (!opened) {
        return;
    }
    // SDL refreshes joystick values only while its joystick events are on;
    // updating here keeps the reading live either way.
    SDL_JoystickUpdate();
    const int32_t count = std::min(SDL_JoystickNumButtons(device), kButtonsRead);
    uint8_t buttons[kButtonsRead] = {};
    for (int32_t b = 0; b < count; ++b) {
        buttons[b] = SDL_JoystickGetButton(device, b);
    }
    record(SDL_JoystickGetAxis(device, 0), SDL_JoystickGetAxis(device, 1), count, buttons);
}

bool Joystick::pollIfDue(uint32_t nowMs) {
    // Unsigned difference, so the tick counter wrapping round is harmless.
    if (everPolled && nowMs - lastPollMs < kPollGapMs) {
        return false;
    }
    everPolled = true;
    lastPollMs = nowMs;
    poll();
    return true;
}

void Joystick::record(int32_t axisX, int32_t axisY, int32_t buttonCount, const uint8_t* buttons) {
    std::memcpy(previous, state, sizeof state);
    std::memset(state, 0, sizeof state);
    if (axisX < xLow) {
        state[kStickLeft] = 1;
    } else if (axisX > xHigh) {
        state[kStickRight] = 1;
    }
    if (axisY < yLow) {
        state[kStickUp] = 1;
    } else if (axisY > yHigh) {
        state[kStickDown] = 1;
    }
    for (int32_t b = 0; b < buttonCount && b < kButtonsRead; ++b) {
        if (buttons[b] != 0) {
            state[kFirstButtonState + b] = 1;
        }
    }
}

bool Joystick::isOn(int32_t i) const {
    return valid(i) && state[i] != 0;
}

bool Joystick::pressedNow(int32_t i) const {
    return valid(i) && state[i] != 0 && previous[i] == 0;
}

bool Joystick::anyOn() const {
    return lastOn() >= 0;
}

bool Joystick::anyButtonOn() const {
    return lastOn() >= kFirstButtonState;
}

bool Joystick::anyPressedNow() const {
    for (int32_t i = 0; i < kStateCount; ++i) {
        if (pressedNow(i)) {
            return true;
        }
    }
    return false;
}

bool Joystick::anyButtonPressedNow() const {
    for (int32_t i = kFirstButtonState; i < kStateCount; ++i) {
        if (pressedNow(i)) {
            return true;
        }
    }
    return false;
}

int32_t Joystick::lastOn() const {
    for (int32_t i = kStateCount - 1; i >= 0; --i) {
        if (state[i] != 0) {
            return i;
        }
    }
    return -1;
}
