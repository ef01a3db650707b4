#pragma once

#include <SDL.h>
#include <cstdint>

#include "core/GBase.h"

// How the display opens; chosen by the command line or by the Detector.
constexpr int32_t kWindowModeUnset = 0;
constexpr int32_t kWindowModeFullScreen = 1;
constexpr int32_t kWindowModeWindow = 2;

// What the display can do: which full-screen depths exist at a given size,
// and whether to open full screen or a window.
class Detector : public GBase {
public:
    // Which full-screen depths the last probe found.
    uint8_t has8Bit = 0;
    uint8_t has16Bit = 0;
    uint8_t has24Bit = 0;

    // Sets the depth flags for full-screen modes of this size; always true.
    bool probe(int32_t width, int32_t height);
    // 0 with no modes at all, 1 when any size or 640x480 is listed, 2 otherwise.
    int32_t chooseWindowMode();
    // The same rule on a given mode list, in SDL_ListModes' form.
    static int32_t chooseWindowMode(SDL_Rect** modes);

    // The largest whole multiple of a width x height picture that fits in
    // nine tenths of the desktop (room for panels and a title bar); at least
    // 1, and 1 when the desktop size is unknown (0).
    static int32_t windowScale(int32_t width, int32_t height, int32_t desktopWidth,
                               int32_t desktopHeight);
    // Fills in the display library's scaling settings the player left unset,
    // before the display is opened: a window of windowScale() for the current
    // desktop, and sharp (nearest) scaling. Full screen always fills the
    // monitor at its own resolution, proportions kept.
    static void defaultScaling(int32_t width, int32_t height);
};
