// Plays the whole program through real SDL events in a child process, with
// a clock of its own that presses the keys: title, a game, a name typed into
// the table, the setup and key screens, and out through the credits. Then
// reads what it printed and stored.
#include <SDL.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "app/Game.h"
#include "app/Globals.h"
#include "app/WholeRun.h"
#include "support/Hostile.h"

namespace {

// The title, the main menu, and out.
std::vector<Step> inAndOut() {
    return {{100, press(SDLK_ESCAPE)}, {600, press(SDLK_ESCAPE)}};
}

TEST_F(WholeRun, AGameANameTheSetupAndTheKeysReachTheFiles) {
    const std::string output = run(
        {"--window"},
        {{100, press(SDLK_ESCAPE)},  // the title
         {600, press(SDLK_RETURN)},  // "One player"
         {1500, [] { score = 42; }},
         {1550, press(SDLK_ESCAPE)},  // giving up; the debris lands
         {6000, press(SDLK_a)},       // the name
         {6050, press(SDLK_ESCAPE)},  // typed into the name, it must not quit
         {6100, press(SDLK_c)},
         {6200, press(SDLK_e)},
         {6400, press(SDLK_RETURN)},
         {7000, press(SDLK_DOWN)},
         {7200, press(SDLK_DOWN)},
         {7400, press(SDLK_RETURN)},  // "Setup"
         {7800, press(SDLK_RETURN)},  // "High detail" off
         {8000, press(SDLK_DOWN)},
         {8200, press(SDLK_DOWN)},
         {8400, press(SDLK_DOWN)},
         {8600, press(SDLK_DOWN)},
         {8800, press(SDLK_RETURN)},  // "Set keys"
         {9200, press(SDLK_RETURN)},  // "Player 1 left" waits for a key
         {9500, press(SDLK_j)},       // taken; "Player 1 right" waits
         {9800, press(SDLK_ESCAPE)},  // keeps right, leaves the keys
         {10400, press(SDLK_ESCAPE)}, // leaves the setup
         {11000, press(SDLK_UP)},
         {11200, press(SDLK_UP)},
         {11300, press(SDLK_UP)},
         {11400, press(SDLK_RETURN)}}); // "Exit game", then the credits
    EXPECT_EQ(output.rfind("Kravex II", 0), 0u) << output;
    const size_t played = output.find("You played for ");
    ASSERT_NE(played, std::string::npos) << output;
    EXPECT_EQ(output.find('\n', played) + 1, output.find("Cleaning up..\n")) << output;
    EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, -1, -1, 255, 255}));
    const std::vector<unsigned char> keys = work.read("dat/pl1key_sdl.dat");
    ASSERT_GE(keys.size(), 8u);
    EXPECT_EQ(std::vector<unsigned char>(keys.begin(), keys.begin() + 8),
              (std::vector<unsigned char>{SDLK_j, 0, 0, 0, SDLK_RIGHT & 0xFF, SDLK_RIGHT >> 8, 0, 0}));
    const std::string table = deciphered("dat/hiscore_1.dat");
    EXPECT_EQ(table.rfind("42\nace", 0), 0u) << table;
}

// Leaving at once plays nothing and prints no statistics. Stored settings
// survive, and without a sound device the stored music choice is kept.
TEST_F(WholeRun, UnknownOptionAfterTheBannerAndStoredSettingsSurvive) {
    for (const char* audio : {"dummy", "none"}) {
        SCOPED_TRACE(audio);
        // Music on at volume 100, high detail off; the reserved entries 2 and
        // 3 hold 9 and 7; entry 5 holds 300, of which only the low byte, 44,
        // is an effect volume.
        work.write("dat/config.dat", {1, 0, 0, 0, 0,   0, 0, 0, 9,  0, 0, 0,
                                      7, 0, 0, 0, 100, 0, 0, 0, 44, 1, 0, 0});
        const std::string output = run({"--Window", "--window"},
                                       {{100, press(SDLK_ESCAPE)}, {600, press(SDLK_ESCAPE)}}, audio);
        const size_t lineEnd = output.find('\n');
        ASSERT_NE(lineEnd, std::string::npos);
        EXPECT_EQ(output.substr(lineEnd + 1, 27), "Unknown parameter --Window\n") << output;
        EXPECT_EQ(output.find("You played for"), std::string::npos);
        EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, 9, 7, 100, 44}));
    }
}

