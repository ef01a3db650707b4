#pragma once

#include <cstdint>

// The window mode the command line asks for: only the first argument counts.
// An unknown one is reported on standard output and leaves the mode unset.
int32_t windowModeFromArguments(int argc, const char* const* argv);

class FrameClock;

// The whole program: banner, seeding, options, then init, load and run.
// Every screen reads the given clock, or the system's without one.
int kravexMain(int argc, const char* const* argv, FrameClock* clock = nullptr);
