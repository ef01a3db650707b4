// The whole program through real SDL events in a child process, with a clock
// of its own that presses the keys: a game, a name typed into the table, the
// setup and key screens, hostile folders, and every way out. Then what it
// printed and stored.
#include <SDL.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "app/Game.h"
#include "app/Globals.h"
#include "store/CipherFiles.h"
#include "support/AppFixture.h"
#include "support/Hostile.h"

namespace {

// The title, the main menu, and out.
std::vector<Step> inAndOut() {
    return {{100, keyPress(SDLK_ESCAPE)}, {600, keyPress(SDLK_ESCAPE)}};
}

TEST_F(WholeRun, AGameANameTheSetupAndTheKeysReachTheFiles) {
    const std::string output = run(
        {"--window"},
        {{100, keyPress(SDLK_ESCAPE)},  // the title
         {600, keyPress(SDLK_RETURN)},  // "One player"
         {1500, [] { score = 42; }},
         {1550, keyPress(SDLK_ESCAPE)},  // giving up; the debris lands
         {6000, keyPress(SDLK_a)},       // the name
         {6050, keyPress(SDLK_ESCAPE)},  // typed into the name, it must not quit
         {6100, keyPress(SDLK_c)},
         {6200, keyPress(SDLK_e)},
         {6400, keyPress(SDLK_RETURN)},
         {7000, keyPress(SDLK_DOWN)},
         {7200, keyPress(SDLK_DOWN)},
         {7400, keyPress(SDLK_RETURN)},  // "Setup"
         {7800, keyPress(SDLK_RETURN)},  // "High detail" off
         {8000, keyPress(SDLK_DOWN)},
         {8200, keyPress(SDLK_DOWN)},
         {8400, keyPress(SDLK_DOWN)},
         {8600, keyPress(SDLK_DOWN)},
         {8800, keyPress(SDLK_RETURN)},  // "Set keys"
         {9200, keyPress(SDLK_RETURN)},  // "Player 1 left" waits for a key
         {9500, keyPress(SDLK_j)},       // taken; "Player 1 right" waits
         {9800, keyPress(SDLK_ESCAPE)},  // keeps right, leaves the keys
         {10400, keyPress(SDLK_ESCAPE)}, // leaves the setup
         {11000, keyPress(SDLK_UP)},
         {11200, keyPress(SDLK_UP)},
         {11300, keyPress(SDLK_UP)},
         {11400, keyPress(SDLK_RETURN)}}); // "Exit game", then the credits
    EXPECT_EQ(output.rfind("Kravex II", 0), 0u) << output;
    const size_t played = output.find("You played for ");
    ASSERT_NE(played, std::string::npos) << output;
    EXPECT_EQ(output.find('\n', played) + 1, output.find("Cleaning up..\n")) << output;
    EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, -1, -1, 255, 255}));
    const std::vector<unsigned char> keys = work.read("dat/pl1key_sdl.dat");
    ASSERT_GE(keys.size(), 8u);
    EXPECT_EQ(std::vector<unsigned char>(keys.begin(), keys.begin() + 8),
              (std::vector<unsigned char>{SDLK_j, 0, 0, 0, SDLK_RIGHT & 0xFF, SDLK_RIGHT >> 8, 0, 0}));
    const std::string table = readEnciphered(work, "dat/hiscore_1.dat");
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
                                       {{100, keyPress(SDLK_ESCAPE)}, {600, keyPress(SDLK_ESCAPE)}}, audio);
        const size_t lineEnd = output.find('\n');
        ASSERT_NE(lineEnd, std::string::npos);
        EXPECT_EQ(output.substr(lineEnd + 1, 27), "Unknown parameter --Window\n") << output;
        EXPECT_EQ(output.find("You played for"), std::string::npos);
        EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, 9, 7, 100, 44}));
    }
}

