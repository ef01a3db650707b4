#include "audio/Sounds.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <string>

#include "audio/MixerFixture.h"
#include "audio/Sound.h"
#include "support/TempDir.h"

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

constexpr int kMs = 2000;

// Runs inside a temporary folder, as the game runs inside its data folder,
// so the names stay as short as the game's own.
class SoundsTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        cwd = new WorkingDir(dir.path());
    }
    void TearDown() override {
        delete cwd;
        MixerFixture::TearDown();
    }

    void addFiles(const std::string& base, std::initializer_list<const char*> numbers) {
        for (const char* n : numbers) {
            dir.write("sounds/" + base + n + ".sl", toneWav(kMs));
        }
    }
    std::string base(const std::string& name) const { return "sounds/" + name; }

    TempDir dir;
    WorkingDir* cwd = nullptr;
};

TEST_F(SoundsTest, LoadsTheNumberedFilesFromOne) {
    addFiles("alien", {"01", "02", "03", "04", "05"});
    Sounds set(5, 4);
    CaptureStderr();
    EXPECT_TRUE(set.load(base("alien").c_str()));
    EXPECT_EQ(GetCapturedStderr(), "");
    for (int i = 0; i < 5; i++) {
        EXPECT_TRUE(set.get(i)->isLoaded()) << i;
    }
}

TEST_F(SoundsTest, NumbersFromTenOnHaveNoLeadingZero) {
    addFiles("many", {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"});
    dir.write("sounds/many010.sl", toneWav(kMs));
    Sounds set(12);
    CaptureStderr();
    EXPECT_TRUE(set.load(base("many").c_str()));
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST_F(SoundsTest, ASecondFileMissingGivesOneErrorLineAndLoadsTheRest) {
    addFiles("menu", {"01", "03"});
    Sounds set(3);
    CaptureStderr();
    EXPECT_FALSE(set.load(base("menu").c_str()));
    EXPECT_EQ(GetCapturedStderr(), "Error: " + base("menu") + "02, i: 1, copy: 1\n");
    EXPECT_TRUE(set.get(0)->isLoaded());
    EXPECT_FALSE(set.get(1)->isLoaded());
    EXPECT_TRUE(set.get(2)->isLoaded());
}

TEST_F(SoundsTest, TheErrorLineCarriesTheCopyValue) {
    addFiles("exp", {"01"});
    Sounds set(2, 6);
    CaptureStderr();
    EXPECT_FALSE(set.load(base("exp").c_str()));
    EXPECT_EQ(GetCapturedStderr(), "Error: " + base("exp") + "02, i: 1, copy: 6\n");
}

TEST_F(SoundsTest, ANameLongerThanItsBufferIsCutToThirtyFiveCharacters) {
    const std::string longName(60, 'x');
    Sounds set(1);
    CaptureStderr();
    EXPECT_FALSE(set.load(longName.c_str()));
    EXPECT_EQ(GetCapturedStderr(), "Error: " + std::string(35, 'x') + ", i: 0, copy: 1\n");
}

TEST_F(SoundsTest, PlayAndStopGoByIndex) {
    addFiles("gun", {"01", "02"});
    Sounds set(2);
    ASSERT_TRUE(set.load(base("gun").c_str()));
    EXPECT_FALSE(set.anyPlaying());
    set.play(1);
    EXPECT_TRUE(set.get(1)->isPlaying());
    EXPECT_FALSE(set.get(0)->isPlaying());
    EXPECT_TRUE(set.anyPlaying());
    set.stop(1);
    EXPECT_FALSE(set.anyPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundsTest, StopHaltsTheChannelEvenWhenAnotherSoundTookIt) {
    addFiles("pair", {"01", "02"});
    Sounds set(2);
    ASSERT_TRUE(set.load(base("pair").c_str()));
    set.play(0);
    const int channel = set.get(0)->getChannel();
    // A third party halts the channel and the second sound takes it over.
    Mix_HaltChannel(channel);
    set.play(1);
    ASSERT_EQ(set.get(1)->getChannel(), channel);
    set.stop(0);
    EXPECT_EQ(Mix_Playing(channel), 0);
}

TEST_F(SoundsTest, ASetWithoutFilesOrBeforeLoadingIsSilent) {
    Sounds empty(3);
    empty.play(0);
    empty.stop(2);
    EXPECT_FALSE(empty.anyPlaying());
    CaptureStderr();
    EXPECT_FALSE(empty.load(base("none").c_str()));
    const std::string errors = GetCapturedStderr();
    EXPECT_NE(errors.find("i: 0"), std::string::npos);
    EXPECT_NE(errors.find("i: 2"), std::string::npos);
    empty.play(0);
    EXPECT_FALSE(empty.anyPlaying());
}

TEST_F(SoundsTest, AnEmptySetLoadsAsComplete) {
    Sounds none(0);
    CaptureStderr();
    EXPECT_TRUE(none.load(base("nothing").c_str()));
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_FALSE(none.anyPlaying());
    EXPECT_EQ(none.getCount(), 0);
}

TEST_F(SoundsTest, LoadingAgainReplacesTheSounds) {
    addFiles("twice", {"01"});
    Sounds set(1);
    ASSERT_TRUE(set.load(base("twice").c_str()));
    ASSERT_TRUE(set.load(base("twice").c_str()));
    EXPECT_TRUE(set.get(0)->isLoaded());
}

} // namespace
