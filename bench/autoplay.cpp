// Plays whole games headless and without waiting, through the real game:
// Game::init and load in a data folder, startGame, the real frame loop, and
// keys pressed as SDL key events that the loop's own event pump reads. The
// only seams are an instant frame clock and the game's per-frame hook.
//
// For each game it prints frames, score, level and how the game ended; then
// games per second and the CPU time of a frame's work at p50, p99 and max,
// with what was alive in the slowest frame. A benchmark: it asserts nothing.
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/Measure.h"
#include "app/Game.h"
#include "app/Globals.h"
#include "app/LevelTable.h"
#include "gfx/Buffer.h"
#include "gfx/SteppedClock.h"
#include "gfx/Light.h"
#include "input/GuideKeys.h"
#include "world/Alien.h"
#include "world/Aliens.h"
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

void pushKey(SDLKey key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

Census takeCensus(const Game& game) {
    Census c;
    c.powerUps = game.powerUps->count();
    game.troopers->forEachItem([&c](Linkable& item) {
        const auto& trooper = static_cast<const Soldier&>(item);
        c.particles += trooper.getBlood().count() + trooper.getBodyParts().count() +
                       trooper.getSparks().count();
        trooper.getGun().forEachItem([&c](Linkable& shot) {
            c.flames += shot.getKind() == kKindFlame ? 1 : 0;
            c.grenades += shot.getKind() == kKindGrenade ? 1 : 0;
        });
    });
    game.aliens->forEachItem([&c](Linkable& item) {
        const auto& alien = static_cast<const Alien&>(item);
        ++c.aliens;
        c.particles += alien.getSlime().count() + alien.getParts().count();
    });
    return c;
}

// Holds one player's keys the way a player would: down when wanted, up when
// not, each change sent once as an event.
class Hands {
  public:
    explicit Hands(const GuideKeys& keys) : keys(keys) {}

    void want(int32_t action, bool down) {
        if (held[action] == down) {
            return;
        }
        held[action] = down;
        pushKey(SDLKey(keys.binding(action)->key), down);
    }
    void releaseAll() {
        for (int32_t a = 0; a <= GuideKeys::kFire; ++a) {
            want(a, false);
        }
    }

  private:
    const GuideKeys& keys;
    bool held[GuideKeys::kFire + 1] = {};
};

// The table direction whose step points closest to the line from one point
// to another. The game's own aiming is coarse near the horizontal, where the
// aliens come from; a player's eye is not.
int32_t directionAlong(const LinkablePoint& from, const LinkablePoint& to) {
    const DirectionTable& table = Move::directions();
    const double lx = to.x - from.x;
    const double ly = to.y - from.y;
    int32_t best = 0;
    double bestCos = -2;
    for (int32_t d = 0; d < table.size(); ++d) {
        const double c = (table.dx(d) * lx + table.dy(d) * ly) /
                         (std::hypot(table.dx(d), table.dy(d)) * std::hypot(lx, ly) + 1e-9);
        if (c > bestCos) {
            bestCos = c;
            best = d;
        }
    }
    return best;
}

// The alien to shoot next: the nearest that a shot can still hurt, where
// every step the trooper must turn counts as a few pixels more, since the
// aliens walk on while it turns. Dying and burning ones are passed over, as a
// player would.
const Alien* nearestThreat(const Soldier& trooper, const Aliens& aliens) {
    constexpr double kPixelsPerTurn = 8;
    const DirectionTable& table = Move::directions();
    const Alien* nearest = nullptr;
    double best = 0;
    aliens.forEachItem([&](Linkable& item) {
        const auto& alien = static_cast<const Alien&>(item);
        if (alien.isDying() || alien.isBurning()) {
            return;
        }
        const int32_t shot = table.sub(trooper.getDirection(), Soldier::kShotTurn);
        const int32_t clockwise = table.sub(directionAlong(trooper, alien), shot);
        const int32_t turns = std::min(clockwise, Move::kDirections - clockwise);
        const double cost =
            std::hypot(alien.x - trooper.x, alien.y - trooper.y) + kPixelsPerTurn * turns;
        if (nearest == nullptr || cost < best) {
            nearest = &alien;
            best = cost;
        }
    });
    return nearest;
}

// Turns so that the shots, which leave four directions counter-clockwise of
// the trooper's heading, point at the nearest alien, and keeps firing.
void aim(const Soldier& trooper, const Aliens& aliens, Hands& hands) {
    const Move* alien = nearestThreat(trooper, aliens);
    int32_t turn = 0;
    if (alien != nullptr) {
        const DirectionTable& table = Move::directions();
        const int32_t wanted = table.add(directionAlong(trooper, *alien), Soldier::kShotTurn);
        const int32_t clockwise = table.sub(wanted, trooper.getDirection());
        turn = clockwise == 0 ? 0 : (clockwise < Move::kDirections / 2 ? 1 : -1);
    }
    hands.want(GuideKeys::kLeft, turn < 0);
    hands.want(GuideKeys::kRight, turn > 0);
    hands.want(GuideKeys::kFire, true);
}

// The nearest power-up, when no alien is close enough to matter.
const Move* powerUpWorthFetching(const Soldier& trooper, const Game& game) {
    constexpr double kSafeDistance = 120;
    bool threatened = false;
    game.aliens->forEachItem([&](Linkable& item) {
        const auto& alien = static_cast<const Alien&>(item);
        threatened = threatened || (!alien.isDying() &&
                                    std::hypot(alien.x - trooper.x, alien.y - trooper.y) < kSafeDistance);
    });
    const Move* nearest = nullptr;
    double best = 0;
    game.powerUps->forEachItem([&](Linkable& item) {
        const auto& powerUp = static_cast<const Move&>(item);
        const double d = std::hypot(powerUp.x - trooper.x, powerUp.y - trooper.y);
        if (nearest == nullptr || d < best) {
            nearest = &powerUp;
            best = d;
        }
    });
    return threatened ? nullptr : nearest;
}

// Turns toward the power-up and walks to it, holding fire.
void fetch(const Soldier& trooper, const Move& powerUp, Hands& hands) {
    const DirectionTable& table = Move::directions();
    const int32_t clockwise = table.sub(directionAlong(trooper, powerUp), trooper.getDirection());
    const int32_t turn = clockwise == 0 ? 0 : (clockwise < Move::kDirections / 2 ? 1 : -1);
    hands.want(GuideKeys::kLeft, turn < 0);
    hands.want(GuideKeys::kRight, turn > 0);
    constexpr int32_t kNearlyFacing = 2;
    hands.want(GuideKeys::kForward,
               clockwise <= kNearlyFacing || clockwise >= Move::kDirections - kNearlyFacing);
    hands.want(GuideKeys::kFire, false);
}

class Autoplay {
  public:
    Autoplay(Game& game, const Options& options, SteppedClock& clock)
        : game(game), options(options), clock(clock) {}

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
    void playOne(int g) {
        std::srand(options.seed + unsigned(g));
        gameNumber = g;
        hands.clear();
        hands.emplace_back(*game.player1Keys);
        hands.emplace_back(*game.player2Keys);
        frame = 0;
        gaveUp = false;
        lastCpu = -1;
        game.frameHook = [this] { onFrame(); };
        game.startGame(options.players);
        for (Hands& h : hands) {
            h.releaseAll();
        }
        const int level = game.levels != nullptr ? game.levels->levelFor(score) : 0;
        std::printf("game %2d: frames %6d  score %5d  level %2d  %s\n", g + 1, frame, score, level,
                    gaveUp ? "stopped at the frame limit" : "every trooper died");
        if (!options.recordDir.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "/game-%02d.rpl", g + 1);
            if (!game.lastRecording().save(options.recordDir + name)) {
                std::fprintf(stderr, "Could not write the replay %s%s\n", options.recordDir.c_str(), name);
            }
        }
    }

    void onFrame() {
        const double now = threadCpuMs();
        if (lastCpu >= 0) {
            record(now - lastCpu);
        }
        if (gameNumber == 0 && frame == options.shotFrame && !options.shotFile.empty()) {
            SDL_SaveBMP(screen->getSurface(), options.shotFile.c_str());
        }
        ++frame;
        if (frame > options.frameLimit && !gaveUp) {
            pushKey(SDLK_ESCAPE, true);
            pushKey(SDLK_ESCAPE, false);
            gaveUp = true;
        }
        if (frame == options.pauseFrame) {
            constexpr uint32_t kPauseMs = 500;
            pushKey(SDLK_F1, true);
            pushKey(SDLK_F1, false);
            clock.at(clock.now() + kPauseMs, [] {
                pushKey(SDLK_p, true);
                pushKey(SDLK_p, false);
            });
        }
        if (options.armed) {
            rearm();
        }
        if (options.bot != "idle") {
            steer();
        }
        lastCpu = threadCpuMs();
    }

    void steer() {
        size_t i = 0;
        game.troopers->forEachItem([&](Linkable& item) {
            const auto& trooper = static_cast<const Soldier&>(item);
            if (i >= hands.size() || !trooper.isAlive()) {
                ++i;
                return;
            }
            Hands& own = hands[size_t(trooper.getSide())];
            const Move* powerUp =
                options.bot == "fetch" ? powerUpWorthFetching(trooper, game) : nullptr;
            if (powerUp != nullptr) {
                fetch(trooper, *powerUp, own);
            } else {
                own.want(GuideKeys::kForward, false);
                aim(trooper, *game.aliens, own);
            }
            ++i;
        });
    }

    void rearm() {
        game.troopers->forEachItem([this](Linkable& item) {
            Gun& gun = static_cast<Soldier&>(item).getGun();
            if (gun.getKind() == Gun::kRifle) {
                nextWeapon = nextWeapon % Gun::kGrenades + 1;
                gun.setKind(nextWeapon);
            }
        });
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
    std::vector<Hands> hands;
    int gameNumber = 0;
    int frame = 0;
    int32_t nextWeapon = 0;
    bool gaveUp = false;
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
                game.light->setOn(options.lights == "on");
            }
            Autoplay(game, options, clock).play();
            status = 0;
        }
    }
    return status;
}
