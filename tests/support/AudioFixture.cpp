#include "support/AudioFixture.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <string>
#include <utility>

#include "audio/ModMusic.h"
#include "audio/Sound.h"

namespace {

constexpr Uint32 kTimeoutMs = 3000;
constexpr uint32_t kRate = 44100;

void putLittleEndian(std::vector<unsigned char>& out, uint32_t v, int bytes) {
    for (int b = 0; b < bytes; b++) {
        out.push_back(static_cast<unsigned char>(v >> (8 * b)));
    }
}

} // namespace

void openMixer(AudioSettings& audio) {
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    Mix_AllocateChannels(Sound::kChannels);
    audio.deviceOpen = 1;
    audio.effectsOn = 1;
    audio.sfxVolume = 255;
}

void AudioFixture::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_NO_FATAL_FAILURE(openMixer(audio));
    audio.musicOn = 1;
    audio.musicVolume = 255;
    ModMusic::setContinuation(ModMusic::kContinueNothing);
    cwd = std::make_unique<WorkingDir>(dir.path());
}

void AudioFixture::TearDown() {
    cwd.reset();
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    SDL_Quit();
    ModMusic::setContinuation(ModMusic::kContinueNothing);
}

bool AudioFixture::waitUntilMusicIdle() {
    const Uint32 start = SDL_GetTicks();
    while (Mix_PlayingMusic() != 0) {
        if (SDL_GetTicks() - start > kTimeoutMs) {
            return false;
        }
        SDL_Delay(5);
    }
    return true;
}

std::vector<unsigned char> toneWav(int ms) {
    const uint32_t count = kRate / 1000 * static_cast<uint32_t>(ms);
    // The RIFF header (its size filled in last), then a format block: PCM,
    // mono, the rate, bytes a second and a frame, bits a sample.
    const std::string text = "RIFF....WAVEfmt ";
    std::vector<unsigned char> out(text.begin(), text.end());
    const std::pair<uint32_t, int> fields[] = {{16, 4},        {1, 2}, {1, 2}, {kRate, 4},
                                               {kRate * 2, 4}, {2, 2}, {16, 2}};
    for (const auto& [value, bytes] : fields) {
        putLittleEndian(out, value, bytes);
    }
    for (char c : {'d', 'a', 't', 'a'}) {
        out.push_back(static_cast<unsigned char>(c));
    }
    putLittleEndian(out, count * 2, 4);
    for (uint32_t i = 0; i < count; i++) {
        const double s = std::sin(2.0 * 3.14159265 * 440.0 * i / kRate) * 8000.0;
        putLittleEndian(out, static_cast<uint16_t>(static_cast<int16_t>(s)), 2);
    }
    const uint32_t riffSize = uint32_t(out.size()) - 8;
    for (int b = 0; b < 4; ++b) {
        out[size_t(4 + b)] = static_cast<unsigned char>(riffSize >> (8 * b));
    }
    return out;
}
