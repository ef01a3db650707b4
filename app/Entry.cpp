#include "app/Entry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/Game.h"
#include "app/Globals.h"

namespace {
constexpr int32_t kDisplayDepth = 16;
} // namespace

int32_t windowModeFromArguments(int argc, const char* const* argv) {
    if (argc < 2) {
        return kWindowModeUnset;
    }
    const char* option = argv[1];
    if (std::strcmp(option, "--fullscreen") == 0) {
        return kWindowModeFullScreen;
    }
    if (std::strcmp(option, "--window") == 0) {
        return kWindowModeWindow;
    }
    std::printf("Unknown parameter %s\n", option);
    return kWindowModeUnset;
}

int kravexMain(int argc, const char* const* argv, FrameClock* clock) {
    std::printf("Kravex II for Linux, Version 1.1L\n");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int32_t mode = windowModeFromArguments(argc, argv);
    Game* game = new Game();
    if (clock != nullptr) {
        game->clock = clock;
    }
    if (game->init(mode) && game->load(kDisplayDepth)) {
        game->run();
    }
    delete game;
    return 0;
}
