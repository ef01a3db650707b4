#include "input/Interfaces.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "app/Console.h"
#include "app/GBase.h"
#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "audio/ModMusic.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "support/TempDir.h"

namespace {

bool everyInterfaceGone() {
    return console == nullptr && screen == nullptr && keyboard == nullptr && detector == nullptr &&
           joystick == nullptr && inputFocus == nullptr;
}

TEST(Interfaces, CreationBeforeSdlStartsMakesEveryDeviceAndFullVolumes) {
    audioEnabled = sfxVolume = musicVolume = 0;
    ASSERT_TRUE(createInterfaces());
    ASSERT_TRUE(inputFocus != nullptr && keyboard != nullptr && joystick != nullptr);
    EXPECT_EQ(inputFocus->current, nullptr);
    EXPECT_NE(detector, nullptr);
    EXPECT_TRUE(keyboard->isOk());
    EXPECT_EQ(audioEnabled, 1);
    EXPECT_EQ(sfxVolume, 255);
    EXPECT_EQ(musicVolume, 255);

    // Starting SDL afterwards, as the game does, keeps the joystick usable.
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    pumpEvents();
    EXPECT_FALSE(joystick->pad(0).anyOn() || joystick->pad(1).anyOn());
    destroyInterfaces();
    EXPECT_TRUE(everyInterfaceGone());
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

TEST(Interfaces, TheStartUpConsoleGoesWithTheDisplay) {
    ASSERT_TRUE(createInterfaces());
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    {
        WorkingDir data(KRAVEX_DATA_DIR);
        screen = new Buffer(640, 480, 16, kWindowModeWindow);
        ASSERT_TRUE(screen->isReady()) << SDL_GetError();
        Font font("pics/font_babylon_deco", 610, 122);
        console = new Console(640, 480, "pics/console", &font);
        console->addLine("Loading keys.");
        // The leak checker of the sanitizer build sees a console left behind.
        destroyInterfaces();
        EXPECT_TRUE(everyInterfaceGone());
        GBase::print("after the console is gone");
    }
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
