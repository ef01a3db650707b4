#include "app/Entry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int32_t mode;
    std::string output;
};

Outcome parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kravex");
    testing::internal::CaptureStdout();
    const int32_t mode = windowModeFromArguments(int(args.size()), args.data());
    return {mode, testing::internal::GetCapturedStdout()};
}

TEST(CommandLine, TheTwoOptionsSelectTheirModesSilently) {
    EXPECT_EQ(parse({"--fullscreen"}).mode, 1);
    EXPECT_EQ(parse({"--fullscreen"}).output, "");
    EXPECT_EQ(parse({"--window"}).mode, 2);
    EXPECT_EQ(parse({"--window"}).output, "");
}

TEST(CommandLine, NoArgumentLeavesTheModeOpen) {
    const Outcome none = parse({});
    EXPECT_EQ(none.mode, 0);
    EXPECT_EQ(none.output, "");
}

TEST(CommandLine, NearMissesAreReportedAndIgnored) {
    for (const char* arg : {"--Window", "--FULLSCREEN", "-window", "---window", "window",
                            "--windowed", "--fullscreen2", "--full", ""}) {
        const Outcome outcome = parse({arg});
        EXPECT_EQ(outcome.mode, 0) << arg;
        EXPECT_EQ(outcome.output, "Unknown parameter " + std::string(arg) + "\n");
    }
}

TEST(CommandLine, OnlyTheFirstArgumentCounts) {
    EXPECT_EQ(parse({"--window", "--fullscreen"}).mode, 2);
    const Outcome unknownFirst = parse({"--bogus", "--window"});
    EXPECT_EQ(unknownFirst.mode, 0);
    EXPECT_EQ(unknownFirst.output, "Unknown parameter --bogus\n");
}

} // namespace
