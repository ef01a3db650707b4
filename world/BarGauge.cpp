#include "world/BarGauge.h"

#include <algorithm>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"

BarGauge::BarGauge(int32_t x, int32_t y, int32_t length, int32_t max)
    : x(x), y(y), length(length), max(max) {}

void BarGauge::setFixedFrame(int32_t frame) {
    fixed = true;
    fixedFrame = frame;
}

void BarGauge::setPosition(int32_t px, int32_t py) {
    x = px;
    y = py;
}

int32_t BarGauge::pixels(int32_t v) const {
    // A gauge without a maximum has nothing to show.
    if (max == 0) {
        return 0;
    }
    return static_cast<int32_t>(int64_t{v} * length / max);
}

int32_t BarGauge::frameAt(int32_t i) const {
    if (fixed) {
        return fixedFrame;
    }
    const int32_t frames = sprites != nullptr ? sprites->getCount() : 1;
    if (frames < 1) {
        return 0;
    }
    // A bar shorter than its frame count still changes frame every pixel.
    const int32_t segment = std::max(length / frames, 1);
    return std::min(i / segment, frames - 1);
}

void BarGauge::draw(Buffer& screen, int32_t v) const {
    const Bob* first = sprites != nullptr ? sprites->frameAt(0) : nullptr;
    // A frame of no width would never get the bar any longer.
    if (first == nullptr || first->getWidth() <= 0) {
        return;
    }
    const int64_t step = first->getWidth();
    // Pieces past the screen's right edge would not show; a value far above
    // the maximum must not cost a blit per frame width up to it.
    const int64_t visibleEnd = int64_t{screen.getWidth()} - x;
    const int64_t end = std::min<int64_t>(pixels(v), visibleEnd);
    for (int64_t i = 0; i < end; i += step) {
        sprites->drawFrameAt(screen, frameAt(static_cast<int32_t>(i)), x + static_cast<int32_t>(i),
                             y);
    }
}
