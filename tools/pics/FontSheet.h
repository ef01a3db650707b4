#pragma once
// Renders a font picture in the game's marker layout: glyph rows bracketed by
// white marker pixels in column 0 and in a marker row under each glyph row.
#include <string>
#include <vector>

#include "Canvas.h"
#include "Frame.h"

struct FontStyle {
  std::string file;  // font file rendered through FreeType
  double size;       // em size in pixels before any horizontal squeeze
  Rgb top, bottom;   // fill gradient from the cap line to the base line
  Rgb outline;
  double outlineWidth;
  Rgb shine;         // thin highlight along the upper edge; alpha 0 turns it off
  double shineAlpha;
};

struct GlyphBox {
  int x, y, w, h;
};

struct FontSheet {
  Frame frame;
  std::vector<GlyphBox> glyphs;  // in the game's index order
  int lineHeight = 0;
  bool ok = false;
  std::string error;
};

// The five rows of a text font: A-Z, a-z, 0-9, codes 33..47, codes 58..64.
FontSheet renderTextFont(int width, int height, const FontStyle& style);
// One row of ten digits.
FontSheet renderDigitFont(int width, int height, const FontStyle& style);

// The characters of each row, in the game's index order.
std::vector<std::string> textFontRows();
