#include "app/Entry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Case, dashes and suffixes all have to match, and only the first argument
// counts; anything else is named on standard output and leaves the mode unset.
TEST(CommandLine, OnlyTheExactFirstArgumentChoosesAMode) {
    const struct {
        std::vector<const char*> args;
        int32_t mode;
    } cases[] = {
        {{}, 0},           {{"--fullscreen"}, 1}, {{"--window"}, 2}, {{"--window", "--fullscreen"}, 2},
        {{"--Window"}, 0}, {{"-window"}, 0},      {{"--windowed"}, 0}, {{"--full"}, 0},
        {{""}, 0},         {{"--bogus", "--window"}, 0},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"kravex"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        testing::internal::CaptureStdout();
        const CommandLine line = commandLineFrom(int(argv.size()), argv.data());
        const std::string said = testing::internal::GetCapturedStdout();
        const std::string first = c.args.empty() ? "" : c.args[0];
        EXPECT_EQ(line.windowMode, c.mode) << first;
        EXPECT_EQ(said, c.mode != 0 || c.args.empty() ? "" : "Unknown parameter " + first + "\n");
    }
}

} // namespace
