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

TEST(SettingsFile, MissingFileIsCreatedAsTwentyFourBytesOfFF) {
    TempDir dir;
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(5), -1);
    EXPECT_EQ(dir.read("config.dat"), Bytes(24, 0xFF));
    struct stat info {};
    ASSERT_EQ(stat(dir.file("config.dat").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0664 & ~mask);
}

TEST(SettingsFile, ReadsLittleEndianEntriesAndShortFiles) {
    TempDir dir;
    Bytes shortFile = entries({7, 0x01020304});
    shortFile.resize(10, 0xAB);
    dir.write("config.dat", shortFile);
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(0), 7);
    EXPECT_EQ(settings.get(1), 0x01020304);
    for (int i = 2; i < 6; ++i) {
        EXPECT_EQ(settings.get(i), -1) << "entry " << i;
    }
    EXPECT_EQ(dir.read("config.dat").size(), 10u) << "reading never rewrites";
}

TEST(SettingsFile, SetRewritesWholeFileAndKeepsReservedEntries) {
    TempDir dir;
    dir.write("config.dat", entries({1, 1, 0x11223344, -559038737, 200, 255}));
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    settings.set(0, 0);
    EXPECT_EQ(dir.read("config.dat"), entries({0, 1, 0x11223344, -559038737, 200, 255}));

    dir.write("config.dat", entries({5}));
    settings.set(4, 128);
    EXPECT_EQ(dir.read("config.dat"), entries({5, -1, -1, -1, 128, -1}));
    EXPECT_FALSE(dir.exists("config.dat.new"));
}

TEST(SettingsFile, OnlyTheLowByteOfTheVolumeMatters) {
    TempDir dir;
    dir.write("config.dat", entries({-1, -1, -1, -1, -1, 300}));
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(5) & 0xFF, 44);
}

TEST(SettingsFile, IndexOutsideTheEntriesTouchesNothing) {
    TempDir dir;
    const Bytes original = entries({1, 2, 3, 4, 5, 6});
    dir.write("config.dat", original);
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(6), -1);
    EXPECT_EQ(settings.get(-1), -1);
    settings.set(6, 99);
    settings.set(-1, 99);
    EXPECT_EQ(dir.read("config.dat"), original);
}

TEST(SettingsFile, UnwritableDirectoryGivesDefaultsAndKeepsTheOldFile) {
    if (geteuid() == 0) {
        // Root writes anywhere; stand in for a read-only directory with a
        // path whose directory does not exist.
        TempDir dir;
        SettingsFile settings(dir.file("missing/config.dat").c_str(), 6);
        EXPECT_EQ(settings.get(5), -1);
        settings.set(5, 10);
        EXPECT_EQ(settings.get(5), -1);
        EXPECT_FALSE(dir.exists("missing"));
        return;
    }
    TempDir dir;
    const Bytes original = entries({1, 2, 3, 4, 5, 6});
    dir.write("ro/config.dat", original);
    ASSERT_EQ(chmod(dir.file("ro").c_str(), 0555), 0);
    SettingsFile settings(dir.file("ro/config.dat").c_str(), 6);
    settings.set(5, 10);
    EXPECT_EQ(settings.get(5), 6);
    EXPECT_EQ(dir.read("ro/config.dat"), original);

    SettingsFile missing(dir.file("ro/other.dat").c_str(), 6);
    EXPECT_EQ(missing.get(0), -1);
    EXPECT_FALSE(dir.exists("ro/other.dat"));
}

} // namespace

namespace {

TEST(SettingsFile, FailedRewriteLeavesTheOldFileWhole) {
    TempDir dir;
    const Bytes original = entries({1, 2, 3, 4, 5, 6});
    dir.write("config.dat", original);
    // A directory where the temporary file should go makes the write fail.
    std::filesystem::create_directory(dir.path() / "config.dat.new");
    SettingsFile settings(dir.file("config.dat").c_str(), 6);
    settings.set(5, 10);
    EXPECT_EQ(dir.read("config.dat"), original);
}

} // namespace
