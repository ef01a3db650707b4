// Runs the real game binary headless and reads what it says and stores.
#include <algorithm>
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

    // Runs the game and checks its exit status and the last lines it prints.
    std::string run(const std::string& args) {
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
        EXPECT_EQ(pclose(pipe), 0);
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

    TempDir work;
};

TEST_F(WholeRun, BannerFirstPlayedGameLastAndTheSettingsCreated) {
    // Nobody presses a key, so the one game ends when the aliens overrun the
    // trooper; its statistics line comes just before the clean-up lines.
    const std::string output = run("--window");
    const std::string firstLine = output.substr(0, output.find('\n'));
    EXPECT_EQ(firstLine.rfind("Kravex II", 0), 0u) << output;
    EXPECT_NE(firstLine.find("Version 1.1L"), std::string::npos) << firstLine;
    const size_t played = output.find("You played for ");
    ASSERT_NE(played, std::string::npos) << output;
    EXPECT_EQ(output.find('\n', played) + 1, output.find("Cleaning up..\n")) << output;
    // Music starts switched on, high detail on, both volumes full; the
    // reserved entries 2 and 3 stay unset.
    EXPECT_EQ(settings(), (std::vector<int32_t>{1, 1, -1, -1, 255, 255}));
}

TEST_F(WholeRun, UnknownOptionAfterTheBannerAndStoredSettingsSurvive) {
    // High detail is off; the reserved entries 2 and 3 hold 9 and 7; entry 5
    // holds 300, of which only the low byte, 44, is an effect volume.
    work.write("dat/config.dat", {0, 0, 0, 0, 0,  0, 0, 0, 9,  0, 0, 0,
                                  7, 0, 0, 0, 100, 0, 0, 0, 44, 1, 0, 0});
    const std::string output = run("--Window --window");
    const size_t lineEnd = output.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_EQ(output.substr(lineEnd + 1, 27), "Unknown parameter --Window\n") << output;
    EXPECT_EQ(settings(), (std::vector<int32_t>{0, 0, 9, 7, 100, 44}));
}

} // namespace
