// Every store that saves, against every way a save can meet a hostile disk:
// a failure is reported and keeps the old file byte for byte, a success
// leaves exactly what a save on a clean disk leaves, nothing is ever written
// through a planted link, and no temporary file stays behind.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

#include "app/SettingsFile.h"
#include "store/KeyBindingFile.h"
#include "store/ReplayStore.h"
#include "support/Hostile.h"
#include "support/ReplayGames.h"
#include "support/StoreFixture.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

namespace fs = std::filesystem;

// A save writes generation 0 (the old file) or 1 (the new one) and tells
// whether the store says it saved.
struct Store {
    const char* name;
    const char* file;
    std::vector<std::string> temporaries;
    bool (*save)(const std::string& path, int generation);
};

bool saveScores(const std::string& path, int generation) {
    LevelTable levels{1};
    HighScoreTable scores{20, "", nullptr, nullptr, 0, levels};
    scores.loadFrom(path.c_str());
    scores.resetDefaults();
    scores.insert(1000 + generation, "NEW");
    return scores.save();
}

// Settings answer nothing; the value read back tells.
bool saveSettings(const std::string& path, int generation) {
    SettingsFile(path.c_str(), 16).set(0, generation);
    return SettingsFile(path.c_str(), 16).get(0) == generation;
}

bool saveKeys(const std::string& path, int generation) {
    const Binding bindings[8] = {{97 + generation, 0}};
    return KeyBindingFile(path).write(bindings);
}

bool saveReplay(const std::string& path, int generation) {
    return ReplayStore(fs::path(path).parent_path().string())
        .keep(plausibleGame(1, 50 + uint32_t(generation)), false);
}

const Store kStores[] = {
    {"HighScores", "hiscore_1.dat", {".tmp", ".new"}, saveScores},
    {"Settings", "config.dat", {".new"}, saveSettings},
    {"KeyBindings", "pl1key_sdl.dat", {".new"}, saveKeys},
    {"Replays", "last.rpl", {".new"}, saveReplay},
};

enum class Outcome { kFails, kSaves, kEither };
enum class Hazard { kNone, kDiskFillsHalfWay, kReadOnlyFolder };
// What is planted at the target's name and at its temporary names.
enum Plant { kNothing, kFolder, kLink, kFifo, kLongerFile };

struct Failure {
    const char* name;
    Outcome outcome;
    Hazard hazard;
    Plant atTarget;
    Plant atTemporaries;
};

// Room for the start of a message, not for any store's whole file.
constexpr rlim_t kHalfWayBytes = 40;

const Failure kFailures[] = {
    {"DiskFillsHalfWay", Outcome::kFails, Hazard::kDiskFillsHalfWay, kNothing, kNothing},
    {"ReadOnlyFolder", Outcome::kFails, Hazard::kReadOnlyFolder, kNothing, kNothing},
    {"FolderAtTarget", Outcome::kFails, Hazard::kNone, kFolder, kNothing},
    {"FoldersAtTemporaries", Outcome::kFails, Hazard::kNone, kNothing, kFolder},
    {"StaleLongerTemporaries", Outcome::kSaves, Hazard::kNone, kNothing, kLongerFile},
    {"LinkAtTarget", Outcome::kSaves, Hazard::kNone, kLink, kNothing},
    {"LinksAtTemporaries", Outcome::kEither, Hazard::kNone, kNothing, kLink},
    {"FifoAtTarget", Outcome::kEither, Hazard::kNone, kFifo, kNothing},
    {"FifosAtTemporaries", Outcome::kEither, Hazard::kNone, kNothing, kFifo},
};

void plant(Plant what, const std::string& at) {
    if (what != kNothing) {
        fs::remove(at);
    }
    if (what == kFolder) {
        fs::create_directories(at + "/kept");
    } else if (what == kLink) {
        fs::create_symlink(fs::path(at).parent_path() / "victim", at);
    } else if (what == kFifo) {
        makeFifo(at);
    } else if (what == kLongerFile) {
        std::ofstream(at) << std::string(3000, 'Z');
    }
}

bool saveUnder(const Store& store, Hazard hazard, const std::string& target) {
    if (hazard == Hazard::kDiskFillsHalfWay) {
        const FileSizeCap cap(kHalfWayBytes);
        return store.save(target, 1);
    }
    const fs::path dir = fs::path(target).parent_path();
    chmod(dir.c_str(), hazard == Hazard::kReadOnlyFolder ? 0555 : 0755);
    const bool saved = store.save(target, 1);
    chmod(dir.c_str(), 0755);
    return saved;
}

using StoreSaves = testing::TestWithParam<std::tuple<Store, Failure>>;

TEST_P(StoreSaves, AFailureIsReportedKeepsTheOldFileAndNothingGoesThroughALink) {
    const auto& [store, failure] = GetParam();
    const PermissionsBind bind;
    if (failure.hazard == Hazard::kReadOnlyFolder && !bind.binds()) {
        GTEST_SKIP() << "permissions do not bind this process";
    }
    TempDir clean;
    ASSERT_TRUE(store.save(clean.file(store.file), 0) && store.save(clean.file(store.file), 1));
    TempDir dir;
    const std::string target = dir.file(store.file);
    ASSERT_TRUE(store.save(target, 0));
    dir.write("victim", {'m', 'i', 'n', 'e'});
    plant(failure.atTarget, target);
    for (const std::string& suffix : store.temporaries) {
        plant(failure.atTemporaries, target + suffix);
    }
    const std::string old = stateOf(target);

    testing::internal::CaptureStderr();
    const bool saved = saveUnder(store, failure.hazard, target);
    const std::string said = testing::internal::GetCapturedStderr();
    const bool savedCleanly = saved && said.empty();
    if (failure.outcome != Outcome::kEither) {
        EXPECT_EQ(savedCleanly, failure.outcome == Outcome::kSaves) << said;
    }
    if (savedCleanly) {
        EXPECT_EQ(stateOf(target), stateOf(clean.file(store.file)));
    } else {
        EXPECT_FALSE(saved) << "a failure is not a success";
        EXPECT_NE(said, "") << "a failure is reported";
        EXPECT_EQ(stateOf(target), old) << "the old file is kept";
    }
    EXPECT_EQ(stateOf(dir.file("victim")), "file mine") << "nothing is written through a link";
    // A folder in the way may stay; a file the save made may not.
    for (const std::string& suffix : store.temporaries) {
        const std::string left = stateOf(target + suffix);
        EXPECT_TRUE(left == "missing" || (left == "folder" && failure.atTemporaries == kFolder))
            << suffix << ": " << left;
    }
}

INSTANTIATE_TEST_SUITE_P(StoresTimesFailures, StoreSaves,
                         testing::Combine(testing::ValuesIn(kStores), testing::ValuesIn(kFailures)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
