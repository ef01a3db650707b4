#include <cmath>

#include "Art.h"
#include "Canvas.h"

namespace {
// An irregular blob: a circle whose radius wobbles by `rough`.
void blob(Canvas& c, double x, double y, double r, double rough, Rng& rng, int points = 12) {
  cairo_t* cr = c.cr();
  std::vector<double> radius(points);
  for (double& v : radius) v = r * (1 + rng.range(-rough, rough));
  for (int i = 0; i <= points; ++i) {
    const double a = 2 * M_PI * i / points;
    const double rr = radius[i % points];
    if (i == 0)
      cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    else
      cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

Rgb mix(const Rgb& a, const Rgb& b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

void fillShaded(Canvas& c, double x, double y, double r, const Rgb& light, const Rgb& dark) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r * 1.2);
  cairo_pattern_add_color_stop_rgb(p, 0, light.r / 255, light.g / 255, light.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r / 255, dark.g / 255, dark.b / 255);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A puff with a lit centre, the brick every explosion frame is built from.
void puff(Canvas& c, double x, double y, double r, const Rgb& centre, const Rgb& rim, Rng& rng) {
  blob(c, x, y, r, 0.18, rng, 10);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.25, y - r * 0.3, 0, x, y, r * 1.15);
  cairo_pattern_add_color_stop_rgb(p, 0, centre.r / 255, centre.g / 255, centre.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, rim.r / 255, rim.g / 255, rim.b / 255);
  cairo_set_source(c.cr(), p);
  cairo_fill(c.cr());
  cairo_pattern_destroy(p);
}

// Frame 0 is the white flash, then a boiling fire ball that cools through
// orange and red into brown smoke which breaks up and thins out.
Frame explosionFrame(int i) {
  const int size = 60;
  const double t = i / 7.0;
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  Rng rng(700 + i);
  const double cx = size / 2.0, cy = size / 2.0;
  const Rgb hot{255, 250, 210}, yellow{255, 210, 90}, orange{240, 110, 25}, red{150, 35, 15};
  const Rgb smokeLight{120, 108, 98}, smokeDark{52, 46, 44};
  if (i == 0) {
    c.glow(cx, cy, 29, yellow, 1.0);
    for (int k = 0; k < 10; ++k) {
      const double a = 2 * M_PI * k / 10 + rng.range(0, 0.3), len = rng.range(18, 28);
      cairo_move_to(cr, cx + std::cos(a + 0.12) * 5, cy + std::sin(a + 0.12) * 5);
      cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
      cairo_line_to(cr, cx + std::cos(a - 0.12) * 5, cy + std::sin(a - 0.12) * 5);
      cairo_close_path(cr);
    }
    c.colour({255, 240, 170});
    cairo_fill(cr);
    c.glow(cx, cy, 16, hot, 1.0);
    puff(c, cx, cy, 9, {255, 255, 255}, hot, rng);
    return c.keyed();
  }
  // smoke: more and larger puffs as the fire dies, fewer again at the end
  const int smokePuffs = i < 4 ? 4 + i * 3 : 16 - (i - 4) * 3;
  const double reach = 6 + t * 16;
  for (int k = 0; k < smokePuffs; ++k) {
    const double a = rng.range(0, 2 * M_PI), d = rng.range(0.3, 1.0) * reach;
    const double r = rng.range(4, 7) + t * 4;
    const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
    if (std::hypot(x - cx, y - cy) + r > 29) continue;
    puff(c, x, y, r, mix(smokeLight, smokeDark, t * 0.5), smokeDark, rng);
  }
  // fire: hot puffs around the centre, shrinking and cooling
  const int firePuffs = int(12 * (1 - t)) + (i < 6 ? 1 : 0);
  for (int k = 0; k < firePuffs; ++k) {
    const double a = rng.range(0, 2 * M_PI), d = rng.range(0, 1) * (14 - t * 10);
    const double r = (12 - t * 9) * rng.range(0.6, 1.0);
    const Rgb inner = t < 0.3 ? mix(hot, yellow, t / 0.3) : mix(yellow, orange, (t - 0.3) / 0.7);
    const Rgb outer = mix(orange, red, t);
    puff(c, cx + std::cos(a) * d, cy + std::sin(a) * d, r, inner, outer, rng);
  }
  if (t < 0.5) c.glow(cx, cy, 16 * (1 - t), hot, 0.9 - t);
  return c.keyed();
}

// Flames: a tear-drop tongue that flickers through eight frames.
Frame flameFrame(int size, int i, unsigned seed, double heat) {
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  Rng rng(seed + i);
  const double cx = size / 2.0, cy = size / 2.0 + size * 0.1;
  const double r = size * (0.36 + 0.06 * std::sin(i * 1.7));
  for (int layer = 0; layer < 3; ++layer) {
    const double s = 1 - layer * 0.3;
    cairo_move_to(cr, cx - r * s, cy);
    cairo_curve_to(cr, cx - r * s, cy - r * s * 1.4, cx + rng.range(-2, 2), cy - r * s * 1.6,
                   cx + rng.range(-1.5, 1.5), cy - r * 1.35 * s);
    cairo_curve_to(cr, cx + r * 0.6 * s, cy - r * s, cx + r * s, cy - r * 0.6 * s, cx + r * s, cy);
    cairo_arc(cr, cx, cy, r * s, 0, M_PI);
    cairo_close_path(cr);
    const Rgb colours[3] = {{220, 60 + 40 * heat, 16}, {255, 150 + 40 * heat, 30}, {255, 245, 180}};
    c.colour(colours[layer]);
    cairo_fill(cr);
  }
  return c.keyed();
}

Frame dropFrame(int size, int i, const Rgb& light, const Rgb& dark, unsigned seed) {
  Canvas c(size, size);
  Rng rng(seed + i);
  const double cx = size / 2.0, cy = size / 2.0;
  const double r = 2.5 + i * 1.2;
  blob(c, cx, cy, r, 0.25, rng);
  fillShaded(c, cx, cy, r, light, dark);
  for (int k = 0; k < 1 + i; ++k) {
    blob(c, cx + rng.range(-7, 7), cy + rng.range(-7, 7), rng.range(0.9, 1.7), 0.2, rng, 6);
    fillShaded(c, cx, cy, r * 2, light, dark);
  }
  c.glow(cx - r * 0.35, cy - r * 0.4, r * 0.45, {255, 255, 255}, 0.5);
  return c.keyed();
}

Frame stainFrame(int w, int h, int i, const Rgb& colour, unsigned seed, int count) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rng rng(seed + i);
  const double cx = w / 2.0, cy = h / 2.0;
  const double r = std::min(w, h) * (0.22 + 0.05 * i);
  blob(c, cx, cy, r, 0.35, rng, 14);
  c.colour(colour, 0.9);
  cairo_fill(cr);
  for (int k = 0; k < count; ++k) {
    const double a = rng.range(0, 2 * M_PI), d = r * rng.range(1.0, 1.6);
    blob(c, cx + std::cos(a) * d, cy + std::sin(a) * d, rng.range(0.8, 2.0), 0.3, rng, 6);
    c.colour(colour, 0.9);
    cairo_fill(cr);
  }
  blob(c, cx - 1, cy - 1, r * 0.5, 0.3, rng);
  c.colour(mix(colour, {0, 0, 0}, 0.3), 0.7);
  cairo_fill(cr);
  return c.keyed();
}
}  // namespace

