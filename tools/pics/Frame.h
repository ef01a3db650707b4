#pragma once
// One picture in memory as 24-bit colour, ready to be written as a TGA file or
// a library frame; made from a Cairo drawing.
#include <cairo.h>
#include <cstddef>
#include <cstdint>
#include <vector>

struct Frame {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // red, green, blue per pixel, top row first

  Frame() = default;
  Frame(int w, int h);

  void set(int x, int y, uint8_t r, uint8_t g, uint8_t b);
  const uint8_t* at(int x, int y) const { return &rgb[(y * width + x) * 3]; }

  // A full picture: the drawing is taken as opaque.
  static Frame opaque(cairo_surface_t* surface);
  // A keyed picture: what is (nearly) uncovered becomes the transparent black of
  // the top-left corner, and no art pixel may fall to 16-bit zero.
  static Frame keyed(cairo_surface_t* surface);
};

// True when the colour maps to 16-bit pixel value 0 (the transparent key).
bool mapsToKey(uint8_t r, uint8_t g, uint8_t b);
