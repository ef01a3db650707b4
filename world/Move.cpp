#include "world/Move.h"

#include <cmath>
#include <cstdlib>

#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "world/Collision.h"

namespace {
// The vertical distance weighs this much more than the horizontal one when
// aiming (12 / 8), so aliens line up with a trooper's column early.
constexpr int64_t kAimWeightX = 8;
constexpr int64_t kAimWeightY = 12;
// Aiming resolves eight steps per quadrant; the angle is scaled by 32 / pi.
constexpr double kAimScale = 32.0 / 3.141592654;
constexpr int32_t kAimMaxStep = 7;
// Below this draw from rand() an alien comes in at the top or bottom edge.
constexpr int32_t kTopBottomDraws = 17000;

// The weighted angle from the vertical, in steps of the direction table,
// 0 to 7. The ratio has always been worked out as (y * ay) / (r * y), which
// has no value for an object in row 0 or a target on the object itself; aim
// is then straight along the vertical rather than a division by zero.
int32_t aimStep(const LinkablePoint& self, const LinkablePoint& target) {
    const double ax = static_cast<double>(std::llabs(int64_t{self.x} - target.x) * kAimWeightX);
    const double ay = static_cast<double>(std::llabs(int64_t{self.y} - target.y) * kAimWeightY);
    const double r = std::sqrt(ax * ax + ay * ay);
    if (self.y == 0 || r == 0.0) {
        return 0;
    }
    const double steps = std::acos(ay / r) * kAimScale;
    return steps >= kAimMaxStep ? kAimMaxStep : static_cast<int32_t>(steps);
}

int32_t randomBelow(int32_t n) {
    return n > 0 ? std::rand() % n : 0;
}

// Moves a velocity component toward 0 by friction, stopping at 0.
int32_t slowDown(int32_t v, int32_t friction) {
    if (std::abs(v) <= friction) {
        return 0;
    }
    return v > 0 ? v - friction : v + friction;
}
} // namespace

Move::Move(int32_t x, int32_t y, int32_t direction, int32_t speed)
    : LinkablePoint(x, y), speed(speed), direction(directions().add(direction, 0)), headingMode(1) {
}

Move::Move(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t friction)
    : LinkablePoint(x, y), friction(friction), vx(vx), vy(vy) {}

const DirectionTable& Move::directions() {
    static const DirectionTable table(kDirections, kStepLength);
    return table;
}

void Move::draw(Buffer& screen) const {
    if (sprites != nullptr) {
        drawFrame(screen, sprites->getFrame());
    }
}

void Move::drawFrame(Buffer& screen, int32_t n) const {
    if (sprites != nullptr) {
        sprites->drawFrameAt(screen, n, x - halfWidth, y - halfHeight);
    }
}

void Move::afterAct(Image& playfield) {
    if (sprites != nullptr) {
        sprites->drawOnBackground(playfield, x - halfWidth, y - halfHeight);
    }
}

void Move::setSprites(Bobs* set) {
    sprites = set;
    const Bob* first = set != nullptr ? set->frameAt(0) : nullptr;
    halfWidth = first != nullptr ? first->getWidth() / 2 : 0;
    halfHeight = first != nullptr ? first->getHeight() / 2 : 0;
}

void Move::registerIn(Collision& map) {
    map.add(x - halfWidth, y - halfHeight, 2 * halfWidth, 2 * halfHeight, this);
}

void Move::act(Collision& map) {
    testPoint(map, x, y);
}

bool Move::collide(Move&) {
    return false;
}

void Move::addLights(Light& lights) const {
    if (lights.isOn()) {
        lights.spark(x >> 1, y >> 1, 255, 255, 255);
    }
}

void Move::setHalfSize(int32_t halfW, int32_t halfH) {
    halfWidth = halfW;
    halfHeight = halfH;
}

void Move::step() {
    if (headingMode != 0) {
        x += directions().stepX(direction, speed);
        y += directions().stepY(direction, speed);
        return;
    }
    x += vx;
    y += vy;
    if (friction > 0) {
        vx = slowDown(vx, friction);
        vy = slowDown(vy, friction);
    }
}

bool Move::clampAxis(int32_t& v, int32_t half, int32_t size) {
    if (v >= size - half) {
        v = size - half - 1;
        return true;
    }
    if (v < half) {
        v = half + 1;
        return true;
    }
    return false;
}

bool Move::keepOnScreen() {
    const bool movedX = clampAxis(x, halfWidth, kPlayfieldWidth);
    const bool movedY = clampAxis(y, halfHeight, kPlayfieldHeight);
    return movedX || movedY;
}

void Move::stepClamped() {
    step();
    keepOnScreen();
}

