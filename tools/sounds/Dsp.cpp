#include "Dsp.h"

#include <algorithm>
#include <cmath>

int16_t toPcm16(float s) {
    const float scaled = std::round(s * 32767.0f);
    return static_cast<int16_t>(std::clamp(scaled, -32767.0f, 32767.0f));
}

float peakOf(const Mono& samples) {
    float peak = 0.0f;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

float peakOf(const Stereo& samples) {
    return std::max(peakOf(samples.left), peakOf(samples.right));
}

void normalise(Mono& samples, float peak) {
    const float current = peakOf(samples);
    if (current <= 0.0f) {
        return;
    }
    const float gain = peak / current;
    for (float& s : samples) {
        s *= gain;
    }
}

void normalise(Stereo& samples, float peak) {
    const float current = peakOf(samples);
    if (current <= 0.0f) {
        return;
    }
    const float gain = peak / current;
    for (size_t i = 0; i < samples.size(); i++) {
        samples.left[i] *= gain;
        samples.right[i] *= gain;
    }
}

void saturate(Mono& samples, float drive) {
    for (float& s : samples) {
        s = std::tanh(s * drive);
    }
}

namespace {

float ramp(size_t i, size_t length) {
    return 0.5f - 0.5f * std::cos(kPi * static_cast<float>(i) / static_cast<float>(length));
}

void fadeChannel(Mono& samples, size_t in, size_t out) {
    const size_t n = samples.size();
    in = std::min(in, n);
    out = std::min(out, n);
    for (size_t i = 0; i < in; i++) {
        samples[i] *= ramp(i, in);
    }
    for (size_t i = 0; i < out; i++) {
        samples[n - 1 - i] *= ramp(i, out);
    }
}

} // namespace

void fadeEdges(Mono& samples, float inSeconds, float outSeconds) {
    fadeChannel(samples, samplesFor(inSeconds), samplesFor(outSeconds));
}

void fadeEdges(Stereo& samples, float seconds) {
    fadeChannel(samples.left, samplesFor(seconds), samplesFor(seconds));
    fadeChannel(samples.right, samplesFor(seconds), samplesFor(seconds));
}

void removeOffset(Mono& samples) {
    if (samples.empty()) {
        return;
    }
    double sum = 0.0;
    for (float s : samples) {
        sum += s;
    }
    const float mean = static_cast<float>(sum / static_cast<double>(samples.size()));
    for (float& s : samples) {
        s -= mean;
    }
}
