// The loading sequence: the display, sound, console, fonts, sounds, tables,
// the game world's lists and light, the stores, keys and menus, in the
// order the start-up console reports them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <string>

#include "app/Console.h"
#include "app/Game.h"
#include "app/GameSession.h"
#include "app/Pause.h"
#include "app/SettingsFile.h"
#include "audio/Sound.h"
#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "gfx/Font.h"
#include "gfx/Light.h"
#include "input/GuideKeys.h"
#include "input/InputDevices.h"
#include "input/QuitRequest.h"
#include "store/ReplayStore.h"
#include "store/ScoreComment.h"
#include "ui/BooleanMenuItem.h"
#include "ui/ExecuteMenuItem.h"
#include "ui/HighScoreTable.h"
#include "ui/KeyMenuItem.h"
#include "ui/Menu.h"
#include "ui/ValueMenuItem.h"
#include "world/LevelTable.h"

namespace {
constexpr uint8_t kFullVolume = 255;
constexpr int kAudioRate = 44100;
constexpr int kAudioChannels = 2;
constexpr int kAudioBufferSamples = 2048;
// Long enough to read "Game loaded." before the console goes.
constexpr uint32_t kLoadedPauseMs = 1000;
constexpr uint32_t kQuitCheckMs = 10;
constexpr int32_t kLevelRows = 5;
constexpr int32_t kLastLevel = 25;
constexpr int32_t kTableRows = 20;
// One score comment for every this many points.
constexpr int32_t kPointsPerComment = 50;
// Inside the frame of the setup picture, with a margin.
constexpr int32_t kSetupBoxRight = 596;
// Columns of a flowing picture fall 24 to 47 pixels a frame.
constexpr int32_t kFlowSpeed = 48;

const char* const kVersion = "Version 1.1L";
const char* const kDistribution = "Linux i386";
} // namespace

bool Game::load(int32_t depth) {
    // The old display closes before the new one opens.
    display.reset();
    display = std::make_unique<Buffer>(kScreenWidth, kScreenHeight, depth, windowMode);
    if (!display->isReady()) {
        return false;
    }
    SDL_ShowCursor(0);
    openAudio();
    readMusicSettings();
    startLoadingMusic();
    goldFont = std::make_unique<Font>("pics/font_gold", 502, 200);
    decoFont = std::make_unique<Font>("pics/font_babylon_deco", 610, 122);
    openConsole(depth);
    pause = std::make_unique<Pause>(display.get(), goldFont.get(), Pause::kRemarks, *clock);
    createSoundsAndTables();
    createWorld();
    createStores();
    print("Loading keys.");
    player1Keys =
        std::make_unique<GuideKeys>("dat/pl1key", 1, devices->keyboard(), devices->joystick());
    player2Keys =
        std::make_unique<GuideKeys>("dat/pl2key", 2, devices->keyboard(), devices->joystick());
    player1Keys->setPartner(player2Keys.get());
    player2Keys->setPartner(player1Keys.get());
    print("Constructing menus.");
    cursor = std::make_unique<Bob>("pics/cursor", 40, 32);
    buildMenus();
    print("Game loaded.");
    showLoaded();
    quit = 0;
    console->setVisible(false);
    return true;
}

// Long enough to read "Game loaded.", unless the player closes the window
// or the program is told to stop meanwhile.
void Game::showLoaded() {
    const uint32_t start = SDL_GetTicks();
    while (!QuitRequest::isRaised() && SDL_GetTicks() - start < kLoadedPauseMs) {
        devices->pump();
        SDL_Delay(kQuitCheckMs);
    }
}

void Game::openAudio() {
    if (Mix_OpenAudio(kAudioRate, AUDIO_S16LSB, kAudioChannels, kAudioBufferSamples) < 0) {
        std::fprintf(stderr, "Couldn't open audio: %s\n", SDL_GetError());
        return;
    }
    Mix_AllocateChannels(Sound::kChannels);
    audio.deviceOpen = 1;
}

void Game::readMusicSettings() {
    const int32_t on = settings->get(kSettingMusicOn);
    audio.musicOn = on != 0 ? 1 : 0;
    // Without a sound device no music can play, and the switch says so; the
    // stored choice is kept for a run that has one.
    musicSwitch.setOn(audio.deviceOpen != 0 ? audio.musicOn : 0);
    const int32_t volume = settings->get(kSettingMusicVolume);
    audio.musicVolume = volume == SettingsFile::kUnset ? kFullVolume : volume;
    musicSwitch.setLevel(audio.musicVolume);
}

void Game::startLoadingMusic() {
    replaceMusic("sounds/load");
    currentMusic->play();
}

void Game::openConsole(int32_t depth) {
    console = std::make_unique<Console>(display.get(), kScreenWidth, kScreenHeight, "pics/console",
                                        decoFont.get());
    console->setVisible(true);
    print("          -= Kravex II Console =-");
    print(std::string(64, '-').c_str());
    print("");
    print("Version information: ");
    printAppend(kVersion);
    print("Distribution type:   ");
    printAppend(kDistribution);
    print("");
    if (depth == 8 || depth == 16) {
        const std::string bits = std::to_string(depth) + " bit";
        print(("Using " + bits + " display").c_str());
        print(("Converting images in memory to " + bits).c_str());
        print("");
    }
    if (windowMode == kWindowModeFullScreen) {
        print("Using full screen mode");
        print("Use --window parameter to");
        print("force windowed mode");
    } else {
        print("Using windowed mode");
        print("Use --fullscreen parameter to");
        print("force full screen mode");
    }
    print("");
}

