#pragma once

#include <cmath>
#include <vector>

// The generator's sample buffers: floating point, nominally -1 to 1.
constexpr int kSampleRate = 44100;
constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;

using Mono = std::vector<float>;

struct Stereo {
    Mono left;
    Mono right;

    explicit Stereo(size_t length = 0) : left(length, 0.0f), right(length, 0.0f) {}
    size_t size() const { return left.size(); }
};

inline size_t samplesFor(float seconds) {
    return static_cast<size_t>(seconds * static_cast<float>(kSampleRate));
}

inline float midiToHz(float note) {
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}
