#pragma once

#include <cstdint>

#include "Audio.h"

// Lays notes on a loop of sixteenth-note steps and mixes them down. The loop
// is circular: a tail that rings past the end, and the echo and reverb
// trails, continue at the start, so the piece repeats without a seam.
class Sequencer {
  public:
    enum Part { Kick, Snare, Hat, OpenHat, Clank, Bass, Pad, Lead, Pluck, kPartCount };

    Sequencer(size_t stepSamples, int steps, uint32_t seed);

    // lengthSteps is how long the note is held; pitch is a MIDI note number.
    void note(Part part, int step, int lengthSteps, float pitch, float velocity);
    void setGain(Part part, float gain) { mix[part].gain = gain; }
    void setBassBrightness(float value) { bassBrightness = value; }
    // The finished loop, peak-normalised.
    Stereo render();

  private:
    struct Channel {
        float gain;
        float pan;
        float reverb;
        float echo;
    };

    void add(const Mono& sound, size_t start, const Channel& channel);
    void add(const Stereo& sound, size_t start, const Channel& channel);
    size_t wrap(size_t i) const { return i % length; }

    size_t stepSamples;
    size_t length;
    uint32_t seed;
    float bassBrightness = 0.3f;
    Channel mix[kPartCount];
    Stereo dry;
    Mono reverbSend;
    Mono echoSend;
};
