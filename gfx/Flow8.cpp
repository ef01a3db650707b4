#include "gfx/Flow8.h"

#include <cstddef>

bool Flow8::flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) {
    const std::ptrdiff_t from = snapshotPitch;
    const std::ptrdiff_t to = screenPitch;
    return eachColumn(offsets, [&](int32_t column, int32_t top, int32_t rows) {
        const uint8_t* in = snapshot + column;
        uint8_t* out = screen + column + top * to;
        for (std::ptrdiff_t row = 0; row < rows; ++row) {
            out[row * to] = in[row * from];
        }
    });
}
