#include "store/EncipheredFile.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/CipherFiles.h"

namespace {

using Bytes = std::vector<unsigned char>;
const char* const kKey = "quartz7fieldsofamberandcobaltskies";

Bytes pattern(size_t length) {
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 37 + 11);
    }
    return bytes;
}

// Writes bytes through the plain file the game would write.
bool writeThrough(const std::string& name, const Bytes& plain) {
    EncipheredFile crypt;
    crypt.setWriteBack(1);
    std::FILE* file = std::fopen(crypt.open(name.c_str()), "wb");
    if (file == nullptr) {
        crypt.close();
        return false;
    }
    if (!plain.empty()) {
        std::fwrite(plain.data(), 1, plain.size(), file);
    }
    std::fclose(file);
    return crypt.close();
}

// Reads the plain bytes back the way the game reads a file.
bool readThrough(const std::string& name, Bytes& plain) {
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    std::FILE* file = std::fopen(crypt.open(name.c_str()), "rb");
    if (file == nullptr) {
        crypt.close();
        return false;
    }
    plain.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        plain.push_back(static_cast<unsigned char>(c));
    }
    std::fclose(file);
    crypt.close();
    return true;
}

TEST(EncipheredFileKey, IsThirtyFourBytes) {
    EXPECT_STREQ(EncipheredFile::kKey, kKey);
    EXPECT_EQ(std::strlen(EncipheredFile::kKey), 34u);
}

TEST(EncipheredFileCipher, StoredIsPlainMinusKeyByteWrappingEvery34) {
    TempDir dir;
    for (size_t length : {0u, 1u, 33u, 34u, 35u, 1000u}) {
        const Bytes plain = pattern(length);
        ASSERT_TRUE(writeThrough(dir.file("f.dat"), plain)) << length;
        const Bytes stored = dir.read("f.dat");
        ASSERT_EQ(stored.size(), length);
        for (size_t i = 0; i < length; ++i) {
            const uint8_t expected = static_cast<uint8_t>(plain[i] - uint8_t(kKey[i % 34]));
            ASSERT_EQ(stored[i], expected) << "length " << length << " byte " << i;
        }
        Bytes back;
        ASSERT_TRUE(readThrough(dir.file("f.dat"), back));
        EXPECT_EQ(back, plain) << length;
    }
}

TEST(EncipheredFileCipher, KeyWrapsAtByte34And68) {
    TempDir dir;
    // A plain text that repeats the key three times enciphers to all zeros.
    std::string key3 = std::string(kKey) + kKey + kKey;
    ASSERT_TRUE(writeThrough(dir.file("f.dat"), Bytes(key3.begin(), key3.end())));
    EXPECT_EQ(dir.read("f.dat"), Bytes(102, 0));
}

TEST(EncipheredFileCipher, SingleByteRules) {
    EXPECT_EQ(EncipheredFile::encipher('q', 0), 0);
    EXPECT_EQ(EncipheredFile::encipher('q', 34), 0);
    EXPECT_EQ(EncipheredFile::encipher(0, 0), uint8_t(256 - 'q'));
    // Key byte 2 is 'a'; a stored 255 wraps round.
    EXPECT_EQ(EncipheredFile::decipher(255, 2), uint8_t(255 + 'a'));
    for (int b = 0; b < 256; ++b) {
        for (size_t i : {0u, 6u, 33u, 34u, 67u, 68u}) {
            ASSERT_EQ(EncipheredFile::decipher(EncipheredFile::encipher(uint8_t(b), i), i), b);
        }
    }
}

TEST(EncipheredFileTemporary, NoTmpLeftAfterReadWriteOrFailedRead) {
    TempDir dir;
    ASSERT_TRUE(writeThrough(dir.file("hiscore_1.dat"), pattern(50)));
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_1.dat"});
    Bytes back;
    ASSERT_TRUE(readThrough(dir.file("hiscore_1.dat"), back));
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_1.dat"});
    EXPECT_FALSE(readThrough(dir.file("missing.dat"), back));
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"hiscore_1.dat"});
}

TEST(EncipheredFileTemporary, PlainCopySitsBesideTheFileWhileOpen) {
    TempDir dir;
    writeEnciphered(dir, "comment.dat", "hello\n");
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    const std::string plainName = crypt.open(dir.file("comment.dat").c_str());
    EXPECT_EQ(plainName, dir.file("comment.dat") + ".tmp");
    EXPECT_EQ(dir.read("comment.dat.tmp"), (Bytes{'h', 'e', 'l', 'l', 'o', '\n'}));
    crypt.close();
    EXPECT_FALSE(dir.exists("comment.dat.tmp"));
}

TEST(EncipheredFileTemporary, MissingFileGivesAnEmptyNameAndCreatesNothing) {
    TempDir dir;
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    EXPECT_STREQ(crypt.open(dir.file("none.dat").c_str()), "");
    EXPECT_TRUE(filesIn(dir).empty());
    crypt.close();
    EXPECT_TRUE(filesIn(dir).empty());
}

TEST(EncipheredFileTemporary, ForgottenCloseStillRemovesTheCopy) {
    TempDir dir;
    writeEnciphered(dir, "a.dat", "x");
    {
        EncipheredFile crypt;
        crypt.open(dir.file("a.dat").c_str());
        ASSERT_TRUE(dir.exists("a.dat.tmp"));
    }
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"a.dat"});
}

TEST(EncipheredFileWrite, EmptyPlainGivesEmptyFileWithGamePermissions) {
    TempDir dir;
    ASSERT_TRUE(writeThrough(dir.file("e.dat"), {}));
    EXPECT_TRUE(dir.read("e.dat").empty());
    struct stat info {};
    ASSERT_EQ(stat(dir.file("e.dat").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0664 & ~mask);
}

TEST(EncipheredFileWrite, AbandonedWriteKeepsTheOldFile) {
    TempDir dir;
    writeEnciphered(dir, "t.dat", "old\n");
    EncipheredFile crypt;
    crypt.setWriteBack(1);
    std::FILE* file = std::fopen(crypt.open(dir.file("t.dat").c_str()), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("half", file);
    std::fclose(file);
    crypt.setWriteBack(0);
    EXPECT_TRUE(crypt.close());
    EXPECT_EQ(readEnciphered(dir, "t.dat"), "old\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"t.dat"});
}

TEST(EncipheredFileWrite, PlainCopyIsRemovedWhenTheDataFileCannotBeReplaced) {
    TempDir dir;
    // A directory in the data file's place cannot be renamed over.
    std::filesystem::create_directory(dir.path() / "t.dat");
    EncipheredFile crypt;
    crypt.setWriteBack(1);
    std::FILE* file = std::fopen(crypt.open(dir.file("t.dat").c_str()), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("secret\n", file);
    std::fclose(file);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(crypt.close());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing crypted file!!\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"t.dat"}) << "no .tmp, no .new left";
}

TEST(EncipheredFileWrite, CloseWithoutOpenIsHarmless) {
    EncipheredFile crypt;
    EXPECT_FALSE(crypt.close());
}

} // namespace
