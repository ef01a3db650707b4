#pragma once

#include <cstdint>

#include "world/GLinkedList.h"
#include "world/Meter.h"

class TrooperKit;

// A trooper's weapon: the kind it holds, its ammunition and rate of fire, and
// the list of the projectiles it has fired that are still in flight.
class Gun : public GLinkedList {
  public:
    enum Kind : int32_t { kRifle = 0, kExplodingBullets, kFlameThrower, kGrenades };

    // The rifle never runs out; a special weapon starts full.
    Gun(int32_t kind, const TrooperKit& kit);

    // Fires from (x, y) toward direction d, once per frame the trigger is held.
    void fire(int32_t x, int32_t y, int32_t d);
    // Takes another weapon; a special one comes fully loaded.
    void setKind(int32_t k);
    // Silences the weapon and lets the next press fire at once.
    void releaseTrigger();

    int32_t getKind() const { return kind; }
    int32_t getCooldown() const { return cooldown; }
    const Meter& getAmmunition() const { return ammunition; }

    static constexpr int32_t kAmmunition = 100;
    static constexpr int32_t kFlamesPerFrame = 12;
    // Frames to wait after an exploding bullet and after a grenade.
    static constexpr int32_t kExplodingCooldown = 1;
    static constexpr int32_t kGrenadeCooldown = 4;
    // A throw costs this on top of the unit every firing frame costs.
    static constexpr int32_t kGrenadeCost = 5;

  private:
    // Heard from column x, where the shot leaves.
    void playSound(int32_t i, int32_t x);

    const TrooperKit& kit;
    int32_t cooldown = 0;
    int32_t kind;
    Meter ammunition;
};
