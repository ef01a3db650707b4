#pragma once

#include <SDL.h>

#include "app/Game.h"
#include "gfx/SteppedClock.h"
#include "support/TempDir.h"

// A whole game, initialised and loaded in a folder of its own that links the
// generated pictures, sounds and music and starts with an empty dat/: the
// settings and keys are the defaults, and what the game writes on the way
// out stays there. Its frames never wait. Loading takes a second, so a suite
// shares one.
class LoadedGame {
public:
    LoadedGame();
    // Deletes the game, then closes the audio and SDL.
    ~LoadedGame();
    LoadedGame(const LoadedGame&) = delete;
    LoadedGame& operator=(const LoadedGame&) = delete;

    Game& get() { return *game; }
    SteppedClock& frameClock() { return clock; }
    bool isReady() const { return ready; }

private:
    TempDir work;
    WorkingDir here;
    SteppedClock clock;
    Game* game = nullptr;
    bool ready = false;
};

// A press and release of the key, as SDL events the game's pump reads.
void pressKey(SDLKey key);
