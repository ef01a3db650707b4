#include "store/ReplayStore.h"

#include <gtest/gtest.h>

#include "support/Hostile.h"
#include "support/ReplayGames.h"
#include "support/StoreFixture.h"

namespace {

TEST(ReplayStore, BrokenFilesAreListedAsCannotBePlayedAndReportedOnce) {
    TempDir dir;
    ReplayStore store(dir.file("replays"));
    ReplayStore::Entry best;
    EXPECT_FALSE(store.best(best)) << "no folder yet";
    std::vector<unsigned char> good = plausibleGame(1, 30).encode();
    dir.write("replays/good.rpl", good);
    good.pop_back();
    dir.write("replays/cut.rpl", good);
    dir.write("replays/garbage.rpl", {'x', 'y'});
    dir.write("replays/notes.txt", {'x'});
    dir.write("replays/huge.rpl", {});
    std::filesystem::resize_file(dir.file("replays/huge.rpl"), 1u << 30);
    makeFifo(dir.file("replays/fifo.rpl"));
    std::filesystem::create_directory(dir.file("replays/folder.rpl"));

    testing::internal::CaptureStderr();
    const std::vector<ReplayStore::Entry> listed = store.list();
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(listed.size(), 6u);
    EXPECT_TRUE(listed[0].playable);
    const char* reasons[] = {"truncated", "not a regular file", "not a regular file", "too short",
                             "larger than any replay"};
    for (size_t i = 1; i < listed.size(); ++i) {
        EXPECT_FALSE(listed[i].playable);
        EXPECT_NE(listed[i].why.find(reasons[i - 1]), std::string::npos) << listed[i].why;
        EXPECT_NE(said.find("The replay " + listed[i].path + " cannot be played: " + listed[i].why),
                  std::string::npos);
    }
    testing::internal::CaptureStderr();
    ASSERT_TRUE(store.best(best));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "each said once";
    EXPECT_EQ(best.path, dir.file("replays/good.rpl"));
}

} // namespace
