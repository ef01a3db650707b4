#include "support/LoadedGame.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <filesystem>

#include "app/Globals.h"

namespace {
std::filesystem::path linkedData(const TempDir& work) {
    for (const char* dir : {"pics", "sounds", "music"}) {
        std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / dir,
                                                  work.path() / dir);
    }
    std::filesystem::create_directory(work.path() / "dat");
    return work.path();
}
} // namespace

LoadedGame::LoadedGame() : here(linkedData(work)), game(new Game()) {
    game->clock = &clock;
    ready = game->init(kWindowModeWindow) && game->load(16);
}

LoadedGame::~LoadedGame() {
    delete game;
    if (audioOpen != 0) {
        Mix_CloseAudio();
        audioOpen = 0;
    }
    SDL_Quit();
}

void pressKey(SDLKey key) {
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.type = type;
        event.key.type = type;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
}
