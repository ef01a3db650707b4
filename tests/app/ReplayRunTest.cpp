// Replays kept by the whole program: a game that enters the table keeps its
// recording under its entry's name, one pushed out of the table loses it,
// and --replay proves a kept game.
#include <filesystem>
#include <set>

#include "app/GameSession.h"
#include "store/Replay.h"
#include "store/ReplayStore.h"
#include "support/AppFixture.h"
#include "support/StoreFixture.h"

namespace fs = std::filesystem;

namespace {

void plant(const std::string& path, int32_t score, const char* name) {
    Replay replay;
    replay.header = {Replay::kFormatVersion, Replay::kGameVersion, 1, 7, 3, score, 0, name, 1};
    replay.inputs = {0, 0, Replay::kEscapeBit};
    ASSERT_TRUE(replay.save(path));
}

// What the kept files are, by their headers.
std::set<std::string> kept(const fs::path& folder) {
    std::set<std::string> headers;
    for (const auto& file : fs::directory_iterator(folder)) {
        Replay replay;
        EXPECT_TRUE(Replay::load(file.path().string(), replay, nullptr)) << file.path();
        const bool last = file.path().filename() == ReplayStore::kLastName;
        headers.insert((last ? "last " : "") + std::to_string(replay.header.score) + " " +
                       replay.header.name);
    }
    return headers;
}

TEST_F(WholeRun, ATableGameKeepsItsReplayOnePushedOutLosesItAndAProofFindsAFakeScore) {
    // Twenty entries from 100 down to 81, the last one's game kept.
    std::string table;
    for (int i = 0; i < 20; ++i) {
        table += std::to_string(100 - i) + "\n" + (i == 19 ? "low" : "p" + std::to_string(i)) + "\n";
    }
    writeEnciphered(work, "dat/hiscore_1.dat", table);
    fs::create_directories(work.path() / "dat/replays");
    plant(work.file("dat/replays/1p-81-low.rpl"), 81, "low");
    plant(work.file("dat/replays/1p-95-p5.rpl"), 95, "p5");
    const std::vector<Step> aGame{{100, keyPress(SDLK_ESCAPE)}, {600, keyPress(SDLK_RETURN)},
                                  {1500, [] { WholeRun::running->session().setScore(90); }}, {1550, keyPress(SDLK_ESCAPE)},
                                  {6000, keyPress(SDLK_a)},     {6400, keyPress(SDLK_RETURN)},
                                  {7000, keyPress(SDLK_ESCAPE)}};
    run({"--window"}, aGame);
    EXPECT_EQ(kept(work.path() / "dat/replays"),
              (std::set<std::string>{"last 90 a", "90 a", "95 p5"}));

    // The score was written in, not played: the proof finds it out, and a
    // golden game passes.
    const struct {
        std::string file;
        int status;
        const char* says;
    } proofs[] = {{work.file("dat/replays/last.rpl"), 1, "Recorded: score 90, frames "},
                  {std::string(KRAVEX_TEST_DATA) + "/replays/one-player.rpl", 0,
                   "Recorded: score 56, frames 519\nPlayed:   score 56, frames 519\n"}};
    for (const auto& proof : proofs) {
        const auto [status, said] = prove(proof.file);
        EXPECT_EQ(status, proof.status) << said;
        EXPECT_NE(said.find(proof.says), std::string::npos) << said;
        EXPECT_EQ(said.find("Played:   score 90"), std::string::npos) << said;
    }
}

} // namespace
