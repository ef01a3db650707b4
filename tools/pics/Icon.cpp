#include "Icon.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "Art.h"
#include "Canvas.h"

namespace {
// The sprites are laid out on a plate of this size; other sizes scale it.
constexpr int kLayoutSize = 128;
constexpr int kIconSizes[] = {48, 128, 256};
// Directions, clockwise from up in 32 steps: the trooper aims up and to the
// right, the alien crawls down and to the left at him.
constexpr int kTrooperAim = 6;
constexpr int kAlienHeading = 20;
constexpr double kCornerRadius = 18;

const Rgb kPlateLight{74, 80, 92}, kPlateDark{22, 24, 30}, kRim{190, 110, 20}, kGlow{255, 150, 40};

// A keyed frame as a Cairo surface whose key pixels are see-through.
cairo_surface_t* sprite(const Frame& f) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, f.width, f.height);
  const int stride = cairo_image_surface_get_stride(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < f.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < f.width; ++x) {
      const uint8_t* p = f.at(x, y);
      row[x] = mapsToKey(p[0], p[1], p[2]) ? 0 : 0xFF000000u | p[0] << 16 | p[1] << 8 | p[2];
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void roundedSquare(cairo_t* cr, double inset, double radius) {
  const double lo = inset, hi = kLayoutSize - inset;
  cairo_new_sub_path(cr);
  cairo_arc(cr, hi - radius, lo + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, hi - radius, hi - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, lo + radius, hi - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, lo + radius, lo + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void plate(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, kLayoutSize, kLayoutSize);
  cairo_pattern_add_color_stop_rgb(p, 0, kPlateLight.r / 255, kPlateLight.g / 255, kPlateLight.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, kPlateDark.r / 255, kPlateDark.g / 255, kPlateDark.b / 255);
  roundedSquare(cr, 4, kCornerRadius);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  c.colour(kRim);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  // The muzzle's light between the two, as in the game's dark levels.
  c.glow(58, 66, 46, kGlow, 0.45);
}

// Pixel art stays crisp at whole multiples; smaller icons are filtered down.
void paintSprite(cairo_t* cr, const Frame& f, double x, double y, double scale) {
  cairo_surface_t* s = sprite(f);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, s, 0, 0);
  const bool whole = scale >= 1 && scale == int(scale);
  cairo_pattern_set_filter(cairo_get_source(cr), whole ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

bool writeIcon(const std::string& folder, int size) {
  const double scale = double(size) / kLayoutSize;
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_scale(cr, scale, scale);
  plate(c);
  cairo_restore(cr);
  const Frame alien = alienStep(0)[kAlienHeading];
  const Frame trooper = trooperFiring(kPlayerOneLook, 0, true)[kTrooperAim];
  // The alien in the upper right at its own size on the layout plate, the
  // smaller trooper enlarged in the lower left.
  paintSprite(cr, alien, (kLayoutSize - alien.width - 6) * scale, 6 * scale, scale);
  const double trooperScale = 1.5;
  paintSprite(cr, trooper, 8 * scale, (kLayoutSize - trooper.height * trooperScale - 8) * scale,
              scale * trooperScale);
  const std::string dir = folder + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::string path = dir + "/kravex2.png";
  if (error || cairo_surface_write_to_png(c.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "Could not write the icon %s\n", path.c_str());
    return false;
  }
  return true;
}
}  // namespace

bool writeIcons(const std::string& folder) {
  bool ok = true;
  for (int size : kIconSizes) ok = writeIcon(folder, size) && ok;
  return ok;
}
