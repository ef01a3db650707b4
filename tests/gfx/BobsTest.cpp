// Sprite frames and sets: single ".bl" frames with black transparent,
// libraries and numbered files, hostile libraries, the library writer, colour
// keys and the current frame.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/Hostile.h"

namespace {

class SpriteSets : public FolderTest {
  protected:
    // Frames that differ from each other and within themselves.
    static std::vector<Picture> someFrames(int count, int width, int height) {
        std::vector<Picture> frames;
        for (int i = 0; i < count; ++i) {
            frames.push_back(patternPicture(width, height));
            frames.back().at(0, 0) = 0x010203u * uint32_t(i + 1);
        }
        return frames;
    }

    // A 4 x 2 frame: black on the left, green and red on the right.
    static Picture framePicture() {
        Picture picture(4, 2, 0x000000);
        picture.fillBox(2, 0, 1, 2, 0x00FF00);
        picture.fillBox(3, 0, 1, 2, 0xFF0000);
        return picture;
    }

    static void expectFrames(const Bobs& set, const std::vector<Picture>& frames) {
        for (size_t i = 0; i < frames.size(); ++i) {
            SCOPED_TRACE("frame " + std::to_string(i));
            Bob* frame = set.frameAt(int(i));
            ASSERT_NE(frame, nullptr);
            expectPicture(*frame, frames[i]);
        }
    }

    // Loads with the messages on standard error captured into `said`.
    bool loadLibrary(Bobs& set, const char* name) {
        bool ok = false;
        said = stderrOf([&] { ok = set.loadLibrary(name); });
        return ok;
    }

    std::string said;
};

// Sixteen bits here; the writer's test reads a library into 24 bits.
TEST_F(SpriteSets, TheShippedSwitchReadsLibrariesAtTheirOwnFrameSize) {
    openDisplay(16);
    const std::vector<Picture> frames = someFrames(3, 7, 5);
    Bytes file = libraryFile(7, 5, frames);
    file.resize(file.size() + 100, 0xEE); // bytes after the frames are ignored
    folder.write("pics/alien.lib", file);
    Bobs set(3);
    set.setFrame(2);
    bool ok = false;
    said = stderrOf([&] { ok = set.load("pics/alien", 45, 45); });
    ASSERT_TRUE(ok);
    EXPECT_EQ(said, "");
    EXPECT_EQ(set.getFrame(), 0);
    expectFrames(set, frames);
}

TEST_F(SpriteSets, EightBitFramesUseTheNearestPaletteColour) {
    openDisplay(8);
    const std::vector<Picture> frames = someFrames(2, 6, 4);
    folder.write("pics/eight.lib", libraryFile(6, 4, frames));
    Bobs set(2);
    ASSERT_TRUE(loadLibrary(set, "pics/eight"));
    const SDL_PixelFormat* display = SDL_GetVideoSurface()->format;
    for (int i = 0; i < 2; ++i) {
        const SDL_Surface* frame = set.frameAt(i)->getSurface();
        for (int p = 0; p < 24; ++p) {
            const uint32_t rgb = frames[size_t(i)].rgb[size_t(p)];
            const Uint8 index =
                static_cast<const Uint8*>(frame->pixels)[p / 6 * frame->pitch + p % 6];
            EXPECT_EQ(index, SDL_MapRGB(display, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb)));
        }
    }
}

TEST_F(SpriteSets, MissingShortAndAbsurdLibrariesAreRefused) {
    openDisplay(16);
    // Without a library the numbered files are not read instead.
    folder.write("pics/nothing01.bl", rawTga(patternPicture(2, 2), 24));
    std::vector<std::pair<std::string, Bytes>> files;
    const Bytes whole = libraryFile(2, 2, someFrames(1, 2, 2));
    for (size_t length = 0; length < 8; ++length) {
        files.emplace_back("short", Bytes(whole.begin(), whole.begin() + long(length)));
    }
    const int sizes[][2] = {
        {0, 5},        {5, 0}, {-1, 5}, {5, -1}, {2049, 1}, {1, 2049}, {INT32_MAX, INT32_MAX},
        {INT32_MIN, 3}};
    for (auto [w, h] : sizes) {
        Bytes file = libraryFile(w, h, {});
        file.resize(file.size() + 300, 0x44);
        files.emplace_back("bad", file);
    }
    files.emplace_back("pics/nothing", Bytes());
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name + " of " + std::to_string(bytes.size()) + " bytes");
        if (name != "pics/nothing") {
            folder.write(name + ".lib", bytes);
        }
        Bobs set(2);
        said = stderrOf([&, name = name] { EXPECT_FALSE(set.load(name.c_str(), 2, 2, 1)); });
        EXPECT_EQ(said, "File " + name + ".lib is corrupted or not found!");
        EXPECT_EQ(set.frameAt(0), nullptr);
        EXPECT_EQ(set.frameAt(1), nullptr);
        set.drawAt(0, 0);
        set.drawOnBackground(0, 0);
    }
    EXPECT_EQ(screen->getPixel(0, 0), 0u);
    // The largest side allowed is still read.
    folder.write("long.lib", libraryFile(2048, 1, {Picture(2048, 1, kWhite)}));
    Bobs set(1);
    ASSERT_TRUE(loadLibrary(set, "long"));
    EXPECT_EQ(set.frameAt(0)->getPixel(2047, 0), 0xFFFFu);
}

