// Streamed music: naming, the random pick, the switch and the loop.
#include "audio/ModMusic.h"

#include <SDL_mixer.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "audio/AudioSettings.h"
#include "support/AudioFixture.h"
#include "support/GfxFixture.h"

namespace {

namespace fs = std::filesystem;

// The mixer also streams WAV files, chosen by their extension: a short one
// makes a piece that ends quickly.
using MusicRules = AudioFixture;

TEST(MusicWithoutAudioDevice, IsSwitchedOffAndPlaysNothing) {
    AudioSettings audio;
    audio.musicOn = 1;
    ModMusic music(audio, "sounds/load");
    EXPECT_EQ(music.isOn(), 0);
    EXPECT_EQ(audio.musicOn, 0);
    music.play();
    EXPECT_FALSE(music.isLoaded());
}

// An empty or missing folder is the whole-run tests' (the fallback piece).
TEST_F(MusicRules, TheRandomPickChoosesAnyFileOfTheFolderButNoSubfolder) {
    for (const char* file : {"music/a", "music/b", "music/sub/c"}) {
        dir.write(file, {1});
    }
    std::set<std::string> picked;
    for (int pick = 0; pick < 40; pick++) {
        picked.insert(ModMusic(audio, nullptr).getFileName());
    }
    EXPECT_EQ(picked, (std::set<std::string>{"music/a", "music/b"}));
}

TEST_F(MusicRules, AMissingOrGarbageFileIsReportedAndStaysSilent) {
    dir.write("sounds/garbage.ogg", {'O', 'g', 'g', 'S', 0, 0, 7});
    for (const std::string name : {"sounds/absent", "sounds/garbage"}) {
        ModMusic music(audio, name.c_str());
        const std::string errors = stderrOf([&] { music.play(); });
        EXPECT_EQ(errors.rfind("Couldn't load " + name + ".ogg: ", 0), 0u) << errors;
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

// Music off from the start, switched on in the setup menu, then the menu's
// piece replaced by the next main-menu pass: the switch still says on while
// the music plays, and one press switches it off.
TEST_F(MusicRules, TheSwitchTellsTheTruthAfterThePieceIsReplaced) {
    fs::copy_file(std::string(KRAVEX_DATA_DIR) + "/sounds/menu.ogg", "long.ogg");
    audio.musicOn = 0;
    std::unique_ptr<ModMusic> piece;
    ModMusic musicSwitch(audio, piece);
    const std::pair<const char*, bool> toggles[] = {{"Starting modmusic\n", true},
                                                    {"Stopping modmusic\n", false}};
    for (const auto& [said, on] : toggles) {
        piece.reset();
        piece = std::make_unique<ModMusic>(audio, "long");
        piece->play();
        EXPECT_TRUE((Mix_PlayingMusic() != 0) == !on && (musicSwitch.isOn() == 1) == !on) << said;
        EXPECT_EQ(stderrOf([&] { musicSwitch.toggle(); }), said);
        EXPECT_EQ(Mix_PlayingMusic() != 0, on) << "the screen's piece starts and stops at once";
    }
    piece.reset();
}

// The end-of-music hook runs on the mixer's thread and only raises a flag;
// the main thread's service restarts the piece, in loop mode only. A piece
// stopped on purpose just after it ended is not started again.
TEST_F(MusicRules, AFinishedPieceStartsAgainAtTheNextServiceOnlyInLoopMode) {
    dir.write("music/short.wav", toneWav(80));
    for (const int32_t mode : {ModMusic::kContinueLoop, ModMusic::kContinueNothing}) {
        ModMusic::setContinuation(mode);
        ModMusic piece(audio, nullptr);
        for (bool stopped : {false, true}) {
            piece.play();
            ASSERT_TRUE(waitUntilMusicIdle());
            if (stopped) {
                piece.stop();
            }
            ModMusic::serviceFinished();
            EXPECT_EQ(Mix_PlayingMusic() != 0, mode == ModMusic::kContinueLoop && !stopped) << mode;
        }
    }
}

} // namespace
