#pragma once

#include <cstdint>

// How SDL 2, under the SDL 1.2 layer, puts the finished frame on screen.
class Presentation {
  public:
    // Called before the display opens. A window shows the frame at its own
    // size, and then copying it into the window costs less than handing it
    // to OpenGL, which without a graphics card means a software renderer
    // with threads of its own. Full screen keeps SDL's choice, which scales.
    // What the player has set in the environment always wins.
    static void choose(int32_t windowMode);
};
