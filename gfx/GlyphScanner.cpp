#include "gfx/GlyphScanner.h"

#include <algorithm>

#include "gfx/SurfaceHolder.h"

GlyphScanner::GlyphScanner(SurfaceHolder& picture) : picture(picture) {}

int32_t GlyphScanner::lastRow() const {
    // A picture without rows still answers row 0, so no box starts above it.
    return std::max(picture.getHeight() - 1, 0);
}

int32_t GlyphScanner::clampRow(int32_t row) const {
    return std::clamp(row, 0, lastRow());
}

int32_t GlyphScanner::findMarkerRow(int32_t from, int32_t last, int32_t fallback) const {
    for (int32_t row = std::max(from, 0); row <= std::min(last, lastRow()); ++row) {
        if (picture.isWhite(0, row)) {
            return row;
        }
    }
    return clampRow(fallback);
}

int32_t GlyphScanner::nextWhite(int32_t x, int32_t row) const {
    while (x < picture.getWidth() && !picture.isWhite(x, row)) {
        ++x;
    }
    return x;
}

void GlyphScanner::scanRow(int32_t markerRow, int32_t top, int32_t height, int32_t count,
                           Glyph* out) const {
    const int32_t width = picture.getWidth();
    // Column 0 of the marker row opens the first glyph.
    int32_t opening = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t first = opening + 1;
        if (first >= width) {
            // The row ran out of opening markers: the rest are empty boxes.
            out[i] = Glyph{std::max(width - 1, 0), top, 0, height};
            opening = width;
            continue;
        }
        const int32_t closing = nextWhite(first, markerRow);
        out[i] = Glyph{first, top, closing - first, height};
        // A closing marker cannot also open the next glyph.
        opening = closing < width ? nextWhite(closing + 1, markerRow) : width;
    }
}
