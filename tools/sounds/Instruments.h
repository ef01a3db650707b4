#pragma once

#include <cstdint>

#include "Audio.h"

// The sequencer's instruments. Each renders one note, release tail included,
// starting at the note's first sample; pitches are MIDI note numbers.
namespace instruments {

Mono kick(float velocity);
Mono snare(float velocity, uint32_t seed);
Mono hat(float velocity, bool open, uint32_t seed);
// A struck metal sheet: the industrial colour of the drum kit.
Mono clank(float velocity, uint32_t seed);
// brightness 0 to 1 opens the filter and adds resonance.
Mono bass(float pitch, float seconds, float velocity, float brightness);
Stereo pad(float pitch, float seconds, float velocity);
Mono lead(float pitch, float seconds, float velocity);
Mono pluck(float pitch, float seconds, float velocity);

} // namespace instruments