std::vector<Frame> explosion() {
  std::vector<Frame> f;
  for (int i = 0; i < 8; ++i) f.push_back(explosionFrame(i));
  return f;
}

std::vector<Frame> fire() {
  std::vector<Frame> f;
  for (int i = 0; i < 8; ++i) f.push_back(flameFrame(14, i, 900, (i % 3) / 2.0));
  return f;
}

std::vector<Frame> burn() {
  std::vector<Frame> f;
  for (int i = 0; i < 4; ++i) f.push_back(flameFrame(16, i, 950, 1 - i / 3.0));
  return f;
}

std::vector<Frame> grenade() {
  std::vector<Frame> f;
  for (int i = 0; i < 3; ++i) {
    Canvas c(15, 15);
    cairo_t* cr = c.cr();
    c.turnTo(7.5, 7.5, i * 32.0 / 3 / 2);
    c.ellipse(0, 0, 4.5, 5.5);
    fillShaded(c, 0, 0, 5.5, {150, 170, 110}, {40, 50, 30});
    for (int k = -1; k <= 1; ++k) {
      cairo_move_to(cr, -4.5, k * 2.2);
      cairo_line_to(cr, 4.5, k * 2.2);
    }
    c.colour({30, 36, 22});
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_rectangle(cr, -1.5, -7, 3, 2.5);
    c.colour({180, 180, 170});
    cairo_fill(cr);
    c.glow(2.5, -6, 2.2, {255, 80, 40}, 0.9 - i * 0.2);
    f.push_back(c.keyed());
  }
  return f;
}

std::vector<Frame> bloodDrops() {
  std::vector<Frame> f;
  for (int i = 0; i < 4; ++i) f.push_back(dropFrame(20, i, {230, 40, 30}, {110, 8, 10}, 1100));
  return f;
}

