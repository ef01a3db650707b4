#include <cmath>
#include <string>

#include "Art.h"
#include "Canvas.h"
#include "Typeface.h"

namespace {
void roundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void vertical(Canvas& c, double y0, double y1, const Rgb& top, const Rgb& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(c.cr(), p);
  cairo_pattern_destroy(p);
}

// A metal case every power-up sits in, glowing in its own colour.
void powerCase(Canvas& c, const Rgb& glowColour) {
  cairo_t* cr = c.cr();
  const double w = c.width(), h = c.height();
  c.glow(w / 2, h / 2, std::min(w, h) / 2, glowColour, 0.6);
  roundRect(cr, 3, 3, w - 6, h - 6, 4);
  vertical(c, 3, h - 3, {120, 128, 136}, {40, 44, 50});
  cairo_fill_preserve(cr);
  c.colour(glowColour);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

Frame bar(int w, int h, const Rgb& colour) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 1, 1, w - 2, h - 2);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, h - 1);
  auto stop = [&](double t, double k) {
    cairo_pattern_add_color_stop_rgb(p, t, std::min(255.0, colour.r * k) / 255, std::min(255.0, colour.g * k) / 255,
                                     std::min(255.0, colour.b * k) / 255);
  };
  stop(0, 0.55);
  stop(0.3, 1.35);
  stop(0.55, 1.0);
  stop(1, 0.4);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_rectangle(cr, w - 1, 1, 1, h - 2);  // a dark seam between repeated frames
  c.colour({20, 20, 24});
  cairo_fill(cr);
  return c.keyed();
}
}  // namespace

std::vector<Frame> firstAid() {
  Canvas c(30, 30);
  cairo_t* cr = c.cr();
  powerCase(c, {255, 60, 60});
  roundRect(cr, 6, 6, 18, 18, 3);
  c.colour({235, 235, 228});
  cairo_fill(cr);
  cairo_rectangle(cr, 12.5, 8, 5, 14);
  cairo_rectangle(cr, 8, 12.5, 14, 5);
  c.colour({220, 30, 30});
  cairo_fill(cr);
  return {c.keyed()};
}

std::vector<Frame> explodingBullets() {
  Canvas c(33, 33);
  cairo_t* cr = c.cr();
  powerCase(c, {255, 150, 40});
  for (int i = 0; i < 3; ++i) {
    const double x = 9 + i * 7.5;
    roundRect(cr, x - 2.5, 12, 5, 13, 1);
    vertical(c, 12, 25, {230, 190, 90}, {140, 100, 40});
    cairo_fill(cr);
    cairo_move_to(cr, x - 2.5, 12);
    cairo_curve_to(cr, x - 2.5, 7, x + 2.5, 7, x + 2.5, 12);
    c.colour({255, 80, 40});
    cairo_fill(cr);
    c.glow(x, 9.5, 3, {255, 230, 120}, 0.8);
  }
  return {c.keyed()};
}

std::vector<Frame> flameThrower() {
  std::vector<Frame> frames;
  for (int i = 0; i < 2; ++i) {
    Canvas c(30, 30);
    cairo_t* cr = c.cr();
    powerCase(c, {255, 110, 20});
    roundRect(cr, 8, 9, 8, 15, 3);
    vertical(c, 9, 24, {230, 80, 40}, {120, 30, 14});
    cairo_fill(cr);
    cairo_rectangle(cr, 16, 14, 7, 3);
    c.colour({150, 156, 164});
    cairo_fill(cr);
    c.glow(24, 15.5, 4 + i, {255, 200, 60}, 0.9);
    frames.push_back(c.keyed());
  }
  return frames;
}

std::vector<Frame> grenades() {
  Canvas c(30, 25);
  cairo_t* cr = c.cr();
  powerCase(c, {90, 200, 255});
  for (int i = 0; i < 3; ++i) {
    const double x = 9 + i * 6;
    c.ellipse(x, 14, 2.8, 4);
    vertical(c, 10, 18, {150, 176, 110}, {50, 62, 36});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 1, 8, 2, 2.5);
    c.colour({200, 200, 190});
    cairo_fill(cr);
  }
  return {c.keyed()};
}

std::vector<Frame> healthBar() {
  return {bar(10, 25, {60, 220, 70}), bar(10, 25, {230, 210, 50}), bar(10, 25, {230, 50, 40})};
}

std::vector<Frame> weaponBar() {
  // exploding bullets, flame thrower, grenades
  return {bar(18, 25, {255, 150, 40}), bar(18, 25, {240, 70, 30}), bar(18, 25, {80, 180, 255})};
}

std::vector<Frame> volumeBar() {
  return {bar(8, 16, {90, 150, 255}), bar(8, 16, {150, 110, 255}), bar(8, 16, {240, 90, 220})};
}

Frame cursor() {
  Canvas c(40, 32);
  cairo_t* cr = c.cr();
  c.glow(20, 16, 15, {255, 190, 60}, 0.45);
  cairo_move_to(cr, 8, 6);
  cairo_line_to(cr, 33, 16);
  cairo_line_to(cr, 8, 26);
  cairo_line_to(cr, 14, 16);
  cairo_close_path(cr);
  vertical(c, 6, 26, {255, 236, 150}, {170, 100, 20});
  cairo_fill_preserve(cr);
  c.colour({90, 50, 10});
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  return c.keyed();
}

