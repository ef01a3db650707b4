// Sprite sets: libraries and numbered single files, hostile libraries, the
// library writer, colour keys and the current frame.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

class SpriteSets : public DisplayTest {
  protected:
    void SetUp() override { here = std::make_unique<WorkingDir>(folder.path()); }
    void TearDown() override {
        here.reset();
        DisplayTest::TearDown();
    }

    // Frames that differ from each other and within themselves.
    static std::vector<Picture> someFrames(int count, int width, int height) {
        std::vector<Picture> frames;
        for (int i = 0; i < count; ++i) {
            Picture frame = patternPicture(width, height);
            frame.at(0, 0) = 0x010203u * uint32_t(i + 1);
            frames.push_back(frame);
        }
        return frames;
    }

    static void expectFrame(Bob* frame, const Picture& picture) {
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(frame->getSurface(), nullptr);
        ASSERT_EQ(frame->getSurface()->w, picture.width);
        ASSERT_EQ(frame->getSurface()->h, picture.height);
        int wrong = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const uint32_t rgb = picture.at(x, y);
                const uint32_t want =
                    frame->mapColor(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
                if (frame->getPixel(x, y) != want) {
                    ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    // Loads with the messages on standard error captured into `said`.
    bool loadLibrary(Bobs& set, const char* name) {
        testing::internal::CaptureStderr();
        const bool ok = set.loadLibrary(name);
        said = testing::internal::GetCapturedStderr();
        return ok;
    }

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
    std::string said;
};

TEST_F(SpriteSets, ALibraryFillsEveryFrame) {
    for (int depth : {16, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        const std::vector<Picture> frames = someFrames(3, 7, 5);
        folder.write("pics/alien.lib", libraryFile(7, 5, frames));
        Bobs set(3);
        ASSERT_TRUE(loadLibrary(set, "pics/alien"));
        EXPECT_EQ(said, "");
        for (int i = 0; i < 3; ++i) {
            expectFrame(set.frameAt(i), frames[size_t(i)]);
        }
    }
}

TEST_F(SpriteSets, TheLibrarysFrameSizeWins) {
    openDisplay(16);
    folder.write("pics/tag.lib", libraryFile(40, 20, someFrames(2, 40, 20)));
    Bobs set(2);
    ASSERT_TRUE(set.load("pics/tag", 45, 45));
    EXPECT_EQ(set.frameAt(1)->getSurface()->w, 40);
    EXPECT_EQ(set.frameAt(1)->getSurface()->h, 20);
}

TEST_F(SpriteSets, LibraryRedIsTheFramesRed) {
    for (int depth : {16, 24}) {
        openDisplay(depth);
        folder.write("red.lib", Bytes{1, 0, 0, 0, 1, 0, 0, 0, 0x00, 0x00, 0xFF});
        Bobs set(1);
        ASSERT_TRUE(loadLibrary(set, "red"));
        EXPECT_EQ(set.frameAt(0)->getPixel(0, 0), depth == 16 ? 0x001Fu : 0xFF0000u);
    }
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
        ASSERT_NE(frame->format->palette, nullptr);
        for (int c = 0; c < 256; ++c) {
            EXPECT_EQ(frame->format->palette->colors[c].r, display->palette->colors[c].r);
            EXPECT_EQ(frame->format->palette->colors[c].b, display->palette->colors[c].b);
        }
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                const uint32_t rgb = frames[size_t(i)].at(x, y);
                const Uint8 index = static_cast<const Uint8*>(frame->pixels)[y * frame->pitch + x];
                EXPECT_EQ(index,
                          SDL_MapRGB(display, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb)));
            }
        }
    }
}

TEST_F(SpriteSets, AMissingLibraryLeavesTheFramesEmpty) {
    openDisplay(16);
    Bobs set(4);
    EXPECT_FALSE(loadLibrary(set, "pics/nothing"));
    EXPECT_EQ(said, "File pics/nothing.lib is corrupted or not found!");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(set.frameAt(i), nullptr);
    }
    set.drawAt(0, 0);
    set.drawOnBackground(0, 0);
    EXPECT_EQ(screen->getPixel(0, 0), 0u);
}

