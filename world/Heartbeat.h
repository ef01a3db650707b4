#pragma once

#include <cstdint>

#include "core/GBase.h"

class Meter;

// Paces a two-part heartbeat by a watched value such as a trooper's health:
// the lower the value, the faster the beat. The owner plays the sounds.
class Heartbeat : public GBase {
  public:
    // Watches meter (not owned); larger shifts beat faster.
    Heartbeat(const Meter* meter, int32_t shift)
        : meter(meter), shift(shift < 0 ? 0 : (shift > kMaxShift ? kMaxShift : shift)) {}

    // Called once per frame. Returns the index of the sound in the troopers'
    // sound set to play now, or kSilent. Silent while kEnabled is off.
    int32_t beat();
    // The pacing itself, whatever the switch says.
    int32_t advance();

    // The heartbeat is off in the shipped game.
    static constexpr bool kEnabled = false;
    static constexpr int32_t kSilent = -1;
    static constexpr int32_t kFirstSound = 0;
    static constexpr int32_t kSecondSound = 1;
    static constexpr int32_t kMaxShift = 30;

  private:
    const Meter* meter;
    int32_t counter = 0;
    uint8_t phase = 0;
    int32_t shift;
};
