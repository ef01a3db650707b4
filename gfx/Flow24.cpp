#include "gfx/Flow24.h"

#include <cstddef>

namespace {
constexpr std::ptrdiff_t kPixelBytes = 3;
} // namespace

bool Flow24::flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) {
    const std::ptrdiff_t from = snapshotPitch;
    const std::ptrdiff_t to = screenPitch;
    return eachColumn(offsets, [&](int32_t column, int32_t top, int32_t rows) {
        const uint8_t* in = snapshot + column * kPixelBytes;
        uint8_t* out = screen + column * kPixelBytes + top * to;
        for (std::ptrdiff_t row = 0; row < rows; ++row) {
            // Three-byte pixels have no word of their own to move at once.
            out[row * to] = in[row * from];
            out[row * to + 1] = in[row * from + 1];
            out[row * to + 2] = in[row * from + 2];
        }
    });
}
