#include <cmath>
#include <cstdint>

#include "Art.h"
#include "Canvas.h"
#include "Typeface.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;
constexpr int kPlate = 80;

uint8_t byte(double v) { return v < 0 ? 0 : v > 255 ? 255 : uint8_t(v); }

// Fills the whole canvas pixel by pixel: a dark deck of worn metal plates.
void deckPlates(Canvas& c, unsigned seed, const Rgb& base, double grime) {
  cairo_surface_flush(c.surface());
  uint8_t* data = cairo_image_surface_get_data(c.surface());
  const int stride = cairo_image_surface_get_stride(c.surface());
  for (int y = 0; y < c.height(); ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < c.width(); ++x) {
      const int px = x % kPlate, py = y % kPlate;
      const int plateId = (x / kPlate) * 7 + (y / kPlate) * 13;
      const double dirt = fractalNoise(x / 90.0, y / 90.0, seed, 4);
      const double fine = fractalNoise(x / 3.0, y / 3.0, seed + 7, 2);
      double k = 0.8 + 0.25 * ((plateId * 37 % 11) / 10.0) + (dirt - 0.5) * grime + (fine - 0.5) * 0.25;
      // bevelled seams: light on the upper-left edge, dark on the lower-right
      if (px < 2 || py < 2) k *= 1.45;
      if (px > kPlate - 3 || py > kPlate - 3) k *= 0.45;
      // rivets near each plate corner
      for (int cx : {6, kPlate - 7})
        for (int cy : {6, kPlate - 7}) {
          const double d = std::hypot(px - cx, py - cy);
          if (d < 2.2) k *= 1.6 - (px - cx + py - cy) * 0.12;
        }
      // diagonal tread lines on every other plate
      if (plateId % 3 == 0 && (px + py) % 10 < 2 && px > 8 && py > 8 && px < kPlate - 9 && py < kPlate - 9)
        k *= 1.18;
      row[x] = 0xFF000000u | byte(base.r * k) << 16 | byte(base.g * k) << 8 | byte(base.b * k);
    }
  }
  cairo_surface_mark_dirty(c.surface());
}

void hazardStripe(Canvas& c, double x, double y, double w, double h) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  c.colour({150, 120, 30}, 0.55);
  cairo_paint(cr);
  for (double s = x - h; s < x + w; s += 16) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + h, y);
    cairo_line_to(cr, s + h + 8, y);
    cairo_line_to(cr, s + 8, y + h);
    cairo_close_path(cr);
  }
  c.colour({20, 20, 20}, 0.7);
  cairo_fill(cr);
  cairo_restore(cr);
}

void scorch(Canvas& c, double x, double y, double r, double alpha) {
  c.glow(x, y, r, {8, 6, 4}, alpha);
}

void vignette(Canvas& c, double strength) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_radial(kWidth / 2, kHeight / 2, 150, kWidth / 2, kHeight / 2, 460);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, strength);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

// Text with a dark outline and a vertical gradient, centred on cx.
void bannerText(Canvas& c, const Typeface& face, const char* text, double size, double cx, double baseline,
                Rgb top, const Rgb& bottom, double outline) {
  cairo_t* cr = c.cr();
  face.use(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  const double x = cx - e.x_bearing - e.width / 2;
  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, text);
  c.colour({10, 10, 14}, 0.9);
  cairo_set_line_width(cr, outline * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, baseline + e.y_bearing, 0, baseline);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 0.52, bottom.r / 255 * 0.6, bottom.g / 255 * 0.6, bottom.b / 255 * 0.6);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A framed panel of darker glass, for text to sit on.
void panel(Canvas& c, double x, double y, double w, double h, const Rgb& edge, double alpha) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, x, y, w, h);
  c.colour({6, 8, 12}, alpha);
  cairo_fill_preserve(cr);
  c.colour(edge, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {  // corner brackets
    const double bx = i % 2 ? x + w : x, by = i / 2 ? y + h : y;
    const double sx = i % 2 ? -1 : 1, sy = i / 2 ? -1 : 1;
    cairo_move_to(cr, bx + sx * 18, by - sy * 3);
    cairo_line_to(cr, bx - sx * 3, by - sy * 3);
    cairo_line_to(cr, bx - sx * 3, by + sy * 18);
  }
  c.colour(edge);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void scanLines(Canvas& c, double alpha) {
  cairo_t* cr = c.cr();
  for (int y = 0; y < kHeight; y += 3) cairo_rectangle(cr, 0, y, kWidth, 1);
  c.colour({0, 0, 0}, alpha);
  cairo_fill(cr);
}

void groundOn(Canvas& c, unsigned seed) {
  deckPlates(c, seed, {46, 50, 58}, 1.1);
  Rng rng(seed);
  for (int i = 0; i < 7; ++i) scorch(c, rng.range(40, 600), rng.range(40, 440), rng.range(30, 70), 0.55);
  // a few vent grates and lit seams: the deck of a station, not a floor tile
  cairo_t* cr = c.cr();
  for (int i = 0; i < 4; ++i) {
    const double x = kPlate * (1 + rng.below(6)) + 12, y = kPlate * (rng.below(5)) + 20;
    cairo_rectangle(cr, x, y, 56, 40);
    c.colour({8, 10, 12}, 0.85);
    cairo_fill(cr);
    for (int k = 0; k < 7; ++k) cairo_rectangle(cr, x + 3, y + 3 + k * 5.3, 50, 2.2);
    c.colour({70, 76, 86}, 0.9);
    cairo_fill(cr);
  }
  for (int i = 0; i < 5; ++i) {
    const bool across = rng.below(2) == 0;
    const double x = kPlate * (1 + rng.below(7)) - 1, y = kPlate * (1 + rng.below(5)) - 1;
    cairo_rectangle(cr, across ? x - kPlate : x, across ? y : y - kPlate, across ? kPlate : 2, across ? 2 : kPlate);
    c.colour({80, 200, 230}, 0.55);
    cairo_fill(cr);
  }
  hazardStripe(c, 0, 0, kWidth, 6);
  hazardStripe(c, 0, kHeight - 6, kWidth, 6);
}
}  // namespace

