#include "world/TrooperKit.h"

#include <string>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"

namespace {
constexpr int32_t kTrooperFrames = 32;
constexpr int32_t kTrooperSide = 45;

Sounds* loadSounds(const AudioSettings& audio, const char* name, int32_t count) {
    Sounds* set = new Sounds(audio, count);
    set->load(name);
    return set;
}

// Player 2 wears armour of its own colour, so both players can tell their
// trooper apart; its pictures carry a prefix.
std::string trooperName(int32_t side, int32_t walkFrame, const char* suffix) {
    const std::string prefix = side == 0 ? "pics/" : "pics/p2_";
    return prefix + "trooper" + std::to_string(walkFrame + 1) + "k" + suffix;
}
} // namespace

TrooperKit::~TrooperKit() {
    for (int32_t side = 0; side < kSides; ++side) {
        for (int32_t frame = 0; frame < kWalkFrames; ++frame) {
            delete walk[side][frame];
            delete shot[side][frame];
            delete aim[side][frame];
        }
    }
    for (Bobs* set : {explosion, fire, grenade, healthBar, weaponBar, blood, bloodMarks, bodyParts}) {
        delete set;
    }
    for (Sounds* set : {explosionSounds, soldierSounds, gunSounds, heartbeatSounds}) {
        delete set;
    }
}

int32_t TrooperKit::explosionFrames() const {
    constexpr int32_t kWithoutPictures = 8;
    return explosion != nullptr ? explosion->getCount() : kWithoutPictures;
}

void TrooperKit::load(const AudioSettings& audio) {
    for (int32_t side = 0; side < kSides; ++side) {
        for (int32_t frame = 0; frame < kWalkFrames; ++frame) {
            walk[side][frame] = Bobs::loadNew(trooperName(side, frame, ""), kTrooperFrames, kTrooperSide,
                                        kTrooperSide, 0);
            shot[side][frame] = Bobs::loadNew(trooperName(side, frame, "a"), kTrooperFrames,
                                        kTrooperSide, kTrooperSide, 0);
            aim[side][frame] = Bobs::loadNew(trooperName(side, frame, "as"), kTrooperFrames,
                                       kTrooperSide, kTrooperSide, 0);
        }
    }
    explosion = Bobs::loadNew("pics/exp_", 8, 60, 60);
    explosionSounds = loadSounds(audio, "sounds/exp", kExplosionSoundCount);
    fire = Bobs::loadNew("pics/fire", 8, 14, 14);
    grenade = Bobs::loadNew("pics/gran", 3, 15, 15);
    soldierSounds = loadSounds(audio, "sounds/soldier", kSoldierSoundCount);
    healthBar = Bobs::loadNew("pics/power", 3, 10, 25);
    weaponBar = Bobs::loadNew("pics/wbar", 3, 18, 25);
    blood = Bobs::loadNew("pics/blood", 4, 20, 20);
    bloodMarks = Bobs::loadNew("pics/bloodbg", 4, 20, 20);
    bodyParts = Bobs::loadNew("pics/trooperpart", 5, 35, 29);
    gunSounds = loadSounds(audio, "sounds/gun", kGunSoundCount);
    heartbeatSounds = loadSounds(audio, "sounds/heartbeat", kHeartbeatSoundCount);
}
