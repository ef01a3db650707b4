#pragma once

#include <SDL.h>
#include <cstdint>

#include "app/GBase.h"

// The first joystick's axes and first four buttons as on/off states.
class Joystick : public GBase {
public:
    static constexpr int kStateCount = 36;

    Joystick();
    ~Joystick() override;

private:
    SDL_Joystick* device = nullptr;
    uint8_t state[kStateCount] = {};
    uint8_t previous[kStateCount] = {};
    int32_t xHigh = 0, yHigh = 0, xLow = 0, yLow = 0;
    uint8_t opened = 0;
};
