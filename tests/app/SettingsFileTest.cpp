// The settings file as the game reads it: what a missing, short, long or
// unopenable file gives, and what a change writes.
#include "app/SettingsFile.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

#include "support/Hostile.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes entries(std::initializer_list<int32_t> values) {
    Bytes bytes;
    for (int32_t v : values) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<unsigned char>(uint32_t(v) >> (8 * i)));
        }
    }
    return bytes;
}

class Settings : public ::testing::Test {
  protected:
    SettingsFile open(const Bytes& contents) {
        dir.write("config.dat", contents);
        return SettingsFile(dir.file("config.dat").c_str(), 6);
    }

    TempDir dir;
    const Bytes original = entries({1, 2, 3, 4, 5, 6});
};

// A set reads the file afresh, so that entries written by another run are
// carried, and writes all six.
TEST_F(Settings, AMissingFileIsCreatedUnsetAndASetRewritesTheWholeFile) {
    const SettingsFile settings(dir.file("config.dat").c_str(), 6);
    EXPECT_EQ(settings.get(5), -1);
    EXPECT_EQ(dir.read("config.dat"), Bytes(24, 0xFF));
    dir.write("config.dat", entries({5, -559038737}));
    settings.set(4, 128);
    EXPECT_EQ(dir.read("config.dat"), entries({5, -559038737, -1, -1, 128, -1}));
    EXPECT_FALSE(dir.exists("config.dat.new"));
}

// Each whole little-endian entry the file holds is read; the rest, a part
// entry, an entry past the sixth or an index outside them read as unset.
// Reading, and a set outside the entries, leave the file as it was.
TEST_F(Settings, AFileOfAnyLengthGivesItsWholeEntriesAndTheRestUnset) {
    const Bytes full = entries({7, 0x01020304, 3, 4, 5, 6, 77});
    const struct {
        size_t bytes;
        std::vector<int32_t> read; // entries -1 to 6
    } cases[] = {
        {3, {-1, -1, -1, -1, -1, -1, -1, -1}},
        {10, {-1, 7, 0x01020304, -1, -1, -1, -1, -1}},
        {24, {-1, 7, 0x01020304, 3, 4, 5, 6, -1}},
        {28, {-1, 7, 0x01020304, 3, 4, 5, 6, -1}},
    };
    for (const auto& c : cases) {
        const Bytes file(full.begin(), full.begin() + std::ptrdiff_t(c.bytes));
        const SettingsFile settings = open(file);
        std::vector<int32_t> read;
        for (int32_t index = -1; index <= 6; ++index) {
            read.push_back(settings.get(index));
        }
        EXPECT_EQ(read, c.read) << c.bytes << " bytes";
        settings.set(-1, 99);
        settings.set(6, 99);
        EXPECT_EQ(dir.read("config.dat"), file) << c.bytes << " bytes";
    }
}

// A file that is there but cannot be opened may hold the player's choices:
// it is reported once and never written over, and the run goes on with the
// entries kept in memory.
TEST_F(Settings, AFileThatCannotBeOpenedIsReportedOnceAndLeftAlone) {
    const std::string path = dir.file("config.dat");
    const auto state = [path] { // its kind, its mode and, for a file, its bytes
        struct stat info {};
        stat(path.c_str(), &info);
        return std::to_string(info.st_mode) + (S_ISREG(info.st_mode) ? contentsOf(path) : "");
    };
    const struct {
        const char* what;
        std::function<void()> make;
        bool noDescriptors;
    } cases[] = {
        {"not readable", [&] { dir.write("config.dat", original), chmod(path.c_str(), 0); }, false},
        {"a folder", [&] { std::filesystem::create_directory(path); }, false},
        {"a FIFO", [&] { makeFifo(path); }, false},
        {"too many open files", [&] { dir.write("config.dat", original); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        c.make();
        const std::string before = state();
        testing::internal::CaptureStderr();
        {
            const PermissionsBind bind;
            SettingsFile settings(path.c_str(), 6);
            {
                std::unique_ptr<NoFreeDescriptors> full;
                if (c.noDescriptors) {
                    full = std::make_unique<NoFreeDescriptors>();
                }
                EXPECT_EQ(settings.get(5), -1);
            }
            settings.set(5, 10);
            EXPECT_EQ(settings.get(5), 10) << "the choice holds for the run";
            EXPECT_EQ(settings.get(4), -1);
            settings.writeDefaults();
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(state(), before);
        EXPECT_FALSE(dir.exists("config.dat.new"));
        EXPECT_EQ(said.find("Settings file " + path + " cannot be read"), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "one message: " << said;
    }
}

} // namespace
