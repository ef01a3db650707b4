#include "support/AudioFixture.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>

#include "app/Globals.h"
#include "audio/ModMusic.h"
#include "audio/Sound.h"

namespace {

constexpr Uint32 kTimeoutMs = 3000;
constexpr uint32_t kRate = 44100;

template <typename Busy> bool waitWhile(Busy busy) {
    const Uint32 start = SDL_GetTicks();
    while (busy()) {
        if (SDL_GetTicks() - start > kTimeoutMs) {
            return false;
        }
        SDL_Delay(5);
    }
    return true;
}

void putLittleEndian(std::vector<unsigned char>& out, uint32_t v, int bytes) {
    for (int b = 0; b < bytes; b++) {
        out.push_back(static_cast<unsigned char>(v >> (8 * b)));
    }
}

void putText(std::vector<unsigned char>& out, const char* text) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(text[i]));
    }
}

} // namespace

void AudioFixture::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    Mix_AllocateChannels(Sound::kChannels);
    audioOpen = 1;
    audioEnabled = 1;
    sfxVolume = 255;
    musicEnabled = 1;
    musicVolume = 255;
    currentMusic = nullptr;
    ModMusic::setContinuation(ModMusic::kContinueNothing);
    cwd = std::make_unique<WorkingDir>(dir.path());
}

void AudioFixture::TearDown() {
    cwd.reset();
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    SDL_Quit();
    audioOpen = 0;
    audioEnabled = 0;
    musicEnabled = 0;
    currentMusic = nullptr;
    ModMusic::setContinuation(ModMusic::kContinueNothing);
}

bool AudioFixture::waitUntilChannelIdle(int channel) {
    return waitWhile([channel] { return Mix_Playing(channel) != 0; });
}

bool AudioFixture::waitUntilMusicIdle() {
    return waitWhile([] { return Mix_PlayingMusic() != 0; });
}

std::vector<unsigned char> toneWav(int ms) {
    const uint32_t count = kRate / 1000 * static_cast<uint32_t>(ms);
    std::vector<unsigned char> out;
    putText(out, "RIFF");
    putLittleEndian(out, 36 + count * 2, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLittleEndian(out, 16, 4); // format block size
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, kRate, 4);
    putLittleEndian(out, kRate * 2, 4);
    putLittleEndian(out, 2, 2); // bytes per frame
    putLittleEndian(out, 16, 2);
    putText(out, "data");
    putLittleEndian(out, count * 2, 4);
    for (uint32_t i = 0; i < count; i++) {
        const double s = std::sin(2.0 * 3.14159265 * 440.0 * i / kRate) * 8000.0;
        putLittleEndian(out, static_cast<uint16_t>(static_cast<int16_t>(s)), 2);
    }
    return out;
}