// The file's size is weighed against its header before any frame is made:
// only the frames its data fills whole are made, and the set is refused.
TEST_F(SpriteSets, AShortLibraryMakesOnlyTheFramesItsDataFills) {
    openDisplay(24);
    const std::vector<Picture> frames = someFrames(3, 5, 4);
    const Bytes whole = libraryFile(5, 4, frames);
    const size_t frameBytes = 5 * 4 * 3;
    for (size_t length = 8; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        folder.write("cut.lib", Bytes(whole.begin(), whole.begin() + long(length)));
        Bobs set(3);
        EXPECT_FALSE(loadLibrary(set, "cut"));
        EXPECT_EQ(said, "File cut.lib is corrupted or not found!");
        const size_t filled = (length - 8) / frameBytes;
        for (size_t i = 0; i < 3; ++i) {
            if (i < filled) {
                ASSERT_NE(set.frameAt(int(i)), nullptr);
                expectPicture(*set.frameAt(int(i)), frames[i]);
            } else {
                EXPECT_EQ(set.frameAt(int(i)), nullptr) << i;
            }
        }
        set.drawAt(0, 0);
    }
    // A header alone may ask for 32 frames of the largest size: nothing is
    // made for it.
    Bytes greedy = libraryFile(2048, 2048, {});
    greedy.resize(greedy.size() + 2048 * 3, 0x44);
    folder.write("greedy.lib", greedy);
    Bobs set(32);
    EXPECT_FALSE(loadLibrary(set, "greedy"));
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(set.frameAt(i), nullptr) << i;
    }
    // Read the ordinary way, a FIFO would wait for a writer for ever.
    makeFifo("fifo.lib");
    EXPECT_FALSE(loadLibrary(set, "fifo"));
    EXPECT_EQ(said, "File fifo.lib is not a regular file!");
}

TEST_F(SpriteSets, SingleFilesAreNumberedWithTwoDigitsFromTheFirstNumber) {
    EXPECT_EQ(Bobs::frameName("pics/blood", 0), "pics/blood00");
    EXPECT_EQ(Bobs::frameName("pics/blood", 9), "pics/blood09");
    EXPECT_EQ(Bobs::frameName("pics/blood", 10), "pics/blood10");
    EXPECT_EQ(Bobs::frameName("pics/blood", 123), "pics/blood123");
    openDisplay(16);
    for (const auto& [from, count] : {std::pair{0, 12}, {1, 10}}) {
        const int first = from;
        SCOPED_TRACE(first);
        const std::vector<Picture> frames = someFrames(count, 3, 2);
        for (int i = 0; i < count; ++i) {
            folder.write(Bobs::frameName("pics/fire", first + i) + ".bl",
                         rawTga(frames[size_t(i)], 24));
        }
        Bobs set(count);
        ASSERT_TRUE(set.loadFiles("pics/fire", 3, 2, first));
        expectFrames(set, frames);
        // A missing file fails the set but not the other frames.
        std::filesystem::remove(Bobs::frameName("pics/fire", first + 1) + ".bl");
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(set.loadFiles("pics/fire", 3, 2, first)); }),
                  "Opening file failed!\n");
        ASSERT_NE(set.frameAt(1), nullptr);
        EXPECT_EQ(set.frameAt(1)->getSurface(), nullptr);
        expectPicture(*set.frameAt(0), frames[0]);
        expectPicture(*set.frameAt(count - 1), frames.back());
        std::filesystem::remove_all("pics");
    }
    // Numbers run on past the largest 32-bit one instead of wrapping round.
    const std::vector<Picture> top = someFrames(3, 3, 2);
    for (int i = 0; i < 3; ++i) {
        folder.write(Bobs::frameName("pics/top", INT32_MAX - 1LL + i) + ".bl",
                     rawTga(top[size_t(i)], 24));
    }
    EXPECT_TRUE(std::filesystem::exists("pics/top2147483648.bl"));
    Bobs set(3);
    ASSERT_TRUE(set.loadFiles("pics/top", 3, 2, INT32_MAX - 1));
    expectFrames(set, top);
}

