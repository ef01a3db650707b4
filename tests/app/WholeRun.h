#pragma once

// Plays the whole program through real SDL events in a child process, with
// a clock of its own that presses the keys, and reads back what it printed
// and stored: the fixture of the whole-run tests.
#include <SDL.h>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "support/TempDir.h"

// A frame lasts strictly more than 50 ms on the stepped clock.
constexpr uint32_t kFrameMs = 51;

// Less than any file the game saves.
constexpr rlim_t kWritableBytes = 16;

// How often the part occurs in the text.
size_t countOf(const std::string& text, const std::string& part);

struct Step {
    uint32_t at;
    std::function<void()> act;
};

void push(SDLKey key, bool down);
std::function<void()> press(SDLKey key);
// What the window's close button sends.
void pushQuit();

class WholeRun : public testing::Test {
  protected:
    void SetUp() override;

    // Runs the program in a child with the steps and the audio driver given,
    // checks it ends well, and answers what it printed on standard output.
    std::string run(const std::vector<const char*>& args, std::vector<Step> steps,
                    const char* audio = "dummy", const std::function<void()>& inChild = {});

    // The clock's time when the last run's program returned.
    uint32_t endedAt() const;

    // What the last run printed on standard error.
    const std::string& errors() const { return stderrText; }

    // Everything until the child closes its end; what it prints is small.
    static std::string drain(int fd);

    // The six stored settings, little-endian.
    std::vector<int32_t> settings() const;

    std::string deciphered(const char* name) const;

    TempDir work;
    // Whether the run got as far as setting SDL up, and so cleans up at exit.
    bool cleanEnd = true;
    std::string stderrText;
};
