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
#include "app/GameSession.h"
#include "support/AppFixture.h"
#include "support/Hostile.h"
#include "support/StoreFixture.h"

namespace {

// Less than any file the game saves.
constexpr rlim_t kWritableBytes = 16;

// The title, the main menu, and out.
std::vector<Step> inAndOut() {
    std::vector<Step> steps;
    addPresses(steps, 100, {SDLK_ESCAPE, SDLK_ESCAPE});
    return steps;
}

// Leaving at once plays nothing and prints no statistics. Stored settings
// survive, and without a sound device the stored music choice is kept.
TEST_F(WholeRun, UnknownOptionAfterTheBannerAndStoredSettingsSurvive) {
    for (const char* audio : {"dummy", "none"}) {
        SCOPED_TRACE(audio);
        // Music on at volume 100, high detail off; the reserved entries 2 and
        // 3 hold 9 and 7; entry 5 holds 300, of which only the low byte, 44,
        // is an effect volume.
        work.write("dat/config.dat",
                   {1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 7, 0, 0, 0, 100, 0, 0, 0, 44, 1, 0, 0});
        const std::string output = run({"--Window", "--window"}, inAndOut(), audio);
        EXPECT_EQ(output.substr(output.find('\n') + 1, 27), "Unknown parameter --Window\n")
            << output;
        EXPECT_EQ(output.find("You played for"), std::string::npos);
        EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, 9, 7, 100, 44}));
    }
}

// Without its dat/ folder, with one it may not write to, or with a disk that
// fills part of the way through every save, the game plays on with what it
// has, keeps every old file byte for byte and says so once for each kind of
// save that failed.
TEST_F(WholeRun, AMissingReadOnlyOrFullDatFolderKeepsEveryOldFileAndSaysSoOnce) {
    // "Setup", "High detail" off, "Set keys", and out: the keys are saved, then the setup.
    std::vector<Step> throughTheKeys;
    addPresses(throughTheKeys, 100,
               {SDLK_ESCAPE, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_DOWN, SDLK_DOWN,
                SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE, SDLK_ESCAPE, SDLK_ESCAPE});
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
        {"read-only", [&] { plant(0555); }, [] { static const PermissionsBind binding; },
         {settings, crypted}},
        {"full disk", [&] { plant(0755); }, [] { static const FileSizeCap cap(kWritableBytes); },
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
// fallback piece. Either way a game is played.
TEST_F(WholeRun, AnEmptyOrMissingMusicFolderStillPlaysAGame) {
    for (bool empty : {true, false}) {
        SCOPED_TRACE(empty ? "empty music folder" : "no music folder");
        std::filesystem::remove(work.path() / "music");
        if (empty) {
            std::filesystem::create_directory(work.path() / "music");
        }
        std::vector<Step> steps;
        addPresses(steps, 100, {SDLK_ESCAPE, SDLK_RETURN}); // "One player"
        addPresses(steps, 1550, {SDLK_ESCAPE});
        addPresses(steps, 7000, {SDLK_ESCAPE});
        const std::string output = run({"--window"}, steps);
        EXPECT_EQ(countOf(output, "No music files found!\n"), empty ? 1u : 0u) << output;
        EXPECT_NE(output.find("You played for "), std::string::npos) << output;
    }
}

// A FIFO named like a sound or a piece of music would block the loading
// for ever; it is reported as missing and the game goes on.
TEST_F(WholeRun, AFifoInPlaceOfASoundOrAPieceIsPassedOver) {
    std::filesystem::remove(work.path() / "sounds");
    std::filesystem::create_directory(work.path() / "sounds");
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(KRAVEX_DATA_DIR) / "sounds")) {
        std::filesystem::create_symlink(entry.path(),
                                        work.path() / "sounds" / entry.path().filename());
    }
    for (const char* name : {"sounds/menu01.sl", "sounds/menu.ogg"}) {
        std::filesystem::remove(work.path() / name);
        makeFifo(work.file(name));
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
    const struct {
        const char* screen;
        std::vector<SDLKey> keys; // from the title on
        std::vector<Step> more;
        const char* table; // how the table starts, or null
    } cases[] = {
        {"title", {}, {}, nullptr},
        {"main menu", {SDLK_ESCAPE}, {}, nullptr},
        {"close button", {SDLK_ESCAPE}, {}, nullptr},
        {"game", {SDLK_ESCAPE, SDLK_RETURN}, {{1500, [] { WholeRun::running->session().setScore(42); }}}, "42\nMister X\n"},
        {"pause", {SDLK_ESCAPE, SDLK_RETURN}, {{1500, keyPress(SDLK_F1)}}, nullptr},
        {"name entry", {SDLK_ESCAPE, SDLK_RETURN},
         {{1500, [] { WholeRun::running->session().setScore(42); }}, {1550, keyPress(SDLK_ESCAPE)}, {6000, keyPress(SDLK_a)},
          {6100, keyPress(SDLK_ESCAPE)}, {6200, keyPress(SDLK_b)}},
         "42\nab\n"}, // an Escape typed into the name neither quits nor ends it
        {"setup", {SDLK_ESCAPE, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}, {}, nullptr},
        {"help", {SDLK_ESCAPE, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_RETURN}, {}, nullptr},
        {"replays", {SDLK_ESCAPE, SDLK_UP, SDLK_UP, SDLK_RETURN}, {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        std::filesystem::remove(work.path() / "dat/config.dat");
        std::filesystem::remove(work.path() / "dat/hiscore_1.dat");
        std::vector<Step> steps = c.more;
        addPresses(steps, 100, c.keys);
        uint32_t end = 400;
        for (const Step& step : steps) {
            end = std::max(end, step.at + 400);
        }
        const bool closing = std::string(c.screen) == "close button";
        steps.push_back({end, closing ? pushQuit : [] { kill(getpid(), SIGTERM); }});
        const std::string output = run({"--window"}, steps);
        EXPECT_EQ(output.rfind("Kravex II for Linux, Version 1.1L\n", 0), 0u) << output;
        EXPECT_LE(endedAt(), end + 2 * kFrameMs) << "no screen may wait";
        EXPECT_EQ(settings().size(), 6u);
        if (c.table != nullptr) {
            const std::string table = readEnciphered(work, "dat/hiscore_1.dat");
            EXPECT_EQ(table.rfind(c.table, 0), 0u) << table;
        }
    }
}

// Two Escapes in quick succession on the title leave the player in the main
// menu; two short games then count their time to the millisecond, so the
// frame rate cannot pass 20.
TEST_F(WholeRun, StrayEscapesStayOutOfTheMainMenuAndShortGamesAddUp) {
    std::vector<Step> steps{{150, keyPress(SDLK_ESCAPE)}};
    addPresses(steps, 100, {SDLK_ESCAPE, SDLK_RETURN, SDLK_ESCAPE}); // "One player"
    addPresses(steps, 5000, {SDLK_RETURN, SDLK_ESCAPE});
    addPresses(steps, 9000, {SDLK_ESCAPE});
    const std::string output = run({"--window"}, steps);
    int seconds = 0;
    int fps = 0;
    const size_t line = output.find("You played for ");
    ASSERT_NE(line, std::string::npos) << "no game was played: " << output;
    ASSERT_EQ(
        std::sscanf(output.c_str() + line, "You played for %d seconds with %d fps", &seconds, &fps),
        2);
    EXPECT_GE(seconds, 2);
    EXPECT_LE(fps, 20) << output;
}

} // namespace
