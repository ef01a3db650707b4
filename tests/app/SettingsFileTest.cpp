#include "app/SettingsFile.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "support/Hostile.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes entries(std::initializer_list<int32_t> values) {
    Bytes bytes;
    for (int32_t v : values) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<unsigned char>(uint32_t(v) >> (8 * i)));
        }
    }
    return bytes;
}

class Settings : public ::testing::Test {
  protected:
    SettingsFile open(const Bytes& contents) {
        dir.write("config.dat", contents);
        return SettingsFile(dir.file("config.dat").c_str(), 6);
    }

    TempDir dir;
    const Bytes original = entries({1, 2, 3, 4, 5, 6});
};

TEST_F(Settings, MissingFileIsCreatedAsTwentyFourBytesOfFF) {
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(5), -1);
    EXPECT_EQ(dir.read("config.dat"), Bytes(24, 0xFF));
    struct stat info {};
    ASSERT_EQ(stat(dir.file("config.dat").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0664 & ~mask);
}

TEST_F(Settings, ShortFileReadsLittleEndianThenUnsetAndIsNotRewritten) {
    Bytes tenBytes = entries({7, 0x01020304});
    tenBytes.resize(10, 0xAB);
    const SettingsFile settings = open(tenBytes);
    EXPECT_EQ(settings.get(0), 7);
    EXPECT_EQ(settings.get(1), 0x01020304);
    for (int i = 2; i < 6; ++i) {
        EXPECT_EQ(settings.get(i), -1) << "entry " << i;
    }
    EXPECT_EQ(dir.read("config.dat"), tenBytes);
}

TEST_F(Settings, SetRewritesTheWholeFileCarryingTheOtherEntries) {
    const SettingsFile settings = open(entries({1, 1, 0x11223344, -559038737, 200, 300}));
    EXPECT_EQ(settings.get(5) & 0xFF, 44) << "only the low byte of a volume is used";
    settings.set(0, 0);
    EXPECT_EQ(dir.read("config.dat"), entries({0, 1, 0x11223344, -559038737, 200, 300}));
    dir.write("config.dat", entries({5}));
    settings.set(4, 128);
    EXPECT_EQ(dir.read("config.dat"), entries({5, -1, -1, -1, 128, -1}));
    EXPECT_FALSE(dir.exists("config.dat.new"));
}

TEST_F(Settings, IndexOutsideTheEntriesTouchesNothing) {
    // A seventh entry in the file: index 6 must still read as unset, and a
    // set there must not rewrite the file to its six entries.
    const Bytes seven = entries({1, 2, 3, 4, 5, 6, 77});
    const SettingsFile settings = open(seven);
    for (int32_t index : {-1, 6, 7}) {
        EXPECT_EQ(settings.get(index), -1) << index;
        settings.set(index, 99);
    }
    EXPECT_EQ(dir.read("config.dat"), seven);
}

TEST_F(Settings, FailedRewriteLeavesTheOldFileWhole) {
    // A directory where the temporary file should go makes the write fail.
    std::filesystem::create_directory(dir.path() / "config.dat.new");
    open(original).set(5, 10);
    EXPECT_EQ(dir.read("config.dat"), original);
}

// A file that is there but cannot be opened may hold the player's choices:
// it is reported once and never written over, and the run goes on with the
// entries kept in memory.
TEST_F(Settings, AFileThatCannotBeOpenedIsReportedOnceAndLeftAlone) {
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<std::string()> state;
    };
    const std::string path = dir.file("config.dat");
    const auto bytes = [path] { return contentsOf(path); };
    const auto isFifo = [path] {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode) ? "FIFO" : "changed";
    };
    const Case cases[] = {
        {"not readable", [&] { dir.write("config.dat", original); chmod(path.c_str(), 0); },
         bytes},
        {"a folder", [&] { std::filesystem::create_directory(path); },
         [path] { return std::filesystem::is_directory(path) ? "folder" : "changed"; }},
        {"a FIFO", [&] { makeFifo(path); }, isFifo},
        {"too many open files", [&] { dir.write("config.dat", original); }, bytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        c.make();
        const std::string before = c.state();
        testing::internal::CaptureStderr();
        {
            const PermissionsBind bind;
            SettingsFile settings(path.c_str(), 6);
            {
                std::unique_ptr<NoFreeDescriptors> full;
                if (std::string(c.what) == "too many open files") {
                    full = std::make_unique<NoFreeDescriptors>();
                }
                EXPECT_EQ(settings.get(5), -1);
            }
            settings.set(5, 10);
            settings.set(0, 0);
            EXPECT_EQ(settings.get(5), 10) << "the choice holds for the run";
            EXPECT_EQ(settings.get(0), 0);
            EXPECT_EQ(settings.get(4), -1);
            settings.writeDefaults();
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(c.state(), before);
        EXPECT_FALSE(dir.exists("config.dat.new"));
        EXPECT_EQ(said.find("Settings file " + path + " cannot be read"), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "one message: " << said;
    }
}

// A save that fails while writing keeps the old file byte for byte, a stale
// longer temporary file leaks nothing, and however many saves of the run
// fail, one message says so.
TEST_F(Settings, ASaveThatFailsWhileWritingKeepsTheOldFileAndSaysSoOnce) {
    const SettingsFile settings = open(original);
    const std::string kept =
        "Settings could not be saved to " + dir.file("config.dat") + "; the old file is kept\n";
    pointAtFullDevice(dir.file("config.dat.new"));
    testing::internal::CaptureStderr();
    settings.set(5, 10);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), kept);
    EXPECT_EQ(dir.read("config.dat"), original);
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("config.dat.new")));

    // A folder that is not empty stays in the way of every later save.
    dir.write("config.dat.new/x", {});
    testing::internal::CaptureStderr();
    settings.set(0, 0);
    settings.set(1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "said once already";
    EXPECT_EQ(dir.read("config.dat"), original);

    std::filesystem::remove_all(dir.path() / "config.dat.new");
    dir.write("config.dat.new", Bytes(40, 0x5A));
    settings.set(5, 10);
    EXPECT_EQ(dir.read("config.dat"), entries({1, 2, 3, 4, 5, 10}));
}

TEST_F(Settings, UnwritableDirectoryGivesDefaultsAndKeepsTheOldFile) {
    // Root writes anywhere, so a directory that does not exist stands in.
    const bool root = geteuid() == 0;
    const std::string folder = root ? "missing" : "ro";
    if (!root) {
        dir.write("ro/config.dat", original);
        ASSERT_EQ(chmod(dir.file("ro").c_str(), 0555), 0);
        SettingsFile settings(dir.file("ro/config.dat").c_str(), 6);
        settings.set(5, 10);
        EXPECT_EQ(settings.get(5), 6);
        EXPECT_EQ(dir.read("ro/config.dat"), original);
    }
    SettingsFile other(dir.file(folder + "/other.dat").c_str(), 6);
    EXPECT_EQ(other.get(0), -1);
    other.set(5, 10);
    EXPECT_EQ(other.get(5), -1);
    EXPECT_FALSE(dir.exists(folder + "/other.dat"));
}

} // namespace
