#pragma once

#include <cstdint>

class Buffer;
class DigitFont;

// A number drawn right-aligned in the game's digit font, such as the score.
// The position is the right edge and the bottom line of the text.
class NumberDisplay {
  public:
    NumberDisplay(int32_t x, int32_t y) : x(x), y(y) {}

    // Draws n on the screen in font; nothing when font is null. The font has
    // no minus sign, so a negative number shows without it.
    void draw(Buffer& screen, int32_t n, DigitFont* font) const;

  private:
    int32_t x;
    int32_t y;
};
