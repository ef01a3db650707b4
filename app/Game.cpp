#include "app/Game.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/Console.h"
#include "app/GameSession.h"
#include "app/Pause.h"
#include "app/SettingsFile.h"
#include "audio/Sound.h"
#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Detector.h"
#include "gfx/FlowFader.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "gfx/Light.h"
#include "input/GuideKeys.h"
#include "input/InputDevices.h"
#include "input/Joystick.h"
#include "input/QuitRequest.h"
#include "store/ReplayStore.h"
#include "store/ScoreComment.h"
#include "ui/HighScoreTable.h"
#include "ui/Menu.h"
#include "world/LevelTable.h"

namespace {

constexpr uint8_t kFullVolume = 255;
constexpr int kMusicFadeMs = 1500;
} // namespace

Game::Game() {
    QuitRequest::clear();
}

Game::~Game() {
    // The player's last choices go into the settings, saved as they close.
    if (light != nullptr && settings != nullptr) {
        settings->set(kSettingHighDetail, light->isOn() ? 1 : 0);
    }
    stopMusic();
    if (settings != nullptr) {
        settings->set(kSettingSfxVolume, audio.sfxVolume);
    }
}

void Game::replaceMusic(const char* name) {
    if (currentMusic != nullptr) {
        currentMusic->stop();
    }
    currentMusic = std::make_unique<ModMusic>(audio, name);
}

void Game::stopMusic() {
    if (currentMusic == nullptr) {
        return;
    }
    // Without a sound device the music objects switch the music off; that is
    // no choice of the player's, so the stored one is kept.
    if (settings != nullptr && audio.deviceOpen) {
        settings->set(kSettingMusicOn, audio.musicOn);
        settings->set(kSettingMusicVolume, audio.musicVolume);
    }
    currentMusic->stop();
    currentMusic.reset();
}

namespace {
// The process whose exit cleans up; none once it has. A process forked from
// one that set SDL up inherits its exit handler, but not the duty: it cleans
// up only after setting SDL up itself.
pid_t cleanUpOwner = 0;

void queueCleanUp() {
    if (cleanUpOwner != getpid()) {
        cleanUpOwner = getpid();
        std::atexit(cleanUp);
    }
}
} // namespace

bool Game::init(int32_t mode) {
    windowMode = mode;
    devices = std::make_unique<InputDevices>();
    audio.effectsOn = 1;
    audio.sfxVolume = kFullVolume;
    audio.musicVolume = kFullVolume;
    devices->joystick().useClock(clock);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        error("Unable to init SDL!");
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        return false;
    }
    // Sound and joysticks are started one by one: SDL over SDL 2 refuses the
    // whole start when one of them is missing, and the game plays without
    // either (the sound device is opened, or not, later).
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    // After SDL's start, which puts handlers of its own on two of them.
    QuitRequest::catchSignals();
    queueCleanUp();
    Detector detector;
    detector.probe(kScreenWidth, kScreenHeight);
    Detector::defaultScaling(kScreenWidth, kScreenHeight);
    if (!detector.has8Bit && !detector.has16Bit && !detector.has24Bit) {
        error("This game needs 640x480 display mode with 8, 16 or 24 bit colors. "
              "Your system cannot use any of these modes.");
        return false;
    }
    if (windowMode == kWindowModeUnset) {
        windowMode = detector.chooseWindowMode();
    }
    settings = std::make_unique<SettingsFile>("dat/config.dat", kSettingsCount);
    const int32_t volume = settings->get(kSettingSfxVolume);
    if (volume == SettingsFile::kUnset) {
        sfxSwitch.setLevel(kFullVolume);
        audio.sfxVolume = kFullVolume;
    } else {
        audio.sfxVolume = static_cast<uint8_t>(volume & 0xFF);
    }
    SDL_ShowCursor(0);
    frameTimer = std::make_unique<FrameTimer>(kFrameMs, *clock);
    return true;
}


void cleanUp() {
    if (cleanUpOwner != getpid()) {
        return;
    }
    cleanUpOwner = 0;
    std::printf("Cleaning up..\n");
    // The game is gone by now, so the mixer itself says whether it is open.
    const bool audioOpen = Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
    // A program told to quit leaves at once rather than fading its music.
    if (audioOpen && Mix_PlayingMusic() && !QuitRequest::isRaised()) {
        Mix_FadeOutMusic(kMusicFadeMs);
        SDL_Delay(kMusicFadeMs);
    }
    if (audioOpen) {
        Mix_CloseAudio();
    }
    SDL_Quit();
    std::printf("Have a nice day!\n");
    std::fflush(stdout);
}
