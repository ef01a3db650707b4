#pragma once
// A Cairo drawing surface of one picture's size with the small drawing helpers
// every painter shares (colours with 0-255 channels, directions as the game's).
#include <cairo.h>

#include "Frame.h"

struct Rgb {
  double r, g, b;
};

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  Frame keyed() const { return Frame::keyed(surface_); }
  Frame opaque() const { return Frame::opaque(surface_); }

  void colour(const Rgb& c, double alpha = 1.0);
  void circle(double x, double y, double r);
  void ellipse(double x, double y, double rx, double ry);
  // A radial glow: full colour at the centre fading to nothing at radius r.
  void glow(double x, double y, double r, const Rgb& c, double alpha = 1.0);
  // Rotates the drawing so that "up" points along game direction d (0..31,
  // clockwise from up) around (x, y).
  void turnTo(double x, double y, double direction);

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Angle in radians of game direction d (clockwise from up, 32 steps).
double directionAngle(double d);

// Deterministic random numbers: the same sequence on every machine.
class Rng {
 public:
  explicit Rng(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
  unsigned next();
  double unit() { return (next() >> 8) / double(1u << 24); }
  double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
  int below(int n) { return int(next() % unsigned(n)); }

 private:
  unsigned state_;
};

// Smooth value noise in 0..1, layered over a few octaves.
double fractalNoise(double x, double y, unsigned seed, int octaves);
