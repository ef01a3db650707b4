// Sprite sets from libraries and numbered files: hostile libraries are
// refused without making what their headers ask for, frames come out as they
// went in. Sets read from numbered files are the generated data's tests.
#include <SDL.h>
#include <gtest/gtest.h>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "support/GfxFixture.h"
#include "support/Hostile.h"

namespace {

class SpriteSets : public FolderTest {
  protected:
    // Loads with the messages on standard error captured into `said`.
    bool loadLibrary(Bobs& set, const char* name) {
        bool ok = false;
        said = stderrOf([&] { ok = set.loadLibrary(name); });
        return ok;
    }
    std::string said;
};

// The file's size is weighed against its header before any frame is made:
// a cut library makes only the frames its data fills, and is refused.
TEST_F(SpriteSets, ACutLibraryIsRefusedAndMakesOnlyTheFramesItsDataFills) {
    openDisplay(24);
    std::vector<Picture> frames(3, patternPicture(5, 4));
    frames[1].at(0, 0) = frames[2].at(1, 1) = 0x102030; // each frame its own
    const Bytes whole = libraryFile(5, 4, frames);
    for (size_t length = 0; length < whole.size(); ++length) {
        folder.write("cut.lib", Bytes(whole.begin(), whole.begin() + long(length)));
        Bobs set(3);
        EXPECT_FALSE(loadLibrary(set, "cut"));
        EXPECT_EQ(said, "File cut.lib is corrupted or not found!");
        const size_t filled = length < 8 ? 0 : (length - 8) / (5 * 4 * 3);
        for (size_t i = 0; i < 3; ++i) {
            ASSERT_EQ(set.frameAt(int(i)) != nullptr, i < filled) << length << " frame " << i;
            if (i < filled) {
                expectPicture(*set.frameAt(int(i)), frames[i]);
            }
        }
        set.drawAt(*screen, 0, 0);
    }
}

// Sizes of no picture or past the largest side, a header asking for 32
// frames of the largest size, no file, a FIFO (which, read the ordinary way,
// would wait for a writer for ever).
TEST_F(SpriteSets, AbsurdOrMissingLibrariesAreRefusedAndMakeNoFrame) {
    openDisplay(16);
    const int sizes[][2] = {
        {0, 5},         {5, 0},      {-1, 5}, {5, -1}, {2049, 1}, {1, 2049}, {INT32_MAX, INT32_MAX},
        {INT32_MIN, 3}, {2048, 2048}};
    for (const auto& [w, h] : sizes) {
        Bytes file = libraryFile(w, h, {});
        file.resize(file.size() + 2048 * 3, 0x44);
        folder.write("bad.lib", file);
        Bobs set(32);
        EXPECT_FALSE(loadLibrary(set, "bad")) << w << " x " << h;
        EXPECT_EQ(set.frameAt(0), nullptr);
    }
    Bobs set(1);
    EXPECT_FALSE(loadLibrary(set, "absent"));
    EXPECT_EQ(said, "File absent.lib is corrupted or not found!");
    makeFifo("fifo.lib");
    EXPECT_FALSE(loadLibrary(set, "fifo"));
    EXPECT_EQ(said, "File fifo.lib is not a regular file!");
    // The largest side allowed is still read.
    folder.write("long.lib", libraryFile(2048, 1, {Picture(2048, 1, kWhite)}));
    ASSERT_TRUE(loadLibrary(set, "long"));
    EXPECT_EQ(set.frameAt(0)->getPixel(2047, 0), 0xFFFFu);
}

// Frames read one file each run on past the largest 32-bit number instead of
// wrapping round to a negative one.
TEST(SpriteFrameNames, NumbersHaveTwoDigitsAtLeastAndRunPastTheLargest32BitOne) {
    EXPECT_EQ(Bobs::frameName("pics/blood", 3), "pics/blood03");
    EXPECT_EQ(Bobs::frameName("pics/top", INT32_MAX + 1LL), "pics/top2147483648");
}

} // namespace
