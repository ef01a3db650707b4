#include "Canvas.h"

#include <cmath>

namespace {
constexpr int kDirections = 32;

double hashCell(int x, int y, unsigned seed) {
  unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

double valueNoise(double x, double y, unsigned seed) {
  const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  const double fx = smooth(x - x0), fy = smooth(y - y0);
  const double a = hashCell(x0, y0, seed), b = hashCell(x0 + 1, y0, seed);
  const double c = hashCell(x0, y0 + 1, seed), d = hashCell(x0 + 1, y0 + 1, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}
}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::colour(const Rgb& c, double alpha) {
  cairo_set_source_rgba(cr_, c.r / 255, c.g / 255, c.b / 255, alpha);
}

void Canvas::circle(double x, double y, double r) {
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x, y, r, 0, 2 * M_PI);
}

void Canvas::ellipse(double x, double y, double rx, double ry) {
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, rx, ry);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr_);
}

void Canvas::glow(double x, double y, double r, const Rgb& c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r / 255, c.g / 255, c.b / 255, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r / 255, c.g / 255, c.b / 255, 0);
  cairo_set_source(cr_, p);
  cairo_arc(cr_, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr_);
  cairo_pattern_destroy(p);
}

void Canvas::turnTo(double x, double y, double direction) {
  cairo_translate(cr_, x, y);
  cairo_rotate(cr_, directionAngle(direction));
}

double directionAngle(double d) { return d * 2 * M_PI / kDirections; }

unsigned Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double fractalNoise(double x, double y, unsigned seed, int octaves) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += valueNoise(x, y, seed + unsigned(i) * 101u) * weight;
    total += weight;
    weight *= 0.5;
    x *= 2;
    y *= 2;
  }
  return sum / total;
}
