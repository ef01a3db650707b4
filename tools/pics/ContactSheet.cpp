#include "ContactSheet.h"

#include <cairo.h>

#include <algorithm>

#include "Typeface.h"

namespace {
constexpr int kGap = 6;
constexpr int kLabelHeight = 16;
}

void ContactSheet::newLine() {
  y_ += rowHeight_ + kGap;
  x_ = 8;
  rowHeight_ = 0;
}

void ContactSheet::place(const Frame& f, bool keyed) {
  if (x_ + f.width * scale_ > width_ - 8 && x_ > 8) newLine();
  placed_.push_back({f, x_, y_, keyed});
  x_ += f.width * scale_ + kGap;
  rowHeight_ = std::max(rowHeight_, f.height * scale_);
}

void ContactSheet::addRow(const std::string& label, const std::vector<Frame>& frames, bool keyed) {
  if (rowHeight_ > 0) newLine();
  labels_.push_back({label, 8, y_ + 12});
  y_ += kLabelHeight;
  for (const Frame& f : frames) place(f, keyed);
}

void ContactSheet::addFont(const std::string& label, const FontSheet& font, const std::vector<std::string>& lines) {
  addRow(label, {font.frame});
  const int spaceWidth = font.glyphs.empty() ? 8 : font.glyphs[font.glyphs.size() > 10 ? 0 : 0].w;
  for (const std::string& text : lines) {
    int width = 0;
    std::vector<std::pair<const GlyphBox*, int>> pens;
    for (char ch : text) {
      int index = -1;
      const unsigned char c = static_cast<unsigned char>(ch);
      if (font.glyphs.size() == 10) {
        if (c >= '0' && c <= '9') index = c - '0';
      } else if (c >= 'a' && c <= 'z') {
        index = c - 'a';
      } else if (c >= 'A' && c <= 'Z') {
        index = 26 + c - 'A';
      } else if (c >= '0' && c <= '9') {
        index = 52 + c - '0';
      } else if (c >= 33 && c <= 47) {
        index = 62 + c - 33;
      } else if (c >= 58 && c <= 64) {
        index = 77 + c - 58;
      }
      if (c == ' ') width += spaceWidth;
      if (index < 0) continue;
      pens.push_back({&font.glyphs[index], width});
      width += font.glyphs[index].w + 1;
    }
    int height = 0;
    for (const auto& p : pens) height = std::max(height, p.first->h);
    Frame line(std::max(1, width), std::max(1, height));
    for (const auto& p : pens)
      for (int y = 0; y < p.first->h; ++y)
        for (int x = 0; x < p.first->w; ++x) {
          const uint8_t* s = font.frame.at(p.first->x + x, p.first->y + y);
          line.set(p.second + x, y, s[0], s[1], s[2]);
        }
    addRow("sample", {line});
  }
}

bool ContactSheet::write(const std::string& path) const {
  const int height = y_ + rowHeight_ + 8;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
  cairo_paint(cr);
  cairo_surface_flush(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (const Placed& p : placed_)
    for (int y = 0; y < p.frame.height * scale_; ++y)
      for (int x = 0; x < p.frame.width * scale_; ++x) {
        const uint8_t* s = p.frame.at(x / scale_, y / scale_);
        if (p.keyed && mapsToKey(s[0], s[1], s[2])) continue;
        uint32_t* d = reinterpret_cast<uint32_t*>(data + (p.y + y) * stride) + p.x + x;
        *d = 0xFF000000u | s[0] << 16 | s[1] << 8 | s[2];
      }
  cairo_surface_mark_dirty(surface);
  Typeface face(kSansBold);
  face.use(cr, 11);
  cairo_set_source_rgb(cr, 0.8, 0.85, 0.9);
  for (const Label& l : labels_) {
    cairo_move_to(cr, l.x, l.y);
    cairo_show_text(cr, l.text.c_str());
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}
