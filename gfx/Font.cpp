#include "gfx/Font.h"

#include <algorithm>

#include "gfx/GlyphScanner.h"
#include "gfx/Image.h"

namespace {

constexpr int kRowCount = 5;
// Glyphs per picture row, top to bottom, and where each row's glyphs start
// in the font's table.
constexpr int kRowGlyphs[kRowCount] = {26, 26, 10, 15, 7};
constexpr int kRowFirstIndex[kRowCount] = {26, 0, 52, 62, 77};
constexpr int kSmallA = 0;
constexpr int kDigitsIndex = 52;
constexpr int kPunctuationIndex = 62;
constexpr int kSymbolsIndex = 77;

} // namespace

Font::Font(const char* name, int32_t width, int32_t height)
    : image(new Image(name, width, height)) {
    image->keyFromCorner();
    scan();
}

Font::~Font() {
    delete image;
}

int Font::glyphIndex(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a';
    }
    if (c >= 'A' && c <= 'Z') {
        return kCapitalA + (c - 'A');
    }
    if (c >= '0' && c <= '9') {
        return kDigitsIndex + (c - '0');
    }
    if (c >= '!' && c <= '/') {
        return kPunctuationIndex + (c - '!');
    }
    if (c >= ':' && c <= '@') {
        return kSymbolsIndex + (c - ':');
    }
    return -1;
}

void Font::scan() {
    const GlyphScanner scanner(*image);
    const int32_t last = scanner.lastRow();
    // The first row runs from the top of the picture to its marker row.
    int32_t marker = scanner.findMarkerRow(1, last, last);
    int32_t top = 0;
    for (int row = 0; row < kRowCount; ++row) {
        if (row > 0) {
            // Later rows start one below a top marker in column 0.
            const int32_t topMarker = scanner.findMarkerRow(marker + 1, last, last);
            top = std::min(topMarker + 1, last);
            marker = scanner.findMarkerRow(top, last, last);
        }
        scanner.scanRow(marker, top, marker - top, kRowGlyphs[row],
                        &glyphs[size_t(kRowFirstIndex[row])]);
    }
}

int32_t Font::width(const char* text) const {
    int32_t total = 0;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        const int index = glyphIndex(static_cast<unsigned char>(*c));
        if (*c == ' ') {
            total += glyphs[kSmallA].w;
        } else if (index >= 0) {
            total += glyphs[size_t(index)].w + 1;
        }
    }
    return total;
}

void Font::draw(Buffer& screen, const char* text, int32_t x, int32_t y, bool blend, uint8_t alpha) {
    const int32_t top = y - lineHeight();
    int32_t pen = x;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        const int index = glyphIndex(static_cast<unsigned char>(*c));
        if (*c == ' ') {
            pen += glyphs[kSmallA].w;
            continue;
        }
        if (index < 0) {
            continue;
        }
        const Glyph& g = glyphs[size_t(index)];
        if (blend) {
            image->drawPartAlpha(screen, pen, top, g.x, g.y, g.w, g.h, alpha);
        } else {
            image->drawPart(screen, pen, top, g.x, g.y, g.w, g.h);
        }
        pen += g.w + 1;
    }
}

void Font::drawString(Buffer& screen, const char* text, int32_t x, int32_t y) {
    draw(screen, text, x, y, false, 0);
}

void Font::drawStringAlpha(Buffer& screen, const char* text, int32_t x, int32_t y, uint8_t alpha) {
    draw(screen, text, x, y, true, alpha);
}
