// The setup menu's switches: the plain one, the effect volume and the music.
#include "audio/Switchable.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/Globals.h"
#include "audio/ModMusic.h"
#include "audio/SFXVolume.h"

namespace {

// The levels from `first` to `last` a step apart, then `ends`.
std::vector<int> walk(int first, int last, int step, std::vector<int> ends) {
    std::vector<int> levels;
    for (int v = first; step > 0 ? v <= last : v >= last; v += step) {
        levels.push_back(v);
    }
    levels.insert(levels.end(), ends.begin(), ends.end());
    return levels;
}

// Steps a fresh switch from `start` and checks every level it passes, both its
// own and the global it drives.
template <typename Switch, typename Global>
void expectSteps(Global& global, int start, bool up, const std::vector<int>& levels) {
    SCOPED_TRACE(testing::Message() << "from " << start << (up ? " up" : " down"));
    global = static_cast<Global>(start);
    Switch s;
    for (int expected : levels) {
        up ? s.increase() : s.decrease();
        ASSERT_EQ(s.getLevel(), expected);
        ASSERT_EQ(global, expected);
    }
}

TEST(Switchable, TogglesAndStepsByTenWithinItsRange) {
    Switchable s(0, 50);
    s.toggle();
    EXPECT_EQ(s.isOn(), 1);
    s.toggle();
    EXPECT_EQ(s.isOn(), 0);
    struct Case {
        int start;
        bool up;
        int after;
    };
    for (const Case& c :
         {Case{85, true, 95}, Case{95, true, 95}, Case{89, true, 99}, Case{90, true, 90},
          Case{15, false, 5}, Case{5, false, 5}, Case{10, false, 0}, Case{9, false, 9}}) {
        Switchable step(1, c.start);
        c.up ? step.increase() : step.decrease();
        EXPECT_EQ(step.getLevel(), c.after) << c.start << (c.up ? " up" : " down");
    }
}

TEST(SFXVolume, StartsOnAtTheVolumeAndStepsBySixteenToTheEnds) {
    sfxVolume = 77;
    SFXVolume v;
    EXPECT_EQ(v.isOn(), 1);
    EXPECT_EQ(v.getLevel(), 77);
    expectSteps<SFXVolume>(sfxVolume, 0, true, walk(16, 240, 16, {255, 255}));
    expectSteps<SFXVolume>(sfxVolume, 255, false, walk(239, 15, -16, {0, 0}));
    expectSteps<SFXVolume>(sfxVolume, 239, true, {255});
    expectSteps<SFXVolume>(sfxVolume, 16, false, {0});
    expectSteps<SFXVolume>(sfxVolume, 17, false, {1});
}

// Without a mixer: the switch only moves the music volume.
TEST(ModMusicSteps, StepByEightToTheEnds) {
    expectSteps<ModMusic>(musicVolume, 0, true, walk(8, 248, 8, {255, 255}));
    expectSteps<ModMusic>(musicVolume, 255, false, walk(247, 7, -8, {0, 0}));
    expectSteps<ModMusic>(musicVolume, 247, true, {255});
    expectSteps<ModMusic>(musicVolume, 240, true, {248});
    expectSteps<ModMusic>(musicVolume, 8, false, {0});
}

} // namespace
