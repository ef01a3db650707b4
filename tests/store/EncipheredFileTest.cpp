#include "store/EncipheredFile.h"

#include <gtest/gtest.h>
#include <numeric>
#include <sys/stat.h>

#include "support/StoreFixture.h"

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

// Goes through the plain copy the way the game does: writes plain into the
// file, or reads the file's plain bytes back into plain.
bool through(const std::string& name, bool write, Bytes& plain) {
    EncipheredFile crypt;
    crypt.setWriteBack(write ? 1 : 0);
    std::FILE* file = std::fopen(crypt.open(name.c_str()), write ? "wb" : "rb");
    if (file != nullptr && write && !plain.empty()) {
        std::fwrite(plain.data(), 1, plain.size(), file);
    }
    for (int c; file != nullptr && !write && (c = std::fgetc(file)) != EOF;) {
        plain.push_back(static_cast<unsigned char>(c));
    }
    const bool opened = file != nullptr && std::fclose(file) == 0;
    return crypt.close() && opened;
}

// The plain copy gives away what the cipher hides: it is made afresh, never
// through a link a stranger planted at its name, never with the tail of a
// longer one a crash left, and never left on disk.
TEST(EncipheredFile, ThePlainCopyIsMadeAfreshNeverThroughALinkAndNeverLeftBehind) {
    TempDir dir;
    dir.write("victim", {'v'});
    for (size_t length : {0u, 33u, 35u, 1000u}) {
        Bytes plain(length);
        std::iota(plain.begin(), plain.end(), 11);
        ASSERT_TRUE(through(dir.file("f.dat"), true, plain)) << length;
        EXPECT_TRUE(length == 0 || dir.read("f.dat") != plain) << "scrambled on disk";
        if (length == 33) {
            dir.write("f.dat.tmp", Bytes(3000, 'Z'));
        } else if (length == 35) {
            ASSERT_EQ(symlink(dir.file("victim").c_str(), dir.file("f.dat.tmp").c_str()), 0);
        }
        Bytes back;
        ASSERT_TRUE(through(dir.file("f.dat"), false, back));
        EXPECT_EQ(back, plain) << length;
        EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"f.dat", "victim"})) << length;
    }
    EXPECT_EQ(dir.read("victim"), Bytes{'v'});
    Bytes none;
    EXPECT_FALSE(through(dir.file("missing.dat"), false, none));
    { EncipheredFile(/* forgotten */).open(dir.file("f.dat").c_str()); }
    EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"f.dat", "victim"}));
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(fs::status(dir.file("f.dat")).permissions(), fs::perms(0664 & ~mask))
        << "the game's permissions";
}

} // namespace
