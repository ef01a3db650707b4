// Sets up the heaviest game frame there can be and times it, through the
// real game and its frame loop: 200 aliens kept topped up, both troopers
// turning with flame throwers and the trigger held, a grenade from each in
// turn, 8 power-ups, "High detail" on, blood and slime in flight. Troopers
// are healed every frame so the scene never ends by itself. Other scenes:
// the main menu, the pause screen over a heavy game, and start-up to the
// first title frame.
//
// Prints the CPU time of the frame thread per part of a game frame (update,
// draw, lights, flip, and their sum, the frame's work) at p50, p99 and max;
// the intervals between flips; the whole process's CPU share while measured
// (from /proc/self/stat, every thread); and the peak resident memory. With
// --realtime the game's own frame pace is kept, to be run in a real window
// (SDL_VIDEODRIVER=x11); without it time passes only when the game waits.
// A benchmark: it asserts nothing.
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "app/Game.h"
#include "app/GameSession.h"
#include "bench/AutoPlayer.h"
#include "bench/Measure.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "gfx/SteppedClock.h"
#include "input/GuideKeys.h"
#include "world/Aliens.h"
#include "world/LinkedList.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

constexpr int32_t kMaxPowerUps = 8;
// Each trooper throws a grenade for a couple of frames in every period.
constexpr int32_t kGrenadePeriod = 12;
constexpr int32_t kGrenadeFrames = 2;
constexpr uint32_t kLoadedPauseMs = 1000;
constexpr uint32_t kKeyHoldMs = 150;

struct Options {
    std::string data = ".";
    std::string scene = "play";
    unsigned seed = 1;
    bool realtime = false;
    // Game time before measuring starts, so the lists are full, and then
    // how long to measure.
    uint32_t warmupMs = 5000;
    uint32_t measureMs = 30000;
    // Saves the screen as composed at this game time.
    uint32_t shotMs = 0;
    std::string shotFile;
};

double wallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// User plus system time of every thread of the process, in milliseconds.
double processCpuMs() {
    std::ifstream in("/proc/self/stat");
    std::string line;
    std::getline(in, line);
    // Fields after the command name, which may hold spaces, in brackets.
    const size_t close = line.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::vector<std::string> fields;
    size_t at = close + 2;
    while (at < line.size()) {
        const size_t end = line.find(' ', at);
        fields.push_back(line.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? line.size() : end + 1;
    }
    // utime and stime are fields 14 and 15, counting the pid as 1.
    if (fields.size() < 13) {
        return 0;
    }
    const double ticks = std::stod(fields[11]) + std::stod(fields[12]);
    return ticks * 1e3 / double(sysconf(_SC_CLK_TCK));
}

void pressKey(SDLKey key) {
    AutoPlayer::pushKey(key, true);
    AutoPlayer::pushKey(key, false);
}

// The game's clock, stepped or real, that also runs steps scheduled at a
// game time once a wait has reached it.
class BenchClock : public FrameClock {
  public:
    explicit BenchClock(bool realtime) : realtime(realtime) {}

    uint32_t now() override { return realtime ? FrameClock::now() - start : stepped.now(); }
    void sleep(uint32_t ms) override {
        if (realtime) {
            FrameClock::sleep(ms);
        } else {
            stepped.sleep(ms);
        }
        while (!steps.empty() && steps.begin()->first <= now()) {
            const auto step = steps.begin()->second;
            steps.erase(steps.begin());
            step();
        }
    }
    void at(uint32_t when, std::function<void()> step) { steps.emplace(when, std::move(step)); }
    void restart() { start = FrameClock::now(); }

  private:
    bool realtime;
    uint32_t start = 0;
    SteppedClock stepped;
    std::multimap<uint32_t, std::function<void()>> steps;
};

std::string percentiles(const std::vector<double>& v) {
    if (v.empty()) {
        return "no samples";
    }
    const Quantiles q = Quantiles::of(v);
    char text[96];
    std::snprintf(text, sizeof text, "p50 %7.3f  p99 %7.3f  max %7.3f", q.p50, q.p99, q.max);
    return text;
}

class HeavyBench {
  public:
    HeavyBench(Game& game, BenchClock& clock, const Options& options)
        : game(game), clock(clock), options(options) {
        healer.append(new Move(0, 0, 0, 0), kKindFirstAid);
    }

    void run() {
        std::srand(options.seed);
        game.getLight().setOn(true);
        clock.restart();
        if (!options.shotFile.empty()) {
            clock.at(options.shotMs, [this] {
                SDL_SaveBMP(game.getDisplay().getSurface(), options.shotFile.c_str());
            });
        }
        clock.at(options.warmupMs, [this] { begin(); });
        clock.at(options.warmupMs + options.measureMs, [this] { end(); });
        if (options.scene == "menu") {
            game.mainMenuPass();
        } else {
            game.frameHook = [this] { stage(); };
            game.phaseHook = [this](int32_t phase) { endPhase(phase); };
            if (options.scene == "pause") {
                // The pause starts once the game is at its heaviest.
                clock.at(options.warmupMs / 2, [] { pressKey(SDLK_F1); });
            }
            game.startGame(2);
        }
        report();
    }

  private:
    // Fills the lists and keeps the troopers firing, before each frame.
    void stage() {
        ++frame;
        while (game.session().aliens().count() < Aliens::kMaxAliens) {
            game.session().aliens().spawn();
        }
        while (game.session().powerUps().count() < kMaxPowerUps) {
            game.session().powerUps().spawn();
        }
        int32_t side = 0;
        game.session().troopers().forEachItem([this, &side](Linkable& item) {
            auto& trooper = static_cast<Soldier&>(item);
            healer.forEachItem([&trooper](Linkable& aid) { trooper.collide(static_cast<Move&>(aid)); });
            const bool grenade = (frame + side * kGrenadePeriod / 2) % kGrenadePeriod < kGrenadeFrames;
            const int32_t kind = grenade ? Gun::kGrenades : Gun::kFlameThrower;
            if (trooper.getGun().getKind() != kind || trooper.getGun().getAmmunition().getValue() < 10) {
                trooper.getGun().setKind(kind);
            }
            ++side;
        });
        if (frame == 1) {
            // Player 1 sweeps clockwise, player 2 the other way, both firing.
            holdKeys(game.getKeys(0), GuideKeys::kRight);
            holdKeys(game.getKeys(1), GuideKeys::kLeft);
        }
        phaseStart = threadCpuMs();
    }

    static void holdKeys(const GuideKeys& keys, int32_t turn) {
        AutoPlayer::pushKey(SDLKey(keys.binding(turn)->key), true);
        AutoPlayer::pushKey(SDLKey(keys.binding(GuideKeys::kFire)->key), true);
    }

    void endPhase(int32_t phase) {
        const double now = threadCpuMs();
        const double spent = now - phaseStart;
        phaseStart = now;
        if (!measuring) {
            return;
        }
        switch (phase) {
        case Game::kPhaseUpdated:
            update = spent;
            break;
        case Game::kPhaseBackground:
        case Game::kPhaseDrawn:
            draw += spent;
            break;
        case Game::kPhaseLit:
            lights = spent;
            break;
        case Game::kPhaseWaited:
            // The game asks for a flip here; the timer keeps these apart.
            if (lastFlipCall > 0) {
                samples["flip call interval"].push_back(wallMs() - lastFlipCall);
            }
            lastFlipCall = wallMs();
            break;
        case Game::kPhaseFlipped:
            record(spent, wallMs());
            break;
        default:
            break;
        }
    }

    void record(double flip, double flippedAt) {
        samples["update"].push_back(update);
        samples["draw"].push_back(draw);
        samples["lights"].push_back(lights);
        samples["flip"].push_back(flip);
        samples["work"].push_back(update + draw + lights + flip);
        if (lastFlip > 0) {
            samples["flip interval"].push_back(flippedAt - lastFlip);
        }
        lastFlip = flippedAt;
        draw = 0;
    }

    void begin() {
        measuring = true;
        cpuAtStart = processCpuMs();
        wallAtStart = wallMs();
    }

    void end() {
        if (!measuring) {
            return;
        }
        measuring = false;
        processShare = 100 * (processCpuMs() - cpuAtStart) / (wallMs() - wallAtStart);
        measuredSeconds = (wallMs() - wallAtStart) / 1e3;
        if (options.scene == "pause") {
            // Any key held leaves the pause; Escape then ends the game.
            AutoPlayer::pushKey(SDLK_SPACE, true);
            clock.at(clock.now() + kKeyHoldMs, [] {
                AutoPlayer::pushKey(SDLK_SPACE, false);
                pressKey(SDLK_ESCAPE);
            });
            return;
        }
        pressKey(SDLK_ESCAPE);
    }

    void report() const {
        std::printf("scene %s, %s, %.1f s measured\n", options.scene.c_str(),
                    options.realtime ? "real time" : "stepped time", measuredSeconds);
        for (const char* part : {"update", "draw", "lights", "flip", "work"}) {
            const auto found = samples.find(part);
            if (found != samples.end()) {
                std::printf("%-14s (thread CPU ms) %s  (%zu frames)\n", part,
                            percentiles(found->second).c_str(), found->second.size());
            }
        }
        // From one flip's return to the next, and from one flip call to
        // the next: a flip held up by the system shortens the interval after it.
        for (const char* name : {"flip interval", "flip call interval"}) {
            const auto intervals = samples.find(name);
            if (intervals != samples.end() && !intervals->second.empty()) {
                std::printf("%-29s %s  min %.3f\n", (std::string(name) + " (wall ms)").c_str(),
                            percentiles(intervals->second).c_str(),
                            *std::min_element(intervals->second.begin(), intervals->second.end()));
            }
        }
        std::printf("process CPU %.2f %% of a core\n", processShare);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("max RSS %.1f MB\n", double(usage.ru_maxrss) / 1024);
    }

    Game& game;
    BenchClock& clock;
    const Options& options;
    LinkedList healer;
    int32_t frame = 0;
    bool measuring = false;
    double phaseStart = 0;
    double update = 0;
    double draw = 0;
    double lights = 0;
    double lastFlip = 0;
    double lastFlipCall = 0;
    double cpuAtStart = 0;
    double wallAtStart = 0;
    double processShare = 0;
    double measuredSeconds = 0;
    std::map<std::string, std::vector<double>> samples;
};

// Start-up ends with the first title frame drawn: the title's first wait.
class StartClock : public FrameClock {
  public:
    void sleep(uint32_t) override {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto seconds = [](const timeval& v) { return double(v.tv_sec) + double(v.tv_usec) / 1e6; };
        std::printf("first title frame at %lld.%09ld (loading pause %u ms)\n"
                    "start-up CPU %.3f s\nmax RSS %.1f MB\n",
                    static_cast<long long>(t.tv_sec), t.tv_nsec, kLoadedPauseMs,
                    seconds(usage.ru_utime) + seconds(usage.ru_stime), double(usage.ru_maxrss) / 1024);
        std::fflush(stdout);
        _exit(0);
    }
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--realtime") {
            o.realtime = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[++i] : nullptr;
        if (value == nullptr) {
            return false;
        }
        if (arg == "--data") {
            o.data = value;
        } else if (arg == "--scene") {
            o.scene = value;
        } else if (arg == "--seed") {
            o.seed = unsigned(std::strtoul(value, nullptr, 10));
        } else if (arg == "--warmup") {
            o.warmupMs = uint32_t(std::strtoul(value, nullptr, 10));
        } else if (arg == "--measure") {
            o.measureMs = uint32_t(std::strtoul(value, nullptr, 10));
        } else if (arg == "--shot" && i + 1 < argc) {
            o.shotMs = uint32_t(std::strtoul(value, nullptr, 10));
            o.shotFile = argv[++i];
        } else {
            return false;
        }
    }
    return o.scene == "play" || o.scene == "menu" || o.scene == "pause" || o.scene == "startup";
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--scene play|menu|pause|startup] [--data DIR] [--seed S]\n"
                     "       [--realtime] [--warmup MS] [--measure MS] [--shot MS FILE.bmp]\n",
                     argv[0]);
        return 2;
    }
    if (chdir(options.data.c_str()) != 0) {
        std::perror(options.data.c_str());
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The loaders' messages are not what this tool is for.
    std::freopen("/dev/null", "w", stderr);
    if (options.scene == "startup") {
        StartClock clock;
        Game game;
        game.clock = &clock;
        if (game.init(kWindowModeWindow) && game.load(16)) {
            game.run();
        }
        return 1;
    }
    BenchClock clock(options.realtime);
    Game game;
    game.clock = &clock;
    if (!game.init(kWindowModeWindow) || !game.load(16)) {
        return 1;
    }
    HeavyBench(game, clock, options).run();
    return 0;
}
