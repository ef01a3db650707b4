// Runs the real game binary headless and reads what it says.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "support/TempDir.h"

namespace {

// The game's generated data, with a dat/ folder of this test's own so that
// nothing the game writes lands in the shared data.
class WholeRun : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* dir : {"pics", "sounds", "music"}) {
            std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / dir,
                                                      work.path() / dir);
        }
        std::filesystem::create_directory(work.path() / "dat");
    }

    std::string run(const std::string& args, int* status = nullptr) {
        const std::string command = "cd '" + work.path().string() +
                                    "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                    KRAVEX_BINARY + " " + args + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
            output.append(chunk, n);
        }
        const int result = pclose(pipe);
        if (status != nullptr) {
            *status = result;
        }
        return output;
    }

    TempDir work;
};

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(WholeRun, BannerFirstAndTheCleanUpLinesLast) {
    int status = -1;
    const std::string output = run("--window", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output.rfind("Kravex II", 0), 0u) << output;
    const std::string firstLine = output.substr(0, output.find('\n'));
    EXPECT_NE(firstLine.find("Version 1.1L"), std::string::npos) << firstLine;
    EXPECT_TRUE(endsWith(output, "Cleaning up..\nHave a nice day!\n")) << output;
    EXPECT_EQ(output.find("You played for"), std::string::npos);
}

TEST_F(WholeRun, UnknownOptionIsReportedAfterTheBanner) {
    const std::string output = run("--Window --window");
    const size_t lineEnd = output.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_EQ(output.substr(lineEnd + 1, 26), "Unknown parameter --Window") << output;
    EXPECT_TRUE(endsWith(output, "Cleaning up..\nHave a nice day!\n")) << output;
}

int32_t entryOf(const std::vector<unsigned char>& file, int index) {
    uint32_t value = 0;
    for (int b = 3; b >= 0; --b) {
        value = value << 8 | file[size_t(index * 4 + b)];
    }
    return int32_t(value);
}

TEST_F(WholeRun, SettingsAreCreatedAndTheVolumesWrittenBack) {
    run("--window");
    const std::vector<unsigned char> settings = work.read("dat/config.dat");
    ASSERT_EQ(settings.size(), 24u);
    EXPECT_EQ(entryOf(settings, 0), 1) << "music starts switched on";
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(entryOf(settings, i), -1) << "entry " << i;
    }
    EXPECT_EQ(entryOf(settings, 4), 255);
    EXPECT_EQ(entryOf(settings, 5), 255);
}

TEST_F(WholeRun, StoredMusicAndEffectSettingsSurviveARun) {
    const unsigned char stored[24] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      7, 0, 0, 0, 100,  0,    0,    0,    44,   1,    0,    0};
    work.write("dat/config.dat", std::vector<unsigned char>(stored, stored + sizeof stored));
    run("--window");
    const std::vector<unsigned char> settings = work.read("dat/config.dat");
    ASSERT_EQ(settings.size(), 24u);
    EXPECT_EQ(entryOf(settings, 0), 0);
    EXPECT_EQ(entryOf(settings, 3), 7);
    EXPECT_EQ(entryOf(settings, 4), 100);
    // Only the low byte of a stored effect volume counts: 300 plays as 44.
    EXPECT_EQ(entryOf(settings, 5), 44);
}

} // namespace
