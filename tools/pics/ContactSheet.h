#pragma once
// Composes sets of frames into one PNG for looking at a whole group at once;
// keyed frames are shown over a ground tone so their transparency is visible.
#include <string>
#include <vector>

#include "Frame.h"
#include "FontSheet.h"

class ContactSheet {
 public:
  explicit ContactSheet(int width, int scale = 1) : width_(width), scale_(scale) {}

  void addRow(const std::string& label, const std::vector<Frame>& frames, bool keyed = true);
  // A font picture, then sample lines drawn glyph by glyph from its boxes.
  void addFont(const std::string& label, const FontSheet& font, const std::vector<std::string>& lines);
  bool write(const std::string& path) const;

 private:
  struct Placed {
    Frame frame;
    int x, y;
    bool keyed;
  };
  struct Label {
    std::string text;
    int x, y;
  };
  void place(const Frame& f, bool keyed);
  void newLine();

  int width_, scale_;
  int x_ = 8, y_ = 20, rowHeight_ = 0;
  std::vector<Placed> placed_;
  std::vector<Label> labels_;
};
