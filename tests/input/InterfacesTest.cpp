#include "input/Interfaces.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "audio/AudioState.h"
#include "support/AudioFixture.h"
#include "audio/ModMusic.h"

namespace {

using PumpWithMusic = AudioFixture;

// The mixer's end-of-music hook only raises a flag; the pump is where the
// main thread acts on it (what it then does is the music's own rule).
TEST_F(PumpWithMusic, ALoopingPieceStartsAgainAtTheNextPump) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    dir.write("music/short.wav", toneWav(80));
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    currentMusic = new ModMusic(nullptr);
    currentMusic->play();
    EXPECT_TRUE(currentMusic->isLoaded() && waitUntilMusicIdle());
    pumpEvents();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    delete currentMusic;
    currentMusic = nullptr;
}

} // namespace
