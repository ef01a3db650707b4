#pragma once

#include <cstdint>

#include "core/GBase.h"

class Bobs;
class Sounds;
struct AudioSettings;

// The pictures and sounds every trooper and its weapons share, loaded once by
// the troopers' list. A piece that is missing stays null, and whatever uses it
// is then simply not drawn or heard.
class TrooperKit : public GBase {
  public:
    static constexpr int32_t kSides = 2;
    static constexpr int32_t kWalkFrames = 2;

    TrooperKit() = default;
    ~TrooperKit() override;
    TrooperKit(const TrooperKit&) = delete;
    TrooperKit& operator=(const TrooperKit&) = delete;

    // Loads every set and sound from the data folders; the sounds play at
    // the effects volume of audio, which must outlive the kit.
    void load(const AudioSettings& audio);

    // Indexed [side][walk frame]: player 1 is side 0, player 2 side 1.
    Bobs* walk[kSides][kWalkFrames] = {};
    Bobs* shot[kSides][kWalkFrames] = {};
    Bobs* aim[kSides][kWalkFrames] = {};
    Bobs* explosion = nullptr;
    Bobs* fire = nullptr;
    Bobs* grenade = nullptr;
    Bobs* healthBar = nullptr;
    Bobs* weaponBar = nullptr;
    Bobs* blood = nullptr;
    Bobs* bloodMarks = nullptr;
    Bobs* bodyParts = nullptr;
    Sounds* explosionSounds = nullptr;
    Sounds* soldierSounds = nullptr;
    Sounds* gunSounds = nullptr;
    Sounds* heartbeatSounds = nullptr;

    // Frames an explosion lasts: one per picture, 8 without pictures.
    int32_t explosionFrames() const;

    static constexpr int32_t kExplosionSoundCount = 2;
    static constexpr int32_t kSoldierSoundCount = 5;
    static constexpr int32_t kGunSoundCount = 4;
    static constexpr int32_t kHeartbeatSoundCount = 2;
    // Soldier sounds: the death cry, then the pain cries.
    static constexpr int32_t kDeathCry = 0;
    static constexpr int32_t kFirstPainCry = 1;
    static constexpr int32_t kPainCries = 4;
};
