// Choosing how large the game's window is shown: sharp, and as large as fits.
#include "gfx/Detector.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// Whole multiples only, so a window stays sharp; nine tenths of the desktop
// leaves room for panels and a title bar.
TEST(Detector, WindowScaleIsTheLargestWholeMultipleThatFits) {
    const int cases[][3] = {{1920, 1080, 2}, {3840, 2160, 4}, {1366, 768, 1},
                            {1423, 1067, 2}, {1423, 1066, 1}, {1422, 1200, 1},
                            {320, 200, 1},   {0, 0, 1},       {-1, 1080, 1}};
    for (const auto& [width, height, scale] : cases) {
        EXPECT_EQ(Detector::windowScale(640, 480, width, height), scale) << width << "x" << height;
    }
}

} // namespace
