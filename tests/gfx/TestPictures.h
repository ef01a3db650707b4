#pragma once

// Helpers for the graphics tests: pictures in memory, TGA and library files
// written from them, and a dummy display opened at a chosen depth.
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
// The 16-bit file value of a colour (red in the low five bits).
uint16_t fileValue16(uint32_t rgb);
// The colour a 16-bit file value stands for, expanded back to eight bits.
uint32_t colourOf16(uint16_t value);

constexpr int kTopRowFirst = 0x20;
constexpr int kBottomRowFirst = 0;

// Uncompressed (type 2) file of the picture.
Bytes rawTga(const Picture& picture, int depth, int descriptor = kTopRowFirst);
// Run-length (type 10) file: runs become repeat packets, the rest literal
// packets, none longer than 128 pixels or past the end of a row.
Bytes runLengthTga(const Picture& picture, int depth, int descriptor = kTopRowFirst);

// A library file: width, height, then the frames' pixels blue green red.
Bytes libraryFile(int width, int height, const std::vector<Picture>& frames);

// Opens the dummy display at a depth for each test and makes it `screen`.
class DisplayTest : public testing::Test {
  protected:
    void openDisplay(int depth);
    void TearDown() override;
};
