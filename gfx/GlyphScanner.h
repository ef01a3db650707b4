#pragma once

#include <cstdint>

#include "gfx/Glyph.h"

class SurfaceHolder;

// Finds glyph boxes in a font picture from the white marker pixels in its
// column 0 and marker rows. Every box it gives lies inside the picture, even
// when markers are missing.
class GlyphScanner {
  public:
    explicit GlyphScanner(SurfaceHolder& picture);

    // The first row from `from` to `last` whose column-0 pixel is white, or
    // `fallback` when there is none. All three are kept inside the picture.
    int32_t findMarkerRow(int32_t from, int32_t last, int32_t fallback) const;
    // Reads `count` glyphs bracketed by white pixels along the marker row;
    // each gets the given top and height.
    void scanRow(int32_t markerRow, int32_t top, int32_t height, int32_t count, Glyph* out) const;

    int32_t lastRow() const;

  private:
    // The next white pixel of the row from x on, or the picture's width.
    int32_t nextWhite(int32_t x, int32_t row) const;
    int32_t clampRow(int32_t row) const;

    SurfaceHolder& picture;
};
