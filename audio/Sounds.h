#pragma once

#include <cstdint>

#include "core/GBase.h"

class Sound;
struct AudioSettings;

// A numbered family of sound effects ("<base>01" to "<base>NN"), loaded
// together and played by index.
class Sounds : public GBase {
  public:
    // `copy` only tells the sets apart in the load error line. The sounds
    // play at the effects volume of audio, which must outlive the set.
    Sounds(const AudioSettings& audio, int32_t count, int32_t copy = 1);
    ~Sounds() override;
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

    // True when every sound of the set loaded.
    bool load(const char* baseName);
    // No range check: i must be below the count. Without a column the sound
    // is centred; with one it is heard from there on the playfield.
    void play(int32_t i);
    void play(int32_t i, int32_t x);
    void stop(int32_t i);
    bool anyPlaying();

    int32_t getCount() const { return count; }
    // The sound at i, or null before loading.
    Sound* get(int32_t i) const { return sounds[i]; }

  private:
    void clear();

    const AudioSettings& audio;
    int32_t copy;
    Sound** sounds;
    int32_t count;
};
