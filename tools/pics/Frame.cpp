#include "Frame.h"

namespace {
// Below this coverage a pixel is left to the background; above it the edge is
// softened toward a dark ground tone instead of black, so sprites keep no halo.
constexpr double kKeepAlpha = 0.38;
constexpr double kGroundTone[3] = {34, 34, 38};

void unpremultiply(uint32_t argb, double& a, double c[3]) {
  a = ((argb >> 24) & 0xFF) / 255.0;
  const double channel[3] = {double((argb >> 16) & 0xFF), double((argb >> 8) & 0xFF),
                             double(argb & 0xFF)};
  for (int i = 0; i < 3; ++i) c[i] = a > 0 ? channel[i] / a : 0;
}

uint8_t clampByte(double v) { return v < 0 ? 0 : v > 255 ? 255 : uint8_t(v + 0.5); }
}  // namespace

bool mapsToKey(uint8_t r, uint8_t g, uint8_t b) { return r < 8 && g < 4 && b < 8; }

Frame::Frame(int w, int h) : width(w), height(h), rgb(size_t(w) * h * 3, 0) {}

void Frame::set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
  uint8_t* p = &rgb[(y * width + x) * 3];
  p[0] = r;
  p[1] = g;
  p[2] = b;
}

Frame Frame::opaque(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  Frame f(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
  const int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < f.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < f.width; ++x)
      f.set(x, y, (row[x] >> 16) & 0xFF, (row[x] >> 8) & 0xFF, row[x] & 0xFF);
  }
  return f;
}

Frame Frame::keyed(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  Frame f(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
  const int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < f.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < f.width; ++x) {
      double a, c[3];
      unpremultiply(row[x], a, c);
      if (a < kKeepAlpha) continue;
      uint8_t out[3];
      for (int i = 0; i < 3; ++i) out[i] = clampByte(c[i] * a + kGroundTone[i] * (1 - a));
      if (mapsToKey(out[0], out[1], out[2])) out[0] = out[1] = out[2] = 8;
      f.set(x, y, out[0], out[1], out[2]);
    }
  }
  // The corner names the transparent colour, so it must stay background.
  f.set(0, 0, 0, 0, 0);
  return f;
}
