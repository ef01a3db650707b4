#pragma once

#include <cstdint>

// A number drawn right-aligned in the game's digit font, such as the score.
// The position is the right edge and the bottom line of the text.
class NumberDisplay {
  public:
    NumberDisplay(int32_t x, int32_t y) : x(x), y(y) {}

    // Draws n on the screen; nothing while no digit font is loaded. The font
    // has no minus sign, so a negative number shows without it.
    void draw(int32_t n) const;

  private:
    int32_t x;
    int32_t y;
};
