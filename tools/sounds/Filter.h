#pragma once

#include <cmath>

// A resonant state-variable filter (Chamberlin form, oversampled twice so it
// stays stable up to high cut-offs); gives low, band and high pass at once.
class Filter {
  public:
    static constexpr float kSampleRate = 44100.0f;

    // resonance 0 (none) to about 0.95 (singing).
    void set(float cutoffHz, float resonance) {
        const float limited = std::fmin(cutoffHz, kSampleRate * 0.22f);
        f = 2.0f * std::sin(3.14159265f * limited / (2.0f * kSampleRate));
        q = 2.0f * (1.0f - resonance);
        if (q < 0.1f) {
            q = 0.1f;
        }
    }
    void process(float in) {
        for (int i = 0; i < 2; i++) {
            low += f * band;
            high = in - low - q * band;
            band += f * high;
        }
    }
    float lowPass(float in) {
        process(in);
        return low;
    }
    float bandPass(float in) {
        process(in);
        return band;
    }
    float highPass(float in) {
        process(in);
        return high;
    }

  private:
    float f = 0.1f;
    float q = 1.0f;
    float low = 0.0f;
    float band = 0.0f;
    float high = 0.0f;
};
