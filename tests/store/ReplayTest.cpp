#include "store/Replay.h"

#include <gtest/gtest.h>

#include "support/ReplayGames.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A three-frame game, byte for byte, to break in every way a file can be.
const Bytes kTiny = {
    'K', 'X', 'R', 'P',  1,    0, 0, 0, // magic, format version
    4,   '1', '.', '1',  'L',           // game version
    1,   0,   0,   0,    7,    0, 0, 0, // players, seed
    3,   0,   0,   0,    5,    0, 0, 0, // frames, score
    0,   0,   0,   0,                   // level
    2,   'A', 'B',                      // name
    1,   0,   0,   0,    0,    0, 0, 0, // date
    2,   0,   0,   0,                   // runs
    1,   0,   2,   0x10, 0x04, 1,       // left twice, then fire with Escape
};

// Ten minutes of busy two-player play, as a game keeps it for the table.
TEST(Replay, TenBusyMinutesStayUnder20KBAndComeBackWhole) {
    const Replay busy = plausibleGame(2, 12000, 4321, "TOMBRIX");
    const Bytes bytes = busy.encode();
    EXPECT_LT(bytes.size(), 20u * 1024u);
    Replay back;
    ASSERT_TRUE(Replay::decode(bytes.data(), bytes.size(), back, nullptr));
    EXPECT_EQ(back.inputs, busy.inputs);
}

struct BadFile {
    const char* what;
    Bytes bytes;
    const char* reason;
};

Bytes with(size_t at, std::initializer_list<unsigned char> bytes, Bytes file = kTiny) {
    std::copy(bytes.begin(), bytes.end(), file.begin() + long(at));
    return file;
}

TEST(Replay, BadFilesAreRefusedWithAReasonAndChangeNothing) {
    const BadFile bad[] = {
        {"empty", {}, "too short"},
        {"garbage", Bytes(kTiny.size(), 'x'), "no magic word"},
        {"format version 2", with(4, {2}), "format version 2, not 1"},
        {"game version 1.1K", with(12, {'K'}), "game version \"1.1K\", not 1.1L"},
        {"control codes in the version", with(9, {27}), "game version \"?.1L\""},
        {"three players", with(13, {3}), "names 3 players"},
        {"more than a day", with(21, {0xFF, 0xFF, 0xFF, 0xFF}), "more than a day"},
        {"negative score", with(25, {0xFF, 0xFF, 0xFF, 0xFF}), "negative score"},
        {"name past the end", with(33, {200}), "truncated in its header"},
        {"cut in the runs", Bytes(kTiny.begin(), kTiny.end() - 1),
         "2 runs need 6 bytes, 5 are left"},
        {"run count beyond the file", with(44, {0xFF, 0xFF, 0xFF, 0xFF}), "4294967295 runs need"},
        {"empty run", with(53, {0}), "run 1 is empty"},
        {"runs cover more", with(53, {2}), "the runs cover 4 frames, the header says 3"},
        {"unknown input bit", with(49, {0x10}), "run 0 holds an unknown input"},
    };
    for (const BadFile& file : bad) {
        SCOPED_TRACE(file.what);
        Replay out;
        out.header.seed = 99;
        std::string why;
        EXPECT_FALSE(Replay::decode(file.bytes.data(), file.bytes.size(), out, &why));
        EXPECT_NE(why.find(file.reason), std::string::npos) << why;
        EXPECT_EQ(out.header.seed, 99u);
        EXPECT_TRUE(out.inputs.empty());
    }
}

} // namespace
