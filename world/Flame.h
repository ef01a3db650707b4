#pragma once

#include "world/Move.h"

class TrooperKit;

// One tongue of the flame thrower: it flies, slows, flickers and glows for
// eight frames, setting alight whatever it touches on the way.
class Flame : public Move {
  public:
    Flame(int32_t x, int32_t y, int32_t d, const TrooperKit& kit);

    // Shown in about every other frame, so the stream flickers.
    void draw() override;
    // Flies, touches what is under it; removes itself after its last frame.
    void act(Collision& map) override;
    void addLights(Light& lights) override;

    int32_t getAge() const { return age; }

    static constexpr int32_t kSpeed = 16;
    static constexpr int32_t kFriction = 1;
    static constexpr int32_t kJitter = 6;

  private:
    int32_t age = 0;
};