Frame groundPicture() {
  Canvas c(kWidth, kHeight);
  groundOn(c, 31);
  // Oil and acid stains: the ground of a long fight.
  Rng rng(32);
  for (int i = 0; i < 5; ++i) c.glow(rng.range(60, 580), rng.range(60, 420), rng.range(14, 30), {40, 70, 30}, 0.35);
  vignette(c, 0.55);
  return c.opaque();
}

Frame titlePicture() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  // deep space over a dark planet rim, stars from a fixed seed
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.02, 0.03, 0.08);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.10, 0.04, 0.10);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  Rng rng(41);
  for (int i = 0; i < 260; ++i) {
    const double b = rng.range(0.2, 1.0);
    c.circle(rng.range(0, kWidth), rng.range(0, kHeight), rng.range(0.4, 1.3));
    c.colour({200 + 55 * b, 200 + 40 * b, 255}, b);
    cairo_fill(cr);
  }
  c.glow(480, 120, 160, {120, 40, 160}, 0.35);
  c.glow(150, 90, 120, {40, 90, 160}, 0.3);
  cairo_arc(cr, kWidth / 2, kHeight + 720, 1000, 0, 2 * M_PI);
  cairo_pattern_t* planet = cairo_pattern_create_linear(0, 240, 0, kHeight);
  cairo_pattern_add_color_stop_rgb(planet, 0, 0.25, 0.10, 0.06);
  cairo_pattern_add_color_stop_rgb(planet, 0.1, 0.08, 0.04, 0.04);
  cairo_pattern_add_color_stop_rgb(planet, 1, 0.03, 0.02, 0.03);
  cairo_set_source(cr, planet);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(planet);
  c.colour({255, 120, 50}, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Typeface heavy(kSansBold), serif(kSerifBold);
  c.glow(kWidth / 2, 190, 260, {255, 140, 40}, 0.25);
  bannerText(c, heavy, "KRAVEX", 130, kWidth / 2, 230, {255, 220, 140}, {190, 90, 20}, 5);
  bannerText(c, serif, "II", 96, kWidth / 2, 330, {230, 240, 255}, {90, 130, 200}, 4);
  bannerText(c, heavy, "THE SWARM RETURNS", 20, kWidth / 2, 372, {210, 210, 220}, {120, 120, 140}, 2);
  vignette(c, 0.6);
  return c.opaque();
}

Frame consolePicture() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  deckPlates(c, 51, {34, 38, 46}, 0.8);
  panel(c, 12, 12, kWidth - 24, kHeight - 24, {60, 170, 200}, 0.8);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 12, 0, kHeight - 12);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.4, 0.5, 0.10);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.0, 0.1, 0.2, 0.0);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 14, 14, kWidth - 28, kHeight - 28);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  scanLines(c, 0.25);
  vignette(c, 0.5);
  return c.opaque();
}

namespace {
Frame menuScreen(unsigned seed, const char* heading, const Rgb& edge) {
  Canvas c(kWidth, kHeight);
  groundOn(c, seed);
  vignette(c, 0.6);
  panel(c, 30, 70, kWidth - 60, kHeight - 110, edge, 0.55);
  Typeface heavy(kSansBold);
  bannerText(c, heavy, heading, 40, kWidth / 2, 52, {255, 230, 160}, {200, 120, 30}, 3);
  return c.opaque();
}
}  // namespace

Frame setupPicture() { return menuScreen(61, "SETUP", {230, 160, 50}); }
Frame keysPicture() { return menuScreen(71, "CONTROLS", {90, 190, 240}); }

Frame helpPicture() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  deckPlates(c, 81, {30, 36, 44}, 0.8);
  // a faint blueprint grid with a rifle outline behind the help text
  c.colour({60, 140, 200}, 0.12);
  cairo_set_line_width(cr, 1);
  for (int x = 0; x < kWidth; x += 20) {
    cairo_move_to(cr, x + 0.5, 0);
    cairo_line_to(cr, x + 0.5, kHeight);
  }
  for (int y = 0; y < kHeight; y += 20) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, kWidth, y + 0.5);
  }
  cairo_stroke(cr);
  c.colour({90, 180, 240}, 0.22);
  cairo_set_line_width(cr, 3);
  cairo_rectangle(cr, 150, 300, 320, 40);
  cairo_rectangle(cr, 470, 310, 130, 16);
  cairo_rectangle(cr, 60, 305, 90, 30);
  cairo_move_to(cr, 220, 340);
  cairo_line_to(cr, 250, 400);
  cairo_line_to(cr, 280, 400);
  cairo_line_to(cr, 260, 340);
  cairo_stroke(cr);
  vignette(c, 0.6);
  return c.opaque();
}
