#include "support/GfxFixture.h"

#include <SDL.h>
#include <algorithm>

#include "gfx/Buffer.h"
#include "gfx/Detector.h"
#include "gfx/SurfaceHolder.h"

namespace {

constexpr int kMaxPacket = 128;

void appendLe(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// The 16-bit file value of a colour (red in the low five bits).
uint16_t fileValue16(uint32_t rgb) {
    return static_cast<uint16_t>((rgb >> 19 & 0x1F) | (rgb >> 10 & 0x3F) << 5 |
                                 (rgb >> 3 & 0x1F) << 11);
}

// The colour a 16-bit file value stands for, expanded back to eight bits.
uint32_t colourOf16(uint16_t value) {
    const uint32_t r = value & 0x1F;
    const uint32_t g = (value >> 5) & 0x3F;
    const uint32_t b = (value >> 11) & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

// Runs of two or more become repeat packets, single pixels literal ones.
void encodeRow(Bytes& out, const Picture& picture, int y, int depth) {
    for (int x = 0, run = 1; x < picture.width; x += run, run = 1) {
        while (x + run < picture.width && run < kMaxPacket &&
               picture.at(x + run, y) == picture.at(x, y)) {
            ++run;
        }
        out.push_back(static_cast<unsigned char>(run >= 2 ? 0x80 | (run - 1) : 0));
        appendPixel(out, picture.at(x, y), depth);
    }
}

// Rows of glyphs, widths[r][i] wide and heights[r] high, with a free column
// between one glyph's closing marker and the next one's opening marker. The
// first row starts at the top; the others one below a top marker that sits
// two rows below the previous marker row.
FontSheet drawFontSheet(int width, int height, const std::vector<std::vector<int>>& widths,
                        const std::vector<int>& heights) {
    constexpr uint32_t kBackground = 0x203040;
    FontSheet sheet{Picture(width, height, kBackground), {}};
    int top = 0;
    for (size_t row = 0; row < widths.size(); ++row) {
        if (row > 0) {
            sheet.picture.at(0, top + 2) = kWhite;
            top += 3;
        }
        const int marker = top + heights[row];
        int x = 0;
        for (int w : widths[row]) {
            const Glyph box{x + 1, top, w, heights[row]};
            sheet.picture.at(x, marker) = sheet.picture.at(x + 1 + w, marker) = kWhite;
            sheet.picture.fillBox(box.x, box.y, box.w, box.h, glyphColour(sheet.boxes.size()));
            sheet.picture.at(box.x, box.y) = kBackground;
            sheet.boxes.push_back(box);
            x += w + 3;
        }
        top = marker;
    }
    return sheet;
}

} // namespace

Picture::Picture(int width, int height, uint32_t fill)
    : width(width), height(height), rgb(size_t(width) * size_t(height), fill) {}

void Picture::fillBox(int x, int y, int w, int h, uint32_t colour) {
    for (int row = y; row < y + h; ++row) {
        std::fill_n(&at(x, row), w, colour);
    }
}

Picture patternPicture(int width, int height) {
    Picture picture(width, height);
    for (size_t p = 0; p < picture.rgb.size(); ++p) {
        const uint32_t x = uint32_t(p) % uint32_t(width), y = uint32_t(p) / uint32_t(width);
        picture.rgb[p] =
            ((x * 37 + 11) & 0xFF) << 16 | ((y * 53 + 7) & 0xFF) << 8 | ((x * y + 101) & 0xFF);
    }
    return picture;
}

Bytes tgaHeader(int width, int height, int depth, int type, int descriptor, int idLength) {
    Bytes out{static_cast<unsigned char>(idLength), 0, static_cast<unsigned char>(type)};
    out.resize(12, 0);
    appendLe(out, uint32_t(width), 2);
    appendLe(out, uint32_t(height), 2);
    out.push_back(static_cast<unsigned char>(depth));
    out.push_back(static_cast<unsigned char>(descriptor));
    return out;
}

void appendPixel(Bytes& out, uint32_t rgb, int depth) {
    if (depth == 16) {
        appendLe(out, fileValue16(rgb), 2);
        return;
    }
    appendLe(out, rgb, 3);
    if (depth == 32) {
        out.push_back(0x5A);
    }
}

Bytes tgaFile(const Picture& picture, int depth, int descriptor, bool packed) {
    Bytes out = tgaHeader(picture.width, picture.height, depth, packed ? 10 : 2, descriptor);
    for (int row = 0; row < picture.height; ++row) {
        const int y = descriptor == kBottomRowFirst ? picture.height - 1 - row : row;
        for (int x = 0; x < picture.width && !packed; ++x) {
            appendPixel(out, picture.at(x, y), depth);
        }
        if (packed) {
            encodeRow(out, picture, y, depth);
        }
    }
    return out;
}

Bytes libraryFile(int width, int height, const std::vector<Picture>& frames) {
    Bytes out;
    appendLe(out, uint32_t(width), 4);
    appendLe(out, uint32_t(height), 4);
    for (const Picture& frame : frames) {
        for (uint32_t rgb : frame.rgb) {
            appendPixel(out, rgb, 24);
        }
    }
    return out;
}

uint32_t glyphColour(size_t i) {
    return 0x400000u + uint32_t(i) * 0x020301u;
}

FontSheet fontSheet() {
    const std::vector<int> counts = {26, 26, 10, 15, 7};
    std::vector<std::vector<int>> widths(counts.size());
    for (size_t row = 0; row < counts.size(); ++row) {
        for (int i = 0; i < counts[row]; ++i) {
            widths[row].push_back(2 + (i * 3 + int(row)) % 7);
        }
    }
    // The second row (small letters) is taller than the first.
    return drawFontSheet(300, 80, widths, {10, 13, 9, 8, 7});
}

FontSheet digitSheet() {
    return drawFontSheet(80, 16, {{4, 3, 5, 4, 4, 6, 4, 5, 4, 4}}, {12});
}

std::unique_ptr<SurfaceHolder> madeHolder(int width, int height) {
    auto holder = std::make_unique<SurfaceHolder>(width, height);
    EXPECT_TRUE(holder->createSurface()) << width << " x " << height;
    return holder;
}

void expectPicture(SurfaceHolder& holder, const Picture& picture, int fileDepth) {
    const SDL_Surface* surface = holder.getSurface();
    ASSERT_TRUE(surface && surface->w == picture.width && surface->h == picture.height);
    const int wrong = countPixels(0, 0, picture.width, picture.height, [&](int x, int y) {
        const uint32_t rgb =
            fileDepth == 16 ? colourOf16(fileValue16(picture.at(x, y))) : picture.at(x, y);
        return holder.getPixel(x, y) !=
               holder.mapColor(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
    });
    EXPECT_EQ(wrong, 0) << "pixels unlike the picture's";
}

void DisplayTest::openDisplay(int depth) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    screen.reset();
    screen = std::make_unique<Buffer>(640, 480, depth, kWindowModeWindow);
    ASSERT_TRUE(screen->isReady()) << SDL_GetError();
    ASSERT_EQ(SDL_GetVideoSurface()->format->BitsPerPixel, depth);
    // The dummy driver hands out display memory as it was left.
    SDL_FillRect(screen->getSurface(), nullptr, 0);
}

void DisplayTest::TearDown() {
    screen.reset();
    SDL_Quit();
}

std::vector<uint8_t> DisplayTest::screenBytes(const std::function<void()>& draw) const {
    draw();
    const SDL_Surface* shown = screen->getSurface();
    const auto* bytes = static_cast<const uint8_t*>(shown->pixels);
    return std::vector<uint8_t>(bytes, bytes + size_t(shown->pitch) * size_t(shown->h));
}
