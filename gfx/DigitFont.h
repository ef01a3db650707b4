#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/GBase.h"
#include "gfx/Glyph.h"

class Buffer;
class Image;

// A bitmap font of the ten digits in one row, for numbers such as the score.
// Only digits and spaces are drawn; every other character takes no room.
class DigitFont : public GBase {
  public:
    static constexpr int kDigitCount = 10;

    // Loads "<name>.pl" at width x height (the program ends if it cannot).
    DigitFont(const char* name, int32_t width, int32_t height);
    ~DigitFont() override;
    DigitFont(const DigitFont&) = delete;
    DigitFont& operator=(const DigitFont&) = delete;

    // Draws the text onto the screen with y as its bottom line.
    void drawString(Buffer& screen, const char* text, int32_t x, int32_t y);
    int32_t width(const char* text) const;
    int32_t lineHeight() const { return digits[0].h; }

    const Glyph& digit(int index) const { return digits[std::size_t(index)]; }
    Image* getImage() const { return image; }

  private:
    Image* image;
    std::array<Glyph, kDigitCount> digits{};
};
