#include "store/EncipheredFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/CipherFiles.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::string>;

// Goes through the plain copy the way the game does: writes plain into the
// file, or reads the file's plain bytes into plain.
bool through(const std::string& name, bool write, Bytes& plain) {
    EncipheredFile crypt;
    crypt.setWriteBack(write ? 1 : 0);
    std::FILE* file = std::fopen(crypt.open(name.c_str()), write ? "wb" : "rb");
    if (file == nullptr) {
        crypt.close();
        return false;
    }
    if (write && !plain.empty()) {
        std::fwrite(plain.data(), 1, plain.size(), file);
    }
    for (int c; !write && (c = std::fgetc(file)) != EOF;) {
        plain.push_back(static_cast<unsigned char>(c));
    }
    std::fclose(file);
    return crypt.close();
}

TEST(EncipheredFile, StoredIsPlainMinusTheThirtyFourByteKeyWrappingRound) {
    const std::string key = "quartz7fieldsofamberandcobaltskies";
    ASSERT_EQ(key.size(), 34u);
    EXPECT_EQ(EncipheredFile::kKey, key);
    TempDir dir;
    for (size_t length : {0u, 1u, 33u, 34u, 35u, 1000u}) {
        Bytes plain(length);
        for (size_t i = 0; i < length; ++i) {
            plain[i] = static_cast<unsigned char>(i * 37 + 11); // every byte value by 256
        }
        ASSERT_TRUE(through(dir.file("f.dat"), true, plain)) << length;
        const Bytes stored = dir.read("f.dat");
        ASSERT_EQ(stored.size(), length);
        for (size_t i = 0; i < length; ++i) {
            ASSERT_EQ(stored[i], uint8_t(plain[i] - uint8_t(key[i % 34]))) << length << " " << i;
        }
        Bytes back;
        ASSERT_TRUE(through(dir.file("f.dat"), false, back));
        EXPECT_EQ(back, plain) << length;
        EXPECT_EQ(filesIn(dir), Names{"f.dat"}) << "no .tmp after reading or writing";
    }
    Bytes none;
    EXPECT_FALSE(through(dir.file("missing.dat"), false, none));
    EXPECT_EQ(filesIn(dir), Names{"f.dat"}) << "nor after a failed read";
    struct stat info {};
    ASSERT_EQ(stat(dir.file("f.dat").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0664 & ~mask) << "the game's permissions";
}

TEST(EncipheredFile, ThePlainCopySitsBesideTheFileOnlyWhileOpen) {
    TempDir dir;
    writeEnciphered(dir, "comment.dat", "hello\n");
    {
        EncipheredFile forgotten;
        EXPECT_EQ(forgotten.open(dir.file("comment.dat").c_str()), dir.file("comment.dat.tmp"));
        EXPECT_EQ(dir.read("comment.dat.tmp"), (Bytes{'h', 'e', 'l', 'l', 'o', '\n'}));
    }
    EXPECT_EQ(filesIn(dir), Names{"comment.dat"}) << "a forgotten close still tidies up";
    EncipheredFile missing;
    EXPECT_STREQ(missing.open(dir.file("none.dat").c_str()), "");
    EXPECT_EQ(filesIn(dir), Names{"comment.dat"}) << "a missing file creates nothing";
    EXPECT_FALSE(EncipheredFile().close()) << "nothing open";
}

TEST(EncipheredFile, AFailedOrAbandonedWriteKeepsTheOldFile) {
    TempDir dir;
    const auto writeHalf = [&](EncipheredFile& crypt, const char* name) {
        crypt.setWriteBack(1);
        std::FILE* file = std::fopen(crypt.open(dir.file(name).c_str()), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("half", file);
        std::fclose(file);
    };
    writeEnciphered(dir, "t.dat", "old\n");
    EncipheredFile abandoned;
    writeHalf(abandoned, "t.dat");
    abandoned.setWriteBack(0);
    EXPECT_TRUE(abandoned.close());
    EXPECT_EQ(readEnciphered(dir, "t.dat"), "old\n");

    // A directory in the data file's place cannot be renamed over.
    std::filesystem::create_directory(dir.path() / "d.dat");
    EncipheredFile failed;
    writeHalf(failed, "d.dat");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(failed.close());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing crypted file!!\n");
    EXPECT_EQ(filesIn(dir), (Names{"d.dat", "t.dat"})) << "no .tmp, no .new left";
}

} // namespace
