#include "Typeface.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

const char* const kSerifBold = "/usr/share/fonts/truetype/dejavu/DejaVuSerifCondensed-Bold.ttf";
const char* const kSansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const kSansCondensedBold = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
const char* const kGothicDemi = "/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf";

Typeface::Typeface(const std::string& file) {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return;
  library_ = library;
  if (FT_New_Face(library, file.c_str(), 0, &face) != 0) return;
  ftFace_ = face;
  cairoFace_ = cairo_ft_font_face_create_for_ft_face(face, 0);
}

Typeface::~Typeface() {
  if (cairoFace_) cairo_font_face_destroy(cairoFace_);
  if (ftFace_) FT_Done_Face(static_cast<FT_Face>(ftFace_));
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

void Typeface::use(cairo_t* cr, double size, double squeeze) const {
  cairo_set_font_face(cr, cairoFace_);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, size * squeeze, size);
  cairo_set_font_matrix(cr, &m);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}