void Move::stepBackClamped() {
    x -= directions().stepX(direction, speed);
    y -= directions().stepY(direction, speed);
    keepOnScreen();
}

void Move::stepAndBounce() {
    step();
    if (clampAxis(x, halfWidth, kPlayfieldWidth)) {
        vx = -vx;
    }
    if (clampAxis(y, halfHeight, kPlayfieldHeight)) {
        vy = -vy;
    }
}

void Move::turnLeft(int32_t k) {
    direction = directions().sub(direction, k);
}

void Move::turnRight(int32_t k) {
    direction = directions().add(direction, k);
}

void Move::setDirection(int32_t d) {
    if (d >= 0 && d < kDirections) {
        direction = d;
    }
}

void Move::setVelocity(int32_t d, int32_t s) {
    vx = directions().stepX(d, s);
    vy = directions().stepY(d, s);
}

void Move::copyVelocity(const Move& other) {
    if (other.headingMode != 0) {
        setVelocity(other.direction, other.speed);
    } else {
        vx = other.vx;
        vy = other.vy;
    }
}

void Move::jitter(int32_t k) {
    // Without a range there is nothing to add (and no modulo by zero).
    if (k <= 0) {
        return;
    }
    vx += randomBelow(2 * k) - k;
    vy += randomBelow(2 * k) - k;
}

int32_t Move::directionTo(const LinkablePoint& target) const {
    const int32_t a = aimStep(*this, target);
    const bool right = target.x > x;
    const bool left = target.x < x;
    const bool above = target.y < y;
    const bool below = target.y > y;
    if (right && above) {
        return a;
    }
    if (right && below) {
        return 15 - a;
    }
    if (left && below) {
        return 16 + a;
    }
    if (left && above) {
        return 31 - a;
    }
    if (below) {
        return 16;
    }
    if (left) {
        return 24;
    }
    return a;
}

void Move::turnToward(int32_t d) {
    if (d == direction) {
        return;
    }
    const int32_t clockwise = directions().sub(d, direction);
    if (clockwise < kDirections / 2) {
        turnRight(1);
    } else {
        turnLeft(1);
    }
}

void Move::steerToTarget() {
    if (target != nullptr) {
        turnToward(directionTo(*target));
    }
}

void Move::placeAtRandomEdge() {
    const int32_t spanX = kPlayfieldWidth + 2 * halfWidth;
    const int32_t spanY = kPlayfieldHeight + 2 * halfHeight;
    if (std::rand() >= kTopBottomDraws) {
        x = randomBelow(2) * spanX - halfWidth;
        y = randomBelow(spanY) - halfHeight;
    } else {
        x = randomBelow(spanX) - halfWidth;
        y = randomBelow(2) * spanY - halfHeight;
    }
}

void Move::placeAtRandom() {
    // An object wider than the screen cannot lie wholly on it; it goes to the
    // left or top edge rather than dividing by a range of zero or less.
    x = randomBelow(kPlayfieldWidth - 2 * halfWidth) + halfWidth;
    y = randomBelow(kPlayfieldHeight - 2 * halfHeight) + halfHeight;
}

void Move::meet(Collision& map, int32_t index) {
    Move* other = map.objectAt(index);
    if (collide(*other)) {
        return;
    }
    if (other->collide(*this)) {
        map.forget(index);
    }
}

void Move::testPoint(Collision& map, int32_t px, int32_t py) {
    const int32_t index = map.cellAt(px, py);
    if (map.objectAt(index) != nullptr) {
        meet(map, index);
    }
}

void Move::testRect(Collision& map, int32_t rx, int32_t ry, int32_t w, int32_t h) {
    const int32_t index = map.firstInRect(rx, ry, w, h);
    if (index != Collision::kEmpty) {
        meet(map, index);
    }
}

void Move::sweep(Collision& map) {
    const int32_t width = map.pixelWidth();
    const int32_t height = map.pixelHeight();
    auto onScreen = [&]() { return x >= 1 && x < width && y >= 1 && y < height; };
    int32_t index = map.cellAt(x, y);
    if (onScreen() && index == Collision::kEmpty) {
        do {
            index = map.cellAt(x, y);
            const int32_t oldX = x;
            const int32_t oldY = y;
            step();
            // A shot that does not move would sweep for ever.
            if (x == oldX && y == oldY) {
                break;
            }
        } while (onScreen() && index == Collision::kEmpty);
    }
    Move* hit = map.objectAt(index);
    if (hit == nullptr) {
        return;
    }
    if (hit->collide(*this)) {
        map.forget(index);
    } else {
        collide(*hit);
    }
}