// Without its dat/ folder, or with one it may not write to, the game plays
// on with defaults, writes nothing there and says so once for each kind of
// save that failed.
TEST_F(WholeRun, NoDatFolderOrAReadOnlyOneIsPlayedThroughAndLeftAsItWas) {
    std::filesystem::remove_all(work.path() / "dat");
    run({"--window"}, inAndOut());
    EXPECT_FALSE(std::filesystem::exists(work.path() / "dat"));
    EXPECT_EQ(countOf(errors(), "Settings could not be saved to dat/config.dat"), 1u) << errors();
    EXPECT_EQ(countOf(errors(), "Error writing crypted file!!"), 1u) << errors();

    if (!PermissionsBind().binds()) {
        GTEST_SKIP() << "permission bits cannot be made to bind this process";
    }
    const std::vector<unsigned char> stored{1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0,
                                            7, 0, 0, 0, 9, 0, 0, 0, 44, 0, 0, 0};
    work.write("dat/config.dat", stored);
    work.write("dat/pl1key_sdl.dat", std::vector<unsigned char>(64, 0));
    std::filesystem::permissions(work.path() / "dat", std::filesystem::perms(0555));
    run({"--window"}, inAndOut(), "dummy", [] { static const PermissionsBind bind; });
    EXPECT_EQ(work.read("dat/config.dat"), stored);
    EXPECT_EQ(work.read("dat/pl1key_sdl.dat"), std::vector<unsigned char>(64, 0));
    EXPECT_FALSE(std::filesystem::exists(work.path() / "dat/hiscore_1.dat"));
    EXPECT_EQ(countOf(errors(), "Settings could not be saved to dat/config.dat"), 1u) << errors();
    EXPECT_EQ(countOf(errors(), "Error writing crypted file!!"), 1u) << errors();
}

// Every save of a run fails while writing: each old file stays byte for
// byte and the game says so once for each.
// Every save of a run fails part of the way through writing, as on a full
// disk: each old file stays byte for byte and the game says so once for each.
TEST_F(WholeRun, SavesThatFailWhileWritingKeepEveryOldFile) {
    work.write("dat/pl1key_sdl.dat", std::vector<unsigned char>(64, 0));
    work.write("dat/pl2key_sdl.dat", std::vector<unsigned char>(64, 1));
    run({"--window"}, inAndOut());
    const char* names[] = {"config.dat", "pl1key_sdl.dat", "pl2key_sdl.dat", "hiscore_1.dat"};
    std::vector<std::vector<unsigned char>> before;
    for (const char* name : names) {
        before.push_back(work.read(std::string("dat/") + name));
    }
    const auto smallFilesOnly = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{kWritableBytes, kWritableBytes};
        setrlimit(RLIMIT_FSIZE, &tiny);
    };
    run({"--window"},
        {{100, press(SDLK_ESCAPE)},
         {600, press(SDLK_DOWN)},
         {800, press(SDLK_DOWN)},
         {1000, press(SDLK_RETURN)}, // "Setup"
         {1400, press(SDLK_RETURN)}, // "High detail" off
         {1600, press(SDLK_DOWN)},
         {1800, press(SDLK_DOWN)},
         {2000, press(SDLK_DOWN)},
         {2200, press(SDLK_DOWN)},
         {2400, press(SDLK_RETURN)},   // "Set keys"
         {2800, press(SDLK_ESCAPE)},   // leaves the keys, which are saved
         {3400, press(SDLK_ESCAPE)},   // leaves the setup
         {4000, press(SDLK_ESCAPE)}},  // and the game
        "dummy", smallFilesOnly);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(work.read(std::string("dat/") + names[i]), before[i]) << names[i];
    }
    const std::string& said = errors();
    EXPECT_EQ(countOf(said, "Settings could not be saved"), 1u) << said;
    EXPECT_EQ(countOf(said, "Key bindings could not be saved to dat/pl1key_sdl.dat"), 1u) << said;
    EXPECT_EQ(countOf(said, "Key bindings could not be saved to dat/pl2key_sdl.dat"), 1u) << said;
    EXPECT_EQ(countOf(said, "High scores could not be saved to dat/hiscore_1.dat"), 1u) << said;
}

