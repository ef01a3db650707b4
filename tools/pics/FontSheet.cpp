#include "FontSheet.h"

#include "Typeface.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSqueezeStep = 0.02;
constexpr double kMinSqueeze = 0.78;  // narrower letters get hard to read
constexpr double kMinSize = 8;
constexpr double kSizeStep = 0.5;
constexpr int kPad = 0;  // the outline already keeps letters apart

struct Metrics {
  double bearingX, inkWidth, top, bottom;  // top/bottom relative to the base line
};

Metrics measure(cairo_t* cr, char c, double outline) {
  const char text[2] = {c, 0};
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  return {e.x_bearing - outline, e.width + 2 * outline, e.y_bearing - outline,
          e.y_bearing + e.height + outline};
}

int boxWidth(const Metrics& m) { return int(std::ceil(m.inkWidth)) + 2 * kPad; }

// Each glyph costs its width, an opening and a closing marker and one free
// column before the next opening marker.
int rowWidth(cairo_t* cr, const std::string& row, double outline) {
  int total = -1;
  for (char c : row) total += boxWidth(measure(cr, c, outline)) + 3;
  return total;
}

void paintGlyph(cairo_t* cr, char c, const GlyphBox& box, double baseline, const Metrics& m,
                const FontStyle& s, double capTop) {
  const char text[2] = {c, 0};
  cairo_save(cr);
  cairo_rectangle(cr, box.x, box.y, box.w, box.h);
  cairo_clip(cr);
  const double penX = box.x + kPad - m.bearingX;
  cairo_move_to(cr, penX, baseline);
  cairo_text_path(cr, text);
  if (s.outlineWidth > 0) {
    cairo_set_source_rgb(cr, s.outline.r / 255, s.outline.g / 255, s.outline.b / 255);
    cairo_set_line_width(cr, 2 * s.outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, capTop, 0, baseline);
  cairo_pattern_add_color_stop_rgb(fill, 0, s.top.r / 255, s.top.g / 255, s.top.b / 255);
  cairo_pattern_add_color_stop_rgb(fill, 0.55, (s.top.r + s.bottom.r) / 510,
                                   (s.top.g + s.bottom.g) / 510, (s.top.b + s.bottom.b) / 510);
  cairo_pattern_add_color_stop_rgb(fill, 1, s.bottom.r / 255, s.bottom.g / 255, s.bottom.b / 255);
  cairo_pattern_set_extend(fill, CAIRO_EXTEND_PAD);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  if (s.shineAlpha > 0) {
    cairo_clip(cr);
    cairo_set_source_rgba(cr, s.shine.r / 255, s.shine.g / 255, s.shine.b / 255, s.shineAlpha);
    cairo_rectangle(cr, box.x, capTop - 4, box.w, (baseline - capTop) * 0.3 + 4);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_restore(cr);
}

struct RowPlan {
  std::string chars;
  int top = 0, height = 0, marker = 0;
};

// Picks the largest horizontal squeeze (at most none) that fits every row.
double fitSqueeze(cairo_t* cr, const Typeface& face, const FontStyle& s,
                  const std::vector<std::string>& rows, int width) {
  for (double squeeze = 1.0; squeeze >= kMinSqueeze; squeeze -= kSqueezeStep) {
    face.use(cr, s.size, squeeze);
    bool fits = true;
    for (const std::string& row : rows) fits = fits && rowWidth(cr, row, s.outlineWidth) <= width - 1;
    if (fits) return squeeze;
  }
  return 0;
}

FontSheet render(int width, int height, const FontStyle& s, const std::vector<std::string>& rows,
                 bool digitsOnly) {
  FontSheet sheet;
  Typeface holder(s.file);
  if (!holder.face()) {
    sheet.error = "cannot open font " + s.file;
    return sheet;
  }
  Canvas canvas(width, height);
  cairo_t* cr = canvas.cr();
  const double squeeze = fitSqueeze(cr, holder, s, rows, width);
  if (squeeze == 0) {
    sheet.error = "glyphs do not fit across " + std::to_string(width) + " pixels";
    return sheet;
  }
  holder.use(cr, s.size, squeeze);

  // One base line offset for every row, so mixed rows line up in a text; the
  // first row only reaches as far down as its own deepest glyph.
  double ascent = 0, firstDescent = 0, descent = 0;
  for (size_t r = 0; r < rows.size(); ++r)
    for (char c : rows[r]) {
      const Metrics m = measure(cr, c, s.outlineWidth);
      ascent = std::max(ascent, -m.top);
      (r == 0 ? firstDescent : descent) = std::max(r == 0 ? firstDescent : descent, m.bottom);
    }
  const int base = int(std::ceil(ascent)) + kPad;
  std::vector<RowPlan> plan(rows.size());
  int y = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    plan[r].chars = rows[r];
    plan[r].top = r == 0 ? 0 : y + 1;  // one top marker row, then the glyphs
    plan[r].height = base + int(std::ceil(r == 0 ? firstDescent : descent));
    if (digitsOnly) plan[r].height = std::min(plan[r].height, height - 2);
    plan[r].marker = plan[r].top + plan[r].height;
    y = plan[r].marker + 1;
  }
  if (plan.back().marker >= height) {
    sheet.error = "glyph rows do not fit into " + std::to_string(height) + " pixel rows";
    return sheet;
  }

  for (const RowPlan& row : plan) {
    int x = 0;
    for (char c : row.chars) {
      const Metrics m = measure(cr, c, s.outlineWidth);
      GlyphBox box{x + 1, row.top, boxWidth(m), row.height};
      const double baseline = row.top + base;
      paintGlyph(cr, c, box, baseline, m, s, baseline - (base - kPad) * 0.8);
      sheet.glyphs.push_back(box);
      x += box.w + 3;
    }
  }
  sheet.frame = canvas.keyed();

  const uint8_t kWhite = 255;
  for (size_t r = 0; r < plan.size(); ++r) {
    if (r > 0) sheet.frame.set(0, plan[r].top - 1, kWhite, kWhite, kWhite);
    sheet.frame.set(0, plan[r].marker, kWhite, kWhite, kWhite);
  }
  for (const GlyphBox& g : sheet.glyphs) {
    const int marker = g.y + g.h;
    sheet.frame.set(g.x - 1, marker, kWhite, kWhite, kWhite);
    sheet.frame.set(g.x + g.w, marker, kWhite, kWhite, kWhite);
  }
  sheet.lineHeight = plan[0].height;
  sheet.ok = true;
  return sheet;
}
// The style's size is the largest wanted; it shrinks until the sheet holds
// every glyph, so the pictures always keep their fixed sizes.
FontSheet renderFitting(int width, int height, FontStyle style, const std::vector<std::string>& rows,
                        bool digitsOnly) {
  FontSheet sheet;
  for (; style.size >= kMinSize; style.size -= kSizeStep) {
    sheet = render(width, height, style, rows, digitsOnly);
    if (sheet.ok) break;
  }
  return sheet;
}
}  // namespace

std::vector<std::string> textFontRows() {
  std::string punctuation, symbols;
  for (char c = 33; c <= 47; ++c) punctuation += c;
  for (char c = 58; c <= 64; ++c) symbols += c;
  return {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789", punctuation, symbols};
}

FontSheet renderTextFont(int width, int height, const FontStyle& style) {
  FontSheet sheet = renderFitting(width, height, style, textFontRows(), false);
  // The game's index order puts the small letters first.
  if (sheet.ok) std::rotate(sheet.glyphs.begin(), sheet.glyphs.begin() + 26, sheet.glyphs.begin() + 52);
  return sheet;
}

FontSheet renderDigitFont(int width, int height, const FontStyle& style) {
  return renderFitting(width, height, style, {"0123456789"}, true);
}
