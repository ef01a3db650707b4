// Help pages as fuzz inputs, shown through the help viewer with a small
// font and one picture a page can name.
#include <SDL.h>
#include <vector>

#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzFolder.h"
#include "gfx/Font.h"
#include "support/TempDir.h"
#include "ui/Help.h"

namespace {

// The font sheet: five bands, each a top marker, glyph rows and a marker row
// whose white pixels bracket glyphs kGlyphStep apart.
constexpr int kSheetWidth = 80;
constexpr int kBandHeight = 8;
constexpr int kBands = 5;
constexpr int kSheetHeight = kBandHeight * kBands;
constexpr int kMarkerRowInBand = 6;
constexpr int kGlyphStep = 3;
constexpr uint8_t kWhite = 255;
constexpr uint8_t kGlyphGrey = 128;
// The picture a page may name as |P|box|8|6|.
constexpr int kBoxWidth = 8;
constexpr int kBoxHeight = 6;
constexpr int32_t kSpeed = 40;
// Rolling pages start below the screen; at this speed the first frame
// brings the page's top onto it and the second draws it, fading.
constexpr int32_t kRollSpeed = 480;

void appendTgaHeader(std::vector<uint8_t>& file, int width, int height) {
    const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                uint8_t(width), uint8_t(width >> 8), uint8_t(height),
                                uint8_t(height >> 8), 24, 0x20};
    file.insert(file.end(), header, header + sizeof header);
}

uint8_t sheetLevel(int x, int y) {
    const int band = y / kBandHeight;
    const int inBand = y % kBandHeight;
    if (x == 0 && (inBand == kMarkerRowInBand || (inBand == 0 && band > 0))) {
        return kWhite;
    }
    if (inBand == kMarkerRowInBand) {
        return x % kGlyphStep == 0 ? kWhite : 0;
    }
    return inBand > 0 && x % kGlyphStep != 0 ? kGlyphGrey : 0;
}

void writeFontSheet() {
    std::vector<uint8_t> file;
    appendTgaHeader(file, kSheetWidth, kSheetHeight);
    for (int y = 0; y < kSheetHeight; ++y) {
        for (int x = 0; x < kSheetWidth; ++x) {
            const uint8_t level = sheetLevel(x, y);
            file.insert(file.end(), {level, level, level});
        }
    }
    fuzzfolder::write("helpfont.pl", file.data(), file.size());
}

void writeBox() {
    std::vector<uint8_t> file;
    appendTgaHeader(file, kBoxWidth, kBoxHeight);
    for (int i = 0; i < kBoxWidth * kBoxHeight; ++i) {
        file.insert(file.end(), {40, uint8_t(i * 5), 200});
    }
    fuzzfolder::write("box.bl", file.data(), file.size());
}

// One frame with the key held. Frames are few: each draws every line in
// sight, and that drawing is most of a run's time.
void press(Help& help, int32_t key) {
    help.keyDown(key);
    help.frame();
    help.keyUp(key);
}

} // namespace

void fuzzHelpPage(const uint8_t* data, size_t size) {
    // Pages name their pictures relative to the game's folder.
    WorkingDir here(fuzzfolder::path("."));
    writeFontSheet();
    writeBox();
    // The input is the page as written, before it is scrambled.
    fuzzfolder::writeScrambled("page01.dat", data, size);
    Font font("helpfont", kSheetWidth, kSheetHeight);

    Help browsed(1, "page", &font, nullptr, kSpeed);
    browsed.loadPage();
    press(browsed, SDLK_PAGEDOWN);
    press(browsed, SDLK_DOWN);
    press(browsed, SDLK_PAGEUP);
    fuzzCheck(browsed.getScroll() <= 0, "a page never scrolls below its top");

    Help rolled(1, "page", &font, nullptr, kRollSpeed);
    rolled.setInteractive(0);
    rolled.setFading(1);
    rolled.loadPage();
    rolled.frame();
    rolled.frame();
}
