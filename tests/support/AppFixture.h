#pragma once

// The application's fixtures: a loaded game shared by a suite, the whole
// program run in a child process, and a menu as the game runs it.
#include <SDL.h>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "audio/AudioSettings.h"
#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/SteppedClock.h"
#include "support/InputFixture.h"
#include "support/TempDir.h"
#include "ui/Menu.h"

// A frame lasts strictly more than 50 ms on the stepped clock.
constexpr uint32_t kFrameMs = 51;
// Time enough between two presses for any screen to come up.
constexpr uint32_t kKeyGapMs = 600;

// Links the generated pictures, sounds and music into the folder and gives it
// an empty dat/; with the texts, dat/ gets the shipped ones too. Answers the
// folder.
const std::filesystem::path& linkGameData(const std::filesystem::path& folder, bool texts = false);

struct Step {
    uint32_t at;
    std::function<void()> act;
};

// A press and release of the key, to run later.
std::function<void()> keyPress(SDLKey key);
// Adds presses of the keys to the steps, one every kKeyGapMs from `at` on.
void addPresses(std::vector<Step>& steps, uint32_t at, const std::vector<SDLKey>& keys);
// What the window's close button sends.
void pushQuit();
// Adds the text to the file: how a step in a child tells the test what it saw.
void note(const char* file, const std::string& text);
// How often the part occurs in the text.
size_t countOf(const std::string& text, const std::string& part);
// A hash of the picture shown, over every pixel: the recorded games keep its
// top byte.
uint64_t screenHash(Buffer& screen);

// A suite that shares one whole game, initialised and loaded in a folder of
// its own with the default settings and keys; what it writes stays there. Its
// frames never wait. Loading takes a second, hence one game a suite.
class GameTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    // Deletes the game, closes the audio and SDL, and leaves the folder.
    static void TearDownTestSuite();
    void SetUp() override { ASSERT_TRUE(ready); }
    static SteppedClock& clock() { return *frameClock; }

    static inline Game* game = nullptr;

  private:
    static inline std::unique_ptr<TempDir> work;
    static inline std::unique_ptr<WorkingDir> here;
    static inline std::unique_ptr<SteppedClock> frameClock;
    static inline bool ready = false;
};

// Plays the whole program through real SDL events in a child process, with a
// clock of its own that runs the steps, and reads back what it printed and
// stored.
class WholeRun : public testing::Test {
  public:
    // The game of the run, in the child while it runs; for the steps.
    static inline Game* running = nullptr;

  protected:
    void SetUp() override { linkGameData(work.path(), true); }

    // Runs the program with the steps and the audio driver given, checks it
    // ends well, and answers what it printed on standard output.
    std::string run(const std::vector<const char*>& args, std::vector<Step> steps,
                    const char* audio = "dummy", const std::function<void()>& inChild = {});
    // The clock's time when the last run's program returned.
    uint32_t endedAt() const;
    // What the last run printed on standard error.
    const std::string& errors() const { return stderrText; }
    // The file's text, or "" when there is none.
    std::string text(const std::string& name) const;
    // The six stored settings, little-endian.
    std::vector<int32_t> settings() const;
    // Runs the built program on the replay from the work folder: its status
    // and what it printed.
    std::pair<int, std::string> prove(const std::string& replay) const;

    TempDir work;
    // Whether the run got as far as setting SDL up, and so cleans up at exit.
    bool cleanEnd = true;
    std::string stderrText;
};

// A menu as the game runs it: the generated gold font, cursor and menu
// sounds, a 16-bit dummy display, the mixer under the dummy audio driver,
// and the input devices with the menu holding the focus.
class MenuScreen : public testing::Test {
  protected:
    static constexpr int kMenuSounds = 3;

    void SetUp() override;
    void TearDown() override;
    // A menu with the generated font and menu sounds, holding the focus.
    Menu& makeMenu(int32_t x, int32_t y, int32_t valueColumn, int32_t spacing);
    // The menu sounds started while f ran, by index.
    std::vector<int> soundsOf(const std::function<void()>& f);

    WorkingDir dataDir{KRAVEX_DATA_DIR};
    SdlInput input;
    AudioSettings audio;
    std::unique_ptr<Buffer> screen;
    std::unique_ptr<Font> font;
    std::unique_ptr<Bob> cursor;
    std::unique_ptr<Sounds> sounds;
    std::unique_ptr<Menu> menu;
};