std::vector<Frame> bloodStains() {
  std::vector<Frame> f;
  for (int i = 0; i < 4; ++i) f.push_back(stainFrame(20, 20, i, {110, 12, 14}, 1200, 5));
  return f;
}

std::vector<Frame> slimeDrops() {
  std::vector<Frame> f;
  for (int i = 0; i < 8; ++i) f.push_back(dropFrame(20, i / 2, {150, 255, 90}, {30, 110, 20}, 1300 + i * 7));
  return f;
}

std::vector<Frame> slimeStains() {
  std::vector<Frame> f;
  for (int i = 0; i < 8; ++i) f.push_back(stainFrame(20, 20, i / 2, {50, 120, 30}, 1400 + i * 7, 4));
  return f;
}

std::vector<Frame> trooperParts() {
  std::vector<Frame> f;
  const Rgb armour{110, 124, 132}, dark{44, 50, 58}, blood{150, 16, 16};
  for (int i = 0; i < 5; ++i) {
    Canvas c(35, 29);
    cairo_t* cr = c.cr();
    Rng rng(1500 + i);
    c.turnTo(17.5, 14.5, i * 7 + 3);
    switch (i) {
      case 0:  // helmet
        c.ellipse(0, 0, 7, 7.5);
        fillShaded(c, 0, 0, 7.5, {160, 170, 130}, {50, 56, 40});
        cairo_arc(cr, 0, 0, 5, directionAngle(-12) - M_PI / 2, directionAngle(-4) - M_PI / 2);
        c.colour({90, 220, 255});
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        break;
      case 1:  // arm with its shoulder pad
      case 2:  // leg with a boot
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, 0, -10);
        cairo_line_to(cr, 0, 8);
        c.colour(i == 1 ? armour : Rgb{70, 78, 52});
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        c.ellipse(0, i == 1 ? -9 : 9, 4, 4.5);
        fillShaded(c, 0, 0, 10, i == 1 ? Rgb{180, 196, 204} : Rgb{90, 84, 74}, i == 1 ? dark : Rgb{40, 36, 32});
        break;
      case 3:  // torso plate
        c.ellipse(0, 0, 10, 6.5);
        fillShaded(c, 0, 0, 10, {180, 196, 204}, dark);
        cairo_move_to(cr, -6, -3);
        cairo_line_to(cr, 6, -3);
        c.colour({230, 150, 40});
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        break;
      default:  // the rifle, broken
        cairo_move_to(cr, -11, 0);
        cairo_line_to(cr, 9, 0);
        c.colour({30, 32, 36});
        cairo_set_line_width(cr, 3.4);
        cairo_stroke(cr);
        cairo_move_to(cr, 9, 0);
        cairo_line_to(cr, 13, -1.5);
        c.colour({100, 104, 110});
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        break;
    }
    for (int k = 0; k < 3; ++k) {
      blob(c, rng.range(-4, 4), rng.range(-5, 5), rng.range(1.2, 2.4), 0.3, rng, 7);
      c.colour(blood, 0.9);
      cairo_fill(cr);
    }
    f.push_back(c.keyed());
  }
  return f;
}

std::vector<Frame> alienParts(int variant, bool stain) {
  // shades of the aliens' own shell, so the pieces plainly come from them
  static const Rgb kShells[3] = {{110, 60, 130}, {78, 40, 96}, {150, 104, 170}};
  std::vector<Frame> f;
  const Rgb shell = kShells[variant % 3];
  for (int i = 0; i < 4; ++i) {
    if (stain) {
      f.push_back(stainFrame(22, 18, i, mix(shell, {40, 100, 30}, 0.6), 1600 + variant * 10 + i, 3));
      continue;
    }
    Canvas c(22, 18);
    cairo_t* cr = c.cr();
    Rng rng(1700 + variant * 10 + i);
    c.turnTo(11, 9, i * 8 + variant * 3);
    if (i % 2 == 0) {  // a leg in two pieces
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_move_to(cr, -8, 2);
      cairo_line_to(cr, 0, -3);
      cairo_line_to(cr, 7, 3);
      c.colour(mix(shell, {20, 10, 20}, 0.4));
      cairo_set_line_width(cr, 2.6);
      cairo_stroke(cr);
    } else {  // a shell fragment
      blob(c, 0, 0, 5.5, 0.35, rng, 8);
      fillShaded(c, 0, 0, 6, mix(shell, {255, 255, 255}, 0.4), mix(shell, {0, 0, 0}, 0.6));
    }
    blob(c, rng.range(-3, 3), rng.range(-2, 2), 1.8, 0.3, rng, 6);
    c.colour({110, 230, 60}, 0.9);
    cairo_fill(cr);
    f.push_back(c.keyed());
  }
  return f;
}
