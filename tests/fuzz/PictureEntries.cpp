// Pictures, sprite libraries and font sheets as fuzz inputs.
#include <algorithm>
#include <memory>
#include <vector>

#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzFolder.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/Glyph.h"

namespace {

constexpr size_t kTgaWidthAt = 12;
constexpr size_t kTgaHeightAt = 14;
constexpr size_t kTgaHeaderBytes = 18;
// Pictures larger than this are asked for at a size the header does not
// give, so they meet the size check; reading a whole backdrop each run would
// only slow the search.
constexpr long kMaxPicturePixels = 64L * 64L;

// Every library is read as a set of this many frames: more than the data of
// most inputs fills, so running out of data is met all the time.
constexpr int32_t kLibraryFrames = 3;

// A font input: its width (2 bytes, little end first) and height (1 byte),
// then one grey level per pixel, row by row; 255 is the white of the markers.
constexpr size_t kFontHeaderBytes = 3;
// Small enough for quick runs, large enough for every glyph of the
// layout. A picture without rows is allowed: it once gave glyph boxes above
// the picture.
constexpr int32_t kMaxFontWidth = 128;
constexpr int32_t kMaxFontHeight = 48;
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

int32_t readLe16(const uint8_t* at) {
    return int32_t(at[0] | at[1] << 8);
}

// Draws a picture at a few places, part of them off the screen.
template <typename Drawable> void drawAround(Buffer& screen, Drawable& picture) {
    picture.drawAt(screen, 0, 0);
    picture.drawAt(screen, -7, kScreenHeight - 5);
    picture.drawAt(screen, kScreenWidth - 3, -11);
}

} // namespace

void fuzzTgaPicture(Buffer& screen, const uint8_t* data, size_t size) {
    int32_t width = 1;
    int32_t height = 1;
    if (size >= kTgaHeaderBytes) {
        width = readLe16(data + kTgaWidthAt);
        height = readLe16(data + kTgaHeightAt);
    }
    if (width <= 0 || height <= 0 || long(width) * height > kMaxPicturePixels) {
        width = height = 1;
    }
    fuzzfolder::write("picture.bl", data, size);
    // A sprite frame reads its file through the same loader as every
    // picture, and keeps no surface when the file is refused.
    Bob frame(fuzzfolder::path("picture").c_str(), width, height);
    drawAround(screen, frame);
    frame.drawAtAlpha(screen, 5, 5, 128);
}

void fuzzSpriteLibrary(Buffer& screen, const uint8_t* data, size_t size) {
    fuzzfolder::write("sprites.lib", data, size);
    Bobs set(kLibraryFrames);
    const bool loaded = set.loadLibrary(fuzzfolder::path("sprites").c_str());
    set.keyFromCorner();
    for (int32_t i = 0; i < set.getCount(); ++i) {
        const Bob* frame = set.frameAt(i);
        fuzzCheck(!loaded || (frame != nullptr && frame->getSurface() != nullptr),
                  "a library that loads has every frame");
        set.setFrame(i);
        drawAround(screen, set);
    }
}

void fuzzFontSheet(Buffer& screen, const uint8_t* data, size_t size) {
    if (size < kFontHeaderBytes) {
        return;
    }
    const int32_t width = 1 + readLe16(data) % kMaxFontWidth;
    const int32_t height = data[2] % (kMaxFontHeight + 1);
    // The picture is always whole: a font picture that cannot be read ends
    // the program by design, which is not what this entry looks for.
    fuzzfolder::writeGreyTga("font.pl", width, height, data + kFontHeaderBytes,
                             size - kFontHeaderBytes);
    Font font(fuzzfolder::path("font").c_str(), width, height);
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        const Glyph& g = font.glyph(i);
        fuzzCheck(g.x >= 0 && g.y >= 0 && g.w >= 0 && g.h >= 0 && g.x + g.w <= width &&
                      g.y + g.h <= height,
                  "every glyph box lies inside the picture");
    }
    const char* text = "The Quick brown fox: 0123456789 !\"#$%&'()*+,-./:;<=>?@ ~";
    font.drawString(screen, text, -50, 2);
    font.drawStringAlpha(screen, text, 600, 479, 100);
    fuzzCheck(font.width(text) >= 0, "a text is never less than nothing wide");
}
