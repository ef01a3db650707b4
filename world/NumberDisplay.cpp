#include "world/NumberDisplay.h"

#include <cstdio>

#include "gfx/DigitFont.h"

namespace {
// Room for every 32-bit value with its sign and the terminating zero.
constexpr int kTextSize = 12;
} // namespace

void NumberDisplay::draw(Buffer& screen, int32_t n, DigitFont* font) const {
    if (font == nullptr) {
        return;
    }
    char text[kTextSize];
    std::snprintf(text, sizeof text, "%i", n);
    // The measured width ends with one spacing pixel after the last digit,
    // so the digits stop two pixels left of x.
    font->drawString(screen, text, x - font->width(text), y);
}
