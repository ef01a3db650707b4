// Every input that ever made a fuzz target fail is kept and replayed here,
// through the same entry, in the ordinary sanitizer build and at both
// display depths, so a fault once mended stays mended. The empty input and a
// few bytes of garbage go through every entry too: each must cope with them,
// and so the entries' own checks run in this build even for a target that
// has never failed.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>

#include "fuzz/FuzzEntries.h"
#include "support/GfxFixture.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRegressions = KRAVEX_FUZZ_REGRESSIONS;

class FuzzRegressionTest : public DisplayTest, public testing::WithParamInterface<int> {};

} // namespace

// A kept input in a folder no entry reads would never be replayed.
TEST(FuzzRegressionFolders, EachNamesAnEntry) {
    for (const auto& dir : fs::directory_iterator(kRegressions)) {
        EXPECT_NE(findFuzzEntry(dir.path().filename().string()), nullptr) << dir.path();
    }
}

TEST_P(FuzzRegressionTest, KeptInputsRunThroughTheirEntries) {
    openDisplay(GetParam());
    for (const FuzzEntry& entry : fuzzEntries()) {
        std::map<std::string, Bytes> inputs = {
            {"empty", {}}, {"garbage", {0xFF, 0x00, 0x7F, 0x80, '|', 'P', '|', '\n', 0x01}}};
        std::error_code none;
        for (const auto& kept : fs::directory_iterator(kRegressions / entry.name, none)) {
            std::ifstream in(kept.path(), std::ios::binary);
            inputs[kept.path().string()] = Bytes(std::istreambuf_iterator<char>(in), {});
        }
        for (const auto& [name, data] : inputs) {
            SCOPED_TRACE(std::string(entry.name) + ": " + name);
            // A fault aborts the test under the sanitizers, a failed check of
            // the entry's aborts it too; what the loaders say about the broken
            // files is not of interest here.
            const std::string said =
                stderrOf([&] { entry.run(*screen, data.data(), data.size()); });
            EXPECT_EQ(said.find("Fuzz check failed"), std::string::npos) << said;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FuzzDepths, FuzzRegressionTest, testing::Values(16, 24));
