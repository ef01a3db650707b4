#include "audio/SFXVolume.h"

namespace {
constexpr int32_t kStep = 16;
constexpr int32_t kLoudest = 255;
// From here one more step would pass the top, so it lands on the top.
constexpr int32_t kLastFullStep = 240;
constexpr int32_t kSilent = 0;
} // namespace

SFXVolume::SFXVolume(AudioSettings& audio) : Switchable(1, audio.sfxVolume), audio(audio) {}

void SFXVolume::increase() {
    level = level < kLastFullStep ? level + kStep : kLoudest;
    audio.sfxVolume = static_cast<uint8_t>(level);
}

void SFXVolume::decrease() {
    level = level >= kStep ? level - kStep : kSilent;
    audio.sfxVolume = static_cast<uint8_t>(level);
}
