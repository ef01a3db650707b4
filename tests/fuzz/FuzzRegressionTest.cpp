// Every input that ever made a fuzz target fail is kept and replayed here,
// through the same entry, in the ordinary sanitizer build and at both
// display depths, so a fault once mended stays mended.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <gtest/gtest.h>
#include <string>
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

TEST(FuzzRegressionFolders, EachNamesAnEntryAndHoldsInputs) {
    size_t total = 0;
    for (const auto& dir : fs::directory_iterator(kRegressions)) {
        EXPECT_NE(findFuzzEntry(dir.path().filename().string()), nullptr) << dir.path();
        total += keptInputs(dir.path().filename().string()).size();
    }
    EXPECT_GT(total, 0u);
}

TEST_P(FuzzRegressionTest, KeptInputsRunThroughTheirEntries) {
    openDisplay(GetParam());
    size_t replayed = 0;
    for (const FuzzEntry& entry : fuzzEntries()) {
        for (const fs::path& input : keptInputs(entry.name)) {
            SCOPED_TRACE(input.string());
            const Bytes data = contents(input);
            // A fault aborts the test under the sanitizers; what the loaders
            // say about the broken files is not of interest here.
            stderrOf([&] { entry.run(data.data(), data.size()); });
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0u);
}

INSTANTIATE_TEST_SUITE_P(Depths, FuzzRegressionTest, testing::Values(16, 24));
