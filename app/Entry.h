#pragma once

#include <cstdint>

// The window mode the command line asks for: only the first argument counts.
// An unknown one is reported on standard output and leaves the mode unset.
int32_t windowModeFromArguments(int argc, const char* const* argv);

// The whole program: banner, seeding, options, then init, load and run.
int kravexMain(int argc, const char* const* argv);
