// Reading TGA pictures into surfaces, from files the tests write themselves.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "gfx/ImageLoader.h"
#include "gfx/SurfaceHolder.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

namespace {

constexpr int kWidth = 37;
constexpr int kHeight = 23;

class ImageLoading : public DisplayTest {
  protected:
    // Loads the bytes as a file into a fresh holder of the given size.
    bool load(const Bytes& bytes, SurfaceHolder& holder, std::string* messages = nullptr) {
        folder.write("picture.tga", bytes);
        testing::internal::CaptureStderr();
        const bool ok = ImageLoader(&holder).load(folder.file("picture.tga").c_str());
        const std::string said = testing::internal::GetCapturedStderr();
        if (messages != nullptr) {
            *messages = said;
        }
        return ok;
    }

    // The surface value the loader should give for a colour in a file of the depth.
    static uint32_t expected(SurfaceHolder& holder, uint32_t rgb, int fileDepth) {
        if (fileDepth == 16) {
            const uint16_t value = fileValue16(rgb);
            if (SurfaceHolder::displayDepth() == 16) {
                return value;
            }
            rgb = colourOf16(value);
        }
        return holder.mapColor(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
    }

    static void expectPicture(SurfaceHolder& holder, const Picture& picture, int fileDepth) {
        int wrong = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (holder.getPixel(x, y) != expected(holder, picture.at(x, y), fileDepth) &&
                    ++wrong < 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    TempDir folder;
};

// Every display depth the loader serves, with every file depth.
class EveryDepth : public ImageLoading, public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(EveryDepth, BothTypesAndAllRowOrdersGiveThePicture) {
    const auto [displayDepth, fileDepth] = GetParam();
    openDisplay(displayDepth);
    const Picture picture = patternPicture(kWidth, kHeight);
    // 0x08 has the origin bit clear yet still means top row first.
    for (int descriptor : {kBottomRowFirst, kTopRowFirst, 0x08}) {
        SCOPED_TRACE("descriptor " + std::to_string(descriptor));
        SurfaceHolder raw(kWidth, kHeight);
        ASSERT_TRUE(raw.createSurface());
        ASSERT_TRUE(load(rawTga(picture, fileDepth, descriptor), raw));
        expectPicture(raw, picture, fileDepth);
        SurfaceHolder packed(kWidth, kHeight);
        ASSERT_TRUE(packed.createSurface());
        ASSERT_TRUE(load(runLengthTga(picture, fileDepth, descriptor), packed));
        expectPicture(packed, picture, fileDepth);
    }
}

INSTANTIATE_TEST_SUITE_P(Displays, EveryDepth,
                         testing::Combine(testing::Values(16, 24), testing::Values(16, 24, 32)));

TEST_F(ImageLoading, PacketsOfEveryLengthMatchTheRawPicture) {
    openDisplay(16);
    // Row n holds a repeat packet of n pixels, a literal packet of n pixels and
    // repeat packets for the rest of the 256-pixel row.
    constexpr int kRow = 256;
    constexpr int kRows = 128;
    Picture picture(kRow, kRows);
    Bytes packed = tgaHeader(kRow, kRows, 24, 10, kTopRowFirst);
    for (int n = 1; n <= kRows; ++n) {
        const int y = n - 1;
        const uint32_t runColour = 0x102030u + uint32_t(n) * 0x010101u;
        packed.push_back(static_cast<unsigned char>(0x80 | (n - 1)));
        appendPixel(packed, runColour, 24);
        picture.fillBox(0, y, n, 1, runColour);
        packed.push_back(static_cast<unsigned char>(n - 1));
        for (int i = 0; i < n; ++i) {
            picture.at(n + i, y) = 0x800000u + uint32_t(i) * 0x000201u + uint32_t(n);
            appendPixel(packed, picture.at(n + i, y), 24);
        }
        for (int x = 2 * n; x < kRow; x += 128) {
            const int length = std::min(128, kRow - x);
            packed.push_back(static_cast<unsigned char>(0x80 | (length - 1)));
            appendPixel(packed, 0x00FF00u, 24);
            picture.fillBox(x, y, length, 1, 0x00FF00u);
        }
    }
    SurfaceHolder fromPackets(kRow, kRows);
    ASSERT_TRUE(fromPackets.createSurface());
    ASSERT_TRUE(load(packed, fromPackets));
    expectPicture(fromPackets, picture, 24);
    SurfaceHolder fromRaw(kRow, kRows);
    ASSERT_TRUE(fromRaw.createSurface());
    ASSERT_TRUE(load(rawTga(picture, 24), fromRaw));
    for (int y = 0; y < kRows; y += 9) {
        for (int x = 0; x < kRow; x += 7) {
            EXPECT_EQ(fromPackets.getPixel(x, y), fromRaw.getPixel(x, y));
        }
    }
}

TEST_F(ImageLoading, PureRedBecomesTheSurfaceRed) {
    for (int depth : {16, 24}) {
        openDisplay(depth);
        SurfaceHolder holder(1, 1);
        ASSERT_TRUE(holder.createSurface());
        Bytes file = tgaHeader(1, 1, 24, 2, kTopRowFirst);
        file.insert(file.end(), {0x00, 0x00, 0xFF});
        ASSERT_TRUE(load(file, holder));
        EXPECT_EQ(holder.getPixel(0, 0), depth == 16 ? 0x001Fu : 0xFF0000u);
    }
}

TEST_F(ImageLoading, TheIdentityFieldIsSkipped) {
    openDisplay(24);
    const Picture picture = patternPicture(5, 4);
    Bytes file = rawTga(picture, 24);
    file[0] = 7;
    file.insert(file.begin() + 18, {'k', 'r', 'a', 'v', 'e', 'x', '!'});
    SurfaceHolder holder(5, 4);
    ASSERT_TRUE(holder.createSurface());
    ASSERT_TRUE(load(file, holder));
    expectPicture(holder, picture, 24);
}

TEST_F(ImageLoading, WrongSizeIsRefusedBeforeTheType) {
    openDisplay(16);
    SurfaceHolder holder(kWidth, kHeight);
    ASSERT_TRUE(holder.createSurface());
    std::string said;
    for (auto [w, h] :
         {std::pair{kWidth + 1, kHeight}, {kWidth - 1, kHeight}, {kWidth, kHeight + 1}, {0, 0}}) {
        Bytes file = tgaHeader(w, h, 24, 3, kTopRowFirst);
        EXPECT_FALSE(load(file, holder, &said));
        EXPECT_EQ(said, "Invalid image dimensions!\n");
    }
}

TEST_F(ImageLoading, OtherImageTypesAreRefused) {
    openDisplay(16);
    SurfaceHolder holder(2, 2);
    ASSERT_TRUE(holder.createSurface());
    std::string said;
    for (int type : {0, 1, 3, 9, 11, 255}) {
        Bytes file = rawTga(patternPicture(2, 2), 24);
        file[2] = static_cast<unsigned char>(type);
        EXPECT_FALSE(load(file, holder, &said)) << type;
        EXPECT_EQ(said, "Unknown compression mode!\n");
    }
}

TEST_F(ImageLoading, OtherDepthsAreRefusedWithTheDepth) {
    openDisplay(24);
    SurfaceHolder holder(2, 2);
    ASSERT_TRUE(holder.createSurface());
    std::string said;
    for (int depth : {0, 8, 15, 17, 31, 33, 255}) {
        Bytes file = tgaHeader(2, 2, depth, 2, kTopRowFirst);
        file.resize(file.size() + 64, 0x11);
        EXPECT_FALSE(load(file, holder, &said));
        EXPECT_EQ(said, "Invalid bitdepth: " + std::to_string(depth) + "!\n");
    }
}

TEST_F(ImageLoading, AMissingFileIsReported) {
    openDisplay(16);
    SurfaceHolder holder(2, 2);
    ASSERT_TRUE(holder.createSurface());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ImageLoader(&holder).load(folder.file("absent.pl").c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Opening file failed!\n");
}

TEST_F(ImageLoading, AnEightBitDisplayFailsSilently) {
    openDisplay(8);
    SurfaceHolder holder(2, 2);
    ASSERT_TRUE(holder.createSurface());
    std::string said;
    EXPECT_FALSE(load(rawTga(patternPicture(2, 2), 24), holder, &said));
    EXPECT_EQ(said, "");
}

TEST_F(ImageLoading, AHolderWithoutSurfaceIsNotWritten) {
    openDisplay(16);
    SurfaceHolder holder(2, 2);
    EXPECT_FALSE(load(rawTga(patternPicture(2, 2), 24), holder));
}

TEST_F(ImageLoading, AFailedLoadKeepsWhatTheSurfaceHeld) {
    openDisplay(16);
    const Picture first = patternPicture(6, 3);
    SurfaceHolder holder(6, 3);
    ASSERT_TRUE(holder.createSurface());
    ASSERT_TRUE(load(rawTga(first, 24), holder));
    Bytes wrongDepth = rawTga(Picture(6, 3, 0xFFFFFF), 24);
    wrongDepth[16] = 8;
    EXPECT_FALSE(load(wrongDepth, holder));
    expectPicture(holder, first, 24);
}

// Hostile and damaged files: these must run clean under the sanitizers.
class DamagedFiles : public ImageLoading {};

TEST_F(DamagedFiles, EveryTruncationIsRefusedAndLeavesTheSurfaceAlone) {
    openDisplay(24);
    const Picture picture = patternPicture(9, 5);
    for (const Bytes& whole : {rawTga(picture, 24), runLengthTga(picture, 32, kBottomRowFirst),
                               runLengthTga(Picture(9, 5, 0x123456), 16)}) {
        for (size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE(length);
            SurfaceHolder holder(9, 5);
            ASSERT_TRUE(holder.createSurface());
            std::string said;
            EXPECT_FALSE(load(Bytes(whole.begin(), whole.begin() + long(length)), holder, &said));
            EXPECT_FALSE(said.empty());
            EXPECT_EQ(holder.getPixel(8, 4), 0u);
        }
    }
}

TEST_F(DamagedFiles, AHugeIdentityLengthWithNothingAfterIsRefused) {
    openDisplay(16);
    Bytes file = tgaHeader(3, 3, 24, 10, kTopRowFirst, 255);
    SurfaceHolder holder(3, 3);
    ASSERT_TRUE(holder.createSurface());
    std::string said;
    EXPECT_FALSE(load(file, holder, &said));
    EXPECT_EQ(said, "Image data ends early!\n");
}

TEST_F(DamagedFiles, APacketRunningPastItsRowGoesOnInTheNext) {
    openDisplay(24);
    Bytes file = tgaHeader(4, 2, 24, 10, kTopRowFirst);
    file.push_back(0x80 | 5); // six pixels of red: a whole row and half the next
    appendPixel(file, 0xFF0000, 24);
    file.push_back(0x01); // two literal pixels finish the picture
    appendPixel(file, 0x00FF00, 24);
    appendPixel(file, 0x0000FF, 24);
    SurfaceHolder holder(4, 2);
    ASSERT_TRUE(holder.createSurface());
    ASSERT_TRUE(load(file, holder));
    EXPECT_EQ(holder.getPixel(3, 0), 0xFF0000u);
    EXPECT_EQ(holder.getPixel(1, 1), 0xFF0000u);
    EXPECT_EQ(holder.getPixel(2, 1), 0x00FF00u);
    EXPECT_EQ(holder.getPixel(3, 1), 0x0000FFu);
}

TEST_F(DamagedFiles, PacketsRunningPastThePictureAreCut) {
    openDisplay(16);
    for (unsigned char header : {0xFF, 0x7F}) {
        Bytes file = tgaHeader(3, 3, 24, 10, kBottomRowFirst);
        file.push_back(0x80 | 7); // eight of the nine pixels
        appendPixel(file, 0x0000FF, 24);
        file.push_back(header); // 128 more, repeated or literal
        for (int i = 0; i < 128; ++i) {
            appendPixel(file, 0xFF0000, 24);
        }
        SurfaceHolder holder(3, 3);
        ASSERT_TRUE(holder.createSurface());
        ASSERT_TRUE(load(file, holder));
        // Bottom row first: the ninth pixel of the file is the top-right one.
        EXPECT_EQ(holder.getPixel(2, 0), holder.mapColor(255, 0, 0));
        EXPECT_EQ(holder.getPixel(0, 2), holder.mapColor(0, 0, 255));
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
        SurfaceHolder holder(16, 16);
        ASSERT_TRUE(holder.createSurface());
        std::string said;
        if (!load(file, holder, &said)) {
            EXPECT_EQ(said, "Image data ends early!\n");
        } else {
            EXPECT_EQ(said, "");
        }
    }
}

} // namespace
