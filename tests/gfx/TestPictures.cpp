#include "gfx/TestPictures.h"

#include <SDL.h>

#include "app/Globals.h"
#include "gfx/Buffer.h"

namespace {

constexpr int kMaxPacket = 128;

void appendLe16(Bytes& out, int value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void appendLe32(Bytes& out, int value) {
    appendLe16(out, value & 0xFFFF);
    appendLe16(out, (value >> 16) & 0xFFFF);
}

int fileRow(const Picture& picture, int row, int descriptor) {
    return descriptor == kBottomRowFirst ? picture.height - 1 - row : row;
}

// Length of the run of equal pixels starting at x, within the row.
int runLength(const Picture& picture, int x, int y) {
    int n = 1;
    while (x + n < picture.width && n < kMaxPacket && picture.at(x + n, y) == picture.at(x, y)) {
        ++n;
    }
    return n;
}

void encodeRow(Bytes& out, const Picture& picture, int y, int depth) {
    int x = 0;
    while (x < picture.width) {
        const int run = runLength(picture, x, y);
        if (run >= 2) {
            out.push_back(static_cast<unsigned char>(0x80 | (run - 1)));
            appendPixel(out, picture.at(x, y), depth);
            x += run;
            continue;
        }
        int literal = 1;
        while (x + literal < picture.width && literal < kMaxPacket &&
               runLength(picture, x + literal, y) < 2) {
            ++literal;
        }
        out.push_back(static_cast<unsigned char>(literal - 1));
        for (int i = 0; i < literal; ++i) {
            appendPixel(out, picture.at(x + i, y), depth);
        }
        x += literal;
    }
}

} // namespace

Picture::Picture(int width, int height, uint32_t fill)
    : width(width), height(height), rgb(size_t(width) * size_t(height), fill) {}

void Picture::fillBox(int x, int y, int w, int h, uint32_t colour) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            at(column, row) = colour;
        }
    }
}

Picture patternPicture(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.at(x, y) = uint32_t((x * 37 + 11) & 0xFF) << 16 |
                               uint32_t((y * 53 + 7) & 0xFF) << 8 | uint32_t((x * y + 101) & 0xFF);
        }
    }
    return picture;
}

Bytes tgaHeader(int width, int height, int depth, int type, int descriptor, int idLength) {
    Bytes out{static_cast<unsigned char>(idLength), 0, static_cast<unsigned char>(type)};
    out.resize(12, 0);
    appendLe16(out, width);
    appendLe16(out, height);
    out.push_back(static_cast<unsigned char>(depth));
    out.push_back(static_cast<unsigned char>(descriptor));
    return out;
}

uint16_t fileValue16(uint32_t rgb) {
    const uint32_t r = (rgb >> 16) & 0xFF;
    const uint32_t g = (rgb >> 8) & 0xFF;
    const uint32_t b = rgb & 0xFF;
    return static_cast<uint16_t>(r >> 3 | (g >> 2) << 5 | (b >> 3) << 11);
}

uint32_t colourOf16(uint16_t value) {
    const uint32_t r = value & 0x1F;
    const uint32_t g = (value >> 5) & 0x3F;
    const uint32_t b = (value >> 11) & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

void appendPixel(Bytes& out, uint32_t rgb, int depth) {
    if (depth == 16) {
        appendLe16(out, fileValue16(rgb));
        return;
    }
    out.push_back(static_cast<unsigned char>(rgb & 0xFF));
    out.push_back(static_cast<unsigned char>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<unsigned char>((rgb >> 16) & 0xFF));
    if (depth == 32) {
        out.push_back(0x5A);
    }
}

Bytes rawTga(const Picture& picture, int depth, int descriptor) {
    Bytes out = tgaHeader(picture.width, picture.height, depth, 2, descriptor);
    for (int row = 0; row < picture.height; ++row) {
        const int y = fileRow(picture, row, descriptor);
        for (int x = 0; x < picture.width; ++x) {
            appendPixel(out, picture.at(x, y), depth);
        }
    }
    return out;
}

Bytes runLengthTga(const Picture& picture, int depth, int descriptor) {
    Bytes out = tgaHeader(picture.width, picture.height, depth, 10, descriptor);
    for (int row = 0; row < picture.height; ++row) {
        encodeRow(out, picture, fileRow(picture, row, descriptor), depth);
    }
    return out;
}

Bytes libraryFile(int width, int height, const std::vector<Picture>& frames) {
    Bytes out;
    appendLe32(out, width);
    appendLe32(out, height);
    for (const Picture& frame : frames) {
        for (uint32_t rgb : frame.rgb) {
            appendPixel(out, rgb, 24);
        }
    }
    return out;
}

void DisplayTest::openDisplay(int depth) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    delete screen;
    screen = new Buffer(640, 480, depth, kWindowModeWindow);
    ASSERT_TRUE(screen->isReady()) << SDL_GetError();
    ASSERT_EQ(SDL_GetVideoSurface()->format->BitsPerPixel, depth);
    // The dummy driver hands out display memory as it was left.
    SDL_FillRect(screen->getSurface(), nullptr, 0);
}

void DisplayTest::TearDown() {
    delete screen;
    screen = nullptr;
    SDL_Quit();
}
