// Leaving the program: a quit request (the window's close button, SIGTERM)
// on any screen, and Escapes that must not leave it by accident.
#include <SDL.h>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Globals.h"
#include "app/WholeRun.h"

namespace {

TEST_F(WholeRun, AQuitRequestOnAnyScreenEndsTheRunWithinAFrameAndSavesEverything) {
    const auto quit = [] { kill(getpid(), SIGTERM); };
    const Step intoTheMenu{100, press(SDLK_ESCAPE)};
    const Step intoAGame{600, press(SDLK_RETURN)};
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
        {"pause", {intoTheMenu, intoAGame, {1500, press(SDLK_F1)}, {2000, quit}}, nullptr},
        {"name entry",
         {intoTheMenu, intoAGame, scoring, {1550, press(SDLK_ESCAPE)}, {6000, press(SDLK_a)},
          {6100, press(SDLK_b)}, {6500, quit}},
         "42\nab\n"},
        {"setup",
         {intoTheMenu, {600, press(SDLK_DOWN)}, {800, press(SDLK_DOWN)}, {1000, press(SDLK_RETURN)},
          {1400, quit}},
         nullptr},
        {"help",
         {intoTheMenu, {600, press(SDLK_UP)}, {700, press(SDLK_UP)}, {800, press(SDLK_UP)},
          {1000, press(SDLK_RETURN)}, {1400, quit}},
         nullptr},
        {"replays",
         {intoTheMenu, {600, press(SDLK_UP)}, {800, press(SDLK_UP)}, {1000, press(SDLK_RETURN)},
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
            EXPECT_EQ(deciphered("dat/hiscore_1.dat").rfind(c.table, 0), 0u)
                << deciphered("dat/hiscore_1.dat");
        }
    }
}

// Two Escapes in quick succession on the title, or one in the last frame
// of a game, leave the player in the main menu; two short games then count
// their time to the millisecond, so the frame rate cannot pass 20.
TEST_F(WholeRun, StrayEscapesStayOutOfTheMainMenuAndShortGamesAddUp) {
    const std::string output = run(
        {"--window"},
        {{100, press(SDLK_ESCAPE)},
         {150, press(SDLK_ESCAPE)},
         {1000, press(SDLK_RETURN)}, // "One player"
         {1400, press(SDLK_ESCAPE)},
         {5000, press(SDLK_RETURN)},
         {5400, press(SDLK_ESCAPE)},
         {9000, press(SDLK_ESCAPE)}});
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
