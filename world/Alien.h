#pragma once

#include <cstdint>

#include "world/Meter.h"
#include "world/Move.h"
#include "world/Tosser.h"

class AlienKit;
class Soldiers;

// One alien: it crawls toward the nearest trooper, waits rather than walk
// into another alien, bleeds slime when shot, flees while burning and bursts
// into body parts when killed. Every alien that leaves the list dead is a
// point of the score it was given.
class Alien : public Move {
  public:
    // Enters just outside a screen edge, facing the nearest trooper; x and y
    // are replaced. troopers and score are not owned.
    Alien(int32_t x, int32_t y, const Soldiers& troopers, const AlienKit& kit, int32_t& score);

    // Walks toward the nearest trooper (away while burning, shedding fire),
    // and moves its debris; aliens are the last to move in a frame.
    void update() override;
    // The alien (unless dying), then its debris.
    void draw(Buffer& screen) const override;
    // Burns, lets its debris settle, and removes itself once it has died and
    // the debris has landed: the alien no longer exists afterwards.
    void afterAct(Image& playfield) override;
    // Paints its box two steps ahead, or waits if something is already there.
    void registerIn(Collision& map) override;
    // Shots hurt it; never used up.
    bool collide(Move& other) override;
    void addLights(Light&) const override {}

    const Meter& getHealth() const { return health; }
    bool isHeld() const { return held; }
    bool isDying() const { return dying; }
    bool isBurning() const { return burning; }
    const Tosser& getSlime() const { return slime; }
    const Tosser& getParts() const { return parts; }

    static constexpr int32_t kMaxHealth = 100;
    static constexpr int32_t kSpeed = 3;
    static constexpr int32_t kHalfSize = 35;
    static constexpr int32_t kBulletDamage = 40;
    static constexpr int32_t kExplosionDamage = 60;
    static constexpr int32_t kFlameDamage = 2;
    static constexpr int32_t kBurnDamage = 2;

  private:
    // variant picks which of the body-part pictures this alien bursts into.
    Alien(int32_t x, int32_t y, const Soldiers& troopers, const AlienKit& kit, int32_t& score,
          int32_t variant);
    void hitByBullet(Move& bullet);
    void hitByExplosion();
    void setAlight();
    void die();
    void playCry();
    void crawl();

    const AlienKit& kit;
    Meter health;
    Tosser slime;
    Tosser parts;
    int32_t animation = 0;
    bool held = false;
    bool dying = false;
    bool burning = false;
    const Soldiers& troopers;
    int32_t& score;
};
