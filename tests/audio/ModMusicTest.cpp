#include "audio/ModMusic.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "gfx/TestPictures.h"

namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

namespace fs = std::filesystem;

// With a real piece as "sounds/long.ogg" and an empty "music/". The mixer
// also streams WAV files, chosen by their extension; a short one in "music/"
// makes a piece that ends quickly.
class ModMusicTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        fs::create_directories("sounds");
        fs::create_directories("music");
        fs::copy_file(std::string(KRAVEX_DATA_DIR) + "/sounds/menu.ogg", "sounds/long.ogg");
    }
};

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

TEST_F(ModMusicTest, ANameGetsOggAddedAndIsCutToTheBuffer) {
    ModMusic named("sounds/load");
    EXPECT_STREQ(named.getFileName(), "sounds/load.ogg");
    EXPECT_EQ(named.isOn(), 1);
    ModMusic huge(std::string(600, 'n').c_str());
    EXPECT_EQ(std::string(huge.getFileName()), std::string(255, 'n'));
}

TEST_F(ModMusicTest, TheRandomPickChoosesAnyPieceOfTheFolderAndOnlyThose) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        std::vector<std::string> folders;
        std::set<std::string> picks;
        const char* says;
    };
    const std::string fallback = ModMusic::kFallbackName;
    const Case cases[] = {
        {"no folder", {}, {}, {fallback}, ""},
        {"empty folder", {}, {"music"}, {"sounds/om.ogg"}, "No music files found!\n"},
        {"one file", {"music/only"}, {}, {"music/only"}, ""},
        {"a subdirectory", {"music/piece.ogg"}, {"music/sub.ogg"}, {"music/piece.ogg"}, ""},
        {"three files",
         {"music/a", "music/b", "music/c"},
         {},
         {"music/a", "music/b", "music/c"},
         ""},
        {"a link", {"music/linked.ogg"}, {"music"}, {"music/linked.ogg"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all("music");
        for (const std::string& folder : c.folders) {
            fs::create_directories(folder);
        }
        for (const std::string& file : c.files) {
            if (file == "music/linked.ogg") {
                fs::create_symlink(dir.path() / "sounds" / "long.ogg", file);
            } else {
                dir.write(file, {1});
            }
        }
        std::set<std::string> picked;
        for (unsigned seed = 1; seed <= 60; seed++) {
            std::srand(seed);
            CaptureStdout();
            ModMusic music(nullptr);
            ASSERT_EQ(GetCapturedStdout(), c.says);
            EXPECT_EQ(music.getLevel(), musicVolume);
            picked.insert(music.getFileName());
        }
        EXPECT_EQ(picked, c.picks);
    }
}

TEST_F(ModMusicTest, APiecePlaysAtTheMusicVolumeUntilStoppedReplacedOrSwitchedOff) {
    musicVolume = 101;
    ModMusic first("sounds/long");
    ModMusic second("sounds/long");
    ModMusic musicSwitch;
    first.play();
    EXPECT_TRUE(first.isLoaded());
    EXPECT_EQ(ModMusic::getNowPlaying(), &first);
    EXPECT_EQ(Mix_VolumeMusic(-1), 50);
    musicSwitch.decrease();
    EXPECT_EQ(first.getLevel(), 93);
    EXPECT_EQ(Mix_VolumeMusic(-1), 46);
    // Only the piece of the moment may halt the music when it goes away, but
    // any piece that goes makes the music forget its piece of the moment.
    { ModMusic unused("sounds/long"); }
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), nullptr);
    first.play();
    second.play();
    EXPECT_FALSE(first.isLoaded());
    EXPECT_EQ(ModMusic::getNowPlaying(), &second);
    // The switch stops the music at once and starts the same piece again.
    EXPECT_EQ(stderrOf([&] { musicSwitch.toggle(); }), "Stopping modmusic\n");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(musicEnabled, 0);
    EXPECT_FALSE(second.isLoaded());
    EXPECT_EQ(stderrOf([&] { musicSwitch.toggle(); }), "Starting modmusic\n");
    EXPECT_EQ(musicEnabled, 1);
    EXPECT_TRUE(second.isLoaded());
    EXPECT_NE(Mix_PlayingMusic(), 0);
    second.stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_FALSE(second.isLoaded());
    // With the music switched off nothing is loaded.
    musicEnabled = 0;
    ModMusic off("sounds/long");
    EXPECT_EQ(off.isOn(), 0);
    off.play();
    EXPECT_FALSE(off.isLoaded());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// Music off from the start, switched on in the setup menu, then the menu's
