#include "PictureWriter.h"

#include <cstdio>
#include <filesystem>

namespace {
constexpr int kMaxRun = 128;
constexpr uint8_t kTypeRaw = 2;
constexpr uint8_t kTypePacked = 10;
constexpr uint8_t kTopDown = 0x20;

void put16(std::vector<uint8_t>& out, int v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, int v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

void putPixel(std::vector<uint8_t>& out, const uint8_t* rgb) {
  out.push_back(rgb[2]);
  out.push_back(rgb[1]);
  out.push_back(rgb[0]);
}

bool samePixel(const uint8_t* a, const uint8_t* b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// Run-length packets of one row; a packet never crosses the row's end.
void packRow(std::vector<uint8_t>& out, const Frame& f, int y) {
  int x = 0;
  while (x < f.width) {
    int run = 1;
    while (x + run < f.width && run < kMaxRun && samePixel(f.at(x, y), f.at(x + run, y))) ++run;
    if (run > 1) {
      out.push_back(uint8_t(0x80 | (run - 1)));
      putPixel(out, f.at(x, y));
      x += run;
      continue;
    }
    int literal = 1;
    while (x + literal < f.width && literal < kMaxRun &&
           !(x + literal + 1 < f.width && samePixel(f.at(x + literal, y), f.at(x + literal + 1, y))))
      ++literal;
    out.push_back(uint8_t(literal - 1));
    for (int i = 0; i < literal; ++i) putPixel(out, f.at(x + i, y));
    x += literal;
  }
}
}  // namespace

PictureWriter::PictureWriter(std::string dataDir) : dataDir_(std::move(dataDir)) {
  std::error_code ignored;  // a folder that cannot be made shows in the first failed write
  std::filesystem::create_directories(std::filesystem::path(dataDir_) / "pics", ignored);
}

std::string numberedName(const std::string& base, int n) {
  return base + (n < 10 ? "0" : "") + std::to_string(n);
}

bool PictureWriter::store(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string full = dataDir_ + "/" + path;
  FILE* file = std::fopen(full.c_str(), "wb");
  bool good = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (file && std::fclose(file) != 0) good = false;
  if (!good) {
    std::fprintf(stderr, "Cannot write %s\n", full.c_str());
    ok_ = false;
    return false;
  }
  bytes_ += long(bytes.size());
  ++files_;
  return true;
}

bool PictureWriter::writeTga(const std::string& path, const Frame& f, Layout layout) {
  const bool packed = layout == Layout::kTopDownPacked || layout == Layout::kBottomUpPacked;
  const bool topDown = layout == Layout::kTopDownRaw || layout == Layout::kTopDownPacked;
  std::vector<uint8_t> out = {0, 0, packed ? kTypePacked : kTypeRaw, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  put16(out, f.width);
  put16(out, f.height);
  out.push_back(24);
  out.push_back(topDown ? kTopDown : 0);
  for (int i = 0; i < f.height; ++i) {
    const int y = topDown ? i : f.height - 1 - i;
    if (packed) {
      packRow(out, f, y);
    } else {
      for (int x = 0; x < f.width; ++x) putPixel(out, f.at(x, y));
    }
  }
  return store(path, out);
}

bool PictureWriter::writeLibrary(const std::string& path, const std::vector<Frame>& frames) {
  std::vector<uint8_t> out;
  put32(out, frames.front().width);
  put32(out, frames.front().height);
  for (const Frame& f : frames)
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) putPixel(out, f.at(x, y));
  return store(path, out);
}

bool PictureWriter::fullPicture(const std::string& name, const Frame& frame) {
  // Large pictures are packed: they are mostly smooth and shrink a lot.
  const Layout layout = (variety_++ % 2) ? Layout::kBottomUpPacked : Layout::kTopDownPacked;
  return writeTga(name + ".pl", frame, layout);
}

bool PictureWriter::singleFrame(const std::string& name, const Frame& frame) {
  static const Layout kLayouts[] = {Layout::kTopDownRaw, Layout::kBottomUpPacked,
                                    Layout::kBottomUpRaw, Layout::kTopDownPacked};
  return writeTga(name + ".bl", frame, kLayouts[variety_++ % 4]);
}

bool PictureWriter::spriteSet(const std::string& name, const std::vector<Frame>& frames, int first) {
  bool good = !frames.empty() && writeLibrary(name + ".lib", frames);
  for (size_t i = 0; i < frames.size(); ++i)
    good = singleFrame(numberedName(name, first + int(i)), frames[i]) && good;
  return good;
}
