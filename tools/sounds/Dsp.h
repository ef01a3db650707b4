#pragma once

#include <cstdint>

#include "Audio.h"

// Small whole-buffer operations shared by the sound effects and the music.

// Rounds and clamps to a signed 16-bit sample.
int16_t toPcm16(float s);
float peakOf(const Mono& samples);
float peakOf(const Stereo& samples);
// Scales so the loudest sample reaches the given peak.
void normalise(Mono& samples, float peak);
void normalise(Stereo& samples, float peak);
// A gentle saturation that rounds off the loudest moments instead of clipping.
void saturate(Mono& samples, float drive);
// Raised-cosine ramps over the first and last `seconds` of the buffer.
void fadeEdges(Mono& samples, float inSeconds, float outSeconds);
void fadeEdges(Stereo& samples, float seconds);
// Removes any constant offset, which would otherwise click at start and end.
void removeOffset(Mono& samples);
