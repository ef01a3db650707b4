#include "app/Game.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>

#include "app/Detector.h"
#include "app/Globals.h"
#include "app/SettingsFile.h"
#include "gfx/Buffer.h"
#include "gfx/FrameTimer.h"
#include "input/Interfaces.h"

namespace {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr uint32_t kFrameMs = 50;
constexpr int32_t kSettingsCount = 6;
constexpr int32_t kSettingSfxVolume = 5;
constexpr uint8_t kFullVolume = 255;
constexpr int kMusicFadeMs = 1500;

} // namespace

Game::Game() {
    currentGame = this;
    screen = nullptr;
    background = nullptr;
    console = nullptr;
    keyboard = nullptr;
    joystick = nullptr;
    inputFocus = nullptr;
    detector = nullptr;
    currentMusic = nullptr;
    audioOpen = 0;
    typingSound = nullptr;
    score = 0;
    framesPlayed = 0;
    secondsPlayed = 0;
}

Game::~Game() {
    delete frameTimer;
    writeSettingsBack();
    delete settings;
    destroyInterfaces();
    if (currentGame == this) {
        currentGame = nullptr;
    }
}

void Game::writeSettingsBack() {
    if (settings == nullptr) {
        return;
    }
    settings->set(kSettingSfxVolume, sfxVolume);
}

bool Game::init(int32_t mode) {
    windowMode = mode;
    createInterfaces();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0) {
        error("Unable to init SDL!");
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        return false;
    }
    std::atexit(cleanUp);
    detector->probe(kScreenWidth, kScreenHeight);
    if (!Detector::has8Bit && !Detector::has16Bit && !Detector::has24Bit) {
        error("This game needs 640x480 display mode with 8, 16 or 24 bit colors. "
              "Your system cannot use any of these modes.");
        return false;
    }
    if (windowMode == kWindowModeUnset) {
        windowMode = detector->chooseWindowMode();
    }
    settings = new SettingsFile("dat/config.dat", kSettingsCount);
    const int32_t volume = settings->get(kSettingSfxVolume);
    if (volume == SettingsFile::kUnset) {
        sfxVolume = kFullVolume;
    } else {
        sfxVolume = static_cast<uint8_t>(volume & 0xFF);
    }
    SDL_ShowCursor(0);
    frameTimer = new FrameTimer(kFrameMs);
    return true;
}

bool Game::load(int32_t depth) {
    delete screen;
    screen = new Buffer(kScreenWidth, kScreenHeight, depth, windowMode);
    if (!screen->isReady()) {
        return false;
    }
    SDL_ShowCursor(0);
    return true;
}

void Game::run() {
    if (secondsPlayed > 0) {
        std::printf("You played for %d seconds with %d fps\n", secondsPlayed,
                    framesPlayed / secondsPlayed);
    }
}

void cleanUp() {
    std::printf("Cleaning up..\n");
    if (audioOpen && Mix_PlayingMusic()) {
        Mix_FadeOutMusic(kMusicFadeMs);
        SDL_Delay(kMusicFadeMs);
    }
    if (audioOpen) {
        Mix_CloseAudio();
        audioOpen = 0;
    }
    SDL_Quit();
    std::printf("Have a nice day!\n");
    std::fflush(stdout);
}
