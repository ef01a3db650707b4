// Replays kept by the whole program: a game that enters the table keeps its
// recording under its entry's name, one pushed out of the table loses it, a
// save that fails keeps the old files, and --replay proves a kept game.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <map>
#include <set>

#include "store/CipherFiles.h"
#include "store/Replay.h"
#include "store/ReplayStore.h"
#include "app/Globals.h"
#include "app/WholeRun.h"

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

TEST_F(WholeRun, ATableGameKeepsItsReplayOnePushedOutLosesItAFailedSaveKeepsTheOld) {
    // Twenty entries from 100 down to 81, the last one's game kept.
    std::string table;
    for (int i = 0; i < 20; ++i) {
        table += std::to_string(100 - i) + "\n" + (i == 19 ? "low" : "p" + std::to_string(i)) + "\n";
    }
    writeEnciphered(work, "dat/hiscore_1.dat", table);
    fs::create_directories(work.path() / "dat/replays");
    plant(work.file("dat/replays/1p-81-low.rpl"), 81, "low");
    plant(work.file("dat/replays/1p-95-p5.rpl"), 95, "p5");
    const std::vector<Step> aGame{{100, press(SDLK_ESCAPE)}, {600, press(SDLK_RETURN)},
                                  {1500, [] { score = 90; }}, {1550, press(SDLK_ESCAPE)},
                                  {6000, press(SDLK_a)},     {6400, press(SDLK_RETURN)},
                                  {7000, press(SDLK_ESCAPE)}};
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
        const std::string command = "cd " + work.path().string() +
                                    " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                    KRAVEX_BINARY + " --replay " + proof.file + " > proof.txt";
        const int status = std::system(command.c_str());
        const std::vector<unsigned char> said = work.read("proof.txt");
        const std::string text(said.begin(), said.end());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == proof.status) << text;
        EXPECT_NE(text.find(proof.says), std::string::npos) << text;
        EXPECT_EQ(text.find("Played:   score 90"), std::string::npos) << text;
    }

    std::map<fs::path, std::vector<unsigned char>> before;
    for (const auto& file : fs::directory_iterator(work.path() / "dat/replays")) {
        before[file.path()] = work.read(file.path().string());
    }
    run({"--window"}, aGame, "dummy", [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{kWritableBytes, kWritableBytes};
        setrlimit(RLIMIT_FSIZE, &tiny);
    });
    for (const auto& [path, bytes] : before) {
        EXPECT_EQ(work.read(path.string()), bytes) << path;
    }
    EXPECT_EQ(countOf(errors(), "The replay of this game could not be kept."), 1u) << errors();
}

} // namespace
