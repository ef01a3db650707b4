#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/GBase.h"
#include "gfx/Glyph.h"

class Buffer;
class Image;

// A proportional bitmap font scanned from a picture: letters, digits and the
// printable punctuation in five rows, glyph boxes marked by white pixels.
class Font : public GBase {
  public:
    static constexpr int kGlyphCount = 84;

    // Loads "<name>.pl" at width x height (the program ends if it cannot).
    Font(const char* name, int32_t width, int32_t height);
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Draws the text onto the screen with y as its bottom line.
    void drawString(Buffer& screen, const char* text, int32_t x, int32_t y);
    // The same with every glyph drawn at the given surface alpha.
    void drawStringAlpha(Buffer& screen, const char* text, int32_t x, int32_t y, uint8_t alpha);
    // Pixels drawString would cover, the last glyph's spacing pixel included.
    int32_t width(const char* text) const;
    // Height of the capital A: the distance from a text's top to its bottom line.
    int32_t lineHeight() const { return glyphs[kCapitalA].h; }

    // The glyph for a character, -1 for characters the font does not have.
    static int glyphIndex(unsigned char c);
    const Glyph& glyph(int index) const { return glyphs[std::size_t(index)]; }
    Image* getImage() const { return image; }

  private:
    static constexpr int kCapitalA = 26;

    void scan();
    void draw(Buffer& screen, const char* text, int32_t x, int32_t y, bool blend, uint8_t alpha);

    Image* image;
    std::array<Glyph, kGlyphCount> glyphs{};
};
