#pragma once

#include <cstdint>

#include "app/GBase.h"
#include "audio/ModMusic.h"
#include "audio/SFXVolume.h"

class FrameTimer;
class Collision;
class Soldiers;
class Aliens;
class PowerUps;
class Light;
class FlowFader;
class EventScheduler;
class Menu;
class Font;
class HighScoreTable;
class ScoreComment;
class Bob;
class Sounds;
class SettingsFile;
class Pause;
class LevelTable;
class GuideKeys;

// The application: owns every long-lived object of the run and drives the
// phases init, load and run.
class Game : public GBase {
  public:
    Game();
    ~Game() override;

    // Starts SDL, decides the window mode and reads the settings.
    bool init(int32_t windowMode);
    // Opens the display and creates everything the front end and games need.
    bool load(int32_t depth);
    // The front end: title, main-menu passes until quit, credits.
    void run();

    FrameTimer* frameTimer = nullptr;
    Collision* collision = nullptr;
    Soldiers* troopers = nullptr;
    Aliens* aliens = nullptr;
    PowerUps* powerUps = nullptr;
    Light* light = nullptr;
    FlowFader* fader = nullptr;
    EventScheduler* session = nullptr;
    Menu* mainMenu = nullptr;
    Menu* keysMenu = nullptr;
    Menu* setupMenu = nullptr;
    Font* goldFont = nullptr;
    Font* decoFont = nullptr;
    HighScoreTable* hiscores = nullptr;
    ScoreComment* comments = nullptr;
    Bob* cursor = nullptr;
    Sounds* menuSounds = nullptr;
    ModMusic musicSwitch;
    SFXVolume sfxSwitch;
    SettingsFile* settings = nullptr;
    Pause* pause = nullptr;
    LevelTable* levels = nullptr;
    Sounds* generalSounds = nullptr;
    GuideKeys* player1Keys = nullptr;
    GuideKeys* player2Keys = nullptr;
    int32_t lastPlayers = 0;
    int32_t levelMark = 0;
    int32_t menuPhase = 0;
    uint8_t quit = 0;

  private:
    void openAudio();
    void readMusicSettings();
    void startLoadingMusic();
    void openConsole(int32_t depth);
    void createSoundsAndTables();
    void stopMusic();
};

// Exit handler: fades the music, closes audio and stops SDL on every way out.
void cleanUp();
