#include "audio/MixerFixture.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>

#include "app/Globals.h"
#include "audio/ModMusic.h"

namespace {

constexpr Uint32 kTimeoutMs = 3000;
constexpr int kRate = 44100;

void put16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putText(std::vector<unsigned char>& out, const char* text) {
    out.insert(out.end(), text, text + 4);
}

} // namespace

void MixerFixture::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    Mix_AllocateChannels(16);
    audioOpen = 1;
    audioEnabled = 1;
    sfxVolume = 255;
    musicEnabled = 1;
    musicVolume = 255;
    currentMusic = nullptr;
    ModMusic::setContinuation(ModMusic::kContinueNothing);
}

void MixerFixture::TearDown() {
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    SDL_Quit();
    audioOpen = 0;
    audioEnabled = 0;
    musicEnabled = 0;
    currentMusic = nullptr;
    ModMusic::setContinuation(ModMusic::kContinueNothing);
}

bool MixerFixture::waitUntilChannelIdle(int channel) {
    const Uint32 start = SDL_GetTicks();
    while (Mix_Playing(channel) != 0) {
        if (SDL_GetTicks() - start > kTimeoutMs) {
            return false;
        }
        SDL_Delay(5);
    }
    return true;
}

bool MixerFixture::waitUntilMusicIdle() {
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
    const uint32_t count = static_cast<uint32_t>(kRate / 1000 * ms);
    std::vector<unsigned char> out;
    putText(out, "RIFF");
    put32(out, 36 + count * 2);
    putText(out, "WAVE");
    putText(out, "fmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    putText(out, "data");
    put32(out, count * 2);
    for (uint32_t i = 0; i < count; i++) {
        const double s = std::sin(2.0 * 3.14159265 * 440.0 * i / kRate) * 8000.0;
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return out;
}