Frame makersMark() {
  Canvas c(90, 16);
  cairo_t* cr = c.cr();
  Typeface face(kSansCondensedBold);
  // a small hexagon emblem and the crew's name
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 3 * i + M_PI / 6;
    if (i == 0)
      cairo_move_to(cr, 8 + 6 * std::cos(a), 8 + 6 * std::sin(a));
    else
      cairo_line_to(cr, 8 + 6 * std::cos(a), 8 + 6 * std::sin(a));
  }
  cairo_close_path(cr);
  c.colour({200, 150, 50});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  c.circle(8, 8, 2);
  cairo_fill(cr);
  // The team's name, squeezed to whatever fits beside the emblem.
  const char* name = "KRAVEX II TEAM";
  const double room = 90 - 17 - 1;
  face.use(cr, 11);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, name, &extents);
  if (extents.x_advance > room) face.use(cr, 11, room / extents.x_advance);
  cairo_move_to(cr, 17, 12);
  cairo_text_path(cr, name);
  vertical(c, 3, 12, {240, 220, 170}, {160, 120, 60});
  cairo_fill(cr);
  return c.keyed();
}

Frame weaponPicture(int kind) {
  Canvas c(80, 32);
  cairo_t* cr = c.cr();
  static const Rgb kGlow[4] = {{200, 200, 210}, {255, 150, 40}, {255, 90, 20}, {90, 200, 255}};
  c.glow(40, 16, 30, kGlow[kind], 0.25);
  roundRect(cr, 8, 12, 52, 8, 2);  // body
  vertical(c, 12, 20, {130, 136, 146}, {40, 44, 52});
  cairo_fill(cr);
  cairo_rectangle(cr, 60, 14, kind == 3 ? 10 : 16, kind == 3 ? 5 : 3);  // barrel
  c.colour({90, 94, 104});
  cairo_fill(cr);
  cairo_move_to(cr, 16, 20);
  cairo_line_to(cr, 24, 20);
  cairo_line_to(cr, 20, 28);
  cairo_line_to(cr, 14, 28);
  cairo_close_path(cr);
  c.colour({60, 52, 44});
  cairo_fill(cr);
  cairo_rectangle(cr, 3, 13, 6, 6);  // stock
  cairo_fill(cr);
  if (kind == 1) {
    cairo_rectangle(cr, 34, 20, 6, 8);
    c.colour({220, 160, 60});
    cairo_fill(cr);
  } else if (kind == 2) {
    roundRect(cr, 26, 4, 20, 8, 3);
    vertical(c, 4, 12, {240, 90, 40}, {120, 30, 14});
    cairo_fill(cr);
  } else if (kind == 3) {
    c.circle(38, 16, 6);
    vertical(c, 10, 22, {150, 176, 110}, {50, 62, 36});
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 12, 13, 44, 1);
  c.colour(kGlow[kind], 0.8);
  cairo_fill(cr);
  return c.keyed();
}

// Level tags: a plate whose colour runs from calm green through amber to
// blood red and violet, gaining spikes and a fiercer glow as n grows.
std::vector<Frame> levelTags(int w, int h) {
  std::vector<Frame> frames;
  Typeface face(kSansBold);
  for (int n = 0; n < 26; ++n) {
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    const double t = n / 25.0;
    const Rgb calm{70, 200, 90}, warn{240, 180, 40}, danger{230, 40, 30}, doom{190, 40, 230};
    auto mix = [](const Rgb& a, const Rgb& b, double k) { return Rgb{a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k}; };
    const Rgb edge = t < 0.33 ? mix(calm, warn, t / 0.33) : t < 0.7 ? mix(warn, danger, (t - 0.33) / 0.37)
                                                                    : mix(danger, doom, (t - 0.7) / 0.3);
    const double s = h / 60.0;  // the small tags are drawn from the same design
    const double cx = w / 2.0, cy = h / 2.0;
    const int spikes = n / 3;
    if (spikes > 0) {
      for (int k = 0; k < spikes * 2; ++k) {
        const double a = M_PI * 2 * (k + 0.5) / (spikes * 2);
        const double len = (6 + n * 0.5) * s;
        const double rx = w / 2.0 - 8 * s, ry = h / 2.0 - 9 * s;
        const double bx = cx + std::cos(a) * rx * 0.92, by = cy + std::sin(a) * ry * 0.92;
        cairo_move_to(cr, bx - std::sin(a) * 4 * s, by + std::cos(a) * 4 * s);
        cairo_line_to(cr, cx + std::cos(a) * (rx + len * 0.6), cy + std::sin(a) * (ry + len * 0.35));
        cairo_line_to(cr, bx + std::sin(a) * 4 * s, by - std::cos(a) * 4 * s);
        cairo_close_path(cr);
      }
      c.colour(mix(edge, {40, 30, 30}, 0.35));
      cairo_fill(cr);
    }
    c.glow(cx, cy, w / 2.0, edge, 0.25 + 0.45 * t);
    const double px = 14 * s, py = 12 * s;
    roundRect(cr, px, py, w - 2 * px, h - 2 * py, 6 * s);
    vertical(c, py, h - py, mix({70, 74, 82}, edge, 0.25), {24, 24, 30});
    cairo_fill_preserve(cr);
    c.colour(edge);
    cairo_set_line_width(cr, std::max(1.0, 2.2 * s));
    cairo_stroke(cr);
    face.use(cr, 30 * s);
    const std::string text = std::to_string(n);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_move_to(cr, cx - e.x_bearing - e.width / 2, cy - e.y_bearing - e.height / 2);
    cairo_text_path(cr, text.c_str());
    c.colour({20, 16, 16});
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke_preserve(cr);
    vertical(c, cy - e.height / 2, cy + e.height / 2, {255, 250, 235}, mix(edge, {255, 255, 255}, 0.3));
    cairo_fill(cr);
    frames.push_back(c.keyed());
  }
  return frames;
}
