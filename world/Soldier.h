#pragma once

#include <cstdint>

#include "world/BarGauge.h"
#include "world/Gun.h"
#include "world/Heartbeat.h"
#include "world/Meter.h"
#include "world/Move.h"
#include "world/Tosser.h"

class Bobs;
class ActionSource;
class TrooperKit;

// One player's trooper: turns, walks, fires the weapon it holds, shows its
// health and ammunition at the screen edge, bleeds when aliens touch it and
// dies in a burst of blood and body parts. It leaves its list once that
// debris has come to rest.
class Soldier : public Move {
  public:
    // side 0 is player 1, side 1 player 2; keys (not owned) may be null.
    Soldier(int32_t x, int32_t y, int32_t hudY, const ActionSource* keys, int32_t side,
            const TrooperKit& kit);

    // Reads the player's bindings into the five controls; nothing when dead.
    void readControls() override;
    // Turns, walks, flies its shots, fires, and meets what its body touches.
    void act(Collision& map) override;
    // Aliens hurt, power-ups give; never used up.
    bool collide(Move& other) override;
    // Lets the debris settle into stains; removes a dead trooper whose debris
    // has all landed: the trooper no longer exists afterwards.
    void afterAct(Image& playfield) override;
    // Shapes the muzzle flash, throws and flies the sparks, counts the
    // frames since death and scatters the flames' embers.
    void updateLights() override;
    // Flies the debris, flickers the flames and picks this frame's picture.
    void update() override;
    // The hurt glow, the muzzle flash, the helmet lamp or the death ring,
    // the sparks and the shots' light.
    void addLights(Light& lights) const override;
    // Debris, shots, then a living trooper's bars and itself.
    void draw(Buffer& screen) const override;

    // The death sequence; nothing for a trooper already dead.
    void kill();

    bool isAlive() const { return deathCounter == 0; }
    int32_t getSide() const { return side; }
    const Meter& getHealth() const { return health; }
    const Gun& getGun() const { return gun; }
    Gun& getGun() { return gun; }
    bool isFiring() const { return fire; }
    int32_t getHurtTimer() const { return hurtTimer; }
    int32_t getDeathCounter() const { return deathCounter; }
    const Tosser& getBlood() const { return blood; }
    const Tosser& getBodyParts() const { return bodyParts; }
    const Tosser& getSparks() const { return sparks; }
    // Where shots leave: three directions counter-clockwise, 12 tenths out.
    int32_t muzzleX() const;
    int32_t muzzleY() const;

    static constexpr int32_t kMaxHealth = 100;
    // Health an alien takes in every frame it touches the trooper. Tuned with
    // the autoplay bot: a trooper that stands still is overrun within ten
    // seconds; one that turns toward the nearest alien and keeps firing kills
    // a hundred or more before it falls.
    static constexpr int32_t kContactDamage = 2;
    static constexpr int32_t kFirstAid = 40;
    static constexpr int32_t kSpeed = 5;
    static constexpr int32_t kHurtFrames = 10;
    static constexpr int32_t kHalfSize = 22;
    // Shots leave this many directions counter-clockwise of the heading.
    static constexpr int32_t kShotTurn = 4;
    static constexpr int32_t kMuzzleTurn = 3;
    static constexpr int32_t kMuzzleReach = 12;

  private:
    // The muzzle flash of this frame, shaped at random whether or not the
    // light shows it, so that a game takes the same random turns either way.
    struct MuzzleFlash {
        bool lit = false;
        int32_t cone = 0;
        int32_t width = 0;
        int32_t red = 0;
    };

    void hurtBy(Move& alien);
    void chooseSprites();
    Bobs* walkSet() const;
    void shapeMuzzleFlash();
    void throwSparks();
    void addHurtGlow(Light& lights) const;
    void addMuzzleFlash(Light& lights) const;
    void addDeathRing(Light& lights) const;
    void addTorch(Light& lights) const;

    const TrooperKit& kit;
    Meter health;
    Heartbeat heartbeat;
    BarGauge healthBar;
    BarGauge weaponBar;
    bool left = false;
    bool right = false;
    bool forward = false;
    bool backward = false;
    bool fire = false;
    const ActionSource* keys;
    Tosser blood;
    Tosser sparks;
    Tosser bodyParts;
    Gun gun;
    bool flashShown = false;
    MuzzleFlash muzzle;
    int32_t hurtTimer = 0;
    int32_t deathCounter = 0;
    int32_t walkFrame = 0;
    int32_t walkCounter = 0;
    int32_t side;
};
