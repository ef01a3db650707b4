#pragma once

#include <cstdint>

#include "audio/AudioState.h"
#include "gfx/Surfaces.h"
#include "input/Devices.h"
#include "world/Scoreboard.h"

// The process-wide values of the application itself. All start null or zero;
// each is set once by the object that owns it.

class Game;
class Console;

extern Game* currentGame;
// One of the kWindowMode values.
extern int32_t windowMode;
extern Console* console;
extern int32_t framesPlayed;
// Played time, pauses left out, summed over every game of the run; whole
// milliseconds, so that short games add up to what they really took.
extern int64_t msPlayed;
