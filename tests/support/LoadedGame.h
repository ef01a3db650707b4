#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/Game.h"
#include "app/Globals.h"
#include "gfx/SteppedClock.h"
#include "support/TempDir.h"

// A press and release of the key, as SDL events the game's pump reads.
inline void pressKey(SDLKey key) {
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.type = type;
        event.key.type = type;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
}

// One loaded game shared by a suite, on a stepped clock, in a folder of its
// own with links to the built pictures, sounds and music and an empty dat/:
// loading takes a second, and the settings written on the way out stay there.
class LoadedGame : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        work = new TempDir();
        for (const char* dir : {"pics", "sounds", "music"}) {
            std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / dir,
                                                      work->path() / dir);
        }
        std::filesystem::create_directory(work->path() / "dat");
        here = new WorkingDir(work->path());
        game = new Game();
        game->clock = &clock;
        ready = game->init(kWindowModeWindow) && game->load(16);
    }
    static void TearDownTestSuite() {
        delete game;
        // The last game's playfield picture goes with the game, while SDL runs.
        EXPECT_EQ(background, nullptr);
        if (audioOpen != 0) {
            Mix_CloseAudio();
            audioOpen = 0;
        }
        SDL_Quit();
        delete here;
        delete work;
    }
    void SetUp() override { ASSERT_TRUE(ready); }

    static inline TempDir* work = nullptr;
    static inline WorkingDir* here = nullptr;
    static inline Game* game = nullptr;
    static inline SteppedClock clock;
    static inline bool ready = false;
};
