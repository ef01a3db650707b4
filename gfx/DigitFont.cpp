#include "gfx/DigitFont.h"

#include "gfx/GlyphScanner.h"
#include "gfx/Image.h"

DigitFont::DigitFont(const char* name, int32_t width, int32_t height)
    : image(new Image(name, width, height)) {
    image->keyFromCorner();
    const GlyphScanner scanner(*image);
    const int32_t last = scanner.lastRow();
    const int32_t marker = scanner.findMarkerRow(1, last - 1, last);
    scanner.scanRow(marker, 0, marker, kDigitCount, digits.data());
}

DigitFont::~DigitFont() {
    delete image;
}

int32_t DigitFont::width(const char* text) const {
    int32_t total = 0;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        if (*c == ' ') {
            total += digits[0].w;
        } else if (*c >= '0' && *c <= '9') {
            total += digits[size_t(*c - '0')].w + 1;
        }
    }
    return total;
}

void DigitFont::drawString(Buffer& screen, const char* text, int32_t x, int32_t y) {
    const int32_t top = y - lineHeight();
    int32_t pen = x;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        if (*c == ' ') {
            pen += digits[0].w;
        } else if (*c >= '0' && *c <= '9') {
            const Glyph& g = digits[size_t(*c - '0')];
            image->drawPart(screen, pen, top, g.x, g.y, g.w, g.h);
            pen += g.w + 1;
        }
    }
}
