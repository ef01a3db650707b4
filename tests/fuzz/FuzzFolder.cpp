#include "fuzz/FuzzFolder.h"

#include <memory>
#include <vector>

#include "store/EncipheredFile.h"
#include "support/TempDir.h"

namespace {

constexpr size_t kTgaHeaderBytes = 18;
constexpr uint8_t kTgaRaw = 2;
constexpr uint8_t kTgaDepth = 24;
constexpr uint8_t kTgaTopRowFirst = 0x20;
constexpr int32_t kBandRows = 8;
constexpr int32_t kMarkerRow = 6;
constexpr int32_t kGlyphStep = 3;
constexpr uint8_t kWhite = 255;
constexpr uint8_t kGlyphGrey = 128;

const TempDir& folder() {
    static const std::unique_ptr<TempDir> made = std::make_unique<TempDir>();
    return *made;
}

} // namespace

namespace fuzzfolder {

std::string path(const std::string& name) {
    return folder().file(name);
}

std::string write(const std::string& name, const uint8_t* data, size_t size) {
    folder().write(name, std::vector<unsigned char>(data, data + size));
    return path(name);
}

std::string writeScrambled(const std::string& name, const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = EncipheredFile::encipher(data[i], i);
    }
    folder().write(name, bytes);
    return path(name);
}

std::string writeGreyTga(const std::string& name, int32_t width, int32_t height,
                         const uint8_t* grey, size_t count) {
    std::vector<unsigned char> file(kTgaHeaderBytes, 0);
    file[2] = kTgaRaw;
    file[12] = uint8_t(width);
    file[13] = uint8_t(width >> 8);
    file[14] = uint8_t(height);
    file[15] = uint8_t(height >> 8);
    file[16] = kTgaDepth;
    file[17] = kTgaTopRowFirst;
    const size_t pixels = size_t(width) * size_t(height);
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t level = i < count ? grey[i] : 0;
        file.insert(file.end(), {level, level, level});
    }
    folder().write(name, file);
    return path(name);
}

std::vector<uint8_t> fontSheet(int32_t width, int32_t height) {
    std::vector<uint8_t> levels;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int32_t row = y % kBandRows;
            const bool white =
                (row == kMarkerRow && x % kGlyphStep == 0) || (row == 0 && y > 0 && x == 0);
            const bool glyph = row > 0 && row < kMarkerRow && x % kGlyphStep != 0;
            levels.push_back(white ? kWhite : glyph ? kGlyphGrey : 0);
        }
    }
    return levels;
}

} // namespace fuzzfolder
