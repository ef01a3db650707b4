// Single sounds and numbered sets of them on the mixer's channels.
#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Console.h"
#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "audio/Sounds.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"

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

// With a start-up console, where a set reports how its loading went.
class SoundsTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = new Buffer(640, 480, 24, kWindowModeWindow);
        ASSERT_TRUE(screen->isReady()) << SDL_GetError();
        dir.write("pics/font.pl", rawTga(fontSheet().picture, 24));
        dir.write("pics/console.pl", rawTga(Picture(64, 480), 24));
        font = std::make_unique<Font>("pics/font", 300, 80);
        console = new Console(64, 480, "pics/console", font.get());
        console->setVisible(false);
    }
    void TearDown() override {
        delete console;
        console = nullptr;
        font.reset();
        delete screen;
        screen = nullptr;
        MixerFixture::TearDown();
    }

    std::unique_ptr<Font> font;
};

TEST_F(SoundsTest, LoadsTheNumberedFilesAndReportsEachMissingOne) {
    struct Case {
        std::string base;
        // '1' where the file of that number exists.
        std::string present;
        int copy;
        std::string errors;
    };
    const std::string tooLong(60, 'x');
    const Case cases[] = {
        // From ten on the numbers have no leading zero.
        {"sounds/many", "111111111111", 1, ""},
        {"sounds/menu", "101", 1, "Error: sounds/menu02, i: 1, copy: 1\n"},
        {"sounds/none", "00", 2,
         "Error: sounds/none01, i: 0, copy: 2\nError: sounds/none02, i: 1, copy: 2\n"},
        {"sounds/nothing", "", 1, ""},
        // The name buffer holds 35 characters; a longer name is cut.
        {tooLong, "0", 1, "Error: " + std::string(35, 'x') + ", i: 0, copy: 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        for (size_t i = 0; i < c.present.size(); i++) {
            if (c.present[i] == '1') {
                const int n = int(i) + 1;
                dir.write(c.base + (n < 10 ? "0" : "") + std::to_string(n) + ".sl",
                          toneWav(kLongMs));
            }
        }
        Sounds set(int32_t(c.present.size()), c.copy);
        bool loaded = false;
        EXPECT_EQ(stderrOf([&] { loaded = set.load(c.base.c_str()); }), c.errors);
        EXPECT_EQ(loaded, c.errors.empty());
        EXPECT_EQ(console->line(console->getCount() - 1),
                  "Loading sounds \"" + c.base + "\"..." + (c.errors.empty() ? "OK" : "ERROR!"));
        EXPECT_EQ(set.getCount(), int32_t(c.present.size()));
        for (size_t i = 0; i < c.present.size(); i++) {
            EXPECT_EQ(set.get(int32_t(i))->isLoaded(), c.present[i] == '1') << i;
        }
        if (!c.present.empty()) {
            set.play(0);
            EXPECT_EQ(set.anyPlaying(), c.present[0] == '1');
            set.stop(0);
        }
    }
}

TEST_F(SoundsTest, PlayAndStopGoByIndexAndDoNothingBeforeLoading) {
    dir.write("sounds/gun01.sl", toneWav(kLongMs));
    dir.write("sounds/gun02.sl", toneWav(kLongMs));
    Sounds set(2);
    set.play(0);
    set.stop(1);
    EXPECT_FALSE(set.anyPlaying());
    // Loading twice must replace the first sounds, not leak them.
    ASSERT_TRUE(set.load("sounds/gun"));
    ASSERT_TRUE(set.load("sounds/gun"));
    set.play(1);
    EXPECT_FALSE(set.get(0)->isPlaying());
    EXPECT_TRUE(set.anyPlaying());
    // Stopping forgets the channel, so stopping again cannot reach another sound.
    for (int times = 0; times < 2; times++) {
        set.stop(1);
        EXPECT_EQ(Mix_Playing(-1), 0);
    }
    // Stop halts the channel even when another sound has taken it over since.
    set.play(0);
    const int channel = set.get(0)->getChannel();
    Mix_HaltChannel(channel);
    set.play(1);
    ASSERT_EQ(set.get(1)->getChannel(), channel);
    set.stop(0);
    EXPECT_EQ(Mix_Playing(channel), 0);
}

} // namespace
