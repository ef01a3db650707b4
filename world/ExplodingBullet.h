#pragma once

#include "world/Bullet.h"

class TrooperKit;

// A bullet that explodes where it hits, hurting what the blast covers for
// the eight frames of the explosion.
class ExplodingBullet : public Bullet {
  public:
    ExplodingBullet(int32_t x, int32_t y, int32_t d, const TrooperKit& kit);

    void draw(Buffer& screen) const override;
    void act(Collision& map) override;
    // A hit sets the bullet off; never used up by it.
    bool collide(Move& other) override;
    void addLights(Light& lights) const override;

    bool hasExploded() const { return exploded; }

  private:
    const TrooperKit& kit;
    bool exploded = false;
    int32_t explosionFrame = 0;
};
