#include "gfx/Lighter16.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "gfx/LightTables.h"
#include "gfx/SurfaceLock.h"

namespace {
constexpr int32_t kTop = 16;
constexpr int32_t kDrop = 14;
// Round and cone lights scale colour by brightness / 64, rings by / 32.
constexpr int32_t kSoftShift = 6;
constexpr int32_t kBrightShift = 5;
// A spark's centre is as bright as a round light's.
constexpr int32_t kSparkShift = 2;

void addTo(uint8_t* at, uint32_t light) {
    uint32_t word;
    std::memcpy(&word, at, sizeof word);
    word += light;
    std::memcpy(at, &word, sizeof word);
}

void addPixel(uint8_t* at, uint16_t light) {
    uint16_t pixel;
    std::memcpy(&pixel, at, sizeof pixel);
    pixel = static_cast<uint16_t>(pixel + light);
    std::memcpy(at, &pixel, sizeof pixel);
}
} // namespace

void Lighter16::buildFalloff(LightTables& tables) {
    tables.fillFalloff(kTop, kDrop);
}

Lighter16::Shades Lighter16::shades(int32_t shift, int32_t red, int32_t green,
                                    int32_t blue) const {
    Shades out{};
    for (int32_t k = 0; k < int32_t(out.size()); ++k) {
        const auto channel = [k, shift](int32_t c) { return Uint8((k * c) >> shift); };
        const auto p = uint32_t(uint16_t(
            SDL_MapRGB(surface->format, channel(red), channel(green), channel(blue))));
        out[std::size_t(k)] = p | p << 16;
    }
    return out;
}

uint32_t Lighter16::memoryEnd() const {
    return std::min<uint32_t>(kPixelBytes, uint32_t(surface->pitch) * uint32_t(surface->h));
}

Lighter16::Box Lighter16::boxAround(int32_t x, int32_t y, int32_t r) const {
    const int32_t cols = width / 2;
    const int32_t rows = height / 2;
    // The last row is dropped when the light reaches past the bottom.
    return Box{std::max(x - r, 0), std::min(x + r, cols), std::max(y - r, 0),
               y + r > rows ? rows - 1 : y + r};
}

template <typename LightCell>
void Lighter16::forEachCell(int32_t x, int32_t y, Box box, LightCell lightCell) {
    SurfaceLock lock(surface);
    uint8_t* pixels = lock.pixels();
    if (pixels == nullptr) {
        return;
    }
    const uint32_t end = memoryEnd();
    const int32_t ctr = tables.centre();
    for (int32_t row = 2 * box.y0; row < 2 * box.y1; ++row) {
        // The first screen row has a table row to itself; after it each
        // table row serves two screen rows.
        const int32_t tableRow = ctr - (y - box.y0) + (row - 2 * box.y0 + 1) / 2;
        const uint32_t rowStart = uint32_t(row) * uint32_t(surface->pitch);
        for (int32_t cell = box.x0; cell < box.x1; ++cell) {
            const uint32_t at = rowStart + 4 * uint32_t(cell);
            if (at + 4 > end) {
                break;
            }
            lightCell(pixels + at, ctr - x + cell, tableRow);
        }
    }
}

void Lighter16::round(int32_t x, int32_t y, int32_t r, int32_t red, int32_t green, int32_t blue) {
    const Shades light = shades(kSoftShift, red, green, blue);
    forEachCell(x, y, boxAround(x, y, r), [&](uint8_t* word, int32_t col, int32_t row) {
        const int32_t d = tables.distance(col, row);
        if (d < r) {
            addTo(word, light[tables.falloff(r, d)]);
        }
    });
}

void Lighter16::cone(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width,
                     int32_t red, int32_t green, int32_t blue) {
    Box box = boxAround(x, y, r);
    // A cone that points away from a side of the box leaves that side out.
    if (direction >= 5 && direction <= 11) {
        box.x0 = std::max(x, 0);
    }
    if (direction >= 21 && direction <= 27) {
        box.x1 = std::min(x, box.x1);
    }
    if (direction >= 13 && direction <= 19) {
        box.y0 = std::max(y, 0);
    }
    if (direction < 4 || direction > 28) {
        box.y1 = std::min(y, box.y1);
    }
    const Shades light = shades(kSoftShift, red, green, blue);
    const int32_t halfWidth = width >> 1;
    forEachCell(x, y, box, [&](uint8_t* word, int32_t col, int32_t row) {
        const int32_t d = tables.distance(col, row);
        int32_t e = std::abs(tables.direction(col, row) - direction);
        if (e >= 17) {
            e = 32 - e;
        }
        if (d >= r || e >= halfWidth) {
            return;
        }
        const int32_t k = tables.falloff(r, d);
        if (2 * e <= k) {
            addTo(word, light[std::size_t(k - 2 * e)]);
        }
    });
}

void Lighter16::ring(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
                     int32_t blue) {
    const Shades light = shades(kBrightShift, red, green, blue);
    forEachCell(x, y, boxAround(x, y, r), [&](uint8_t* word, int32_t col, int32_t row) {
        const int32_t d = tables.distance(col, row);
        const int32_t m = 2 * (r - a) - d;
        if (d >= r || m >= r) {
            return;
        }
        addTo(word, light[tables.falloff(r, d < r - a ? m : d)]);
    });
}

void Lighter16::spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue) {
    // Only where the whole plus lies on the screen.
    if (x <= 0 || x > width / 2 - 1 || y <= 0 || y > height / 2 - 2) {
        return;
    }
    SurfaceLock lock(surface);
    uint8_t* pixels = lock.pixels();
    if (pixels == nullptr) {
        return;
    }
    const auto q = uint16_t(SDL_MapRGB(surface->format, Uint8(red >> kSparkShift),
                                       Uint8(green >> kSparkShift), Uint8(blue >> kSparkShift)));
    const uint32_t end = memoryEnd();
    const int32_t cx = 2 * x;
    const int32_t cy = 2 * y;
    struct Dot {
        int32_t dx, dy, times;
    };
    static constexpr Dot kPlus[] = {{0, 0, 2},  {0, 1, 2},  {0, -2, 1}, {0, -1, 1}, {-1, 0, 1},
                                    {1, 0, 1},  {-1, 1, 1}, {1, 1, 1},  {0, 2, 1},  {0, 3, 1}};
    for (const Dot& dot : kPlus) {
        const uint32_t at = uint32_t(cy + dot.dy) * uint32_t(surface->pitch) + 2 * uint32_t(cx + dot.dx);
        if (at + 2 > end) {
            break;
        }
        addPixel(pixels + at, uint16_t(q * dot.times));
    }
}
