// Built into every program of the sanitizer build (game, tests, benchmarks).
//
// SDL 1.2 here is the compatibility layer over SDL 2, and SDL 2 keeps a few
// blocks from its start-up (hint and driver tables) that it never frees, even
// after SDL_Quit. LeakSanitizer would report them in every program that opens
// video or audio. Only allocations made inside SDL 2 itself are silenced; a
// leak of ours is still reported, whatever library it passes through.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libSDL2-2.0.so\n";
}

// The list of suppressions used would otherwise end every program's standard
// error, where tests read what the game said.
extern "C" const char* __lsan_default_options();

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
