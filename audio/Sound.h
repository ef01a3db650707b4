#pragma once

#include <SDL_mixer.h>
#include <cstdint>

#include "audio/AudioSettings.h"
#include "audio/Panning.h"
#include "core/GBase.h"

// One sound effect sample, played on the first free mixer channel and heard
// from the place it is given there. A sound that is still playing is not
// restarted; it knows it is still playing only while it is the last sound
// started on its channel.
class Sound : public GBase {
  public:
    // The mixer is opened with this many channels.
    static constexpr int kChannels = 16;

    // Loads "<baseName>.sl"; without audio or on any failure the sound has
    // no sample and every operation does nothing. It plays at the effects
    // volume of audio, which must outlive it.
    Sound(const AudioSettings& audio, const char* baseName);
    ~Sound() override;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Centred: the place of the channel's last sound is not kept.
    void play();
    void play(Panning pan);
    void playIfIdle(Panning pan = Panning::centred());
    bool isPlaying();
    void stop();
    void setVolume(uint8_t v);

    bool isLoaded() const { return chunk != nullptr; }
    int8_t getChannel() const { return channel; }

  private:
    static void clearOwners();
    static bool isMixerChannel(int c) { return c >= 0 && c < kChannels; }

    const AudioSettings& audio;
    uint8_t volume;
    int8_t channel = -1;
    Mix_Chunk* chunk = nullptr;

    static Sound* owners[kChannels];
};
