#pragma once

#include <SDL.h>
#include <cstdint>

#include "app/GBase.h"

// What the display can do: which full-screen depths exist at a given size,
// and whether to open full screen or a window.
class Detector : public GBase {
public:
    static uint8_t has8Bit;
    static uint8_t has16Bit;
    static uint8_t has24Bit;

    Detector();

    // Sets the depth flags for full-screen modes of this size; always true.
    bool probe(int32_t width, int32_t height);
    // 0 with no modes at all, 1 when any size or 640x480 is listed, 2 otherwise.
    int32_t chooseWindowMode();
    // The same rule on a given mode list, in SDL_ListModes' form.
    static int32_t chooseWindowMode(SDL_Rect** modes);
};
