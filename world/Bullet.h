#pragma once

#include "world/Move.h"

// A rifle bullet: it flies its whole path through the collision map in the
// frame after it is fired, meets the first thing on it and is gone. Until
// then it shows as a white spark at the muzzle.
class Bullet : public Move {
  public:
    Bullet(int32_t x, int32_t y, int32_t d) : Move(x, y, d, kSpeed) {}

    void draw(Buffer&) const override {}
    // Sweeps, then removes itself: the bullet no longer exists afterwards.
    void act(Collision& map) override;

    static constexpr int32_t kSpeed = 10;
};
