#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <string>
#include <utility>
#include <vector>

#include "app/Globals.h"
#include "audio/MixerFixture.h"

namespace {

// Three seconds: long enough that no sound ends on its own during a test.
constexpr int kLongMs = 3000;

class SoundTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        dir.write("sounds/long.sl", toneWav(kLongMs));
        dir.write("sounds/other.sl", toneWav(kLongMs));
    }
};

TEST_F(SoundTest, OnlyAWholeSampleLoadsAndASoundWithoutOneDoesNothing) {
    std::vector<unsigned char> truncated = toneWav(60);
    truncated.resize(30);
    dir.write("sounds/truncated.sl", truncated);
    dir.write("sounds/garbage.sl", {'R', 'I', 'F', 'F', 1, 2, 3});
    dir.write("sounds/empty.sl", {});
    EXPECT_TRUE(Sound("sounds/long").isLoaded());
    // The fifth name is longer than the path buffer: it must be cut, not
    // overrun. The last is a whole file, but with audio off.
    for (const std::string& name : std::vector<std::string>{
             "missing", "garbage", "empty", "truncated", std::string(400, 'a'), "long"}) {
        SCOPED_TRACE(name.substr(0, 12));
        audioEnabled = name != "long";
        Sound sound(("sounds/" + name).c_str());
        EXPECT_FALSE(sound.isLoaded());
        sound.play();
        EXPECT_EQ(sound.getChannel(), -1);
        EXPECT_FALSE(sound.isPlaying());
        sound.stop();
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, ASoundWhoseChannelWasTakenOverOrThatEndedCountsAsFinished) {
    Sound first("sounds/long");
    Sound second("sounds/other");
    first.play();
    const int channel = first.getChannel();
    Mix_HaltChannel(channel);
    second.play();
    ASSERT_EQ(second.getChannel(), channel) << "the first free channel is the one just left";
    EXPECT_FALSE(first.isPlaying());
    EXPECT_EQ(first.getChannel(), -1);
    EXPECT_TRUE(second.isPlaying());
    // Ending on a channel it still owns finishes it too.
    Mix_HaltChannel(channel);
    EXPECT_FALSE(second.isPlaying());
    EXPECT_EQ(second.getChannel(), -1);
}

TEST_F(SoundTest, PlayingTwiceInARowPlaysOnceAndConstructingASoundClearsTheOwnerTable) {
    Sound playing("sounds/long");
    playing.play();
    ASSERT_TRUE(playing.isPlaying());
    const int8_t channel = playing.getChannel();
    playing.play();
    EXPECT_EQ(playing.getChannel(), channel);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Sound::ownerOf(channel), &playing);
    Sound newcomer("sounds/other");
    EXPECT_EQ(Sound::ownerOf(channel), nullptr);
    EXPECT_NE(Mix_Playing(channel), 0);
    EXPECT_FALSE(playing.isPlaying());
    // Not playing any more as far as it knows, so play() starts it afresh.
    playing.play();
    EXPECT_EQ(Mix_Playing(-1), 2);
}

// Without a channel a volume goes to every mixer channel; play() applies a
// changed effect volume before starting.
TEST_F(SoundTest, VolumeIsHalvedOntoTheMixerScaleAndPlayAppliesAChangedOne) {
    Sound sound("sounds/long");
    for (const auto& [volume, mixer] :
         std::vector<std::pair<int, int>>{{255, 127}, {1, 0}, {2, 1}, {0, 0}}) {
        sound.setVolume(uint8_t(volume));
        EXPECT_EQ(sound.getVolume(), volume);
        for (int c = 0; c < Sound::kChannels; c++) {
            ASSERT_EQ(Mix_Volume(c, -1), mixer) << volume << " on channel " << c;
        }
    }
    sound.setVolume(sfxVolume);
    Mix_Volume(-1, 100);
    sound.play();
    EXPECT_EQ(Mix_Volume(sound.getChannel(), -1), 100) << "unchanged volume is not reapplied";
    sound.stop();
    sfxVolume = 255 - 16;
    sound.play();
    EXPECT_EQ(sound.getVolume(), 255 - 16);
    EXPECT_EQ(Mix_Volume(sound.getChannel(), -1), (255 - 16) / 2);
}

TEST_F(SoundTest, NoFreeChannelLeavesTheSoundIdle) {
    Mix_AllocateChannels(1);
    Sound first("sounds/long");
    Sound second("sounds/other");
    first.play();
    second.play();
    EXPECT_EQ(second.getChannel(), -1);
    EXPECT_FALSE(second.isPlaying());
    EXPECT_EQ(Sound::ownerOf(0), &first);
    EXPECT_EQ(Sound::ownerOf(-1), nullptr);
    EXPECT_EQ(Sound::ownerOf(Sound::kChannels), nullptr);
}

} // namespace
