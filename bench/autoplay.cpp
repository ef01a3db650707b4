// Plays whole games headless and without waiting, through the real game:
// Game::init and load in a data folder, startGame, the real frame loop, and
// keys pressed as SDL key events that the loop's own event pump reads. The
// only seams are an instant frame clock and the game's per-frame hook.
//
// For each game it prints frames, score, level and how the game ended; then
// games per second and the CPU time of a frame's work at p50, p99 and max,
// with what was alive in the slowest frame. A benchmark: it asserts nothing.
#include <SDL.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Game.h"
#include "app/GameSession.h"
#include "bench/AutoPlayer.h"
#include "bench/Measure.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "gfx/SteppedClock.h"
#include "world/Alien.h"
#include "world/Aliens.h"
#include "world/LevelTable.h"
#include "world/ObjectKinds.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

struct Options {
    int games = 10;
    int players = 1;
    unsigned seed = 1;
    std::string bot = "aim";
    int frameLimit = 6000;
    std::string data = ".";
    bool quiet = false;
    // Troopers are handed the special weapons in turn, as if they picked
    // up a power-up whenever they ran dry.
    bool armed = false;
    // Keeps the game's own 50 ms frame timer, to watch the bot play in a
    // window (SDL_VIDEODRIVER=x11).
    bool realtime = false;
    // "on" or "off" overrides the stored "High detail" setting.
    std::string lights;
    // Saves the screen as it was shown after this frame of the first game.
    int shotFrame = 0;
    std::string shotFile;
    // Writes each game's replay into this folder as game-NN.rpl.
    std::string recordDir;
    // Presses F1 in this frame of every game, and a letter half a second of
    // the stepped clock later to resume.
    int pauseFrame = 0;
};

// What was alive in a frame.
struct Census {
    int aliens = 0;
    int flames = 0;
    int grenades = 0;
    int particles = 0;
    int powerUps = 0;
};

Census takeCensus(const Game& game) {
    Census c;
    c.powerUps = game.session().powerUps().count();
    game.session().troopers().forEachItem([&c](Linkable& item) {
        const auto& trooper = static_cast<const Soldier&>(item);
        c.particles += trooper.getBlood().count() + trooper.getBodyParts().count() +
                       trooper.getSparks().count();
        trooper.getGun().forEachItem([&c](Linkable& shot) {
            c.flames += shot.getKind() == kKindFlame ? 1 : 0;
            c.grenades += shot.getKind() == kKindGrenade ? 1 : 0;
        });
    });
    game.session().aliens().forEachItem([&c](Linkable& item) {
        const auto& alien = static_cast<const Alien&>(item);
        ++c.aliens;
        c.particles += alien.getSlime().count() + alien.getParts().count();
    });
    return c;
}

class Autoplay {
  public:
    Autoplay(Game& game, const Options& options, SteppedClock& clock)
        : game(game), options(options), clock(clock), player(game, setupOf(options)) {
        player.beforeBot = [this](int32_t frame) {
            measure(frame);
            pauseIn(frame);
        };
        player.afterBot = [this] { lastCpu = threadCpuMs(); };
    }

    void play() {
        const auto start = std::chrono::steady_clock::now();
        for (int g = 0; g < options.games; ++g) {
            playOne(g);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        summarise(seconds);
    }

  private:
    static AutoPlayer::Setup setupOf(const Options& o) {
        AutoPlayer::Setup setup;
        setup.players = o.players;
        setup.aim = o.bot != "idle";
        setup.fetch = o.bot == "fetch";
        setup.armed = o.armed;
        setup.frameLimit = o.frameLimit;
        return setup;
    }

    void playOne(int g) {
        gameNumber = g;
        lastCpu = -1;
        player.play(options.seed + unsigned(g));
        const int32_t score = game.session().score();
        const int level = game.getLevels() != nullptr ? game.getLevels()->levelFor(score) : 0;
        std::printf("game %2d: frames %6d  score %5d  level %2d  %s\n", g + 1, player.frames(),
                    score, level, player.gaveUp() ? "stopped at the frame limit" : "every trooper died");
        if (!options.recordDir.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "/game-%02d.rpl", g + 1);
            if (!game.lastRecording().save(options.recordDir + name)) {
                std::fprintf(stderr, "Could not write the replay %s%s\n", options.recordDir.c_str(), name);
            }
        }
    }

