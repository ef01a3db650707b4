#include "audio/ModMusic.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "support/TempDir.h"

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

constexpr int kShortPieceMs = 80;

// Runs in a folder of its own with a real piece as "sounds/long.ogg". The
// mixer also streams WAV files, chosen by their extension; a short one in
// "music/" makes a piece that ends quickly.
class ModMusicTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        std::filesystem::create_directories(dir.path() / "sounds");
        std::filesystem::copy_file(std::string(KRAVEX_DATA_DIR) + "/sounds/menu.ogg",
                                   dir.path() / "sounds" / "long.ogg");
        std::filesystem::create_directories(dir.path() / "music");
        cwd = new WorkingDir(dir.path());
    }
    // The piece of the moment becomes the only file of the music folder.
    ModMusic* shortPiece() {
        dir.write("music/short.wav", toneWav(kShortPieceMs));
        ModMusic* music = new ModMusic(nullptr);
        EXPECT_STREQ(music->getFileName(), "music/short.wav");
        return music;
    }
    void TearDown() override {
        delete cwd;
        MixerFixture::TearDown();
    }

    TempDir dir;
    WorkingDir* cwd = nullptr;
};

TEST(ModMusicSteps, DecreaseFromFullWalksEightsDownToSevenThenSilence) {
    musicVolume = 255;
    ModMusic music;
    for (int expected = 247; expected >= 7; expected -= 8) {
        music.decrease();
        ASSERT_EQ(musicVolume, expected);
        ASSERT_EQ(music.getLevel(), expected);
    }
    music.decrease();
    EXPECT_EQ(musicVolume, 0);
    music.decrease();
    EXPECT_EQ(musicVolume, 0);
    EXPECT_EQ(music.getLevel(), 0);
}

TEST(ModMusicSteps, IncreaseFromSilenceWalksEightsTo248ThenTops) {
    musicVolume = 0;
    ModMusic music;
    for (int expected = 8; expected <= 248; expected += 8) {
        music.increase();
        ASSERT_EQ(musicVolume, expected);
    }
    music.increase();
    EXPECT_EQ(musicVolume, 255);
    music.increase();
    EXPECT_EQ(musicVolume, 255);
    EXPECT_EQ(music.getLevel(), 255);
}

TEST(ModMusicSteps, IncreaseAt247StillStepsAndAt248Tops) {
    musicVolume = 247;
    ModMusic music;
    music.increase();
    EXPECT_EQ(musicVolume, 255);
    musicVolume = 240;
    music.increase();
    EXPECT_EQ(musicVolume, 248);
    musicVolume = 8;
    music.decrease();
    EXPECT_EQ(musicVolume, 0);
}

TEST(ModMusicWithoutMixer, IsOffAndClearsTheMusicFlag) {
    audioOpen = 0;
    musicEnabled = 1;
    ModMusic music("sounds/load");
    EXPECT_EQ(music.isOn(), 0);
    EXPECT_EQ(musicEnabled, 0);
    EXPECT_EQ(music.getFileName(), nullptr);
    music.play();
    EXPECT_EQ(ModMusic::getNowPlaying(), nullptr);
}

TEST_F(ModMusicTest, ANameGetsOggAdded) {
    ModMusic music("sounds/load");
    EXPECT_STREQ(music.getFileName(), "sounds/load.ogg");
    EXPECT_EQ(music.isOn(), 1);
}

TEST_F(ModMusicTest, ANameLongerThanTheBufferIsCut) {
    const std::string huge(600, 'n');
    ModMusic music(huge.c_str());
    EXPECT_EQ(std::string(music.getFileName()), std::string(255, 'n'));
}

TEST_F(ModMusicTest, AnEmptyMusicFolderFallsBackWithAMessage) {
    CaptureStdout();
    ModMusic music(nullptr);
    EXPECT_EQ(GetCapturedStdout(), "No music files found!\n");
    EXPECT_STREQ(music.getFileName(), "sounds/om.ogg");
    EXPECT_EQ(music.getLevel(), musicVolume);
}

TEST_F(ModMusicTest, AMissingMusicFolderFallsBackSilently) {
    std::filesystem::remove(dir.path() / "music");
    CaptureStdout();
    ModMusic music(nullptr);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_STREQ(music.getFileName(), "sounds/om.ogg");
}

TEST_F(ModMusicTest, AFolderWithOneFileAlwaysPicksIt) {
    dir.write("music/only", {1, 2, 3});
    for (unsigned seed = 1; seed <= 20; seed++) {
        std::srand(seed);
        ModMusic music(nullptr);
        ASSERT_STREQ(music.getFileName(), "music/only");
    }
}

TEST_F(ModMusicTest, ASubdirectoryIsNeverChosen) {
    dir.write("music/piece.ogg", {1});
    std::filesystem::create_directories(dir.path() / "music" / "sub.ogg");
    for (unsigned seed = 1; seed <= 30; seed++) {
        std::srand(seed);
        ModMusic music(nullptr);
        ASSERT_STREQ(music.getFileName(), "music/piece.ogg");
    }
}

TEST_F(ModMusicTest, ASymbolicLinkCountsAsAPiece) {
    std::filesystem::create_symlink(dir.path() / "sounds" / "long.ogg",
                                    dir.path() / "music" / "linked.ogg");
    CaptureStdout();
    ModMusic music(nullptr);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_STREQ(music.getFileName(), "music/linked.ogg");
    music.play();
    EXPECT_TRUE(music.isLoaded());
}

