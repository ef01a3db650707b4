#pragma once

#include <cstdint>

#include "world/Move.h"

class Sounds;

// A pick-up lying on the playfield: first aid or a special weapon. It drifts
// to rest where it appeared, is pushed about by shots and explosions, glows,
// throws a turning beam, and is gone when a trooper touches it.
class PowerUp : public Move {
  public:
    // Appears anywhere on the screen with a flash; set and sounds are shared
    // and not owned; either may be null.
    PowerUp(Bobs* set, Sounds* sounds);

    // Pulses and drifts.
    void update() override;
    // Its first frame.
    void draw(Buffer& screen) const override;
    // A box half as large again as the picture, so troopers reach it early.
    void registerIn(Collision& map) override;
    // Takes half of what hit it as its own motion; a trooper uses it up, and
    // then it removes itself: the power-up no longer exists afterwards.
    bool collide(Move& other) override;
    // The glow or beam, and a flash in the frame it appears.
    void addLights(Light& lights) const override;

    static constexpr int32_t kDrift = 10;
    static constexpr int32_t kFriction = 2;
    static constexpr int32_t kFlashRadius = 128;
    // Pick-up sounds and the sound of one appearing.
    static constexpr int32_t kFirstAidTaken = 0;
    static constexpr int32_t kWeaponTaken = 1;
    static constexpr int32_t kAppears = 2;

  private:
    void addGlow(Light& lights) const;
    void playSound(int32_t i);

    Sounds* sounds;
    int32_t pulse = 0;
    // Frames updated, the one it appeared in counting 1.
    int32_t age = 0;
    int32_t spawnX;
    int32_t spawnY;
    // Where the light is: the place before this frame's drift, as the light
    // has always trailed the picture by one drift.
    int32_t lightX;
    int32_t lightY;
};