// An empty music folder is reported; a missing one leaves the games their
// fallback piece. Either way a game is played, here without any joystick.
TEST_F(WholeRun, AnEmptyOrMissingMusicFolderAndNoJoystickStillPlayAGame) {
    for (bool empty : {true, false}) {
        SCOPED_TRACE(empty ? "empty music folder" : "no music folder");
        std::filesystem::remove(work.path() / "music");
        if (empty) {
            std::filesystem::create_directory(work.path() / "music");
        }
        const std::string output =
            run({"--window"},
                {{100, press(SDLK_ESCAPE)},
                 {600, press(SDLK_RETURN)}, // "One player"
                 {1500,
                  [] {
                      std::FILE* note = std::fopen("joysticks.txt", "w");
                      std::fprintf(note, "%d", SDL_NumJoysticks());
                      std::fclose(note);
                  }},
                 {1550, press(SDLK_ESCAPE)},
                 {7000, press(SDLK_ESCAPE)}});
        EXPECT_EQ(countOf(output, "No music files found!\n"), empty ? 1u : 0u) << output;
        EXPECT_NE(output.find("You played for "), std::string::npos) << output;
        EXPECT_EQ(work.read("joysticks.txt"), std::vector<unsigned char>{'0'});
    }
}

// Without a sound device the music switch shows OFF, and every press
// flips what it shows.
TEST_F(WholeRun, WithoutASoundDeviceTheMusicSwitchShowsOffAndEachPressFlipsIt) {
    std::string shown;
    const auto look = [&shown] { shown += currentGame->musicSwitch.isOn() != 0 ? '1' : '0'; };
    run({"--window"},
        {{100, press(SDLK_ESCAPE)},
         {600, press(SDLK_DOWN)},
         {800, press(SDLK_DOWN)},
         {1000, press(SDLK_RETURN)}, // "Setup"
         {1200, press(SDLK_DOWN)},   // "OGG-Music"
         {1400, look},
         {1500, press(SDLK_RETURN)},
         {1700, look},
         {1800, press(SDLK_RETURN)},
         {2000,
          [&] {
              look();
              std::FILE* note = std::fopen("shown.txt", "w");
              std::fputs(shown.c_str(), note);
              std::fclose(note);
          }},
         {2200, press(SDLK_ESCAPE)},
         {2800, press(SDLK_ESCAPE)}},
        "none");
    EXPECT_EQ(work.read("shown.txt"), (std::vector<unsigned char>{'0', '1', '0'}));
}

// A FIFO named like a sound or a piece of music would block the loading
// for ever; it is reported as missing and the game goes on.
TEST_F(WholeRun, AFifoInPlaceOfASoundOrAPieceIsPassedOver) {
    std::filesystem::remove(work.path() / "sounds");
    std::filesystem::create_directory(work.path() / "sounds");
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(KRAVEX_DATA_DIR) / "sounds")) {
        std::filesystem::create_symlink(entry.path(), work.path() / "sounds" / entry.path().filename());
    }
    for (const char* name : {"sounds/menu01.sl", "sounds/menu.ogg"}) {
        std::filesystem::remove(work.path() / name);
        ASSERT_EQ(mkfifo((work.path() / name).c_str(), 0644), 0);
    }
    run({"--window"}, inAndOut());
    EXPECT_NE(errors().find("Error: sounds/menu01"), std::string::npos) << errors();
    EXPECT_NE(errors().find("Couldn't load sounds/menu.ogg"), std::string::npos) << errors();
}

// Without a display the game says why on standard error and ends well.
TEST_F(WholeRun, NoDisplayIsReportedAndTheProgramEndsWithStatusZero) {
    cleanEnd = false;
    const std::string output = run({"--window"}, {}, "dummy", [] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
    });
    EXPECT_EQ(errors().rfind("Unable to init SDL!Unable to init SDL: ", 0), 0u) << errors();
    EXPECT_EQ(output.find("Cleaning up"), std::string::npos) << output;
}

} // namespace
