#include "world/AlienKit.h"

#include <string>

#include "audio/Sounds.h"
#include "gfx/Bobs.h"

namespace {
constexpr int32_t kAlienFrames = 32;
constexpr int32_t kAlienSide = 70;
} // namespace

AlienKit::~AlienKit() {
    for (int32_t i = 0; i < kSteps; ++i) {
        delete steps[i];
    }
    for (int32_t i = 0; i < kPartVariants; ++i) {
        delete parts[i];
        delete partMarks[i];
    }
    delete slime;
    delete slimeMarks;
    delete burn;
    delete sounds;
}

void AlienKit::load(const AudioSettings& audio) {
    for (int32_t i = 0; i < kSteps; ++i) {
        steps[i] = Bobs::loadNew("pics/alien" + std::to_string(i + 1) + "00", kAlienFrames, kAlienSide,
                           kAlienSide);
    }
    slime = Bobs::loadNew("pics/slime", 8, 20, 20);
    slimeMarks = Bobs::loadNew("pics/slimebg", 8, 20, 20);
    for (int32_t i = 0; i < kPartVariants; ++i) {
        parts[i] = Bobs::loadNew("pics/alienp" + std::to_string(i + 1), 4, 22, 18);
        partMarks[i] = Bobs::loadNew("pics/alienpb" + std::to_string(i + 1), 4, 22, 18);
    }
    burn = Bobs::loadNew("pics/burn", 4, 16, 16);
    sounds = new Sounds(audio, kSoundCount);
    sounds->load("sounds/alien");
}