    void pauseIn(int32_t frame) {
        if (frame + 1 != options.pauseFrame) {
            return;
        }
        constexpr uint32_t kPauseMs = 500;
        AutoPlayer::pushKey(SDLK_F1, true);
        AutoPlayer::pushKey(SDLK_F1, false);
        clock.at(clock.now() + kPauseMs, [] {
            AutoPlayer::pushKey(SDLK_p, true);
            AutoPlayer::pushKey(SDLK_p, false);
        });
    }

    // The work since the bot last pressed its keys, and the screen as shown.
    void measure(int32_t frame) {
        const double now = threadCpuMs();
        if (lastCpu >= 0) {
            record(now - lastCpu);
        }
        if (gameNumber == 0 && frame == options.shotFrame && !options.shotFile.empty()) {
            SDL_SaveBMP(game.getDisplay().getSurface(), options.shotFile.c_str());
        }
    }

    void record(double ms) {
        frameMs.push_back(ms);
        if (ms > slowest) {
            slowest = ms;
            slowestCensus = takeCensus(game);
        }
    }

    void summarise(double seconds) {
        if (frameMs.empty()) {
            return;
        }
        const Quantiles work = Quantiles::of(frameMs);
        std::printf("%d games in %.1f s: %.2f games/s, %zu frames\n", options.games, seconds,
                    options.games / seconds, frameMs.size());
        std::printf("frame work (CPU ms): p50 %.3f  p99 %.3f  max %.3f\n", work.p50, work.p99,
                    work.max);
        const Census& c = slowestCensus;
        std::printf("slowest frame: %d aliens, %d flames, %d grenades, %d particles, %d power-ups\n",
                    c.aliens, c.flames, c.grenades, c.particles, c.powerUps);
    }

    Game& game;
    const Options& options;
    SteppedClock& clock;
    AutoPlayer player;
    int gameNumber = 0;
    double lastCpu = -1;
    std::vector<double> frameMs;
    double slowest = -1;
    Census slowestCensus;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--quiet" || arg == "--armed" || arg == "--realtime") {
            (arg == "--quiet" ? o.quiet : arg == "--armed" ? o.armed : o.realtime) = true;
            continue;
        }
        if (value == nullptr) {
            return false;
        }
        ++i;
        if (arg == "--games") {
            o.games = std::atoi(value);
        } else if (arg == "--players") {
            o.players = std::atoi(value) == 2 ? 2 : 1;
        } else if (arg == "--seed") {
            o.seed = unsigned(std::strtoul(value, nullptr, 10));
        } else if (arg == "--bot") {
            o.bot = value;
        } else if (arg == "--frames") {
            o.frameLimit = std::atoi(value);
        } else if (arg == "--data") {
            o.data = value;
        } else if (arg == "--pause") {
            o.pauseFrame = std::atoi(value);
        } else if (arg == "--record") {
            o.recordDir = value;
        } else if (arg == "--lights") {
            o.lights = value;
        } else if (arg == "--shot" && i + 1 < argc) {
            o.shotFrame = std::atoi(value);
            o.shotFile = argv[++i];
        } else {
            return false;
        }
    }
    return (o.bot == "aim" || o.bot == "idle" || o.bot == "fetch") &&
           (o.lights.empty() || o.lights == "on" || o.lights == "off");
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--games N] [--players 1|2] [--seed S] [--bot idle|aim|fetch] "
                     "[--frames LIMIT] [--data DIR] [--armed] [--realtime] [--lights on|off]\n"
                     "       [--shot FRAME FILE.bmp] [--record DIR] [--pause FRAME] [--quiet]\n",
                     argv[0]);
        return 2;
    }
    if (chdir(options.data.c_str()) != 0) {
        std::perror(options.data.c_str());
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (options.quiet) {
        // The loaders' messages are not what this tool is for.
        std::freopen("/dev/null", "w", stderr);
    }
    SteppedClock clock;
    int status = 1;
    {
        Game game;
        if (!options.realtime) {
            game.clock = &clock;
        }
        if (game.init(kWindowModeWindow) && game.load(16)) {
            if (!options.lights.empty()) {
                game.getLight().setOn(options.lights == "on");
            }
            Autoplay(game, options, clock).play();
            status = 0;
        }
    }
    return status;
}
