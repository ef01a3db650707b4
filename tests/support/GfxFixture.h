#pragma once

// The graphics tests' fixture: pictures in memory, the TGA and library files
// written from them, a dummy display opened at a chosen depth and its bytes.
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/GBase.h"
#include "core/ReportSink.h"
#include "gfx/Buffer.h"
#include "gfx/Glyph.h"
#include "support/TempDir.h"

class SurfaceHolder;

using Bytes = std::vector<unsigned char>;

// A picture in memory, top row first, each pixel 0xRRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;

    Picture(int width, int height, uint32_t fill = 0);
    uint32_t& at(int x, int y) { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t at(int x, int y) const { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
    void fillBox(int x, int y, int w, int h, uint32_t colour);
};

// A picture whose every pixel differs from its neighbours, to catch mix-ups.
Picture patternPicture(int width, int height);

// The 18-byte TGA header.
Bytes tgaHeader(int width, int height, int depth, int type, int descriptor, int idLength = 0);
// One pixel in a file's encoding: 16 bits in the game's layout (red low),
// 24 bits blue green red, 32 bits blue green red and a spare byte.
void appendPixel(Bytes& out, uint32_t rgb, int depth);

constexpr int kTopRowFirst = 0x20;
constexpr int kBottomRowFirst = 0;

// A TGA file of the picture, uncompressed (type 2) or run-length (type 10).
// Run-length runs become repeat packets and single pixels literal ones, none
// longer than 128 pixels or past the end of a row.
Bytes tgaFile(const Picture& picture, int depth, int descriptor, bool packed);
inline Bytes rawTga(const Picture& picture, int depth, int descriptor = kTopRowFirst) {
    return tgaFile(picture, depth, descriptor, false);
}
inline Bytes runLengthTga(const Picture& picture, int depth, int descriptor = kTopRowFirst) {
    return tgaFile(picture, depth, descriptor, true);
}

// A library file: width, height, then the frames' pixels blue green red.
Bytes libraryFile(int width, int height, const std::vector<Picture>& frames);

constexpr uint32_t kWhite = 0xFFFFFF;

// A font picture drawn for a test, with the glyph boxes it should scan to.
// Each glyph is filled with its own colour except its top-left pixel, which
// has the background colour and so shows the colour key at work.
struct FontSheet {
    Picture picture;
    std::vector<Glyph> boxes;
};

// A sheet for Font: rows of 26, 26, 10, 15 and 7 glyphs of varied widths.
FontSheet fontSheet();
// A sheet for DigitFont: one row of ten digits.
FontSheet digitSheet();
// The colour glyph i of a sheet is drawn in.
uint32_t glyphColour(size_t i);

// Keeps GBase's progress lines, which would go to standard error while no
// console takes them, in `lines` for as long as it lives.
class ProgressLog : public ReportSink {
  public:
    ProgressLog() {
        if (GBase::attached() == nullptr) {
            GBase::attach(this);
        }
    }
    ~ProgressLog() override { GBase::detach(this); }
    void addLine(const char* text) override { lines.emplace_back(text); }
    void appendToLast(const char* text) override {
        (lines.empty() ? lines.emplace_back() : lines.back()) += text;
    }

    std::vector<std::string> lines;
};

// Runs f with standard error captured and returns the errors it wrote there,
// the progress lines left out.
template <typename F> std::string stderrOf(F&& f) {
    ProgressLog progress;
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

// How many points of the w x h box at (x0, y0) pass the test.
template <typename F> int countPixels(int x0, int y0, int w, int h, F&& passes) {
    int count = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            count += passes(x, y) ? 1 : 0;
        }
    }
    return count;
}

// A holder with a surface of the display's depth (a failure is reported).
std::unique_ptr<SurfaceHolder> madeHolder(int width, int height);
// Fails unless the holder has a surface of the picture's size holding it, as
// read from a file of the depth (16-bit files lose the low bits of each colour).
void expectPicture(SurfaceHolder& holder, const Picture& picture, int fileDepth = 24);

// Opens the dummy display at a depth for each test as `screen`.
class DisplayTest : public testing::Test {
  protected:
    void openDisplay(int depth);
    void TearDown() override;
    // The display's bytes after `draw`, row by row, pitch included: what a
    // player would see, down to the padding a stray write would reach.
    std::vector<uint8_t> screenBytes(const std::function<void()>& draw = [] {}) const;

    std::unique_ptr<Buffer> screen;
};

// The same, working in a fresh folder the test writes its files into.
class FolderTest : public DisplayTest {
  protected:
    TempDir folder;
    WorkingDir here{folder.path()};
};
