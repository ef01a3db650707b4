// Reading TGA pictures into surfaces, from files the tests write themselves,
// and full pictures: read from "<name>.pl", drawn, fatal when missing.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/ImageLoader.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"
#include "support/Hostile.h"

namespace {

constexpr int kWidth = 37;
constexpr size_t kTgaHeaderBytes = 18;
constexpr int kHeight = 23;

// A packet header followed by 24-bit pixels.
void packet(Bytes& out, int header, const std::vector<uint32_t>& pixels) {
    out.push_back(static_cast<unsigned char>(header));
    for (uint32_t rgb : pixels) {
        appendPixel(out, rgb, 24);
    }
}

class ImageLoading : public FolderTest {
  protected:
    // Loads the bytes as a file into the holder; what the loader said goes to `said`.
    bool load(const Bytes& bytes, SurfaceHolder& holder) {
        folder.write("picture.tga", bytes);
        bool ok = false;
        said = stderrOf([&] { ok = ImageLoader(&holder).load("picture.tga"); });
        return ok;
    }
    std::string said;
};

// Every display depth the loader serves, with every file depth.
class EveryDepth : public ImageLoading, public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(EveryDepth, BothTypesAndAllRowOrdersGiveThePicture) {
    const auto [displayDepth, fileDepth] = GetParam();
    openDisplay(displayDepth);
    const Picture picture = patternPicture(kWidth, kHeight);
    // 0x08 has the origin bit clear yet still means top row first.
    for (int descriptor : {kBottomRowFirst, kTopRowFirst, 0x08}) {
        for (auto encode : {&rawTga, &runLengthTga}) {
            SCOPED_TRACE("descriptor " + std::to_string(descriptor) +
                         (encode == &rawTga ? " raw" : " run-length"));
            auto holder = madeHolder(kWidth, kHeight);
            ASSERT_TRUE(load(encode(picture, fileDepth, descriptor), *holder));
            expectPicture(*holder, picture, fileDepth);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Displays, EveryDepth,
                         testing::Combine(testing::Values(16, 24), testing::Values(16, 24, 32)));

TEST_F(ImageLoading, PacketsOfEveryLengthGiveThePicture) {
    openDisplay(16);
    // Row n holds a repeat packet of n pixels, a literal packet of n pixels and
    // repeat packets for the rest of the 256-pixel row. An identity field
    // comes first, to be skipped.
    constexpr int kRow = 256;
    constexpr int kRows = 128;
    Picture picture(kRow, kRows);
    Bytes packed = tgaHeader(kRow, kRows, 24, 10, kTopRowFirst, 7);
    packed.insert(packed.end(), {'k', 'r', 'a', 'v', 'e', 'x', '!'});
    for (int n = 1; n <= kRows; ++n) {
        const int y = n - 1;
        picture.fillBox(0, y, n, 1, 0x102030u + uint32_t(n) * 0x010101u);
        for (int i = 0; i < n; ++i) {
            picture.at(n + i, y) = 0x800000u + uint32_t(i) * 0x000201u + uint32_t(n);
        }
        packet(packed, 0x80 | (n - 1), {picture.at(0, y)});
        packet(packed, n - 1,
               {picture.rgb.begin() + y * kRow + n, picture.rgb.begin() + y * kRow + 2 * n});
        for (int x = 2 * n; x < kRow; x += 128) {
            const int length = std::min(128, kRow - x);
            packet(packed, 0x80 | (length - 1), {0x00FF00u});
            picture.fillBox(x, y, length, 1, 0x00FF00u);
        }
    }
    auto holder = madeHolder(kRow, kRows);
    ASSERT_TRUE(load(packed, *holder));
    expectPicture(*holder, picture);
}

TEST_F(ImageLoading, BadHeadersAreRefusedWithTheReasonAndLeaveTheSurfaceAlone) {
    openDisplay(24);
    std::vector<std::pair<Bytes, std::string>> cases;
    // The size is checked first: these have a wrong type as well.
    for (auto [w, h] :
         {std::pair{kWidth + 1, kHeight}, {kWidth - 1, kHeight}, {kWidth, kHeight + 1}, {0, 0}}) {
        cases.emplace_back(tgaHeader(w, h, 24, 3, kTopRowFirst), "Invalid image dimensions!\n");
    }
    for (int type : {0, 1, 3, 9, 11, 255}) {
        Bytes file = rawTga(Picture(kWidth, kHeight, kWhite), 24);
        file[2] = static_cast<unsigned char>(type);
        cases.emplace_back(file, "Unknown compression mode!\n");
    }
    for (int depth : {0, 8, 15, 17, 31, 33, 255}) {
        Bytes file = tgaHeader(kWidth, kHeight, depth, 2, kTopRowFirst);
        file.resize(file.size() + 64, 0x11);
        cases.emplace_back(file, "Invalid bitdepth: " + std::to_string(depth) + "!\n");
    }
    const Picture first = patternPicture(kWidth, kHeight);
    auto holder = madeHolder(kWidth, kHeight);
    ASSERT_TRUE(load(rawTga(first, 24), *holder));
    for (const auto& [file, reason] : cases) {
        EXPECT_FALSE(load(file, *holder)) << reason;
        EXPECT_EQ(said, reason);
    }
    expectPicture(*holder, first);
}

// A missing file and an 8-bit display are the full pictures' test below.
TEST_F(ImageLoading, NothingIsLoadedWithoutASurfaceToTakeIt) {
    openDisplay(16);
    SurfaceHolder noSurface(2, 2);
    EXPECT_FALSE(load(rawTga(patternPicture(2, 2), 24), noSurface));
    EXPECT_EQ(noSurface.getSurface(), nullptr);
}

// Hostile and damaged files: these must run clean under the sanitizers.
using DamagedFiles = ImageLoading;

// A file cut anywhere after its header still gives its picture as far as the
// data goes, with the pixels it never reached black; a cut header is refused.
TEST_F(DamagedFiles, ATruncatedFileLoadsAsFarAsItGoesTheRestBlack) {
    openDisplay(24);
    const Picture picture = patternPicture(9, 5);
    const Bytes raw = rawTga(picture, 24);
    for (size_t length = 0; length < raw.size(); ++length) {
        SCOPED_TRACE(length);
        auto holder = madeHolder(9, 5);
        const bool loaded = load(Bytes(raw.begin(), raw.begin() + long(length)), *holder);
        if (length < kTgaHeaderBytes) {
            EXPECT_FALSE(loaded);
            EXPECT_EQ(said, "Invalid image dimensions!\n");
            continue;
        }
        EXPECT_TRUE(loaded);
        EXPECT_EQ(said, "Image data ends early!\n");
        for (size_t p = 0; p < 9 * 5; ++p) {
            const size_t start = kTgaHeaderBytes + 3 * p;
            const uint32_t got = holder->getPixel(int(p % 9), int(p / 9));
            if (start + 3 <= length) {
                EXPECT_EQ(got, picture.at(int(p % 9), int(p / 9))) << p;
            } else if (start >= length) {
                EXPECT_EQ(got, 0u) << p;
            }
        }
    }
    // Run-length data, rows bottom first: the top row comes last in the file.
    for (const Bytes& whole : {runLengthTga(picture, 32, kBottomRowFirst),
                               runLengthTga(Picture(9, 5, 0x123456), 16, kBottomRowFirst)}) {
        for (size_t length = kTgaHeaderBytes; length < whole.size(); ++length) {
            SCOPED_TRACE(length);
            auto holder = madeHolder(9, 5);
            EXPECT_TRUE(load(Bytes(whole.begin(), whole.begin() + long(length)), *holder));
            EXPECT_EQ(said, "Image data ends early!\n");
            EXPECT_EQ(holder->getPixel(8, 0), 0u);
        }
    }
    // An identity field that claims more than the file holds.
    auto holder = madeHolder(3, 3);
    EXPECT_TRUE(load(tgaHeader(3, 3, 24, 10, kTopRowFirst, 255), *holder));
    EXPECT_EQ(said, "Image data ends early!\n");
    EXPECT_EQ(holder->getPixel(2, 2), 0u);
}

TEST_F(DamagedFiles, PacketsGoOnInTheNextRowButStopAtThePicturesEnd) {
    openDisplay(24);
    // Six pixels of red, a whole row and half the next; two literal ones finish.
    Bytes file = tgaHeader(4, 2, 24, 10, kTopRowFirst);
    packet(file, 0x80 | 5, {0xFF0000});
    packet(file, 0x01, {0x00FF00, 0x0000FF});
    Picture picture(4, 2, 0xFF0000);
    picture.at(2, 1) = 0x00FF00;
    picture.at(3, 1) = 0x0000FF;
    auto holder = madeHolder(4, 2);
    ASSERT_TRUE(load(file, *holder));
    expectPicture(*holder, picture);
    for (int header : {0xFF, 0x7F}) {
        // Eight of the nine pixels, then 128 more, repeated or literal.
        file = tgaHeader(3, 3, 24, 10, kBottomRowFirst);
        packet(file, 0x80 | 7, {0x0000FF});
        packet(file, header, std::vector<uint32_t>(128, 0xFF0000));
        // Bottom row first: the ninth pixel of the file is the top-right one.
        Picture cut(3, 3, 0x0000FF);
        cut.at(2, 0) = 0xFF0000;
        auto square = madeHolder(3, 3);
        ASSERT_TRUE(load(file, *square));
        expectPicture(*square, cut);
    }
}

TEST_F(DamagedFiles, GarbageAfterAValidHeaderDoesNoHarm) {
    openDisplay(24);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Bytes file = tgaHeader(16, 16, seed % 2 ? 24 : 32, 10, int(seed % 3));
        unsigned value = seed;
        for (int i = 0; i < int(seed) * 37; ++i) {
            value = value * 1103515245u + 12345u;
            file.push_back(static_cast<unsigned char>(value >> 16));
        }
        auto holder = madeHolder(16, 16);
        EXPECT_TRUE(load(file, *holder)) << seed;
        EXPECT_TRUE(said.empty() || said == "Image data ends early!\n") << seed << said;
    }
}

using FullPictures = FolderTest;

TEST_F(FullPictures, ThePictureIsReadFromItsPlFileAndDrawnOntoTheScreen) {
    openDisplay(24);
    Picture picture(8, 4, 0x00FF00);
    picture.fillBox(4, 0, 4, 4, 0xFF0000);
    folder.write("pics/two.pl", rawTga(picture, 24));
    Image image("pics/two", 8, 4);
    expectPicture(image, picture);
    image.draw();
    EXPECT_EQ(screen->getPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(screen->getPixel(7, 3), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(8, 0), 0u);
    image.drawPart(100, 200, 3, 1, 2, 2);
    EXPECT_EQ(screen->getPixel(100, 200), 0x00FF00u);
    EXPECT_EQ(screen->getPixel(101, 201), 0xFF0000u);
    EXPECT_EQ(screen->getPixel(102, 200), 0u);
    image.drawPartAlpha(300, 300, 4, 0, 1, 1, 128);
    EXPECT_NEAR(int(screen->getPixel(300, 300) >> 16), 128, 2);
    EXPECT_EQ(image.getSurface()->flags & SDL_SRCALPHA, 0u);
}

// The picture is shown as far as it goes and the game goes on.
TEST_F(FullPictures, APictureThatEndsEarlyIsShownAsFarAsItGoes) {
    openDisplay(16);
    const Picture picture(8, 4, 0x00FF00);
    const Bytes whole = rawTga(picture, 24);
    folder.write("pics/cut.pl", Bytes(whole.begin(), whole.end() - 8 * 3));
    const std::string said = stderrOf([] {
        Image image("pics/cut", 8, 4);
        EXPECT_NE(image.getPixel(7, 2), 0u);
        EXPECT_EQ(image.getPixel(0, 3), 0u);
        EXPECT_EQ(image.getPixel(7, 3), 0u);
    });
    EXPECT_EQ(said, "Image data ends early!\n");
}

TEST_F(FullPictures, APictureThatCannotBeLoadedEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    folder.write("small.pl", rawTga(patternPicture(4, 4), 24));
    // Read the ordinary way, a FIFO would wait for a writer for ever.
    makeFifo("fifo.pl");
    struct Case {
        int depth;
        const char* name;
        int width;
        const char* said;
    };
    for (const Case& c :
         {Case{16, "pics/absent", 4,
               "Opening file failed!\nImage load failed! File: pics/absent.pl\n"},
          Case{16, "small", 5, "Invalid image dimensions!\nImage load failed! File: small.pl\n"},
          Case{16, "fifo", 4,
               "Opening file failed: not a regular file!\nImage load failed! File: fifo.pl\n"},
          // An 8-bit display cannot show pictures at all.
          Case{8, "small", 4, "^Image load failed! File: small.pl\n$"}}) {
        openDisplay(c.depth);
        // The status is 666; the system keeps only its low eight bits.
        EXPECT_EXIT(
            {
                ProgressLog progress;
                Image(c.name, c.width, 4);
            },
                    testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF), c.said);
    }
}

} // namespace
