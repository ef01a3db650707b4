#include "app/Entry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The mode chosen and what was printed for these arguments after the name.
std::pair<int32_t, std::string> parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kravex");
    testing::internal::CaptureStdout();
    const int32_t mode = windowModeFromArguments(int(args.size()), args.data());
    return {mode, testing::internal::GetCapturedStdout()};
}

TEST(CommandLine, OnlyTheExactFirstArgumentChoosesAMode) {
    const struct {
        std::vector<const char*> args;
        int32_t mode;
        std::string output;
    } cases[] = {
        {{}, 0, ""},
        {{"--fullscreen"}, 1, ""},
        {{"--window"}, 2, ""},
        {{"--window", "--fullscreen"}, 2, ""},
        {{"--bogus", "--window"}, 0, "Unknown parameter --bogus\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse(c.args), std::make_pair(c.mode, c.output)) << c.args.size();
    }
    // Case, dashes and suffixes all have to match.
    for (const char* arg : {"--Window", "--FULLSCREEN", "-window", "---window", "window",
                            "--windowed", "--fullscreen2", "--full", ""}) {
        EXPECT_EQ(parse({arg}), std::make_pair(0, "Unknown parameter " + std::string(arg) + "\n"));
    }
}

} // namespace
