#pragma once

#include <cstdint>

#include "world/GLinkedList.h"

class Bobs;
class Sounds;
struct AudioSettings;

// The power-ups lying on the playfield, at most max at once. It loads and
// owns their pictures and sounds.
class PowerUps : public GLinkedList {
  public:
    // Loads the pictures and sounds from the data folders; the sounds play
    // at the effects volume of audio, which must outlive the list.
    PowerUps(int32_t max, const AudioSettings& audio);
    // Leaves pictures and sounds out: power-ups then draw nothing.
    explicit PowerUps(int32_t max);
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