void Game::createSoundsAndTables() {
    generalSounds = std::make_unique<Sounds>(audio, 1);
    generalSounds->load("sounds/general");
    menuSounds = std::make_unique<Sounds>(audio, 3);
    menuSounds->load("sounds/menu");
    levels = std::make_unique<LevelTable>(kLevelRows);
    levels->addRow(0, 0, 100);
    levels->addRow(1000, 10, 200);
    levels->addRow(3000, 20, 300);
    levels->addRow(3900, 23, 500);
    levels->addRow(4900, 25, 200);
    levels->maxLevel = kLastLevel;
    const int32_t volume = settings->get(kSettingSfxVolume);
    if (volume != SettingsFile::kUnset) {
        audio.sfxVolume = static_cast<uint8_t>(volume & 0xFF);
        sfxSwitch.setLevel(volume);
    }
}

void Game::createWorld() {
    world = std::make_unique<GameSession>(kScreenWidth, kScreenHeight, levels.get(), audio);
    light = std::make_unique<Light>(display.get(), Light::kGameSize);
    fader = std::make_unique<FlowFader>(display.get(), kScreenWidth, kScreenHeight, kFlowSpeed);
    const int32_t highDetail = settings->get(kSettingHighDetail);
    if (highDetail != SettingsFile::kUnset) {
        light->setOn(highDetail != 0);
    }
}

void Game::createStores() {
    hiscores = std::make_unique<HighScoreTable>(kTableRows, "dat/hiscore.dat", decoFont.get(),
                                                "pics/tagsm", kLastLevel + 1, *levels);
    hiscores->useFocus(&devices->focus());
    comments = std::make_unique<ScoreComment>("dat/comment.dat", kPointsPerComment);
    replays = std::make_unique<ReplayStore>("dat/replays");
}

void Game::buildMenus() {
    mainMenu = std::make_unique<Menu>(380, 200, 160, 10, cursor.get(), goldFont.get(),
                                      menuSounds.get(), *devices);
    mainMenu->add(new ExecuteMenuItem(*mainMenu, "One player", [this] { startGame(1); }));
    mainMenu->add(new ExecuteMenuItem(*mainMenu, "Two players", [this] { startGame(2); }));
    mainMenu->add(new ExecuteMenuItem(
        *mainMenu, "Setup",
        [this] {
            setupScreen();
            setupMenu->clearPendingAction();
        },
        ActionPlace::kWithinScreen));
    mainMenu->add(new ExecuteMenuItem(*mainMenu, "Help/Info", [this] { showHelp(); },
                                      ActionPlace::kWithinScreen));
    mainMenu->add(new ExecuteMenuItem(*mainMenu, "Replays", [this] { replaysScreen(); },
                                      ActionPlace::kWithinScreen));
    mainMenu->add(new ExecuteMenuItem(*mainMenu, "Exit game", [this] { quit = 1; }));
    typingSound = std::make_unique<Sound>(audio, "sounds/menu01");
    hiscores->setTypingSound(typingSound.get());
    buildSetupMenu();
    buildKeysMenu();
}

void Game::buildSetupMenu() {
    setupMenu = std::make_unique<Menu>(30, 200, 230, 5, cursor.get(), goldFont.get(),
                                       menuSounds.get(), *devices);
    setupMenu->setRightEdge(kSetupBoxRight);
    setupMenu->add(new BooleanMenuItem(*setupMenu, "High detail", *light));
    setupMenu->add(new BooleanMenuItem(*setupMenu, "OGG-Music", musicSwitch));
    setupMenu->add(
        new ValueMenuItem(*setupMenu, "OGG-Music Volume", "pics/volume", 8, 16, musicSwitch));
    setupMenu->add(
        new ValueMenuItem(*setupMenu, "Sound-Effects Volume", "pics/volume", 8, 16, sfxSwitch));
    setupMenu->add(new ExecuteMenuItem(*setupMenu, "Set keys", [this] { setKeys(); },
                                       ActionPlace::kWithinScreen));
    // Choosing it ends the setup screen; the action itself is never run.
    setupMenu->add(new ExecuteMenuItem(*setupMenu, "Exit to main menu", [] {}));
}

void Game::buildKeysMenu() {
    keysMenu = std::make_unique<Menu>(40, 125, 280, 2, cursor.get(), goldFont.get(),
                                      menuSounds.get(), *devices);
    static const char* const kActions[] = {"left", "right", "forward", "backward", "fire"};
    GuideKeys* players[] = {player1Keys.get(), player2Keys.get()};
    for (int32_t p = 0; p < 2; ++p) {
        for (int32_t a = GuideKeys::kLeft; a <= GuideKeys::kFire; ++a) {
            const std::string label = "Player " + std::to_string(p + 1) + " " + kActions[a];
            // A player's five keys are set in one go, stopping after fire.
            keysMenu->add(new KeyMenuItem(*keysMenu, label, "dat/keys", *players[p]->binding(a),
                                          a != GuideKeys::kFire));
        }
    }
    // Choosing it ends the key screen; the action itself is never run.
    keysMenu->add(new ExecuteMenuItem(*keysMenu, "Exit to main menu", [] {}));
}

void Game::setKeys() {
    if (keyScreen()) {
        // Any action the setup screen does not run within ends it.
        setupMenu->setPendingAction([] {});
    }
    // A failed write keeps the old file; the bindings stay in use anyway.
    player1Keys->save();
    player2Keys->save();
}
