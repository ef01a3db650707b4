#pragma once

#include <string>

#include "Audio.h"

// Writes a mono sample buffer as a RIFF WAV file, 16-bit, 44100 Hz, the form
// the game's mixer reads its ".sl" sound effects in.
class WavWriter {
  public:
    static bool write(const std::string& path, const Mono& samples);
};
