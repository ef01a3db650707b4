#include <cmath>

#include "Art.h"
#include "Canvas.h"

namespace {
constexpr int kSize = 70;
constexpr int kDirections = 32;
constexpr int kSteps = 4;

const Rgb kShell{92, 52, 110}, kShellDark{34, 18, 44}, kShellLight{170, 120, 190};
const Rgb kLeg{60, 36, 70}, kLegLight{130, 96, 140}, kEye{255, 70, 40}, kSheen{120, 220, 120};

void stroke(Canvas& c, double x0, double y0, double x1, double y1, double w, const Rgb& colour) {
  cairo_t* cr = c.cr();
  c.colour(colour);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

void shell(Canvas& c, double x, double y, double rx, double ry) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_radial(x - rx * 0.35, y - ry * 0.3, 0, x, y, std::max(rx, ry));
  cairo_pattern_add_color_stop_rgb(p, 0, kShellLight.r / 255, kShellLight.g / 255, kShellLight.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 0.45, kShell.r / 255, kShell.g / 255, kShell.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, kShellDark.r / 255, kShellDark.g / 255, kShellDark.b / 255);
  c.ellipse(x, y, rx, ry);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  c.colour({16, 10, 20});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

// One leg: hip on the thorax, knee out to the side, foot reaching forward or
// back by the gait swing.
void leg(Canvas& c, int side, double hipY, double baseAngle, double swing) {
  const double a = baseAngle + swing;
  const double kneeX = side * (9 + 9 * std::cos(a)), kneeY = hipY - 9 * std::sin(a) - 1;
  const double footX = kneeX + side * 8 * std::cos(a * 1.3), footY = kneeY - 10 * std::sin(a * 1.3 + 0.2) + 3;
  stroke(c, side * 5, hipY, kneeX, kneeY, 4.6, {16, 10, 20});
  stroke(c, kneeX, kneeY, footX, footY, 3.2, {16, 10, 20});
  stroke(c, side * 5, hipY, kneeX, kneeY, 3.4, kLeg);
  stroke(c, kneeX, kneeY, footX, footY, 2.1, kLeg);
  stroke(c, side * 5, hipY, kneeX, kneeY, 1.0, kLegLight);
  // a barb on every knee
  stroke(c, kneeX, kneeY, kneeX + side * 2.5, kneeY - 2.5, 1.2, {200, 170, 120});
  stroke(c, footX, footY, footX + side * 1.5, footY - 2.5 * std::sin(a + 0.6), 1.2, {200, 170, 120});
}

// Tripod gait: the front and back legs of one side move with the middle leg
// of the other side.
void legs(Canvas& c, int step) {
  const double phase = std::sin(step * M_PI / 2 + M_PI / 4) * 0.38;
  const double hips[3] = {-8, -4, 0};
  const double angles[3] = {0.9, 0.05, -0.8};
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 3; ++i) {
      const double swing = ((i % 2 == 0) == (side < 0) ? phase : -phase);
      leg(c, side, hips[i], angles[i], swing);
    }
}

void head(Canvas& c, int step) {
  cairo_t* cr = c.cr();
  const double bite = 0.25 + 0.2 * std::sin(step * M_PI / 2);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, side * 3, -19);
    cairo_curve_to(cr, side * (6 + bite * 4), -23, side * (5 + bite * 3), -28, side * 1.5, -29);
    cairo_curve_to(cr, side * (3 + bite * 2), -26, side * 3, -23, side * 1.5, -21);
    cairo_close_path(cr);
    c.colour({190, 160, 110});
    cairo_fill_preserve(cr);
    c.colour({30, 20, 20});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // antennae sweep back over the head
    cairo_move_to(cr, side * 2, -20);
    cairo_curve_to(cr, side * 8, -26, side * 13, -24, side * (16 + bite * 2), -19);
    c.colour(kLegLight);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
  shell(c, 0, -18, 5.5, 5);
  for (int side = -1; side <= 1; side += 2) {
    c.glow(side * 3.2, -20, 3, kEye, 0.7);
    c.circle(side * 3.2, -20, 1.3);
    c.colour({255, 200, 120});
    cairo_fill(cr);
  }
}

void abdomen(Canvas& c, int step) {
  cairo_t* cr = c.cr();
  const double breathe = 0.6 * std::sin(step * M_PI / 2);
  shell(c, 0, 12, 9.5 + breathe * 0.5, 14 + breathe);
  for (int i = 0; i < 4; ++i) {
    const double y = 5 + i * 5.0;
    const double half = 8.5 * std::sqrt(std::max(0.0, 1 - std::pow((y - 12) / 14.5, 2)));
    cairo_move_to(cr, -half, y);
    cairo_curve_to(cr, -half / 2, y + 2, half / 2, y + 2, half, y);
    c.colour({24, 12, 30}, 0.9);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
  }
  // a row of pale spines down the back
  for (int i = 0; i < 4; ++i) {
    const double y = 3 + i * 5.0;
    cairo_move_to(cr, -1.6, y + 2);
    cairo_line_to(cr, 0, y - 1.5);
    cairo_line_to(cr, 1.6, y + 2);
    cairo_close_path(cr);
  }
  c.colour({210, 180, 140});
  cairo_fill(cr);
  // a wet green sheen along the back
  c.ellipse(-2.5, 8, 2, 6);
  c.colour(kSheen, 0.35);
  cairo_fill(cr);
}

Frame alien(int direction, int step) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  c.glow(kSize / 2.0 + 3, kSize / 2.0 + 4, 27, {0, 0, 0}, 0.5);
  cairo_save(cr);
  c.turnTo(kSize / 2.0, kSize / 2.0 + 2, direction);
  legs(c, step);
  abdomen(c, step);
  shell(c, 0, -6, 7.5, 7);  // thorax
  stroke(c, 0, -12, 0, -1, 1.0, kShellLight);
  head(c, step);
  cairo_restore(cr);
  return c.keyed();
}
}  // namespace

std::vector<Frame> alienStep(int step) {
  std::vector<Frame> frames;
  for (int d = 0; d < kDirections; ++d) frames.push_back(alien(d, step % kSteps));
  return frames;
}