// Without its dat/ folder, with one it may not write to, or with a disk that
// fills part of the way through every save, the game plays on with what it
// has, keeps every old file byte for byte and says so once for each kind of
// save that failed.
TEST_F(WholeRun, AMissingReadOnlyOrFullDatFolderKeepsEveryOldFileAndSaysSoOnce) {
    const std::vector<Step> throughTheKeys{
        {100, keyPress(SDLK_ESCAPE)},  {600, keyPress(SDLK_DOWN)},    {800, keyPress(SDLK_DOWN)},
        {1000, keyPress(SDLK_RETURN)}, // "Setup"
        {1400, keyPress(SDLK_RETURN)}, // "High detail" off
        {1600, keyPress(SDLK_DOWN)},   {1800, keyPress(SDLK_DOWN)},   {2000, keyPress(SDLK_DOWN)},
        {2200, keyPress(SDLK_DOWN)},   {2400, keyPress(SDLK_RETURN)}, // "Set keys"
        {2800, keyPress(SDLK_ESCAPE)}, // leaves the keys, which are saved
        {3400, keyPress(SDLK_ESCAPE)}, // leaves the setup
        {4000, keyPress(SDLK_ESCAPE)}};
    const auto bind = [] { static const PermissionsBind binding; };
    const auto smallFilesOnly = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{kWritableBytes, kWritableBytes};
        setrlimit(RLIMIT_FSIZE, &tiny);
    };
    const auto plant = [this](mode_t folder) {
        work.write("dat/pl1key_sdl.dat", std::vector<unsigned char>(64, 0));
        work.write("dat/pl2key_sdl.dat", std::vector<unsigned char>(64, 1));
        run({"--window"}, inAndOut()); // every other file, as the game makes it
        std::filesystem::permissions(work.path() / "dat", std::filesystem::perms(folder));
    };
    const std::string settings = "Settings could not be saved to dat/config.dat";
    const std::string crypted = "Error writing crypted file!!";
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::function<void()> inChild;
        std::vector<std::string> said;
    } cases[] = {
        {"no dat folder", [this] { std::filesystem::remove_all(work.path() / "dat"); }, {},
         {settings, crypted}},
        {"read-only", [&] { plant(0555); }, bind, {settings, crypted}},
        {"full disk", [&] { plant(0755); }, smallFilesOnly,
         {settings, "Key bindings could not be saved to dat/pl1key_sdl.dat",
          "Key bindings could not be saved to dat/pl2key_sdl.dat",
          "High scores could not be saved to dat/hiscore_1.dat"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.what) == "read-only" && !PermissionsBind().binds()) {
            continue; // permission bits cannot be made to bind this process
        }
        c.prepare();
        std::map<std::string, std::vector<unsigned char>> before;
        for (const char* name : {"config.dat", "pl1key_sdl.dat", "pl2key_sdl.dat", "hiscore_1.dat"}) {
            before[name] = work.read(std::string("dat/") + name);
        }
        const bool hadDat = std::filesystem::exists(work.path() / "dat");
        run({"--window"}, throughTheKeys, "dummy", c.inChild);
        EXPECT_EQ(std::filesystem::exists(work.path() / "dat"), hadDat);
        for (const auto& [name, bytes] : before) {
            EXPECT_EQ(work.read("dat/" + name), bytes) << name;
        }
        for (const std::string& message : c.said) {
            EXPECT_EQ(countOf(errors(), message), 1u) << message << "\n" << errors();
        }
        std::filesystem::create_directory(work.path() / "dat");
        std::filesystem::permissions(work.path() / "dat", std::filesystem::perms(0755));
    }
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
                {{100, keyPress(SDLK_ESCAPE)},
                 {600, keyPress(SDLK_RETURN)}, // "One player"
                 {1500, [] { note("joysticks.txt", std::to_string(SDL_NumJoysticks())); }},
                 {1550, keyPress(SDLK_ESCAPE)},
                 {7000, keyPress(SDLK_ESCAPE)}});
        EXPECT_EQ(countOf(output, "No music files found!\n"), empty ? 1u : 0u) << output;
        EXPECT_NE(output.find("You played for "), std::string::npos) << output;
        EXPECT_EQ(text("joysticks.txt"), "0");
        std::filesystem::remove(work.path() / "joysticks.txt");
    }
}

