#include "gfx/Detector.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Detector, FullScreenOnlyWhenAnySizeOr640x480IsOffered) {
    SDL_Rect large{0, 0, 1024, 768}, wide{0, 0, 640, 400}, tall{0, 0, 720, 480};
    SDL_Rect exact{0, 0, 640, 480};
    SDL_Rect* without[] = {&large, &wide, &tall, nullptr};
    SDL_Rect* withLast[] = {&large, &wide, &exact, nullptr};
    SDL_Rect* empty[] = {nullptr};
    EXPECT_EQ(Detector::chooseWindowMode(nullptr), 0) << "no list leaves the choice open";
    EXPECT_EQ(Detector::chooseWindowMode(reinterpret_cast<SDL_Rect**>(-1)), 1) << "any size";
    EXPECT_EQ(Detector::chooseWindowMode(without), 2);
    EXPECT_EQ(Detector::chooseWindowMode(withLast), 1);
    EXPECT_EQ(Detector::chooseWindowMode(empty), 2);
}

TEST(Detector, ConstructionClearsTheFlagsAndProbeAlwaysAllows24Bit) {
    Detector::has8Bit = Detector::has16Bit = Detector::has24Bit = 1;
    Detector detector;
    EXPECT_EQ(Detector::has8Bit + Detector::has16Bit + Detector::has24Bit, 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    EXPECT_TRUE(detector.probe(640, 480));
    EXPECT_EQ(Detector::has24Bit, 1);
    SDL_Quit();
}

// Whole multiples only, so a window stays sharp; nine tenths of the desktop
// leaves room for panels and a title bar.
TEST(Detector, WindowScaleIsTheLargestWholeMultipleThatFits) {
    struct Case {
        int32_t desktopWidth, desktopHeight, scale;
    };
    for (const Case& c : {Case{1920, 1080, 2}, Case{2560, 1440, 2}, Case{3840, 2160, 4},
                          Case{1366, 768, 1}, Case{1423, 1067, 2}, Case{1423, 1066, 1},
                          Case{1423, 1200, 2}, Case{1422, 1200, 1}, Case{640, 480, 1},
                          Case{320, 200, 1}, Case{0, 0, 1}, Case{-1, 1080, 1},
                          Case{7680, 4320, 8}}) {
        EXPECT_EQ(Detector::windowScale(640, 480, c.desktopWidth, c.desktopHeight), c.scale)
            << c.desktopWidth << "x" << c.desktopHeight;
    }
    EXPECT_EQ(Detector::windowScale(0, 480, 1920, 1080), 1);
    EXPECT_EQ(Detector::windowScale(640, 0, 1920, 1080), 1);
}

// What the player exported stays; what is unset gets sharp scaling. The dummy
// display is too small for a larger window, so no window size is set.
TEST(Detector, DefaultScalingKeepsThePlayersChoice) {
    const auto value = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v == nullptr ? "(unset)" : v);
    };
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
    unsetenv("SDL12COMPAT_SCALE_METHOD");
    Detector::defaultScaling(640, 480);
    EXPECT_EQ(value("SDL12COMPAT_SCALE_METHOD"), "nearest");
    EXPECT_EQ(value("SDL12COMPAT_WINDOW_SCALING"), "(unset)");
    setenv("SDL12COMPAT_SCALE_METHOD", "linear", 1);
    setenv("SDL12COMPAT_WINDOW_SCALING", "1.5", 1);
    Detector::defaultScaling(64, 48);
    EXPECT_EQ(value("SDL12COMPAT_SCALE_METHOD"), "linear");
    EXPECT_EQ(value("SDL12COMPAT_WINDOW_SCALING"), "1.5");
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
    Detector::defaultScaling(64, 48);
    EXPECT_NE(value("SDL12COMPAT_WINDOW_SCALING"), "(unset)") << "a 64x48 picture grows";
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
    unsetenv("SDL12COMPAT_SCALE_METHOD");
    SDL_Quit();
}

} // namespace