TEST_F(ModMusicTest, EveryFileOfTheFolderCanBePicked) {
    dir.write("music/a", {1});
    dir.write("music/b", {1});
    dir.write("music/c", {1});
    std::set<std::string> picked;
    for (unsigned seed = 1; seed <= 60; seed++) {
        std::srand(seed);
        ModMusic music(nullptr);
        picked.insert(music.getFileName());
    }
    EXPECT_EQ(picked, (std::set<std::string>{"music/a", "music/b", "music/c"}));
}

TEST_F(ModMusicTest, PlayStartsThePieceAtTheMusicVolume) {
    musicVolume = 101;
    ModMusic music("sounds/long");
    music.play();
    EXPECT_TRUE(music.isLoaded());
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), &music);
    EXPECT_EQ(music.getLevel(), 101);
    EXPECT_EQ(Mix_VolumeMusic(-1), 50);
    music.stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_FALSE(music.isLoaded());
    EXPECT_EQ(music.isOn(), 0);
}

TEST_F(ModMusicTest, AMissingFileIsReportedAndStaysSilent) {
    ModMusic music("sounds/absent");
    CaptureStderr();
    music.play();
    const std::string errors = GetCapturedStderr();
    EXPECT_EQ(errors.rfind("Couldn't load sounds/absent.ogg: ", 0), 0u) << errors;
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(ModMusicTest, AGarbageFileIsReportedAndStaysSilent) {
    dir.write("sounds/garbage.ogg", {'O', 'g', 'g', 'S', 0, 0, 7});
    ModMusic music("sounds/garbage");
    CaptureStderr();
    music.play();
    EXPECT_NE(GetCapturedStderr().find("Couldn't load sounds/garbage.ogg"), std::string::npos);
    EXPECT_FALSE(music.isLoaded());
}

TEST_F(ModMusicTest, WithMusicSwitchedOffNothingIsLoaded) {
    musicEnabled = 0;
    ModMusic music("sounds/long");
    EXPECT_EQ(music.isOn(), 0);
    music.play();
    EXPECT_FALSE(music.isLoaded());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(ModMusicTest, StartingAPieceStopsTheOneBefore) {
    ModMusic first("sounds/long");
    ModMusic second("sounds/long");
    first.play();
    second.play();
    EXPECT_FALSE(first.isLoaded());
    EXPECT_EQ(first.isOn(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), &second);
    EXPECT_NE(Mix_PlayingMusic(), 0);
}

TEST_F(ModMusicTest, ToggleOffStopsAtOnceAndOnRestartsTheSamePiece) {
    ModMusic piece("sounds/long");
    ModMusic musicSwitch;
    piece.play();
    CaptureStderr();
    musicSwitch.toggle();
    EXPECT_EQ(GetCapturedStderr(), "Stopping modmusic\n");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(musicEnabled, 0);
    EXPECT_EQ(musicSwitch.isOn(), 0);
    EXPECT_FALSE(piece.isLoaded());
    CaptureStderr();
    musicSwitch.toggle();
    EXPECT_EQ(GetCapturedStderr(), "Starting modmusic\n");
    EXPECT_EQ(musicEnabled, 1);
    EXPECT_EQ(musicSwitch.isOn(), 1);
    EXPECT_TRUE(piece.isLoaded());
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), &piece);
}

TEST_F(ModMusicTest, VolumeStepsReachThePlayingPiece) {
    musicVolume = 255;
    ModMusic piece("sounds/long");
    ModMusic musicSwitch;
    piece.play();
    musicSwitch.decrease();
    EXPECT_EQ(piece.getLevel(), 247);
    EXPECT_EQ(Mix_VolumeMusic(-1), 123);
}

TEST_F(ModMusicTest, InLoopModeAFinishedPieceStartsAgainAtTheNextService) {
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    currentMusic = shortPiece();
    currentMusic->play();
    ASSERT_TRUE(currentMusic->isLoaded());
    ASSERT_TRUE(waitUntilMusicIdle());
    // The hook only raised a flag; nothing restarts until the main thread asks.
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    ModMusic::serviceFinished();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), currentMusic);
    delete currentMusic;
    currentMusic = nullptr;
    EXPECT_EQ(ModMusic::getNowPlaying(), nullptr);
}

TEST_F(ModMusicTest, InPlainModeAFinishedPieceIsNotFollowed) {
    currentMusic = shortPiece();
    currentMusic->play();
    ASSERT_TRUE(currentMusic->isLoaded());
    ASSERT_TRUE(waitUntilMusicIdle());
    ModMusic::serviceFinished();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    delete currentMusic;
    currentMusic = nullptr;
}

TEST_F(ModMusicTest, APieceStoppedOnPurposeIsNotStartedAgain) {
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    currentMusic = new ModMusic("sounds/long");
    currentMusic->play();
    currentMusic->stop();
    ModMusic::serviceFinished();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    delete currentMusic;
    currentMusic = nullptr;
}

TEST_F(ModMusicTest, ReplacingThePieceOfTheMomentInLoopModeDoesNotRestartIt) {
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    currentMusic = new ModMusic("sounds/long");
    currentMusic->play();
    currentMusic->stop();
    delete currentMusic;
    // The title's way: a new piece that is not started.
    currentMusic = new ModMusic("sounds/long");
    ModMusic::serviceFinished();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_FALSE(currentMusic->isLoaded());
    delete currentMusic;
    currentMusic = nullptr;
}

TEST_F(ModMusicTest, DestroyingAnotherObjectKeepsThePieceOfTheMoment) {
    ModMusic piece("sounds/long");
    piece.play();
    { ModMusic unused("sounds/long"); }
    EXPECT_EQ(ModMusic::getNowPlaying(), &piece);
    EXPECT_NE(Mix_PlayingMusic(), 0);
    ModMusic musicSwitch;
    musicSwitch.toggle();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

} // namespace
