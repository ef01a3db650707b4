#pragma once

#include "world/Move.h"

class TrooperKit;

// A cluster grenade: it flies for five frames or until it touches something,
// explodes for eight frames, and bursts into three smaller grenades of the
// next generation, down to the second: thirteen explosions from one throw.
class Granade : public Move {
  public:
    Granade(int32_t x, int32_t y, int32_t d, int32_t generation, const TrooperKit& kit);

    void draw(Buffer& screen) const override;
    // Flies or explodes; puts its fragments into its own list just before
    // itself, so they first act in the next frame; removes itself when done.
    void act(Collision& map) override;
    // Touching anything sets it off; never used up by it.
    bool collide(Move& other) override;
    // Glows while in flight.
    void addLights(Light& lights) const override;

    bool hasExploded() const { return exploded; }

    static constexpr int32_t kSpeed = 15;
    static constexpr int32_t kFriction = 2;
    static constexpr int32_t kFlightFrames = 4;
    // Fragments fly this many directions either side of the throw.
    static constexpr int32_t kFragmentSpread = 4;

  private:
    void explodeNow();
    void throwFragments();

    const TrooperKit& kit;
    bool exploded = false;
    int32_t timer = 0;
    int32_t generation;
    int32_t thrownDirection;
};
