#pragma once

#include <array>

#include "world/Move.h"

class TrooperKit;

// One tongue of the flame thrower: it flies, slows, flickers and glows for
// eight frames, setting alight whatever it touches on the way.
class Flame : public Move {
  public:
    Flame(int32_t x, int32_t y, int32_t d, const TrooperKit& kit);

    // Flies, touches what is under it; removes itself after its last frame.
    void act(Collision& map) override;
    // Scatters one ember for each frame of its age.
    void updateLights() override;
    // Shows or hides itself at random, so the stream flickers.
    void update() override;
    // Shown in about every other frame.
    void draw(Buffer& screen) const override;
    void addLights(Light& lights) const override;


    static constexpr int32_t kSpeed = 16;
    static constexpr int32_t kFriction = 1;
    static constexpr int32_t kJitter = 6;
    // A flame lives one frame per picture of its set, 8 without pictures.
    static constexpr int32_t kDefaultFrames = 8;

  private:
    struct Ember {
        int32_t x;
        int32_t y;
    };

    int32_t age = 0;
    bool shown = false;
    // This frame's embers are the first age of these.
    std::array<Ember, kDefaultFrames - 1> embers{};
};
