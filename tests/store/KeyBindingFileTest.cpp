#include "store/KeyBindingFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

TEST(KeyBindingFile, LeftOnTheAKeyIsWrittenAs61000000ThenDevices) {
    TempDir dir;
    Binding bindings[8] = {{97, 0},         {98, 0}, {99, 1}, {100, 0},
                           {0x01020304, 0}, {-1, 0}, {0, 0},  {0, 2}};
    ASSERT_TRUE(KeyBindingFile(dir.file("pl1key_sdl.dat")).write(bindings));
    const Bytes bytes = dir.read("pl1key_sdl.dat");
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x61, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 24),
              (Bytes{0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(bytes.begin() + 32, bytes.begin() + 36), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 40, bytes.begin() + 44), (Bytes{1, 0, 0, 0}))
        << "device of action 2";
    EXPECT_EQ(Bytes(bytes.begin() + 60, bytes.end()), (Bytes{2, 0, 0, 0}));
    EXPECT_FALSE(dir.exists("pl1key_sdl.dat.new"));
}

TEST(KeyBindingFile, RoundTripKeepsEveryValue) {
    TempDir dir;
    Binding written[8];
    for (int i = 0; i < 8; ++i) {
        written[i] = Binding{INT32_MIN + i * 7919, INT32_MAX - i};
    }
    KeyBindingFile keys(dir.file("k.dat"));
    ASSERT_TRUE(keys.write(written));
    Binding read[8];
    ASSERT_TRUE(keys.read(read));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(read[i], written[i]) << i;
    }
}

TEST(KeyBindingFile, RewritingKeepsTheSameBytesAndPermissions) {
    TempDir dir;
    Binding bindings[8] = {{276, 0}, {275, 0}, {273, 0}, {274, 0}, {305, 0}};
    KeyBindingFile keys(dir.file("k.dat"));
    ASSERT_TRUE(keys.write(bindings));
    const Bytes first = dir.read("k.dat");
    ASSERT_TRUE(keys.write(bindings));
    EXPECT_EQ(dir.read("k.dat"), first);
    struct stat info {};
    ASSERT_EQ(stat(dir.file("k.dat").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0664 & ~mask);
}

TEST(KeyBindingFile, ShortOrMissingFilesLeaveTheBindingsAlone) {
    TempDir dir;
    KeyBindingFile keys(dir.file("k.dat"));
    Binding bindings[8];
    bindings[3] = Binding{42, 1};
    EXPECT_FALSE(keys.read(bindings)) << "missing";
    for (size_t length = 0; length < 64; ++length) {
        dir.write("k.dat", Bytes(length, 0x11));
        EXPECT_FALSE(keys.read(bindings)) << length;
        EXPECT_EQ(bindings[3], (Binding{42, 1})) << length;
        EXPECT_EQ(bindings[0], Binding{}) << length;
    }
}

TEST(KeyBindingFile, BytesPastSixtyFourAreIgnored) {
    TempDir dir;
    Bytes bytes(64, 0);
    bytes[0] = 0x61;
    bytes.resize(100, 0xEE);
    dir.write("k.dat", bytes);
    Binding bindings[8];
    ASSERT_TRUE(KeyBindingFile(dir.file("k.dat")).read(bindings));
    EXPECT_EQ(bindings[0], (Binding{97, 0}));
    EXPECT_EQ(bindings[7], (Binding{0, 0}));
}

TEST(KeyBindingFile, UnwritablePlaceReportsFalseAndKeepsTheOldFile) {
    TempDir dir;
    Binding bindings[8];
    EXPECT_FALSE(KeyBindingFile(dir.file("missing/k.dat")).write(bindings));
    dir.write("k.dat", Bytes(64, 7));
    chmod(dir.path().c_str(), 0555);
    const bool written = KeyBindingFile(dir.file("k.dat")).write(bindings);
    chmod(dir.path().c_str(), 0755);
    if (geteuid() != 0) {
        EXPECT_FALSE(written);
        EXPECT_EQ(dir.read("k.dat"), Bytes(64, 7));
    }
}

} // namespace
