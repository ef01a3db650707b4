#include "store/KeyBindingFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

TEST(KeyBindingFile, EightKeysThenEightDevicesLittleEndianAndBackAgain) {
    TempDir dir;
    Binding written[8] = {{97, 0},         {98, 0}, {99, 1},        {100, 0},
                          {0x01020304, 0}, {-1, 0}, {INT32_MIN, 0}, {INT32_MAX, 2}};
    KeyBindingFile keys(dir.file("pl1key_sdl.dat"));
    ASSERT_TRUE(keys.write(written));
    const Bytes bytes = dir.read("pl1key_sdl.dat");
    ASSERT_EQ(bytes.size(), 64u);
    const auto at = [&](size_t from, size_t n) {
        return Bytes(bytes.begin() + long(from), bytes.begin() + long(from + n));
    };
    EXPECT_EQ(at(0, 4), (Bytes{0x61, 0, 0, 0})) << "left on the A key";
    EXPECT_EQ(at(16, 12), (Bytes{4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
    EXPECT_EQ(at(32, 12), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0})) << "devices follow";
    EXPECT_EQ(at(60, 4), (Bytes{2, 0, 0, 0}));

    Binding read[8];
    ASSERT_TRUE(keys.read(read));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(read[i], written[i]) << i;
    }
}

// A key file is untrusted: one too short changes no binding, and only the
// first 64 bytes of a longer one count.
TEST(KeyBindingFile, AShortFileChangesNothingAndALongerOneIsReadToByte64) {
    TempDir dir;
    KeyBindingFile keys(dir.file("k.dat"));
    Binding bindings[8];
    bindings[3] = Binding{42, 1};
    EXPECT_FALSE(keys.read(bindings)) << "missing";
    for (size_t length : {0, 1, 63}) {
        dir.write("k.dat", Bytes(length, 0x11));
        EXPECT_FALSE(keys.read(bindings)) << length;
        EXPECT_EQ(bindings[3], (Binding{42, 1})) << length;
    }
    Bytes longer(64, 0);
    longer[0] = 0x61;
    longer.resize(100, 0xEE);
    dir.write("k.dat", longer);
    ASSERT_TRUE(keys.read(bindings));
    EXPECT_EQ(bindings[0], (Binding{97, 0}));
    EXPECT_EQ(bindings[7], (Binding{0, 0}));
}

} // namespace
