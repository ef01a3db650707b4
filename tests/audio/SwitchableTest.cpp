#include "audio/Switchable.h"

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "audio/SFXVolume.h"

namespace {

TEST(Switchable, ToggleFlipsTheFlagBothWays) {
    Switchable s(0, 50);
    s.toggle();
    EXPECT_EQ(s.isOn(), 1);
    s.toggle();
    EXPECT_EQ(s.isOn(), 0);
}

TEST(Switchable, IncreaseStepsByTenUpToNinetyNine) {
    Switchable s(1, 85);
    s.increase();
    EXPECT_EQ(s.getLevel(), 95);
    s.increase();
    EXPECT_EQ(s.getLevel(), 95);
    Switchable edge(1, 89);
    edge.increase();
    EXPECT_EQ(edge.getLevel(), 99);
    Switchable over(1, 90);
    over.increase();
    EXPECT_EQ(over.getLevel(), 90);
}

TEST(Switchable, DecreaseStepsByTenDownToAboveNine) {
    Switchable low(1, 5);
    low.decrease();
    EXPECT_EQ(low.getLevel(), 5);
    Switchable s(1, 15);
    s.decrease();
    EXPECT_EQ(s.getLevel(), 5);
    s.decrease();
    EXPECT_EQ(s.getLevel(), 5);
    Switchable edge(1, 10);
    edge.decrease();
    EXPECT_EQ(edge.getLevel(), 0);
    Switchable nine(1, 9);
    nine.decrease();
    EXPECT_EQ(nine.getLevel(), 9);
}

TEST(SFXVolume, StartsOnAtTheCurrentVolume) {
    sfxVolume = 77;
    SFXVolume v;
    EXPECT_EQ(v.isOn(), 1);
    EXPECT_EQ(v.getLevel(), 77);
}

TEST(SFXVolume, IncreaseFromSilenceWalksSixteensThenTops) {
    sfxVolume = 0;
    SFXVolume v;
    for (int expected = 16; expected <= 240; expected += 16) {
        v.increase();
        ASSERT_EQ(v.getLevel(), expected);
        ASSERT_EQ(sfxVolume, expected);
    }
    v.increase();
    EXPECT_EQ(v.getLevel(), 255);
    EXPECT_EQ(sfxVolume, 255);
    v.increase();
    EXPECT_EQ(v.getLevel(), 255);
    EXPECT_EQ(sfxVolume, 255);
}

TEST(SFXVolume, DecreaseFromFullWalksSixteensThenSilence) {
    sfxVolume = 255;
    SFXVolume v;
    for (int expected = 239; expected >= 15; expected -= 16) {
        v.decrease();
        ASSERT_EQ(v.getLevel(), expected);
        ASSERT_EQ(sfxVolume, expected);
    }
    v.decrease();
    EXPECT_EQ(v.getLevel(), 0);
    EXPECT_EQ(sfxVolume, 0);
    v.decrease();
    EXPECT_EQ(v.getLevel(), 0);
}

TEST(SFXVolume, StepsAroundTheTopBoundary) {
    sfxVolume = 239;
    SFXVolume below;
    below.increase();
    EXPECT_EQ(below.getLevel(), 255);
    sfxVolume = 16;
    SFXVolume sixteen;
    sixteen.decrease();
    EXPECT_EQ(sixteen.getLevel(), 0);
    sfxVolume = 17;
    SFXVolume seventeen;
    seventeen.decrease();
    EXPECT_EQ(seventeen.getLevel(), 1);
}

} // namespace
