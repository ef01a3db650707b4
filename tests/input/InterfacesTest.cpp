#include "input/Interfaces.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "audio/AudioState.h"
#include "audio/MixerFixture.h"
#include "audio/ModMusic.h"
#include "input/Devices.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "support/TempDir.h"

namespace {

TEST(Interfaces, CreationBeforeSdlStartsMakesEveryDevice) {
    ASSERT_TRUE(createInterfaces());
    ASSERT_TRUE(inputFocus != nullptr && keyboard != nullptr && joystick != nullptr);
    EXPECT_EQ(inputFocus->current, nullptr);
    EXPECT_TRUE(keyboard->isOk());

    // Starting SDL afterwards, as the game does, keeps the joystick usable.
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    pumpEvents();
    EXPECT_FALSE(joystick->pad(0).anyOn() || joystick->pad(1).anyOn());
    destroyInterfaces();
    EXPECT_TRUE(keyboard == nullptr && joystick == nullptr && inputFocus == nullptr);
    destroyInterfaces();

    // Pumping without devices still drains the queue.
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_a;
    SDL_PushEvent(&event);
    pumpEvents();
    EXPECT_EQ(SDL_PollEvent(&event), 0);
    SDL_Quit();
}

// The mixer's end-of-music hook only raises a flag; the pump is where the
// main thread acts on it.
class PumpWithMusic : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        dir.write("music/short.wav", toneWav(80));
        currentMusic = new ModMusic(nullptr);
    }
    void TearDown() override {
        delete currentMusic;
        currentMusic = nullptr;
        MixerFixture::TearDown();
    }
    // Plays the piece to its end without pumping.
    void playToTheEnd() {
        currentMusic->play();
        ASSERT_TRUE(currentMusic->isLoaded());
        ASSERT_TRUE(waitUntilMusicIdle());
        ASSERT_EQ(Mix_PlayingMusic(), 0) << "nothing restarts on the mixer's thread";
    }
};

TEST_F(PumpWithMusic, OnlyALoopingPieceStartsAgainAtTheNextPumpAndOnlyOnce) {
    playToTheEnd();
    pumpEvents();
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "plain mode follows with nothing";
    // The pump took the flag: a later switch to loop mode finds no end left.
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    ModMusic::serviceFinished();
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    playToTheEnd();
    pumpEvents();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), currentMusic);
    // The flag is spent: stopping on purpose and pumping again must not
    // bring the piece back.
    currentMusic->stop();
    pumpEvents();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

} // namespace
