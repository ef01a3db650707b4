#pragma once

#include <cstdint>

// One glyph box in a font picture: top-left corner, width and height in pixels.
struct Glyph {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};
