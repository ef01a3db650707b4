// Choosing how the game's window is shown: sharp, as large as fits, and as
// the player asked where the player asked.
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

// The dummy display is too small for a larger window, so none is set there.
TEST(Detector, DefaultScalingIsSharpAndKeepsWhatThePlayerExported) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    for (const char* exported : {static_cast<const char*>(nullptr), "linear"}) {
        unsetenv("SDL12COMPAT_WINDOW_SCALING");
        exported ? setenv("SDL12COMPAT_SCALE_METHOD", exported, 1)
                 : unsetenv("SDL12COMPAT_SCALE_METHOD");
        Detector::defaultScaling(640, 480);
        EXPECT_STREQ(std::getenv("SDL12COMPAT_SCALE_METHOD"), exported ? exported : "nearest");
        EXPECT_EQ(std::getenv("SDL12COMPAT_WINDOW_SCALING"), nullptr);
    }
    setenv("SDL12COMPAT_WINDOW_SCALING", "1.5", 1);
    Detector::defaultScaling(64, 48);
    EXPECT_STREQ(std::getenv("SDL12COMPAT_WINDOW_SCALING"), "1.5");
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
    unsetenv("SDL12COMPAT_SCALE_METHOD");
    SDL_Quit();
}

} // namespace
