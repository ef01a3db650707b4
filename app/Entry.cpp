#include "app/Entry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/Game.h"
#include "app/GameSession.h"
#include "app/ReplayViewer.h"
#include "gfx/Detector.h"
#include "store/Replay.h"

namespace {
constexpr int32_t kDisplayDepth = 16;
constexpr int kReplayAgrees = 0;
constexpr int kReplayDiffers = 1;

int32_t windowModeFrom(const char* option) {
    if (std::strcmp(option, "--fullscreen") == 0) {
        return kWindowModeFullScreen;
    }
    if (std::strcmp(option, "--window") == 0) {
        return kWindowModeWindow;
    }
    std::printf("Unknown parameter %s\n", option);
    return kWindowModeUnset;
}

// Plays the replay through the loaded game and compares where it ends.
int proveReplay(Game& game, const std::string& file) {
    Replay replay;
    std::string why;
    if (!Replay::load(file, replay, &why)) {
        std::fprintf(stderr, "Cannot play the replay %s: %s\n", file.c_str(), why.c_str());
        return kReplayDiffers;
    }
    ReplayViewer unseen(ReplayViewer::kProof, nullptr, nullptr, game.getDevices());
    const uint32_t frames = game.watchReplay(replay, unseen);
    const ReplayHeader& h = replay.header;
    const int32_t score = game.session().score();
    std::printf("Recorded: score %d, frames %u\n", static_cast<int>(h.score), h.frames);
    std::printf("Played:   score %d, frames %u\n", static_cast<int>(score), frames);
    return score == h.score && frames == h.frames ? kReplayAgrees : kReplayDiffers;
}
} // namespace

CommandLine commandLineFrom(int argc, const char* const* argv) {
    CommandLine line;
    int modeAt = 1;
    if (argc > 1 && std::strcmp(argv[1], "--replay") == 0) {
        if (argc < 3) {
            std::printf("Unknown parameter %s\n", argv[1]);
            return line;
        }
        line.replayFile = argv[2];
        modeAt = 3;
    }
    if (argc > modeAt) {
        line.windowMode = windowModeFrom(argv[modeAt]);
    }
    return line;
}

int kravexMain(int argc, const char* const* argv, FrameClock* clock,
               const std::function<void(Game&)>& made) {
    std::printf("Kravex II for Linux, Version 1.1L\n");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const CommandLine line = commandLineFrom(argc, argv);
    Game* game = new Game();
    if (clock != nullptr) {
        game->clock = clock;
    }
    if (made) {
        made(*game);
    }
    int status = 0;
    if (game->init(line.windowMode) && game->load(kDisplayDepth)) {
        if (line.replayFile.empty()) {
            game->run();
        } else {
            status = proveReplay(*game, line.replayFile);
        }
    } else if (!line.replayFile.empty()) {
        status = kReplayDiffers;
    }
    delete game;
    return status;
}
