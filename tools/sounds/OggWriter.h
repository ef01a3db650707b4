#pragma once

#include <string>

#include "Audio.h"

// Encodes a stereo buffer as an OGG Vorbis file at 44100 Hz.
class OggWriter {
  public:
    // quality: Vorbis VBR quality, -0.1 (smallest) to 1.0 (best).
    static bool write(const std::string& path, const Stereo& samples, float quality);
};
