#include "audio/Panning.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int32_t kLeftEdge = 0;
constexpr int32_t kCentreX = 320;
constexpr int32_t kRightEdge = 639;
constexpr double kQuarterTurn = 1.5707963267948966;
constexpr double kSqrtTwo = 1.4142135623730951;

// The constant-power law gives each channel cos or sin of an angle that runs
// from 0 at the left edge to a quarter turn at the right: the sum of the two
// powers stays the same, but the centre is 3 dB down in each channel. Raised
// by those 3 dB (times the square root of two) the centre is the level every
// effect had before, and the nearer channel, which would now pass that level,
// is held at it. So only the farther channel ever changes: it fades along the
// sine from full at the centre to silence at the edge, gently at first.
double fartherGain(int32_t x) {
    const int32_t halfWidth = x < kCentreX ? kCentreX - kLeftEdge : kRightEdge - kCentreX;
    const double offCentre = std::abs(x - kCentreX) / static_cast<double>(halfWidth);
    return kSqrtTwo * std::sin(kQuarterTurn / 2 * (1.0 - offCentre));
}
} // namespace

Panning Panning::atX(int32_t x) {
    const int32_t column = std::clamp(x, kLeftEdge, kRightEdge);
    const auto farther =
        static_cast<uint8_t>(std::lround(std::min(1.0, fartherGain(column)) * kFull));
    Panning pan;
    if (column < kCentreX) {
        pan.right = farther;
    } else {
        pan.left = farther;
    }
    return pan;
}
