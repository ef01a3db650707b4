#include "Instruments.h"

#include <algorithm>
#include <cmath>

#include "Filter.h"
#include "Oscillator.h"
#include "Random.h"

namespace instruments {

namespace {

constexpr float kReleaseSeconds = 0.08f;

float seconds(size_t i) {
    return static_cast<float>(i) / static_cast<float>(kSampleRate);
}

// Attack-hold-release gate for held notes; 0 once the release has run out.
float gate(float t, float attack, float held, float release) {
    if (t < attack) {
        return t / attack;
    }
    if (t < held) {
        return 1.0f;
    }
    return std::max(0.0f, 1.0f - (t - held) / release);
}

} // namespace

Mono kick(float velocity) {
    Mono out(samplesFor(0.45f));
    Oscillator body;
    Random noise(77);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        body.step(42.0f + 130.0f * std::exp(-t * 38.0f));
        const float click = t < 0.004f ? noise.bipolar() * (1.0f - t / 0.004f) * 0.4f : 0.0f;
        out[i] = std::tanh(1.6f * body.sine() * std::exp(-t * 7.0f)) * velocity + click * velocity;
    }
    return out;
}

Mono snare(float velocity, uint32_t seed) {
    Mono out(samplesFor(0.32f));
    Oscillator tone;
    Random noise(seed);
    Filter band;
    band.set(2100.0f, 0.2f);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        tone.step(185.0f - 40.0f * t);
        const float rattle = band.bandPass(noise.bipolar()) * std::exp(-t * 14.0f);
        const float skin = tone.triangle() * std::exp(-t * 32.0f) * 0.6f;
        out[i] = (rattle * 1.4f + skin) * velocity;
    }
    return out;
}

Mono hat(float velocity, bool open, uint32_t seed) {
    Mono out(samplesFor(open ? 0.35f : 0.08f));
    Random noise(seed);
    Filter high;
    high.set(7800.0f, 0.3f);
    const float decay = open ? 11.0f : 60.0f;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        out[i] = high.highPass(noise.bipolar()) * std::exp(-t * decay) * velocity * 0.5f;
    }
    return out;
}

Mono clank(float velocity, uint32_t seed) {
    Mono out(samplesFor(0.5f));
    // Inharmonic partials, as a metal plate has.
    const float partials[] = {211.0f, 347.0f, 523.0f, 798.0f, 1177.0f};
    Oscillator osc[5];
    Random noise(seed);
    Filter band;
    band.set(3000.0f, 0.5f);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        float sum = 0.0f;
        for (int p = 0; p < 5; p++) {
            osc[p].step(partials[p]);
            sum += osc[p].sine() * std::exp(-t * (9.0f + 5.0f * static_cast<float>(p)));
        }
        const float hit = band.bandPass(noise.bipolar()) * std::exp(-t * 40.0f);
        out[i] = (sum * 0.25f + hit) * velocity;
    }
    return out;
}

Mono bass(float pitch, float seconds_, float velocity, float brightness) {
    Mono out(samplesFor(seconds_ + kReleaseSeconds));
    const float hz = midiToHz(pitch);
    Oscillator saw;
    Oscillator sub;
    Filter lowPass;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        saw.step(hz);
        sub.step(hz * 0.5f);
        const float cutoff = 140.0f + (500.0f + 2200.0f * brightness) * std::exp(-t * 9.0f);
        lowPass.set(cutoff, 0.35f + 0.5f * brightness);
        const float raw = saw.saw() * 0.7f + sub.square() * 0.35f;
        const float amp = gate(t, 0.003f, seconds_, kReleaseSeconds);
        out[i] = std::tanh(lowPass.lowPass(raw) * 1.8f) * amp * velocity;
    }
    return out;
}

Stereo pad(float pitch, float seconds_, float velocity) {
    const float attack = std::min(0.9f, seconds_ * 0.4f);
    const float release = 1.2f;
    Stereo out(samplesFor(seconds_ + release));
    const float hz = midiToHz(pitch);
    const float detune[3] = {0.994f, 1.0f, 1.007f};
    Oscillator left[3] = {Oscillator(0.1f), Oscillator(0.5f), Oscillator(0.8f)};
    Oscillator right[3] = {Oscillator(0.3f), Oscillator(0.7f), Oscillator(0.2f)};
    Oscillator sweep;
    Filter leftFilter;
    Filter rightFilter;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        float l = 0.0f;
        float r = 0.0f;
        for (int v = 0; v < 3; v++) {
            left[v].step(hz * detune[v]);
            right[v].step(hz / detune[v]);
            l += left[v].saw();
            r += right[v].saw();
        }
        sweep.step(0.15f);
        const float cutoff = 500.0f + 350.0f * sweep.sine();
        leftFilter.set(cutoff, 0.2f);
        rightFilter.set(cutoff * 1.08f, 0.2f);
        const float amp = gate(t, attack, seconds_, release) * velocity / 3.0f;
        out.left[i] = leftFilter.lowPass(l) * amp;
        out.right[i] = rightFilter.lowPass(r) * amp;
    }
    return out;
}

Mono lead(float pitch, float seconds_, float velocity) {
    Mono out(samplesFor(seconds_ + 0.25f));
    const float hz = midiToHz(pitch);
    Oscillator main;
    Oscillator second(0.25f);
    Oscillator vibrato;
    Filter lowPass;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        vibrato.step(5.2f);
        // Vibrato creeps in on long notes only.
        const float depth = std::min(1.0f, std::max(0.0f, t - 0.25f) * 2.0f) * 0.006f;
        const float f = hz * (1.0f + depth * vibrato.sine());
        main.step(f);
        second.step(f * 1.004f);
        lowPass.set(1400.0f + 2600.0f * std::exp(-t * 5.0f), 0.45f);
        const float raw = main.saw() * 0.6f + second.square() * 0.4f;
        const float amp = gate(t, 0.01f, seconds_, 0.25f);
        out[i] = lowPass.lowPass(raw) * amp * velocity;
    }
    return out;
}

Mono pluck(float pitch, float seconds_, float velocity) {
    Mono out(samplesFor(seconds_ + 0.3f));
    const float hz = midiToHz(pitch);
    Oscillator osc;
    Filter lowPass;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = seconds(i);
        osc.step(hz);
        lowPass.set(300.0f + 3500.0f * std::exp(-t * 18.0f), 0.6f);
        const float amp = std::exp(-t * 6.0f) * gate(t, 0.002f, seconds_, 0.3f);
        out[i] = lowPass.lowPass(osc.square()) * amp * velocity;
    }
    return out;
}

} // namespace instruments