// piece replaced by the next main-menu pass: the switch still says ON while
// the music plays, and one press switches it off.
TEST_F(ModMusicTest, TheSwitchTellsTheTruthAfterThePieceIsReplaced) {
    musicEnabled = 0;
    ModMusic musicSwitch;
    currentMusic = new ModMusic("sounds/long");
    currentMusic->play();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(stderrOf([&] { musicSwitch.toggle(); }), "Starting modmusic\n");
    EXPECT_NE(Mix_PlayingMusic(), 0) << "the screen's piece starts at once";
    currentMusic->stop();
    delete currentMusic;
    currentMusic = new ModMusic("sounds/long");
    currentMusic->play();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(musicSwitch.isOn(), 1);
    EXPECT_EQ(stderrOf([&] { musicSwitch.toggle(); }), "Stopping modmusic\n");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(musicSwitch.isOn(), 0);
    delete currentMusic;
    currentMusic = nullptr;
}

TEST_F(ModMusicTest, AMissingOrGarbageFileIsReportedAndStaysSilent) {
    dir.write("sounds/garbage.ogg", {'O', 'g', 'g', 'S', 0, 0, 7});
    for (const std::string name : {"sounds/absent", "sounds/garbage"}) {
        ModMusic music(name.c_str());
        const std::string errors = stderrOf([&] { music.play(); });
        EXPECT_EQ(errors.rfind("Couldn't load " + name + ".ogg: ", 0), 0u) << errors;
        EXPECT_FALSE(music.isLoaded());
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

// The end-of-music hook runs on the mixer's thread and only raises a flag;
// the main thread's service then follows the continuation mode. A piece
// stopped on purpose, or replaced, is not started again.
TEST_F(ModMusicTest, AFinishedPieceIsStartedAgainAtTheNextServiceOnlyInLoopMode) {
    dir.write("music/short.wav", toneWav(80));
    for (const int32_t mode : {ModMusic::kContinueLoop, ModMusic::kContinueNothing}) {
        SCOPED_TRACE(mode);
        ModMusic::setContinuation(mode);
        currentMusic = new ModMusic(nullptr);
        ASSERT_STREQ(currentMusic->getFileName(), "music/short.wav");
        currentMusic->play();
        ASSERT_TRUE(currentMusic->isLoaded());
        ASSERT_TRUE(waitUntilMusicIdle());
        EXPECT_EQ(Mix_PlayingMusic(), 0) << "nothing restarts until the main thread asks";
        ModMusic::serviceFinished();
        EXPECT_EQ(Mix_PlayingMusic() != 0, mode == ModMusic::kContinueLoop);
        EXPECT_EQ(ModMusic::getNowPlaying(), currentMusic);
        // Stopped on purpose just after it ended on its own: not started again.
        currentMusic->play();
        ASSERT_TRUE(waitUntilMusicIdle());
        currentMusic->stop();
        ModMusic::serviceFinished();
        EXPECT_EQ(Mix_PlayingMusic(), 0);
        delete currentMusic;
        EXPECT_EQ(ModMusic::getNowPlaying(), nullptr);
        // The title's way: a new piece that is not started.
        currentMusic = new ModMusic("sounds/long");
        ModMusic::serviceFinished();
        EXPECT_EQ(Mix_PlayingMusic(), 0);
        EXPECT_FALSE(currentMusic->isLoaded());
        delete currentMusic;
        currentMusic = nullptr;
    }
}

} // namespace
