#pragma once

#include <cstdint>

#include "world/GLinkedList.h"

class Bobs;
class Sounds;

// The power-ups lying on the playfield, at most max at once. It loads and
// owns their pictures and sounds.
class PowerUps : public GLinkedList {
  public:
    // Loads the pictures and sounds from the data folders.
    explicit PowerUps(int32_t max);
    // Leaves pictures and sounds out: power-ups then draw nothing.
    PowerUps(int32_t max, bool loadKit);
    ~PowerUps() override;

    // One more power-up of a random kind, unless max are lying about.
    void spawn();

    // The four kinds, by the random draw that picks them.
    static constexpr int32_t kKinds = 4;

  private:
    int32_t max;
    Bobs* pictures[kKinds] = {};
    Sounds* sounds = nullptr;
};
