// Sound effects and numbered sets of them on the mixer's channels.
#include "audio/Sound.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "audio/Sounds.h"
#include "support/AudioFixture.h"
#include "support/GfxFixture.h"

namespace {

// Long enough that no sound ends on its own during a test.
constexpr int kLongMs = 3000;

using SoundRules = AudioFixture;

// The long name overruns the path buffer unless it is cut. The last is a
// whole file, but with audio switched off.
TEST_F(SoundRules, OnlyAWholeSampleLoadsAndASoundWithoutOneDoesNothing) {
    const std::vector<unsigned char> tone = toneWav(60);
    dir.write("sounds/truncated.sl", {tone.begin(), tone.begin() + 30});
    dir.write("sounds/garbage.sl", {'R', 'I', 'F', 'F', 1, 2, 3});
    dir.write("sounds/empty.sl", {});
    dir.write("sounds/long.sl", toneWav(kLongMs));
    const std::string names[] = {"missing", "garbage", "empty", "truncated", std::string(400, 'a'),
                                 "long"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name.substr(0, 12));
        audio.effectsOn = name != "long";
        Sound sound(audio, ("sounds/" + name).c_str());
        EXPECT_FALSE(sound.isLoaded());
        sound.play();
        EXPECT_FALSE(sound.isPlaying());
        sound.stop();
    }
}

// A sound still playing is not restarted; one whose channel another sound has
// taken over has finished, and plays afresh.
TEST_F(SoundRules, ASoundPlaysOnceAtATimeAndFinishesWhenItsChannelIsTakenOver) {
    dir.write("sounds/long.sl", toneWav(kLongMs));
    dir.write("sounds/other.sl", toneWav(kLongMs));
    Sound first(audio, "sounds/long"), second(audio, "sounds/other");
    first.play();
    first.play();
    EXPECT_EQ(Mix_Playing(-1), 1);
    const int channel = first.getChannel();
    Mix_HaltChannel(channel);
    second.play();
    ASSERT_EQ(second.getChannel(), channel) << "the first free channel is the one just left";
    EXPECT_FALSE(first.isPlaying());
    EXPECT_TRUE(second.isPlaying());
    first.play();
    EXPECT_EQ(Mix_Playing(-1), 2);
}

// Numbers run 01 to 09, then 10 on. Loading again frees the first sounds, as
// the sanitizer checks.
TEST_F(SoundRules, ASetReportsEachMissingNumberedFileAndLoadsTheRest) {
    for (const char* number : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "11"}) {
        dir.write(std::string("sounds/menu") + number + ".sl", toneWav(kLongMs));
    }
    Sounds set(audio, 11);
    stderrOf([&] { set.load("sounds/menu"); });
    ProgressLog progress;
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(set.load("sounds/menu")); }),
              "Error: sounds/menu10, i: 9, copy: 1\n");
    EXPECT_EQ(progress.lines.back(), "Loading sounds \"sounds/menu\"...ERROR!");
    EXPECT_FALSE(set.get(9)->isLoaded());
    EXPECT_TRUE(set.get(10)->isLoaded());
    set.play(10);
    EXPECT_TRUE(set.anyPlaying());
}

} // namespace
