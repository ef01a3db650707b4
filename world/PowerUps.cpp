#include "world/PowerUps.h"

#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"
#include "world/ObjectKinds.h"
#include "world/PowerUp.h"

namespace {
constexpr int32_t kSoundCount = 3;

struct Look {
    int32_t kind;
    const char* picture;
    int32_t frames;
    int32_t width;
    int32_t height;
};

// In the order the random draw picks them.
constexpr Look kLooks[PowerUps::kKinds] = {
    {kKindFirstAid, "pics/fa_", 1, 30, 30},
    {kKindExplodingGunPowerUp, "pics/bb_", 1, 33, 33},
    {kKindFlamePowerUp, "pics/fla_", 2, 30, 30},
    {kKindGrenadePowerUp, "pics/cc_", 1, 30, 25},
};
} // namespace

PowerUps::PowerUps(int32_t max) : max(max) {}

PowerUps::PowerUps(int32_t max, const AudioSettings& audio) : max(max) {
    for (int32_t i = 0; i < kKinds; ++i) {
        const Look& look = kLooks[i];
        pictures[i] = Bobs::loadNew(look.picture, look.frames, look.width, look.height);
    }
    sounds = new Sounds(audio, kSoundCount);
    sounds->load("sounds/powerup");
}

PowerUps::~PowerUps() {
    // The power-ups go before the pictures they draw with.
    clear();
    for (Bobs* set : pictures) {
        delete set;
    }
    delete sounds;
}

void PowerUps::spawn() {
    if (count() >= max) {
        return;
    }
    const int32_t pick = std::rand() % kKinds;
    append(new PowerUp(pictures[pick], sounds), kLooks[pick].kind);
}
