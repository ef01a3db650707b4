#include "gfx/Flow16.h"

#include <cstddef>

namespace {
constexpr std::ptrdiff_t kPixelBytes = 2;
} // namespace

bool Flow16::flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) {
    // SDL keeps rows of 16-bit surfaces word aligned, so pitches count pixels.
    const std::ptrdiff_t from = snapshotPitch / kPixelBytes;
    const std::ptrdiff_t to = screenPitch / kPixelBytes;
    const auto* source = reinterpret_cast<const uint16_t*>(snapshot);
    auto* target = reinterpret_cast<uint16_t*>(screen);
    return eachColumn(offsets, [&](int32_t column, int32_t top, int32_t rows) {
        const uint16_t* in = source + column;
        uint16_t* out = target + column + top * to;
        for (std::ptrdiff_t row = 0; row < rows; ++row) {
            out[row * to] = in[row * from];
        }
    });
}
