#include "app/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const SettingsFile settings = open(original);
    for (int32_t index : {-1, 6}) {
        EXPECT_EQ(settings.get(index), -1) << index;
        settings.set(index, 99);
    }
    EXPECT_EQ(dir.read("config.dat"), original);
}

TEST_F(Settings, FailedRewriteLeavesTheOldFileWhole) {
    // A directory where the temporary file should go makes the write fail.
    std::filesystem::create_directory(dir.path() / "config.dat.new");
    open(original).set(5, 10);
    EXPECT_EQ(dir.read("config.dat"), original);
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
