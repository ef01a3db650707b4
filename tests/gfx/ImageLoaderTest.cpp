// Reading TGA pictures into surfaces, from files the tests write themselves:
// every depth and row order, and hostile files, which must run clean under
// the sanitizers and load as far as they go. A full picture that cannot be
// loaded at all ends the program.
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "gfx/Image.h"
#include "gfx/ImageLoader.h"
#include "gfx/SurfaceHolder.h"
#include "support/GfxFixture.h"
#include "support/Hostile.h"

namespace {

constexpr int kWidth = 37, kHeight = 23;
constexpr size_t kTgaHeaderBytes = 18;
const std::string kEndsEarly = "Image data ends early!\n";

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

// The game's display is always 16 bits; files come in all three depths.
TEST_F(ImageLoading, EveryFileDepthTypeAndRowOrderGivesThePicture) {
    openDisplay(16);
    const Picture picture = patternPicture(kWidth, kHeight);
    // 0x08 has the origin bit clear yet still means top row first.
    for (int depth : {16, 24, 32}) {
        for (int descriptor : {kBottomRowFirst, kTopRowFirst, 0x08}) {
            for (bool packed : {false, true}) {
                SCOPED_TRACE(std::to_string(depth) + " bits, descriptor " +
                             std::to_string(descriptor) + (packed ? " run-length" : " raw"));
                auto holder = madeHolder(kWidth, kHeight);
                ASSERT_TRUE(load(tgaFile(picture, depth, descriptor, packed), *holder));
                expectPicture(*holder, picture, depth);
            }
        }
    }
}

// The size is checked first: those cases have a wrong type as well.
TEST_F(ImageLoading, BadHeadersAreRefusedWithTheReasonAndLeaveTheSurfaceAlone) {
    openDisplay(24);
    std::vector<std::pair<Bytes, std::string>> cases;
    for (auto [w, h] : {std::pair{kWidth + 1, kHeight}, {kWidth, kHeight - 1}, {0, 0}}) {
        cases.emplace_back(tgaHeader(w, h, 24, 3, kTopRowFirst), "Invalid image dimensions!\n");
    }
    for (int type : {0, 1, 3, 9, 11, 255}) {
        Bytes file = rawTga(Picture(kWidth, kHeight, kWhite), 24);
        file[2] = static_cast<unsigned char>(type);
        cases.emplace_back(file, "Unknown compression mode!\n");
    }
    for (int depth : {0, 8, 15, 31, 255}) {
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

// Cut anywhere after its header, a file gives its picture as far as the data
// goes and black beyond; a cut header is refused.
TEST_F(ImageLoading, ATruncatedFileLoadsAsFarAsItGoesTheRestBlack) {
    openDisplay(24);
    const Picture picture = patternPicture(9, 5);
    const Bytes raw = rawTga(picture, 24);
    for (size_t length = 0; length < raw.size(); ++length) {
        SCOPED_TRACE(length);
        auto holder = madeHolder(9, 5);
        const bool loaded = load(Bytes(raw.begin(), raw.begin() + long(length)), *holder);
        EXPECT_EQ(loaded, length >= kTgaHeaderBytes);
        EXPECT_EQ(said, loaded ? kEndsEarly : "Invalid image dimensions!\n");
        for (size_t p = 0; p < 9 * 5 && loaded; ++p) {
            const size_t start = kTgaHeaderBytes + 3 * p; // a pixel cut in half may show either way
            if (start + 3 <= length || start >= length) {
                const uint32_t want = start < length ? picture.at(int(p % 9), int(p / 9)) : 0;
                EXPECT_EQ(holder->getPixel(int(p % 9), int(p / 9)), want) << p;
            }
        }
    }
    // Run-length rows bottom first: the top row comes last in the file.
    const Bytes packed = runLengthTga(picture, 32, kBottomRowFirst);
    for (size_t length = kTgaHeaderBytes; length < packed.size(); ++length) {
        auto holder = madeHolder(9, 5);
        EXPECT_TRUE(load(Bytes(packed.begin(), packed.begin() + long(length)), *holder));
        EXPECT_EQ(said, kEndsEarly);
        EXPECT_EQ(holder->getPixel(8, 0), 0u) << length;
    }
    // An identity field that claims more than the file holds.
    EXPECT_TRUE(load(tgaHeader(9, 5, 24, 10, kTopRowFirst, 255), *madeHolder(9, 5)));
    EXPECT_EQ(said, kEndsEarly);
}

// Eight of the nine pixels, then 128 more, repeated or literal; rows bottom
// first, so the ninth pixel of the file is the top-right one.
TEST_F(ImageLoading, PacketsGoOnInTheNextRowButStopAtThePicturesEnd) {
    openDisplay(24);
    for (int header : {0xFF, 0x7F}) {
        Bytes file = tgaHeader(3, 3, 24, 10, kBottomRowFirst);
        file.push_back(0x80 | 7);
        appendPixel(file, 0x0000FF, 24);
        file.push_back(static_cast<unsigned char>(header));
        for (int i = 0; i < 128; ++i) {
            appendPixel(file, 0xFF0000, 24);
        }
        Picture cut(3, 3, 0x0000FF);
        cut.at(2, 0) = 0xFF0000;
        auto square = madeHolder(3, 3);
        ASSERT_TRUE(load(file, *square));
        expectPicture(*square, cut);
    }
}

TEST_F(ImageLoading, APictureThatCannotBeLoadedEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    folder.write("small.pl", rawTga(patternPicture(4, 4), 24));
    // Read the ordinary way, a FIFO would wait for a writer for ever.
    makeFifo("fifo.pl");
    // The status is 666; the system keeps only its low eight bits.
    for (auto [depth, name, width, said] :
         {std::tuple{16, "pics/absent", 4,
                     "Opening file failed!\nImage load failed! File: pics/absent.pl\n"},
          {16, "small", 5, "Invalid image dimensions!\nImage load failed! File: small.pl\n"},
          {16, "fifo", 4,
           "Opening file failed: not a regular file!\nImage load failed! File: fifo.pl\n"},
          {8, "small", 4, "^Image load failed! File: small.pl\n$"}}) { // 8 bits show no pictures
        openDisplay(depth);
        EXPECT_EXIT(
            {
                ProgressLog progress;
                Image(name, width, 4);
            },
            testing::ExitedWithCode(Image::kLoadFailedStatus & 0xFF), said);
    }
}

} // namespace
