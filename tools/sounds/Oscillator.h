#pragma once

#include <cmath>

#include "Audio.h"

// A phase-accumulating oscillator. The saw and square are band-limited with
// polynomial corrections at each jump, so high notes do not alias into hiss.
class Oscillator {
  public:
    explicit Oscillator(float phase = 0.0f) : phase(phase) {}

    // Advances by one sample at the given frequency; call before reading.
    void step(float hz) {
        increment = hz / static_cast<float>(kSampleRate);
        phase += increment;
        if (phase >= 1.0f) {
            phase -= std::floor(phase);
        }
    }
    float sine() const { return std::sin(kTwoPi * phase); }
    float saw() const { return 2.0f * phase - 1.0f - blep(phase); }
    float square() const {
        float half = phase + 0.5f;
        if (half >= 1.0f) {
            half -= 1.0f;
        }
        return (phase < 0.5f ? 1.0f : -1.0f) + blep(phase) - blep(half);
    }
    float triangle() const { return 1.0f - 4.0f * std::fabs(phase - 0.5f); }

  private:
    float blep(float t) const {
        const float dt = increment;
        if (dt <= 0.0f) {
            return 0.0f;
        }
        if (t < dt) {
            t /= dt;
            return t + t - t * t - 1.0f;
        }
        if (t > 1.0f - dt) {
            t = (t - 1.0f) / dt;
            return t * t + t + t + 1.0f;
        }
        return 0.0f;
    }

    float phase;
    float increment = 0.0f;
};
