#include "input/Interfaces.h"

#include <SDL_mixer.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "app/Console.h"
#include "app/Detector.h"
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

TEST(Interfaces, CreationBeforeSdlStartsMakesEveryDeviceAndFullVolumes) {
    audioEnabled = 0;
    sfxVolume = 0;
    musicVolume = 0;
    ASSERT_TRUE(createInterfaces());
    ASSERT_NE(inputFocus, nullptr);
    EXPECT_EQ(inputFocus->current, nullptr);
    EXPECT_NE(detector, nullptr);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(keyboard->isOk());
    ASSERT_NE(joystick, nullptr);
    EXPECT_EQ(audioEnabled, 1);
    EXPECT_EQ(sfxVolume, 255);
    EXPECT_EQ(musicVolume, 255);

    // Starting SDL afterwards, as the game does, keeps the joystick usable.
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    pumpEvents();
    EXPECT_FALSE(joystick->anyOn());

    destroyInterfaces();
    EXPECT_EQ(keyboard, nullptr);
    EXPECT_EQ(joystick, nullptr);
    EXPECT_EQ(inputFocus, nullptr);
    EXPECT_EQ(detector, nullptr);
    SDL_Quit();
}

TEST(Interfaces, PumpingWithoutDevicesIsHarmless) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
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
        std::filesystem::create_directories(dir.path() / "music");
        dir.write("music/short.wav", toneWav(kShortPieceMs));
        here = std::make_unique<WorkingDir>(dir.path());
    }
    void TearDown() override {
        delete currentMusic;
        currentMusic = nullptr;
        here.reset();
        MixerFixture::TearDown();
    }

    static constexpr int kShortPieceMs = 80;
    TempDir dir;
    std::unique_ptr<WorkingDir> here;
};

TEST_F(PumpWithMusic, AFinishedLoopingPieceStartsAgainAtTheNextPump) {
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    currentMusic = new ModMusic(nullptr);
    currentMusic->play();
    ASSERT_TRUE(currentMusic->isLoaded());
    ASSERT_TRUE(waitUntilMusicIdle());
    ASSERT_EQ(Mix_PlayingMusic(), 0) << "nothing restarts on the mixer's thread";
    pumpEvents();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(ModMusic::getNowPlaying(), currentMusic);

    // The flag is spent: stopping the piece on purpose and pumping again
    // must not bring it back.
    currentMusic->stop();
    pumpEvents();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(PumpWithMusic, AFinishedPieceIsNotFollowedInPlainMode) {
    currentMusic = new ModMusic(nullptr);
    currentMusic->play();
    ASSERT_TRUE(currentMusic->isLoaded());
    ASSERT_TRUE(waitUntilMusicIdle());
    pumpEvents();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    // The pump took the flag: a later switch to loop mode finds no end
    // left to replay.
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    ModMusic::serviceFinished();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST(InterfacesTeardown, TheStartUpConsoleGoesWithTheDisplay) {
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
        EXPECT_EQ(console, nullptr);
        EXPECT_EQ(screen, nullptr);
        EXPECT_EQ(keyboard, nullptr);
        EXPECT_EQ(detector, nullptr);
        EXPECT_EQ(joystick, nullptr);
        EXPECT_EQ(inputFocus, nullptr);
        GBase::print("after the console is gone");
    }
    SDL_Quit();
}

TEST(InterfacesTeardown, NothingPresentIsFine) {
    destroyInterfaces();
    destroyInterfaces();
    EXPECT_EQ(console, nullptr);
    EXPECT_EQ(screen, nullptr);
}

} // namespace