// Without a sound device the music switch shows OFF, and every press
// flips what it shows.
TEST_F(WholeRun, WithoutASoundDeviceTheMusicSwitchShowsOffAndEachPressFlipsIt) {
    const auto look = [] { note("shown.txt", currentGame->musicSwitch.isOn() != 0 ? "1" : "0"); };
    run({"--window"},
        {{100, keyPress(SDLK_ESCAPE)},
         {600, keyPress(SDLK_DOWN)},
         {800, keyPress(SDLK_DOWN)},
         {1000, keyPress(SDLK_RETURN)}, // "Setup"
         {1200, keyPress(SDLK_DOWN)},   // "OGG-Music"
         {1400, look},
         {1500, keyPress(SDLK_RETURN)},
         {1700, look},
         {1800, keyPress(SDLK_RETURN)},
         {2000, look},
         {2200, keyPress(SDLK_ESCAPE)},
         {2800, keyPress(SDLK_ESCAPE)}},
        "none");
    EXPECT_EQ(text("shown.txt"), "010");
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

TEST_F(WholeRun, AQuitRequestOnAnyScreenEndsTheRunWithinAFrameAndSavesEverything) {
    const auto quit = [] { kill(getpid(), SIGTERM); };
    const Step intoTheMenu{100, keyPress(SDLK_ESCAPE)};
    const Step intoAGame{600, keyPress(SDLK_RETURN)};
    const Step scoring{1500, [] { score = 42; }};
    const struct {
        const char* screen;
        std::vector<Step> steps;
        const char* table; // how the table starts, or null
    } cases[] = {
        {"title", {{100, quit}}, nullptr},
        {"main menu", {intoTheMenu, {800, quit}}, nullptr},
        {"close button", {intoTheMenu, {800, pushQuit}}, nullptr},
        {"game", {intoTheMenu, intoAGame, scoring, {1600, quit}}, "42\nMister X\n"},
        {"pause", {intoTheMenu, intoAGame, {1500, keyPress(SDLK_F1)}, {2000, quit}}, nullptr},
        {"name entry",
         {intoTheMenu, intoAGame, scoring, {1550, keyPress(SDLK_ESCAPE)}, {6000, keyPress(SDLK_a)},
          {6100, keyPress(SDLK_b)}, {6500, quit}},
         "42\nab\n"},
        {"setup",
         {intoTheMenu, {600, keyPress(SDLK_DOWN)}, {800, keyPress(SDLK_DOWN)}, {1000, keyPress(SDLK_RETURN)},
          {1400, quit}},
         nullptr},
        {"help",
         {intoTheMenu, {600, keyPress(SDLK_UP)}, {700, keyPress(SDLK_UP)}, {800, keyPress(SDLK_UP)},
          {1000, keyPress(SDLK_RETURN)}, {1400, quit}},
         nullptr},
        {"replays",
         {intoTheMenu, {600, keyPress(SDLK_UP)}, {800, keyPress(SDLK_UP)}, {1000, keyPress(SDLK_RETURN)},
          {1400, quit}},
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        std::filesystem::remove(work.path() / "dat/config.dat");
        std::filesystem::remove(work.path() / "dat/hiscore_1.dat");
        const std::string output = run({"--window"}, c.steps);
        EXPECT_EQ(output.rfind("Kravex II for Linux, Version 1.1L\n", 0), 0u) << output;
        EXPECT_LE(endedAt(), c.steps.back().at + 2 * kFrameMs) << "no screen may wait";
        EXPECT_EQ(settings().size(), 6u);
        if (c.table != nullptr) {
            const std::string table = readEnciphered(work, "dat/hiscore_1.dat");
            EXPECT_EQ(table.rfind(c.table, 0), 0u) << table;
        }
    }
}

// Two Escapes in quick succession on the title, or one in the last frame
// of a game, leave the player in the main menu; two short games then count
// their time to the millisecond, so the frame rate cannot pass 20.
TEST_F(WholeRun, StrayEscapesStayOutOfTheMainMenuAndShortGamesAddUp) {
    const std::string output = run(
        {"--window"},
        {{100, keyPress(SDLK_ESCAPE)},
         {150, keyPress(SDLK_ESCAPE)},
         {1000, keyPress(SDLK_RETURN)}, // "One player"
         {1400, keyPress(SDLK_ESCAPE)},
         {5000, keyPress(SDLK_RETURN)},
         {5400, keyPress(SDLK_ESCAPE)},
         {9000, keyPress(SDLK_ESCAPE)}});
    int seconds = 0;
    int fps = 0;
    const size_t line = output.find("You played for ");
    ASSERT_NE(line, std::string::npos) << "no game was played: " << output;
    ASSERT_EQ(std::sscanf(output.c_str() + line, "You played for %d seconds with %d fps", &seconds,
                          &fps),
              2);
    EXPECT_GE(seconds, 2);
    EXPECT_LE(fps, 20) << output;
}

} // namespace
