#include "world/Tosser.h"

#include <cstdlib>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Light.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

namespace {
// Visits every particle, letting each one be removed by the visit.
template <typename Visit> void forEachParticle(const LinkedList& list, Visit visit) {
    list.forEachItemRemovalSafe([&visit](Linkable& item) {
        if (Move* particle = dynamic_cast<Move*>(&item)) {
            visit(*particle);
        }
    });
}
} // namespace

Tosser::Tosser(int32_t spread, int32_t friction, Bobs* set) : Tosser(spread, friction, set, set) {}

Tosser::Tosser(int32_t spread, int32_t friction, Bobs* flying, Bobs* landed)
    : spread(spread), friction(friction), leavesMarks(true), flying(flying), landed(landed) {}

Tosser::Tosser(int32_t spread, int32_t friction, int32_t red, int32_t green, int32_t blue)
    : spread(spread), friction(friction), leavesMarks(false), red(red), green(green), blue(blue) {}

void Tosser::throwInstead(Bobs* set, int32_t newSpread, int32_t newFriction) {
    flying = set;
    landed = nullptr;
    leavesMarks = false;
    spread = newSpread;
    friction = newFriction;
}

int32_t Tosser::nextFrame() {
    const int32_t frames = flying != nullptr ? flying->getCount() : 1;
    frameCounter = frameCounter >= frames - 1 ? 0 : frameCounter + 1;
    return frameCounter;
}

int32_t Tosser::randomAround(int32_t range) {
    // No spread means no scatter, not a modulo by zero.
    if (range <= 0) {
        return 0;
    }
    return std::rand() % (2 * range) - range;
}

void Tosser::throwParticle(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t frame, Bobs* set) {
    Move* particle = new Move(x, y, vx, vy, friction);
    // The direction field holds the particle's frame, as for 32-frame sets.
    particle->setDirection(frame);
    if (set != nullptr) {
        particle->setSprites(set);
    }
    append(particle, kKindParticle);
}

void Tosser::toss(const LinkablePoint& source, int32_t count) {
    if (flying == nullptr) {
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        const int32_t frame = nextFrame();
        const int32_t vx = randomAround(2 * spread);
        const int32_t vy = randomAround(2 * spread);
        throwParticle(source.x, source.y, vx, vy, frame, flying);
    }
}

void Tosser::tossAlong(const LinkablePoint& source, const Move& mover, int32_t count) {
    if (flying == nullptr) {
        return;
    }
    Move carried(0, 0, 0, 0, 0);
    carried.copyVelocity(mover);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t frame = nextFrame();
        const int32_t vx = carried.getVx() + randomAround(spread);
        const int32_t vy = carried.getVy() + randomAround(spread);
        throwParticle(source.x, source.y, vx, vy, frame, flying);
    }
}

void Tosser::tossInDirection(int32_t x, int32_t y, int32_t direction, int32_t speed,
                             int32_t count) {
    const DirectionTable& table = Move::directions();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t vx = table.stepX(direction, speed) + randomAround(spread);
        const int32_t vy = table.stepY(direction, speed) + randomAround(spread);
        throwParticle(x, y, vx, vy, table.add(direction, 0), nullptr);
    }
}

bool Tosser::centredCorner(const Bobs& set, const Move& particle, int32_t& left, int32_t& top) {
    const Bob* first = set.frameAt(0);
    if (first == nullptr) {
        return false;
    }
    left = particle.x - first->getWidth() / 2;
    top = particle.y - first->getHeight() / 2;
    return true;
}

void Tosser::drawCentred(const Bobs& set, const Move& particle, Buffer& screen) {
    int32_t left = 0;
    int32_t top = 0;
    if (centredCorner(set, particle, left, top)) {
        set.drawFrameAt(screen, particle.getDirection(), left, top);
    }
}

void Tosser::stampCentred(const Bobs& set, const Move& particle, Image& playfield) {
    int32_t left = 0;
    int32_t top = 0;
    if (centredCorner(set, particle, left, top)) {
        set.drawFrameOnBackground(playfield, particle.getDirection(), left, top);
    }
}

void Tosser::update() {
    forEachParticle(*this, [](Move& particle) {
        if (!particle.isStill()) {
            particle.stepAndBounce();
        }
    });
}

void Tosser::updateSparks() {
    // A spark that stopped in the last step was shown once more where it
    // stopped; it goes out now.
    forEachParticle(*this, [](Move& particle) {
        if (particle.isStill()) {
            particle.removeSelf();
        } else {
            particle.stepAndBounce();
        }
    });
}

void Tosser::draw(Buffer& screen) const {
    if (flying == nullptr) {
        return;
    }
    forEachParticle(
        *this, [this, &screen](const Move& particle) { drawCentred(*flying, particle, screen); });
}

void Tosser::addLights(Light& light) const {
    if (!light.isOn()) {
        return;
    }
    forEachParticle(*this, [this, &light](const Move& particle) {
        light.spark(particle.x >> 1, particle.y >> 1, red, green, blue);
    });
}

bool Tosser::settle(Image& playfield) {
    if (isEmpty()) {
        return true;
    }
    forEachParticle(*this, [this, &playfield](Move& particle) {
        if (!particle.isStill()) {
            return;
        }
        if (leavesMarks && landed != nullptr) {
            stampCentred(*landed, particle, playfield);
        }
        particle.removeSelf();
    });
    return false;
}
