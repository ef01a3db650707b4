#include "audio/Sound.h"

#include <SDL.h>
#include <cstdio>

#include "store/GameFile.h"

namespace {
constexpr size_t kPathSize = 128;
constexpr int kFirstFreeChannel = -1;
constexpr int kNoLoops = 0;
constexpr int kNoTimeLimit = -1;
constexpr int kAllChannels = -1;
} // namespace

Sound* Sound::owners[Sound::kChannels] = {};

Sound::Sound(const AudioSettings& audio, const char* baseName)
    : audio(audio), volume(audio.sfxVolume) {
    if (audio.effectsOn == 1) {
        // Too long a name is cut here; it then simply names no file.
        char path[kPathSize];
        std::snprintf(path, sizeof path, "%s.sl", baseName);
        // A FIFO or a device named like a sound would block or feed the
        // mixer for ever; anything but a regular file is a missing sound.
        std::FILE* file = GameFile::openForReading(path);
        SDL_RWops* rw = file != nullptr ? SDL_RWFromFP(file, 1) : nullptr;
        if (rw != nullptr) {
            chunk = Mix_LoadWAV_RW(rw, 1);
        } else if (file != nullptr) {
            std::fclose(file);
        }
    }
    // A new sound may reuse the memory of a freed one, so no entry of the
    // table can be trusted after a construction.
    clearOwners();
}

Sound::~Sound() {
    for (Sound*& owner : owners) {
        if (owner == this) {
            owner = nullptr;
        }
    }
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
    }
}

void Sound::play() {
    play(Panning::centred());
}

void Sound::play(Panning pan) {
    if (chunk == nullptr) {
        return;
    }
    if (volume != audio.sfxVolume) {
        setVolume(audio.sfxVolume);
    }
    playIfIdle(pan);
}

void Sound::playIfIdle(Panning pan) {
    if (chunk == nullptr || isPlaying()) {
        return;
    }
    // The channel is known only once the sample is on it; holding the mixer
    // until its place is set keeps the first samples from being heard from
    // wherever it was before. Every start sets it, centred ones too.
    SDL_LockAudio();
    const int c = Mix_PlayChannelTimed(kFirstFreeChannel, chunk, kNoLoops, kNoTimeLimit);
    if (isMixerChannel(c)) {
        Mix_SetPanning(c, pan.left, pan.right);
    }
    SDL_UnlockAudio();
    if (!isMixerChannel(c)) {
        // No free channel: the sample is not heard this time.
        channel = -1;
        return;
    }
    channel = static_cast<int8_t>(c);
    owners[c] = this;
}

bool Sound::isPlaying() {
    if (chunk == nullptr || channel == -1) {
        return false;
    }
    if (Mix_Playing(channel) != 0 && owners[channel] == this) {
        return true;
    }
    channel = -1;
    return false;
}

void Sound::stop() {
    if (chunk != nullptr && channel != -1) {
        Mix_HaltChannel(channel);
        channel = -1;
    }
}

void Sound::setVolume(uint8_t v) {
    volume = v;
    if (chunk != nullptr) {
        Mix_Volume(channel == -1 ? kAllChannels : channel, v / 2);
    }
}

void Sound::clearOwners() {
    for (Sound*& owner : owners) {
        owner = nullptr;
    }
}
