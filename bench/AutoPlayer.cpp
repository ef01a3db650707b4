#include "bench/AutoPlayer.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/Game.h"
#include "app/GameSession.h"
#include "world/Alien.h"
#include "world/Aliens.h"
#include "world/Gun.h"
#include "world/PowerUps.h"
#include "world/Soldier.h"
#include "world/Soldiers.h"

namespace {

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

// Which way to turn so that the shots, which leave four directions
// counter-clockwise of the trooper's heading, point at the nearest alien:
// -1 left, 1 right, 0 not at all.
int32_t turnToAim(const Soldier& trooper, const Aliens& aliens) {
    const Move* alien = nearestThreat(trooper, aliens);
    if (alien == nullptr) {
        return 0;
    }
    const DirectionTable& table = Move::directions();
    const int32_t wanted = table.add(directionAlong(trooper, *alien), Soldier::kShotTurn);
    const int32_t clockwise = table.sub(wanted, trooper.getDirection());
    return clockwise == 0 ? 0 : (clockwise < Move::kDirections / 2 ? 1 : -1);
}

// The nearest power-up, when no alien is close enough to matter.
const Move* powerUpWorthFetching(const Soldier& trooper, const Aliens& aliens,
                                 const PowerUps& powerUps) {
    constexpr double kSafeDistance = 120;
    bool threatened = false;
    aliens.forEachItem([&](Linkable& item) {
        const auto& alien = static_cast<const Alien&>(item);
        threatened = threatened || (!alien.isDying() &&
                                    std::hypot(alien.x - trooper.x, alien.y - trooper.y) < kSafeDistance);
    });
    const Move* nearest = nullptr;
    double best = 0;
    powerUps.forEachItem([&](Linkable& item) {
        const auto& powerUp = static_cast<const Move&>(item);
        const double d = std::hypot(powerUp.x - trooper.x, powerUp.y - trooper.y);
        if (nearest == nullptr || d < best) {
            nearest = &powerUp;
            best = d;
        }
    });
    return threatened ? nullptr : nearest;
}

} // namespace

AutoPlayer::AutoPlayer(Game& game, const Setup& setup) : game(game), setup(setup) {}

void AutoPlayer::pushKey(int32_t key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = SDLKey(key);
    SDL_PushEvent(&event);
}

void AutoPlayer::play(unsigned seed) {
    std::srand(seed);
    frame = 0;
    stopped = false;
    std::fill(&held[0][0], &held[0][0] + kSides * kActions, false);
    game.frameHook = [this] { onFrame(); };
    game.startGame(setup.players);
    game.frameHook = nullptr;
    releaseAll();
}

void AutoPlayer::onFrame() {
    if (beforeBot) {
        beforeBot(frame);
    }
    ++frame;
    if (frame > setup.frameLimit && !stopped) {
        pushKey(SDLK_ESCAPE, true);
        pushKey(SDLK_ESCAPE, false);
        stopped = true;
    }
    if (setup.armed) {
        rearm();
    }
    if (setup.aim) {
        steer();
    }
    if (afterBot) {
        afterBot();
    }
}

void AutoPlayer::steer() {
    game.session().troopers().forEachItem([this](Linkable& item) {
        const auto& trooper = static_cast<const Soldier&>(item);
        if (!trooper.isAlive()) {
            return;
        }
        const int32_t side = trooper.getSide();
        const Move* powerUp = setup.fetch ? powerUpWorthFetching(trooper, game.session().aliens(),
                                                                 game.session().powerUps())
                                          : nullptr;
        if (powerUp != nullptr) {
            fetch(side, trooper, *powerUp);
            return;
        }
        const int32_t turn = turnToAim(trooper, game.session().aliens());
        want(side, GuideKeys::kForward, false);
        want(side, GuideKeys::kLeft, turn < 0);
        want(side, GuideKeys::kRight, turn > 0);
        want(side, GuideKeys::kFire, true);
    });
}

void AutoPlayer::fetch(int32_t side, const Soldier& trooper, const Move& powerUp) {
    const DirectionTable& table = Move::directions();
    const int32_t clockwise = table.sub(directionAlong(trooper, powerUp), trooper.getDirection());
    const int32_t turn = clockwise == 0 ? 0 : (clockwise < Move::kDirections / 2 ? 1 : -1);
    want(side, GuideKeys::kLeft, turn < 0);
    want(side, GuideKeys::kRight, turn > 0);
    constexpr int32_t kNearlyFacing = 2;
    want(side, GuideKeys::kForward,
         clockwise <= kNearlyFacing || clockwise >= Move::kDirections - kNearlyFacing);
    want(side, GuideKeys::kFire, false);
}

void AutoPlayer::rearm() {
    game.session().troopers().forEachItem([this](Linkable& item) {
        Gun& gun = static_cast<Soldier&>(item).getGun();
        if (gun.getKind() == Gun::kRifle) {
            nextWeapon = nextWeapon % Gun::kGrenades + 1;
            gun.setKind(nextWeapon);
        }
    });
}

void AutoPlayer::want(int32_t side, int32_t action, bool down) {
    if (side < 0 || side >= kSides || held[side][action] == down) {
        return;
    }
    held[side][action] = down;
    const GuideKeys* keys = &game.getKeys(side);
    pushKey(keys->binding(action)->key, down);
}

void AutoPlayer::releaseAll() {
    for (int32_t side = 0; side < kSides; ++side) {
        for (int32_t action = 0; action < kActions; ++action) {
            want(side, action, false);
        }
    }
}
