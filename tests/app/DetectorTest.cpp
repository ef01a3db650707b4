#include "app/Detector.h"

#include <gtest/gtest.h>

namespace {

TEST(DetectorChooseWindowMode, NoModesLeavesTheChoiceOpen) {
    EXPECT_EQ(Detector::chooseWindowMode(nullptr), 0);
}

TEST(DetectorChooseWindowMode, AnySizeGivesFullScreen) {
    EXPECT_EQ(Detector::chooseWindowMode(reinterpret_cast<SDL_Rect**>(-1)), 1);
}

TEST(DetectorChooseWindowMode, FullScreenOnlyWhen640x480IsListed) {
    SDL_Rect large{0, 0, 1024, 768};
    SDL_Rect medium{0, 0, 800, 600};
    SDL_Rect wide{0, 0, 640, 400};
    SDL_Rect tall{0, 0, 720, 480};
    SDL_Rect exact{0, 0, 640, 480};

    SDL_Rect* without[] = {&large, &medium, &wide, &tall, nullptr};
    EXPECT_EQ(Detector::chooseWindowMode(without), 2);

    SDL_Rect* withLast[] = {&large, &medium, &exact, nullptr};
    EXPECT_EQ(Detector::chooseWindowMode(withLast), 1);

    SDL_Rect* empty[] = {nullptr};
    EXPECT_EQ(Detector::chooseWindowMode(empty), 2);
}

TEST(Detector, ConstructionClearsTheFlagsAndProbeAlwaysAllows24Bit) {
    Detector::has8Bit = Detector::has16Bit = Detector::has24Bit = 1;
    Detector detector;
    EXPECT_EQ(Detector::has8Bit, 0);
    EXPECT_EQ(Detector::has16Bit, 0);
    EXPECT_EQ(Detector::has24Bit, 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    EXPECT_TRUE(detector.probe(640, 480));
    EXPECT_EQ(Detector::has24Bit, 1);
    SDL_Quit();
}

} // namespace
