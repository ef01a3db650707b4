#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/GameInputs.h"
#include "audio/AudioSettings.h"
#include "audio/ModMusic.h"
#include "audio/SFXVolume.h"
#include "core/GBase.h"
#include "gfx/Detector.h"
#include "gfx/FrameClock.h"

class Console;
class FrameTimer;
class GameSession;
class InputDevices;
class Light;
class FlowFader;
class Menu;
class Font;
class HighScoreTable;
class Buffer;
class Image;
class ScoreComment;
class Bob;
class Sound;
class Sounds;
class SettingsFile;
class Pause;
class LevelTable;
class GuideKeys;
class ReplayStore;
class ReplayViewer;

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

    // The front-end screens; each runs its own loop of frames.
    void showTitle();
    // One visit of the main menu, ending with a game played or quit set.
    void mainMenuPass();
    void menuScreen();
    void setupScreen();
    // True when the player chose to go on to the main menu.
    bool keyScreen();
    void showHelp();
    void showCredits();

    // One whole game for 1 or 2 players, from a seed of its own, recorded;
    // returns when no trooper is left.
    void startGame(int32_t players);
    // The world of the games; made by load().
    GameSession& session() { return *world; }
    const GameSession& session() const { return *world; }
    // The last game's recording, finished when the game is over.
    const Replay& lastRecording() const { return inputs.recording(); }
    // Plays a replay back as the viewer shows it, until its game ends or the
    // viewer leaves; answers the frames it ran. The score is the playback's
    // after; the play statistics leave it out.
    uint32_t watchReplay(const Replay& replay, ReplayViewer& viewer);
    // The kept replays' list; Return watches one (the main menu's action).
    void replaysScreen();
    // The menu's own piece, from its start.
    void playMenuMusic();

    // What the autoplay tool, the benchmarks and the tests look at or steer.
    // The display; load() opens it.
    Buffer& getDisplay() { return *display; }
    Light& getLight() { return *light; }
    // The keyboard, the pads and the focus; made by init().
    InputDevices& getDevices() { return *devices; }
    // Player 1's keys for side 0, player 2's for side 1.
    GuideKeys& getKeys(int32_t side) { return side == 0 ? *player1Keys : *player2Keys; }
    // Null when the level table could not be read.
    const LevelTable* getLevels() const { return levels.get(); }
    Menu& getMainMenu() { return *mainMenu; }
    Menu& getSetupMenu() { return *setupMenu; }
    Menu& getKeysMenu() { return *keysMenu; }
    FlowFader& getFader() { return *fader; }
    HighScoreTable& getHighScores() { return *hiscores; }
    const ModMusic& getMusicSwitch() const { return musicSwitch; }
    // The players of the last game, or of the menu's choice before any.
    int32_t getLastPlayers() const { return lastPlayers; }
    void setLastPlayers(int32_t players) { lastPlayers = players; }
    // Set when the player chose to leave the game.
    bool isQuitting() const { return quit != 0; }
    void clearQuit() { quit = 0; }
    int32_t getFramesPlayed() const { return framesPlayed; }

    // Every screen's frame timer reads this clock; tests and the autoplay
    // tool set one of their own before init so that frames need not wait.
    FrameClock* clock = &systemClock;

    // Called at the start of every game frame, before the events are read.
    // Empty in the game; the autoplay tool presses its keys here.
    std::function<void()> frameHook;

    // The stretches of a game frame, each reported to phaseHook as it ends;
    // the frame benchmark times them. The world changes only in the first;
    // the rest change nothing but pixels, until the wait and the flip.
    enum FramePhase : int32_t {
        kPhaseUpdated,
        kPhaseBackground,
        kPhaseLit,
        kPhaseDrawn,
        kPhaseWaited,
        kPhaseFlipped
    };
    std::function<void(int32_t)> phaseHook;

    static constexpr int32_t kScreenWidth = 640;
    static constexpr int32_t kScreenHeight = 480;
    static constexpr uint32_t kFrameMs = 50;
    // The high-score file of 1- or 2-player games.
    static const char* tableFileFor(int32_t players);

  private:
    // The replays' list is a front-end screen of the game's own, as the
    // member screens are, and draws with their fonts, sounds and fader.
    friend class ReplayListScreen;

    // Declared first, so they go last, after the display and the playfield
    // picture too: the menus, the players' keys and the high-score table
    // refer to them until they go.
    std::unique_ptr<InputDevices> devices;
    // Everything below draws onto the display, so it goes after them all,
    // and before the input devices.
    std::unique_ptr<Buffer> display;
    // The last game's playfield, with its stains: the front end shows it
    // behind the menus until the next game makes a fresh one.
    std::unique_ptr<Image> playfield;
    FrameClock systemClock;
    // The long-lived objects, made by init() and load(). Each is declared
    // after what it refers to, and so is destroyed before it.
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<FrameTimer> frameTimer;
    std::unique_ptr<Font> goldFont;
    std::unique_ptr<Font> decoFont;
    // The loading report, written with the decorated font onto the display.
    std::unique_ptr<Console> console;
    // The sound device and the player's choices, which every sound and piece
    // of music below refers to.
    AudioSettings audio;
    std::unique_ptr<Sounds> generalSounds;
    std::unique_ptr<Sounds> menuSounds;
    // The click of a key typed into a high-score name.
    std::unique_ptr<Sound> typingSound;
    std::unique_ptr<LevelTable> levels;
    std::unique_ptr<Light> light;
    std::unique_ptr<FlowFader> fader;
    std::unique_ptr<Bob> cursor;
    // The piece of the moment; before the music switch, which starts it when
    // switched on with nothing played yet.
    std::unique_ptr<ModMusic> currentMusic;
    ModMusic musicSwitch{audio, currentMusic};
    SFXVolume sfxSwitch{audio};
    std::unique_ptr<GuideKeys> player1Keys;
    std::unique_ptr<GuideKeys> player2Keys;
    std::unique_ptr<HighScoreTable> hiscores;
    std::unique_ptr<ScoreComment> comments;
    std::unique_ptr<ReplayStore> replays;
    std::unique_ptr<Pause> pause;
    std::unique_ptr<Menu> mainMenu;
    std::unique_ptr<Menu> setupMenu;
    std::unique_ptr<Menu> keysMenu;
    int32_t lastPlayers = 0;
    int32_t menuPhase = 0;
    uint8_t quit = 0;
    // The name last entered into a high-score table in this run.
    std::string lastName;
    // One of the kWindowMode values.
    int32_t windowMode = kWindowModeUnset;
    // Frames and time played, pauses left out, over every game of the run;
    // whole milliseconds, so that short games add up to what they took.
    int32_t framesPlayed = 0;
    int64_t msPlayed = 0;

    // The settings file's entries.
    static constexpr int32_t kSettingsCount = 6;
    static constexpr int32_t kSettingMusicOn = 0;
    static constexpr int32_t kSettingHighDetail = 1;
    static constexpr int32_t kSettingMusicVolume = 4;
    static constexpr int32_t kSettingSfxVolume = 5;

    GameInputs inputs;
    // After the inputs, whose players' sources the troopers read.
    std::unique_ptr<GameSession> world;
    // Set while a replay plays back.
    ReplayViewer* viewer = nullptr;
    // A game was played whose replay has not been kept yet.
    bool replayUnkept = false;

    void playGame(int32_t players, uint32_t seed);
    // Keeps the last game's replay, named after its table entry when it
    // made the table.
    void keepReplay(bool inTable);
    // Lets go of the kept replays whose entries the stored tables lost.
    void pruneReplays();
    // The best kept replay, when the menu has been left alone long enough.
    bool attractDue(uint32_t idleSince) const;
    void attractMode();
    // A replay shown from the menu: the menu's own score and players come
    // back once it ends.
    void showFromMenu(const Replay& replay, ReplayViewer& shownBy);
    void runFrames();
    // One game frame; answers how long it was paused, in milliseconds.
    uint32_t runFrame();
    void endPhase(int32_t phase) {
        if (phaseHook) {
            phaseHook(phase);
        }
    }
    void waitForFrame();
    void createWorld();
    void createStores();
    void buildMenus();
    void buildSetupMenu();
    void buildKeysMenu();
    // The key screen, then both players' bindings saved.
    void setKeys();
    void nameNewEntry();
    void stampLogo();
    void drawMainMenu();
    void drawMenuCones();
    bool faderFinished() const;
    void stepFader();
    void showLoaded();
    void openAudio();
    void readMusicSettings();
    void startLoadingMusic();
    void openConsole(int32_t depth);
    void createSoundsAndTables();
    void stopMusic();
    // Stops and deletes the piece of the moment; the named one (a random
    // one for null) becomes current, not yet started.
    void replaceMusic(const char* name);
};

// Exit handler: fades the music, closes audio and stops SDL on every way out.
void cleanUp();
