#pragma once

#include <cstdint>

// What the sound device is and what the player chose for it: owned by the
// application, read by every sound and piece of music, set by the switches.
struct AudioSettings {
    // The mixer was opened; without it nothing is heard.
    int32_t deviceOpen = 0;
    // 1: sounds load their samples; otherwise every sound stays silent.
    uint8_t effectsOn = 0;
    uint8_t musicOn = 0;
    int32_t musicVolume = 0;
    uint8_t sfxVolume = 0;
};
