// The stored files against what a crash, a full disk or a stranger leaves
// behind: saves that fail while writing, stale temporary files, links and
// FIFOs planted at the names the game uses.
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "store/CipherFiles.h"
#include "store/EncipheredFile.h"
#include "store/GameFile.h"
#include "store/KeyBindingFile.h"
#include "store/ScoreComment.h"
#include "support/Hostile.h"
#include "ui/HighScoreTable.h"
#include "world/LevelTable.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string table(int first) {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += std::to_string(first - 10 * i) + "\nname" + std::to_string(i) + "\n";
    }
    return text;
}

// While it lives, no file of the process may grow past a few bytes: a write
// then fails part of the way through, as on a full disk.
class TinyFiles {
  public:
    TinyFiles() : oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = kBytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~TinyFiles() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    // Room for the message, not for a table of twenty.
    static constexpr rlim_t kBytes = 150;

  private:
    rlimit saved{};
    void (*oldHandler)(int);
};

class HostileStore : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return dir.file(name); }

    TempDir dir;
    LevelTable levels{1};
    HighScoreTable scores{20, "", nullptr, nullptr, 0, levels};
};

// Both tables go through the same save; each way it can fail half-way keeps
// the old file byte for byte, and says so once.
TEST_F(HostileStore, AHighScoreSaveThatFailsHalfWayNeverReplacesTheGoodFile) {
    for (const char* name : {"hiscore_1.dat", "hiscore_2.dat"}) {
        SCOPED_TRACE(name);
        writeEnciphered(dir, name, table(500));
        const Bytes good = dir.read(name);
        ASSERT_TRUE(scores.loadFrom(path(name).c_str()));
        ASSERT_TRUE(scores.insert(1000, "new"));

        // The scrambled copy on its way to the file's place meets a full disk.
        pointAtFullDevice(path(name) + ".new");
        testing::internal::CaptureStderr();
        EXPECT_FALSE(scores.save());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error writing crypted file!!\n");
        EXPECT_EQ(dir.read(name), good);

        // The plain copy itself cannot be written whole.
        testing::internal::CaptureStderr();
        bool saved = true;
        {
            const TinyFiles tiny;
            saved = scores.save();
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "High scores could not be saved to " + path(name) + "; the old file is kept\n");
        EXPECT_EQ(dir.read(name), good);
        EXPECT_EQ(filesIn(dir).size(), std::string(name) == "hiscore_1.dat" ? 1u : 2u)
            << "no temporary file stays behind";

        EXPECT_TRUE(scores.save());
        EXPECT_EQ(readEnciphered(dir, name).rfind("1000\nnew\n500\n", 0), 0u);
    }
}

// A crash can leave longer temporary files behind; their tails must never
// reach what is written or read. A link planted at the plain copy's name is
// removed, not followed, and what it points at stays as it was.
TEST_F(HostileStore, StaleTemporaryFilesAndPlantedLinksLeakNothing) {
    const std::string longer(3000, 'Z');
    writeEnciphered(dir, "hiscore_1.dat", table(500));
    writeEnciphered(dir, "hiscore_1.dat.new", longer);
    dir.write("hiscore_1.dat.tmp", Bytes(longer.begin(), longer.end()));
    ASSERT_TRUE(scores.loadFrom(path("hiscore_1.dat").c_str()));
    EXPECT_EQ(scores.entry(19).name, "name19") << "read from the file, not the stale copy";
    dir.write("hiscore_1.dat.tmp", Bytes(longer.begin(), longer.end()));
    ASSERT_TRUE(scores.save());
    EXPECT_EQ(readEnciphered(dir, "hiscore_1.dat"), table(500));

    dir.write("victim", {'v'});
    for (bool writing : {false, true}) {
        SCOPED_TRACE(writing ? "writing" : "reading");
        ASSERT_EQ(symlink(path("victim").c_str(), path("hiscore_1.dat.tmp").c_str()), 0);
        EXPECT_TRUE(writing ? scores.save() : scores.loadFrom(path("hiscore_1.dat").c_str()));
        EXPECT_EQ(dir.read("victim"), Bytes{'v'});
        EXPECT_EQ(readEnciphered(dir, "hiscore_1.dat"), table(500));
        EXPECT_FALSE(dir.exists("hiscore_1.dat.tmp"));
    }

    const Bytes bindings = Bytes(64, 3);
    dir.write("keys.dat", bindings);
    dir.write("keys.dat.new", Bytes(100, 9));
    Binding read[8];
    ASSERT_TRUE(KeyBindingFile(path("keys.dat")).read(read));
    ASSERT_TRUE(KeyBindingFile(path("keys.dat")).write(read));
    EXPECT_EQ(dir.read("keys.dat"), bindings);
}

TEST_F(HostileStore, AKeyBindingSaveThatFailsHalfWayKeepsTheOldFileAndSaysSo) {
    const Bytes old(64, 7);
    dir.write("pl1key_sdl.dat", old);
    pointAtFullDevice(path("pl1key_sdl.dat.new"));
    Binding bindings[8] = {};
    testing::internal::CaptureStderr();
    EXPECT_FALSE(KeyBindingFile(path("pl1key_sdl.dat")).write(bindings));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Key bindings could not be saved to " + path("pl1key_sdl.dat") +
                  "; the old file is kept\n");
    EXPECT_EQ(dir.read("pl1key_sdl.dat"), old);
    EXPECT_FALSE(std::filesystem::is_symlink(path("pl1key_sdl.dat.new")));
}

// Read the ordinary way a FIFO waits for a writer for ever; every reader of
// stored files refuses it, a folder and a device at once instead.
TEST_F(HostileStore, EveryStoredFileReaderRefusesWhatIsNotARegularFile) {
    makeFifo(path("fifo"));
    std::filesystem::create_directory(path("folder"));
    for (const std::string& name : {path("fifo"), path("folder"), std::string("/dev/zero")}) {
        SCOPED_TRACE(name);
        std::string why;
        EXPECT_EQ(GameFile::openForReading(name.c_str(), &why), nullptr);
        EXPECT_EQ(errno, EINVAL);
        EXPECT_EQ(why, "not a regular file");

        Binding bindings[8] = {{5, 0}};
        testing::internal::CaptureStderr();
        EXPECT_FALSE(KeyBindingFile(name).read(bindings));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Key file " + name + " cannot be read (not a regular file); the keys stay as "
                                       "they are\n");
        EXPECT_EQ(bindings[0].key, 5);

        EncipheredFile crypt;
        EXPECT_STREQ(crypt.open(name.c_str()), "");
        crypt.close();
        EXPECT_FALSE(scores.loadFrom(name.c_str()));
        const int32_t score = 120;
        ScoreComment comment(&score, name.c_str(), 50);
        comment.load();
        EXPECT_EQ(comment.text(), nullptr);
    }
    std::string why;
    EXPECT_EQ(GameFile::openForReading(path("absent").c_str(), &why), nullptr);
    EXPECT_EQ(errno, ENOENT);
    dir.write("plain", {'a', 'b'});
    std::FILE* file = GameFile::openForReading(path("plain").c_str());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(GameFile::sizeOf(file), 2);
    EXPECT_EQ(std::fgetc(file), 'a');
    std::fclose(file);
}

} // namespace
