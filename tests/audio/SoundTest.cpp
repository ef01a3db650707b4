#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <string>

#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "support/TempDir.h"

namespace {

constexpr int kShortMs = 60;
constexpr int kLongMs = 3000;

class SoundTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        dir.write("sounds/short.sl", toneWav(kShortMs));
        dir.write("sounds/long.sl", toneWav(kLongMs));
        dir.write("sounds/other.sl", toneWav(kLongMs));
    }
    std::string base(const char* name) const { return dir.file(std::string("sounds/") + name); }

    TempDir dir;
};

TEST_F(SoundTest, LoadsTheSampleFromTheBaseNameWithSlAdded) {
    Sound sound(base("long").c_str());
    EXPECT_TRUE(sound.isLoaded());
    EXPECT_EQ(sound.getChannel(), -1);
    EXPECT_FALSE(sound.isPlaying());
}

TEST_F(SoundTest, MissingGarbageAndEmptyFilesGiveNoSample) {
    dir.write("sounds/garbage.sl", {'R', 'I', 'F', 'F', 1, 2, 3});
    dir.write("sounds/empty.sl", {});
    std::vector<unsigned char> truncated = toneWav(kShortMs);
    truncated.resize(30);
    dir.write("sounds/truncated.sl", truncated);
    for (const char* name : {"missing", "garbage", "empty", "truncated"}) {
        Sound sound(base(name).c_str());
        EXPECT_FALSE(sound.isLoaded()) << name;
        sound.play();
        EXPECT_FALSE(sound.isPlaying()) << name;
        sound.stop();
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, WithoutAudioEnabledNothingIsLoaded) {
    audioEnabled = 0;
    Sound sound(base("long").c_str());
    EXPECT_FALSE(sound.isLoaded());
}

TEST_F(SoundTest, ANameLongerThanThePathBufferIsCutNotOverrun) {
    const std::string huge(400, 'a');
    Sound sound(huge.c_str());
    EXPECT_FALSE(sound.isLoaded());
}

TEST_F(SoundTest, PlayingTwiceInARowPlaysOnce) {
    Sound sound(base("long").c_str());
    sound.play();
    ASSERT_TRUE(sound.isPlaying());
    const int8_t channel = sound.getChannel();
    sound.play();
    EXPECT_EQ(sound.getChannel(), channel);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Sound::ownerOf(channel), &sound);
}

TEST_F(SoundTest, AfterTheSampleEndedPlayStartsItAgain) {
    Sound sound(base("short").c_str());
    sound.play();
    const int channel = sound.getChannel();
    ASSERT_GE(channel, 0);
    ASSERT_TRUE(waitUntilChannelIdle(channel));
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.getChannel(), -1);
    sound.play();
    EXPECT_TRUE(sound.isPlaying());
}

TEST_F(SoundTest, ASoundWhoseChannelWasTakenOverCountsAsFinished) {
    Sound first(base("short").c_str());
    Sound second(base("long").c_str());
    first.play();
    const int channel = first.getChannel();
    ASSERT_TRUE(waitUntilChannelIdle(channel));
    second.play();
    ASSERT_EQ(second.getChannel(), channel) << "the first free channel is the one just left";
    EXPECT_NE(Mix_Playing(channel), 0);
    EXPECT_FALSE(first.isPlaying());
    EXPECT_EQ(first.getChannel(), -1);
    EXPECT_TRUE(second.isPlaying());
}

TEST_F(SoundTest, ConstructingASoundClearsTheOwnerTable) {
    Sound playing(base("long").c_str());
    playing.play();
    ASSERT_TRUE(playing.isPlaying());
    const int channel = playing.getChannel();
    Sound newcomer(base("other").c_str());
    EXPECT_EQ(Sound::ownerOf(channel), nullptr);
    EXPECT_NE(Mix_Playing(channel), 0);
    EXPECT_FALSE(playing.isPlaying());
    // Not playing any more as far as it knows, so play() starts it afresh.
    playing.play();
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(SoundTest, StopHaltsTheChannelAndForgetsIt) {
    Sound sound(base("long").c_str());
    sound.play();
    const int channel = sound.getChannel();
    ASSERT_GE(channel, 0);
    sound.stop();
    EXPECT_EQ(sound.getChannel(), -1);
    EXPECT_EQ(Mix_Playing(channel), 0);
    sound.stop();
    EXPECT_EQ(sound.getChannel(), -1);
}

TEST_F(SoundTest, VolumeIsHalvedOntoTheMixerScale) {
    Sound sound(base("long").c_str());
    sound.setVolume(255);
    EXPECT_EQ(Mix_Volume(0, -1), 127);
    EXPECT_EQ(Mix_Volume(15, -1), 127);
    sound.setVolume(1);
    EXPECT_EQ(Mix_Volume(0, -1), 0);
    EXPECT_EQ(sound.getVolume(), 1);
    sound.setVolume(2);
    EXPECT_EQ(Mix_Volume(7, -1), 1);
    sound.setVolume(0);
    EXPECT_EQ(Mix_Volume(7, -1), 0);
}

TEST_F(SoundTest, PlayAppliesAChangedEffectVolumeLazily) {
    sfxVolume = 255;
    Sound sound(base("long").c_str());
    Mix_Volume(-1, 100);
    sound.play();
    EXPECT_EQ(Mix_Volume(sound.getChannel(), -1), 100) << "unchanged volume is not reapplied";
    sfxVolume = 1;
    sound.play();
    EXPECT_EQ(Mix_Volume(sound.getChannel(), -1), 0);
    EXPECT_EQ(sound.getVolume(), 1);
}

TEST_F(SoundTest, WithoutAChannelTheVolumeGoesToEveryChannel) {
    sfxVolume = 255;
    Sound sound(base("long").c_str());
    Mix_Volume(-1, 5);
    sfxVolume = 255 - 16;
    sound.play();
    for (int c = 0; c < Sound::kChannels; c++) {
        EXPECT_EQ(Mix_Volume(c, -1), (255 - 16) / 2) << c;
    }
}

TEST_F(SoundTest, NoFreeChannelLeavesTheSoundIdle) {
    Mix_AllocateChannels(1);
    Sound first(base("long").c_str());
    Sound second(base("other").c_str());
    first.play();
    ASSERT_TRUE(first.isPlaying());
    second.play();
    EXPECT_EQ(second.getChannel(), -1);
    EXPECT_FALSE(second.isPlaying());
    EXPECT_EQ(Sound::ownerOf(0), &first);
}

TEST(SoundOwnerTable, OutOfRangeChannelsHaveNoOwner) {
    EXPECT_EQ(Sound::ownerOf(-1), nullptr);
    EXPECT_EQ(Sound::ownerOf(Sound::kChannels), nullptr);
}

} // namespace
