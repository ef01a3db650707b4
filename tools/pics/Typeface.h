#pragma once
// A font file opened through FreeType for drawing with Cairo; fonts are read by
// path so the pictures never depend on what font matching would pick.
#include <cairo.h>

#include <string>

class Typeface {
 public:
  explicit Typeface(const std::string& file);
  ~Typeface();
  Typeface(const Typeface&) = delete;
  Typeface& operator=(const Typeface&) = delete;

  cairo_font_face_t* face() const { return cairoFace_; }
  // Selects the face at this pixel size, squeezed horizontally by `squeeze`.
  void use(cairo_t* cr, double size, double squeeze = 1.0) const;

 private:
  void* library_ = nullptr;  // FT_Library and FT_Face, kept opaque here
  void* ftFace_ = nullptr;
  cairo_font_face_t* cairoFace_ = nullptr;
};

// The font files the pictures are rendered from. The credits must name them:
// DejaVu Serif Condensed Bold (gold menu font, title), DejaVu Sans Bold and
// DejaVu Sans Condensed Bold (score digits, tags, headings) from Debian's
// fonts-dejavu packages under the Bitstream Vera / DejaVu licence, and URW
// Gothic Demi (console and table font) from fonts-urw-base35 under the AGPL
// with its font exception; both allow shipping the rendered pictures.
extern const char* const kSerifBold;
extern const char* const kSansBold;
extern const char* const kSansCondensedBold;
extern const char* const kGothicDemi;
