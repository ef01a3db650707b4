// Every input that ever made a fuzz target fail is kept and replayed here,
// through the same entry, in the ordinary sanitizer build and at both
// display depths, so a fault once mended stays mended. The empty input and a
// few bytes of garbage go through every entry too: each must cope with them,
// and so the entries' own checks run in this build even for a target that
// has never failed.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzEntries.h"
#include "gfx/TestPictures.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRegressions = KRAVEX_FUZZ_REGRESSIONS;

std::vector<fs::path> keptInputs(const std::string& target) {
    std::vector<fs::path> inputs;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(kRegressions / target, missing)) {
        inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

Bytes contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class FuzzRegressionTest : public DisplayTest, public testing::WithParamInterface<int> {};

} // namespace

// A kept input in a folder no entry reads would never be replayed.
TEST(FuzzRegressionFolders, EachNamesAnEntry) {
    std::error_code missing;
    for (const auto& dir : fs::directory_iterator(kRegressions, missing)) {
        EXPECT_NE(findFuzzEntry(dir.path().filename().string()), nullptr) << dir.path();
    }
}

TEST_P(FuzzRegressionTest, KeptInputsRunThroughTheirEntries) {
    openDisplay(GetParam());
    const Bytes garbage = {0xFF, 0x00, 0x7F, 0x80, '|', 'P', '|', '\n', 0x01};
    for (const FuzzEntry& entry : fuzzEntries()) {
        std::vector<std::pair<std::string, Bytes>> inputs = {{"empty", {}}, {"garbage", garbage}};
        for (const fs::path& input : keptInputs(entry.name)) {
            inputs.emplace_back(input.string(), contents(input));
        }
        for (const auto& [name, data] : inputs) {
            SCOPED_TRACE(std::string(entry.name) + ": " + name);
            // A fault aborts the test under the sanitizers, a failed check of
            // the entry's aborts it too; what the loaders say about the broken
            // files is not of interest here.
            const std::string said = stderrOf([&] { entry.run(data.data(), data.size()); });
            EXPECT_EQ(said.find("Fuzz check failed"), std::string::npos) << said;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FuzzDepths, FuzzRegressionTest, testing::Values(16, 24));
