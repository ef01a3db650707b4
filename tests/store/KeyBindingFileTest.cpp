#include "store/KeyBindingFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Eight keys, then eight devices, little end first. A key file is
// untrusted: one too short changes no binding, and only the first 64 bytes
// of a longer one count.
TEST(KeyBindingFile, KeysThenDevicesLittleEndianAndOnlyAWholeFileIsRead) {
    TempDir dir;
    Binding written[8] = {{97, 0},         {98, 0}, {99, 1},        {100, 0},
                          {0x01020304, 0}, {-1, 0}, {INT32_MIN, 0}, {INT32_MAX, 2}};
    KeyBindingFile keys(dir.file("k.dat"));
    ASSERT_TRUE(keys.write(written));
    Bytes bytes = dir.read("k.dat");
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x61, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 28),
              (Bytes{4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
    EXPECT_EQ(Bytes(bytes.begin() + 32, bytes.begin() + 44),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}))
        << "devices follow";
    EXPECT_EQ(Bytes(bytes.begin() + 60, bytes.end()), (Bytes{2, 0, 0, 0}));

    bytes.resize(100, 0xEE);
    dir.write("k.dat", bytes);
    Binding read[8];
    ASSERT_TRUE(keys.read(read));
    EXPECT_TRUE(std::equal(read, read + 8, written));
    dir.write("k.dat", Bytes(63, 0x11));
    EXPECT_FALSE(keys.read(read));
    EXPECT_TRUE(std::equal(read, read + 8, written)) << "one byte short changes nothing";
    EXPECT_FALSE(KeyBindingFile(dir.file("missing.dat")).read(read));
}

} // namespace
