#pragma once

#include <cstdint>

class ModMusic;

// The sound device and the player's sound choices, shared by every sound and
// piece of music. All start zero or null.
extern int32_t audioOpen;
extern uint8_t audioEnabled;
extern uint8_t musicEnabled;
extern int32_t musicVolume;
extern uint8_t sfxVolume;
// The piece of the moment, restarted when it ends and is to loop.
extern ModMusic* currentMusic;
