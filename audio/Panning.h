#pragma once

#include <cstdint>

// Where an effect is heard: the levels of the left and right channel (0 to
// 255, 255 being the level every effect had before it had a place), taken
// from the playfield column of whatever made the sound.
struct Panning {
    static constexpr uint8_t kFull = 255;

    uint8_t left = kFull;
    uint8_t right = kFull;

    // Menus, the title, the start signal: heard from nowhere in particular.
    static constexpr Panning centred() { return Panning{}; }
    // Full left at column 0, centred at 320, full right at 639; columns off
    // the screen count as its nearest edge.
    static Panning atX(int32_t x);
};