TEST_F(SpriteSets, AbsurdFrameSizesAreRefused) {
    openDisplay(16);
    const std::vector<std::pair<int, int>> sizes = {{0, 5},
                                                    {5, 0},
                                                    {-1, 5},
                                                    {5, -1},
                                                    {2049, 1},
                                                    {1, 2049},
                                                    {0x7FFFFFFF, 0x7FFFFFFF},
                                                    {int(0x80000000u), 3}};
    for (auto [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Bytes file = libraryFile(w, h, {});
        file.resize(file.size() + 300, 0x44);
        folder.write("bad.lib", file);
        Bobs set(2);
        EXPECT_FALSE(loadLibrary(set, "bad"));
        EXPECT_EQ(said, "File bad.lib is corrupted or not found!");
        EXPECT_EQ(set.frameAt(0), nullptr);
    }
}

TEST_F(SpriteSets, TheLargestFrameSideIsAccepted) {
    openDisplay(16);
    folder.write("long.lib", libraryFile(2048, 1, {Picture(2048, 1, 0xFFFFFF)}));
    Bobs set(1);
    ASSERT_TRUE(loadLibrary(set, "long"));
    EXPECT_EQ(set.frameAt(0)->getPixel(2047, 0), 0xFFFFu);
}

TEST_F(SpriteSets, AShortHeaderIsRefused) {
    openDisplay(16);
    const Bytes whole = libraryFile(2, 2, someFrames(1, 2, 2));
    for (size_t length = 0; length < 8; ++length) {
        folder.write("short.lib", Bytes(whole.begin(), whole.begin() + long(length)));
        Bobs set(1);
        EXPECT_FALSE(loadLibrary(set, "short")) << length;
        EXPECT_EQ(said, "File short.lib is corrupted or not found!");
    }
}

TEST_F(SpriteSets, AShortLibraryIsFilledAsFarAsItGoes) {
    openDisplay(24);
    const std::vector<Picture> frames = someFrames(3, 5, 4);
    const Bytes whole = libraryFile(5, 4, frames);
    for (size_t length = 8; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        folder.write("cut.lib", Bytes(whole.begin(), whole.begin() + long(length)));
        Bobs set(3);
        EXPECT_FALSE(loadLibrary(set, "cut"));
        EXPECT_EQ(said, "File cut.lib is corrupted or not found!");
        const size_t pixels = (length - 8) / 3;
        for (size_t p = 0; p < 3 * 20; p += 7) {
            const int frame = int(p / 20);
            const int x = int(p % 20 % 5);
            const int y = int(p % 20 / 5);
            ASSERT_NE(set.frameAt(frame), nullptr);
            const uint32_t want = p < pixels ? frames[size_t(frame)].at(x, y) : 0u;
            EXPECT_EQ(set.frameAt(frame)->getPixel(x, y), want) << p;
        }
    }
}

TEST_F(SpriteSets, ExtraBytesAfterTheFramesAreIgnored) {
    openDisplay(24);
    const std::vector<Picture> frames = someFrames(2, 3, 3);
    Bytes file = libraryFile(3, 3, frames);
    file.resize(file.size() + 100, 0xEE);
    folder.write("long.lib", file);
    Bobs set(2);
    ASSERT_TRUE(loadLibrary(set, "long"));
    expectFrame(set.frameAt(1), frames[1]);
}

TEST_F(SpriteSets, SingleFileNamesHaveAtLeastTwoDigits) {
    EXPECT_EQ(Bobs::frameName("pics/blood", 0), "pics/blood00");
    EXPECT_EQ(Bobs::frameName("pics/blood", 1), "pics/blood01");
    EXPECT_EQ(Bobs::frameName("pics/blood", 9), "pics/blood09");
    EXPECT_EQ(Bobs::frameName("pics/blood", 10), "pics/blood10");
    EXPECT_EQ(Bobs::frameName("pics/blood", 11), "pics/blood11");
    EXPECT_EQ(Bobs::frameName("pics/blood", 123), "pics/blood123");
}

TEST_F(SpriteSets, SingleFilesAreCountedFromTheFirstNumber) {
    openDisplay(16);
    for (auto [first, count] : {std::pair{0, 12}, {1, 10}}) {
        SCOPED_TRACE(first);
        const std::vector<Picture> frames = someFrames(count, 3, 2);
        for (int i = 0; i < count; ++i) {
            folder.write(Bobs::frameName("pics/fire", first + i) + ".bl",
                         rawTga(frames[size_t(i)], 24));
        }
        Bobs set(count);
        ASSERT_TRUE(set.loadFiles("pics/fire", 3, 2, first));
        for (int i = 0; i < count; ++i) {
            expectFrame(set.frameAt(i), frames[size_t(i)]);
        }
        std::filesystem::remove_all(folder.path() / "pics");
    }
}

TEST_F(SpriteSets, AMissingSingleFileFailsTheSetButNotTheOthers) {
    openDisplay(16);
    const std::vector<Picture> frames = someFrames(3, 3, 2);
    folder.write("gran01.bl", rawTga(frames[0], 24));
    folder.write("gran03.bl", rawTga(frames[2], 24));
    Bobs set(3);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(set.loadFiles("gran", 3, 2, 1));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Opening file failed!\n");
    expectFrame(set.frameAt(0), frames[0]);
    ASSERT_NE(set.frameAt(1), nullptr);
    EXPECT_EQ(set.frameAt(1)->getSurface(), nullptr);
    expectFrame(set.frameAt(2), frames[2]);
}

TEST_F(SpriteSets, TheShippedSwitchReadsLibraries) {
    openDisplay(16);
    folder.write("both.lib", libraryFile(2, 2, someFrames(1, 2, 2)));
    Bobs set(1);
    EXPECT_TRUE(set.load("both", 2, 2, 1));
    Bobs noLibrary(1);
    folder.write("only01.bl", rawTga(patternPicture(2, 2), 24));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(noLibrary.load("only", 2, 2, 1));
    testing::internal::GetCapturedStderr();
}

TEST_F(SpriteSets, ALoadMakesTheFirstFrameCurrent) {
    openDisplay(16);
    folder.write("set.lib", libraryFile(2, 2, someFrames(3, 2, 2)));
    Bobs set(3);
    set.setFrame(2);
    ASSERT_TRUE(set.load("set", 2, 2));
    EXPECT_EQ(set.getFrame(), 0);
    set.setFrame(2);
    ASSERT_TRUE(set.load("set", 2, 2));
    EXPECT_EQ(set.getFrame(), 0);
    set.setFrame(1);
    EXPECT_FALSE(loadLibrary(set, "absent"));
    EXPECT_EQ(set.getFrame(), 0);
}

TEST_F(SpriteSets, TheCurrentFrameIsDrawn) {
    openDisplay(24);
    std::vector<Picture> frames = {Picture(2, 2, 0xFF0000), Picture(2, 2, 0x00FF00)};
    folder.write("two.lib", libraryFile(2, 2, frames));
    Bobs set(2);
    ASSERT_TRUE(set.load("two", 2, 2));
    set.drawAt(10, 10);
    set.setFrame(1);
    set.drawAt(20, 10);
    EXPECT_EQ(screen->getPixel(11, 11), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(21, 11), 0x00FF00u);
    for (int outside : {-1, 2, 1000}) {
        set.setFrame(outside);
        set.drawAt(30, 10);
    }
    EXPECT_EQ(screen->getPixel(31, 11), 0u);
}

TEST_F(SpriteSets, EachFrameTakesTheKeyFromItsOwnCorner) {
    openDisplay(24);
    std::vector<Picture> frames = {Picture(2, 1, 0x111111), Picture(2, 1, 0x222222)};
    frames[0].at(1, 0) = 0xFF0000;
    folder.write("keys.lib", libraryFile(2, 1, frames));
    Bobs set(2);
    ASSERT_TRUE(set.load("keys", 2, 1));
    set.keyFromCorner();
    EXPECT_EQ(set.frameAt(0)->getColorKey(), 0x111111u);
    EXPECT_EQ(set.frameAt(1)->getColorKey(), 0x222222u);
    set.drawAt(0, 0);
    EXPECT_EQ(screen->getPixel(0, 0), 0u);
    EXPECT_EQ(screen->getPixel(1, 0), 0xFF0000u);
    set.keyFromColor(0xFF, 0, 0);
    EXPECT_EQ(set.frameAt(0)->getColorKey(), 0xFF0000u);
    EXPECT_EQ(set.frameAt(1)->getColorKey(), 0xFF0000u);
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
    for (int i = 0; i < 3; ++i) {
        expectFrame(read.frameAt(i), frames[size_t(i)]);
    }
}

TEST_F(SpriteSets, OnlyATwentyFourBitDisplayWritesLibraries) {
    openDisplay(16);
    folder.write("sixteen01.bl", rawTga(patternPicture(2, 2), 24));
    Bobs set(1);
    ASSERT_TRUE(set.loadFiles("sixteen", 2, 2, 1));
    EXPECT_FALSE(set.writeLibrary());
    EXPECT_FALSE(folder.exists("sixteen.lib"));
    Bobs empty(1);
    EXPECT_FALSE(empty.writeLibrary());
}

TEST_F(SpriteSets, AnUnwritableLibraryIsReported) {
    openDisplay(24);
    folder.write("gone/frame01.bl", rawTga(patternPicture(2, 2), 24));
    Bobs set(1);
    ASSERT_TRUE(set.loadFiles("gone/frame", 2, 2, 1));
    // The folder the library would go into is no longer there.
    std::filesystem::remove_all(folder.path() / "gone");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(set.writeLibrary());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error with lib file!");
}

} // namespace
