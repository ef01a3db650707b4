#include "app/Detector.h"

#include <gtest/gtest.h>

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

} // namespace
