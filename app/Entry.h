#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What the command line asks for: a window mode, and a replay to prove
// instead of the front end. The first argument is the mode, or "--replay"
// and its file followed by the mode; anything else is reported on standard
// output as unknown and leaves the mode unset.
struct CommandLine {
    int32_t windowMode = 0;
    std::string replayFile;
};
CommandLine commandLineFrom(int argc, const char* const* argv);

class FrameClock;
class Game;

// The whole program: banner, seeding, options, then init, load and run; or,
// for a replay, init, load and its playback without waiting, exiting 0 when
// it reaches the recorded score and frames and 1 otherwise.
// Every screen reads the given clock, or the system's without one; `made`,
// when given, is shown the game as soon as it exists, so that a test's clock
// can reach into the game it drives.
int kravexMain(int argc, const char* const* argv, FrameClock* clock = nullptr,
               const std::function<void(Game&)>& made = {});
