#include "store/GameFile.h"

#include <gtest/gtest.h>

#include "store/EncipheredFile.h"
#include "store/KeyBindingFile.h"
#include "support/Hostile.h"
#include "support/TempDir.h"

namespace {

// Read the ordinary way a FIFO waits for a writer for ever. Every stored
// file is read through GameFile, and the scrambled texts, the key files and
// the replays are read each their own way after it; each refuses at once.
TEST(GameFile, EveryStoredFileReaderRefusesWhatIsNotARegularFile) {
    TempDir dir;
    makeFifo(dir.file("fifo"));
    std::filesystem::create_directory(dir.file("folder"));
    for (const std::string& name :
         {dir.file("fifo"), dir.file("folder"), std::string("/dev/zero")}) {
        std::string why;
        EXPECT_EQ(GameFile::openForReading(name.c_str(), &why), nullptr);
        EXPECT_EQ(why, "not a regular file");
        EXPECT_STREQ(EncipheredFile().open(name.c_str()), "") << name;
        Binding bindings[8] = {{5, 0}};
        testing::internal::CaptureStderr();
        EXPECT_FALSE(KeyBindingFile(name).read(bindings));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Key file " + name +
                      " cannot be read (not a regular file); the keys stay as "
                      "they are\n");
        EXPECT_EQ(bindings[0].key, 5);
    }
}

} // namespace