TEST_F(SpriteSets, TheCurrentFrameIsDrawnWithTheKeyFromItsOwnCorner) {
    openDisplay(24);
    std::vector<Picture> frames = {Picture(2, 2, 0x111111), Picture(2, 2, 0x222222)};
    frames[0].at(1, 1) = 0xFF0000;
    frames[1].at(1, 1) = 0x00FF00;
    folder.write("two.lib", libraryFile(2, 2, frames));
    Bobs set(2);
    ASSERT_TRUE(set.load("two", 2, 2));
    set.keyFromCorner();
    EXPECT_EQ(set.frameAt(0)->getColorKey(), 0x111111u);
    EXPECT_EQ(set.frameAt(1)->getColorKey(), 0x222222u);
    set.drawAt(10, 10);
    set.setFrame(1);
    set.drawAt(20, 10);
    EXPECT_EQ(screen->getPixel(10, 10), 0u);
    EXPECT_EQ(screen->getPixel(11, 11), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(20, 10), 0u);
    EXPECT_EQ(screen->getPixel(21, 11), 0x00FF00u);
    for (int outside : {-1, 2, 1000}) {
        set.setFrame(outside);
        set.drawAt(30, 10);
    }
    EXPECT_EQ(screen->getPixel(31, 11), 0u);
    set.keyFromColor(0xFF, 0, 0);
    EXPECT_EQ(set.frameAt(0)->getColorKey(), 0xFF0000u);
    EXPECT_EQ(set.frameAt(1)->getColorKey(), 0xFF0000u);
    // A failed load makes the first frame current too.
    set.setFrame(1);
    EXPECT_FALSE(loadLibrary(set, "absent"));
    EXPECT_EQ(set.getFrame(), 0);
}

TEST_F(SpriteSets, TheWriterProducesWhatTheLoaderReads) {
    openDisplay(24);
    const std::vector<Picture> frames = someFrames(3, 6, 5);
    for (int i = 0; i < 3; ++i) {
        folder.write(Bobs::frameName("pics/exp_", i + 1) + ".bl",
                     runLengthTga(frames[size_t(i)], 24));
    }
    {
        Bobs built(3);
        ASSERT_TRUE(built.loadFiles("pics/exp_", 6, 5, 1));
        ASSERT_TRUE(built.writeLibrary());
    }
    EXPECT_EQ(folder.read("pics/exp_.lib"), libraryFile(6, 5, frames));
    Bobs read(3);
    ASSERT_TRUE(loadLibrary(read, "pics/exp_"));
    expectFrames(read, frames);
    // The folder the library would go into is no longer there.
    folder.write("gone/frame01.bl", rawTga(patternPicture(2, 2), 24));
    Bobs unwritable(1);
    ASSERT_TRUE(unwritable.loadFiles("gone/frame", 2, 2, 1));
    std::filesystem::remove_all(folder.path() / "gone");
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(unwritable.writeLibrary()); }), "Error with lib file!");
    // Only a 24-bit display writes, and only a set with frames.
    EXPECT_FALSE(Bobs(1).writeLibrary());
    openDisplay(16);
    Bobs sixteen(3);
    ASSERT_TRUE(sixteen.loadFiles("pics/exp_", 6, 5, 1));
    std::filesystem::remove(folder.path() / "pics/exp_.lib");
    EXPECT_FALSE(sixteen.writeLibrary());
    EXPECT_FALSE(folder.exists("pics/exp_.lib"));
}

TEST_F(SpriteSets, AFrameIsReadFromItsBlFileWithBlackTransparent) {
    openDisplay(24);
    folder.write("pics/man.bl", runLengthTga(framePicture(), 24, kBottomRowFirst));
    Bob frame("pics/man", 4, 2);
    expectPicture(frame, framePicture());
    EXPECT_NE(frame.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(frame.getColorKey(), 0u);
    SDL_FillRect(screen->getSurface(), nullptr, 0x0000FF);
    frame.drawAt(10, 20);
    // Alpha is ignored: the frame is drawn opaque.
    frame.drawAtAlpha(20, 20, 40);
    for (int x : {10, 20}) {
        EXPECT_EQ(screen->getPixel(x, 20), 0x0000FFu);
        EXPECT_EQ(screen->getPixel(x + 2, 21), 0x00FF00u);
        EXPECT_EQ(screen->getPixel(x + 3, 20), 0xFF0000u);
    }
    Bob empty(6, 3);
    expectPicture(empty, Picture(6, 3));
    EXPECT_NE(empty.getSurface()->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(empty.getColorKey(), 0u);
}

TEST_F(SpriteSets, MarksGoIntoTheBackground) {
    openDisplay(24);
    folder.write("back.pl", rawTga(Picture(16, 16, 0x0000FF), 24));
    folder.write("mark.bl", rawTga(framePicture(), 24));
    background = new Image("back", 16, 16);
    Bob mark("mark", 4, 2);
    mark.drawOnBackground(12, 14);
    EXPECT_EQ(background->getPixel(12, 14), 0x0000FFu);
    EXPECT_EQ(background->getPixel(15, 15), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(15, 15), 0u);
    delete background;
    background = nullptr;
    mark.drawOnBackground(0, 0);
}

} // namespace
