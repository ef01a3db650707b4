// Plays the whole program through real SDL events in a child process, with
// a clock of its own that presses the keys: title, a game, a name typed into
// the table, the setup and key screens, and out through the credits. Then
// reads what it printed and stored.
#include <SDL.h>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/Entry.h"
#include "app/Globals.h"
#include "gfx/SteppedClock.h"
#include "store/EncipheredFile.h"
#include "support/TempDir.h"

namespace {

struct Step {
    uint32_t at;
    std::function<void()> act;
};

void push(SDLKey key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

std::function<void()> press(SDLKey key) {
    return [key] {
        push(key, true);
        push(key, false);
    };
}

class WholeRun : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* dir : {"pics", "sounds", "music"}) {
            std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / dir,
                                                      work.path() / dir);
        }
        // The shipped texts, but none of what the game writes.
        std::filesystem::create_directory(work.path() / "dat");
        for (const char* text : {"comment", "credits01", "general01", "general02", "general03",
                                 "general04"}) {
            const std::string name = std::string("dat/") + text + ".dat";
            std::filesystem::copy_file(std::filesystem::path(KRAVEX_DATA_DIR) / name,
                                       work.path() / name);
        }
    }

    // Runs the program in a child with the steps and the audio driver given,
    // checks it ends well, and answers what it printed on standard output.
    std::string run(const std::vector<const char*>& args, std::vector<Step> steps,
                    const char* audio = "dummy") {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            std::filesystem::current_path(work.path());
            const int out = ::open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, STDOUT_FILENO);
            setenv("SDL_AUDIODRIVER", audio, 1);
            SteppedClock clock;
            for (Step& step : steps) {
                clock.at(step.at, std::move(step.act));
            }
            std::vector<const char*> argv{"kravex"};
            argv.insert(argv.end(), args.begin(), args.end());
            kravexMain(int(argv.size()), argv.data(), &clock);
            std::exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        const std::vector<unsigned char> bytes = work.read("stdout.txt");
        const std::string output(bytes.begin(), bytes.end());
        const std::string tail = "Cleaning up..\nHave a nice day!\n";
        EXPECT_EQ(output.substr(output.size() - std::min(output.size(), tail.size())), tail);
        return output;
    }

    // The six stored settings, little-endian.
    std::vector<int32_t> settings() const {
        const std::vector<unsigned char> file = work.read("dat/config.dat");
        EXPECT_EQ(file.size(), 24u);
        std::vector<int32_t> values(file.size() / 4);
        for (size_t i = 0; i < file.size(); ++i) {
            values[i / 4] = int32_t(uint32_t(values[i / 4]) | uint32_t(file[i]) << (8 * (i % 4)));
        }
        return values;
    }

    std::string deciphered(const char* name) const {
        WorkingDir here(work.path());
        EncipheredFile crypt;
        crypt.setWriteBack(0);
        std::FILE* plain = std::fopen(crypt.open(name), "r");
        std::string text;
        for (int c; plain != nullptr && (c = std::fgetc(plain)) != EOF;) {
            text += char(c);
        }
        if (plain != nullptr) {
            std::fclose(plain);
        }
        crypt.close();
        return text;
    }

    TempDir work;
};

TEST_F(WholeRun, AGameANameTheSetupAndTheKeysReachTheFiles) {
    const std::string output = run(
        {"--window"},
        {{100, press(SDLK_ESCAPE)},  // the title
         {600, press(SDLK_RETURN)},  // "One player"
         {1500, [] { score = 42; }},
         {1550, press(SDLK_ESCAPE)},  // giving up; the debris lands
         {6000, press(SDLK_a)},       // the name
         {6050, press(SDLK_ESCAPE)},  // typed into the name, it must not quit
         {6100, press(SDLK_c)},
         {6200, press(SDLK_e)},
         {6400, press(SDLK_RETURN)},
         {7000, press(SDLK_DOWN)},
         {7200, press(SDLK_DOWN)},
         {7400, press(SDLK_RETURN)},  // "Setup"
         {7800, press(SDLK_RETURN)},  // "High detail" off
         {8000, press(SDLK_DOWN)},
         {8200, press(SDLK_DOWN)},
         {8400, press(SDLK_DOWN)},
         {8600, press(SDLK_DOWN)},
         {8800, press(SDLK_RETURN)},  // "Set keys"
         {9200, press(SDLK_RETURN)},  // "Player 1 left" waits for a key
         {9500, press(SDLK_j)},       // taken; "Player 1 right" waits
         {9800, press(SDLK_ESCAPE)},  // keeps right, leaves the keys
         {10400, press(SDLK_ESCAPE)}, // leaves the setup
         {11000, press(SDLK_DOWN)},
         {11200, press(SDLK_DOWN)},
         {11400, press(SDLK_RETURN)}}); // "Exit game", then the credits
    EXPECT_EQ(output.rfind("Kravex II", 0), 0u) << output;
    const size_t played = output.find("You played for ");
    ASSERT_NE(played, std::string::npos) << output;
    EXPECT_EQ(output.find('\n', played) + 1, output.find("Cleaning up..\n")) << output;
    EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, -1, -1, 255, 255}));
    const std::vector<unsigned char> keys = work.read("dat/pl1key_sdl.dat");
    ASSERT_GE(keys.size(), 8u);
    EXPECT_EQ(std::vector<unsigned char>(keys.begin(), keys.begin() + 8),
              (std::vector<unsigned char>{SDLK_j, 0, 0, 0, SDLK_RIGHT & 0xFF, SDLK_RIGHT >> 8, 0, 0}));
    const std::string table = deciphered("dat/hiscore_1.dat");
    EXPECT_EQ(table.rfind("42\nace", 0), 0u) << table;
}

// Leaving at once plays nothing and prints no statistics. Stored settings
// survive, and without a sound device the stored music choice is kept.
TEST_F(WholeRun, UnknownOptionAfterTheBannerAndStoredSettingsSurvive) {
    for (const char* audio : {"dummy", "none"}) {
        SCOPED_TRACE(audio);
        // Music on at volume 100, high detail off; the reserved entries 2 and
        // 3 hold 9 and 7; entry 5 holds 300, of which only the low byte, 44,
        // is an effect volume.
        work.write("dat/config.dat", {1, 0, 0, 0, 0,   0, 0, 0, 9,  0, 0, 0,
                                      7, 0, 0, 0, 100, 0, 0, 0, 44, 1, 0, 0});
        const std::string output = run({"--Window", "--window"},
                                       {{100, press(SDLK_ESCAPE)}, {600, press(SDLK_ESCAPE)}}, audio);
        const size_t lineEnd = output.find('\n');
        ASSERT_NE(lineEnd, std::string::npos);
        EXPECT_EQ(output.substr(lineEnd + 1, 27), "Unknown parameter --Window\n") << output;
        EXPECT_EQ(output.find("You played for"), std::string::npos);
        EXPECT_EQ(settings(), (std::vector<int32_t>{1, 0, 9, 7, 100, 44}));
    }
}

} // namespace
