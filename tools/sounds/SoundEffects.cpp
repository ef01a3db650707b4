#include "SoundEffects.h"

#include <algorithm>
#include <cmath>

#include "Dsp.h"
#include "Filter.h"
#include "Oscillator.h"
#include "Random.h"

namespace {

// Full-scale effects peak here, leaving room for the mixer to add them up.
constexpr float kLoud = 0.89f;
// Interface blips sit well below the game's own noise.
constexpr float kQuiet = 0.5f;
constexpr float kEdgeSeconds = 0.003f;

float timeOf(size_t i) {
    return static_cast<float>(i) / static_cast<float>(kSampleRate);
}

Mono finish(Mono samples, float peak) {
    removeOffset(samples);
    fadeEdges(samples, kEdgeSeconds, kEdgeSeconds);
    normalise(samples, peak);
    return samples;
}

// A short tone that glides from one pitch to another; the menu blips.
Mono blip(float seconds, float fromHz, float toHz, float brightness) {
    Mono out(samplesFor(seconds));
    Oscillator osc;
    Filter lowPass;
    lowPass.set(1200.0f + 3000.0f * brightness, 0.3f);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i) / seconds;
        osc.step(fromHz + (toHz - fromHz) * t);
        const float amp = std::exp(-t * 4.0f) * std::min(1.0f, t * 40.0f);
        out[i] = lowPass.lowPass(osc.square() * 0.6f + osc.sine() * 0.4f) * amp;
    }
    return out;
}

Mono menuMoved() {
    return finish(blip(0.06f, 1400.0f, 1100.0f, 0.5f), kQuiet);
}

Mono menuChosen() {
    Mono first = blip(0.07f, 660.0f, 660.0f, 0.6f);
    Mono second = blip(0.12f, 990.0f, 980.0f, 0.6f);
    first.resize(samplesFor(0.06f));
    first.insert(first.end(), second.begin(), second.end());
    return finish(first, kQuiet);
}

Mono menuLeft() {
    return finish(blip(0.22f, 700.0f, 260.0f, 0.3f), kQuiet);
}

// Filtered noise whose cut-off falls, over a falling sub thump.
Mono explosion(uint32_t seed, float seconds, float thumpHz) {
    Mono out(samplesFor(seconds));
    Random noise(seed);
    Filter lowPass;
    Oscillator thump;
    float rumble = 0.0f;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        lowPass.set(150.0f + 5000.0f * std::exp(-t * 6.0f), 0.1f);
        rumble = rumble * 0.995f + noise.bipolar() * 0.005f;
        const float crackle = lowPass.lowPass(noise.bipolar()) * std::exp(-t * 3.5f);
        thump.step(thumpHz * (0.5f + 1.5f * std::exp(-t * 10.0f)));
        const float body = thump.sine() * std::exp(-t * 5.0f) * 0.9f;
        const float attack = std::min(1.0f, t * 400.0f);
        out[i] = (crackle * 1.3f + body + rumble * 6.0f * std::exp(-t * 2.0f)) * attack;
    }
    saturate(out, 1.8f);
    return finish(out, kLoud);
}

// A voice: a buzzing glottal tone shaped by two vowel formants.
Mono cry(float seconds, float startHz, float endHz, float formant1, float formant2, uint32_t seed) {
    Mono out(samplesFor(seconds));
    Random noise(seed);
    Oscillator glottis;
    Oscillator tremble;
    Filter first;
    Filter second;
    first.set(formant1, 0.85f);
    second.set(formant2, 0.85f);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i) / seconds;
        tremble.step(7.0f);
        glottis.step((startHz + (endHz - startHz) * t) * (1.0f + 0.02f * tremble.sine()));
        const float source = glottis.saw() + noise.bipolar() * 0.15f;
        const float voiced = first.bandPass(source) + 0.6f * second.bandPass(source);
        const float amp = std::min(1.0f, t * 25.0f) * std::pow(1.0f - t, 1.5f);
        out[i] = voiced * amp;
    }
    saturate(out, 2.0f);
    return finish(out, kLoud);
}

Mono deathCry() {
    return cry(0.95f, 330.0f, 120.0f, 750.0f, 1150.0f, 11);
}

Mono painCry(int which) {
    const float pitch[4] = {210.0f, 250.0f, 180.0f, 280.0f};
    const float vowel1[4] = {600.0f, 450.0f, 700.0f, 400.0f};
    const float vowel2[4] = {1000.0f, 1900.0f, 1200.0f, 2100.0f};
    const float length[4] = {0.32f, 0.28f, 0.4f, 0.3f};
    const float p = pitch[which];
    return cry(length[which], p * 1.2f, p * 0.8f, vowel1[which], vowel2[which],
               20u + static_cast<uint32_t>(which));
}

// One rifle shot: a sharp noise crack over a short low thump.
void addShot(Mono& out, size_t start, Random& noise, float gain) {
    Filter band;
    band.set(2500.0f, 0.2f);
    Oscillator thump;
    const size_t length = samplesFor(0.06f);
    for (size_t i = 0; i < length; i++) {
        const float t = timeOf(i);
        thump.step(140.0f * (1.0f + 2.0f * std::exp(-t * 80.0f)));
        const float crack = band.bandPass(noise.bipolar()) * std::exp(-t * 90.0f) * 2.0f;
        const float body = thump.sine() * std::exp(-t * 55.0f);
        out[(start + i) % out.size()] += (crack + body) * gain;
    }
}

// Loops while the trigger is held: whole shot periods, and the last shot's
// tail wraps round to the start, so the repeat keeps the rhythm.
Mono rifleBurst() {
    constexpr int kShots = 8;
    const size_t period = samplesFor(0.07f);
    Mono out(period * kShots, 0.0f);
    Random noise(31);
    for (int s = 0; s < kShots; s++) {
        addShot(out, static_cast<size_t>(s) * period, noise, 0.85f + 0.15f * noise.uniform());
    }
    saturate(out, 1.5f);
    removeOffset(out);
    normalise(out, kLoud);
    return out;
}

Mono explodingShot() {
    Mono out(samplesFor(0.45f), 0.0f);
    Random noise(41);
    addShot(out, 0, noise, 1.0f);
    Filter sweep;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        sweep.set(3000.0f * std::exp(-t * 5.0f) + 300.0f, 0.6f);
        out[i] += sweep.bandPass(noise.bipolar()) * std::exp(-t * 6.0f) * 0.9f;
    }
    saturate(out, 1.6f);
    return finish(out, kLoud);
}

// Loops while the trigger is held. Noise is filtered round the loop twice so
// the filters' state at the end is their state at the start, and every
// wobble completes a whole number of cycles in the loop.
Mono flameRoar() {
    const size_t length = samplesFor(1.2f);
    const float seconds = timeOf(length);
    Mono out(length, 0.0f);
    Random noise(51);
    Mono source(length);
    for (float& s : source) {
        s = noise.bipolar();
    }
    Filter low;
    Filter mid;
    for (int lap = 0; lap < 2; lap++) {
        for (size_t i = 0; i < length; i++) {
            const float phase = kTwoPi * timeOf(i) / seconds;
            const float wobble =
                0.5f + 0.25f * std::sin(phase * 3.0f) + 0.15f * std::sin(phase * 7.0f);
            low.set(500.0f + 500.0f * wobble, 0.3f);
            mid.set(1800.0f + 900.0f * wobble, 0.5f);
            const float roar = low.lowPass(source[i]) * 1.5f + mid.bandPass(source[i]) * 0.5f;
            if (lap == 1) {
                out[i] = roar * (0.8f + 0.2f * wobble);
            }
        }
    }
    saturate(out, 2.0f);
    removeOffset(out);
    normalise(out, kLoud);
    return out;
}

Mono grenadeLaunch() {
    Mono out(samplesFor(0.5f));
    Random noise(61);
    Oscillator tube;
    Filter lowPass;
    lowPass.set(900.0f, 0.3f);
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        tube.step(90.0f + 220.0f * std::exp(-t * 25.0f));
        const float pop = tube.sine() * std::exp(-t * 9.0f);
        const float air = lowPass.lowPass(noise.bipolar()) * std::exp(-t * 14.0f) * 0.8f;
        out[i] = (pop + air) * std::min(1.0f, t * 300.0f);
    }
    saturate(out, 1.4f);
    return finish(out, kLoud);
}

Mono heartbeat(float hz, float seconds, float gain) {
    Mono out(samplesFor(seconds));
    Oscillator beat;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        beat.step(hz * (1.0f + 0.6f * std::exp(-t * 30.0f)));
        out[i] = beat.sine() * std::exp(-t * 18.0f) * std::min(1.0f, t * 200.0f) * gain;
    }
    return finish(out, kLoud * gain);
}

// Notes one after another, each a bell-like tone; the power-up signals.
Mono chime(const std::vector<float>& notesHz, float noteSeconds, float ring) {
    const size_t step = samplesFor(noteSeconds);
    Mono out(step * notesHz.size() + samplesFor(ring), 0.0f);
    for (size_t n = 0; n < notesHz.size(); n++) {
        Oscillator tone;
        Oscillator overtone;
        for (size_t i = 0; i + n * step < out.size(); i++) {
            const float t = timeOf(i);
            tone.step(notesHz[n]);
            overtone.step(notesHz[n] * 2.76f);
            const float amp = std::exp(-t * 3.0f / ring) * std::min(1.0f, t * 300.0f);
            out[n * step + i] +=
                (tone.sine() + 0.3f * overtone.sine() * std::exp(-t * 12.0f)) * amp;
        }
    }
    return finish(out, kLoud * 0.8f);
}

Mono firstAid() {
    return chime({523.3f, 659.3f, 784.0f, 1046.5f}, 0.07f, 0.35f);
}

// Two metal clacks: a magazine going home.
Mono weaponTaken() {
    Mono out(samplesFor(0.42f), 0.0f);
    Random noise(71);
    const float starts[2] = {0.0f, 0.16f};
    for (float startSeconds : starts) {
        Filter band;
        band.set(startSeconds == 0.0f ? 3200.0f : 2400.0f, 0.8f);
        Oscillator ring;
        const size_t start = samplesFor(startSeconds);
        for (size_t i = 0; start + i < out.size(); i++) {
            const float t = timeOf(i);
            ring.step(1730.0f);
            const float click = band.bandPass(noise.bipolar()) * std::exp(-t * 45.0f) * 2.0f;
            out[start + i] += click + ring.sine() * std::exp(-t * 25.0f) * 0.3f;
        }
    }
    return finish(out, kLoud * 0.8f);
}

// A rising shimmer: the power-up has appeared somewhere.
Mono powerUpAppears() {
    Mono out(samplesFor(0.7f));
    Oscillator a;
    Oscillator b;
    Oscillator wobble;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i) / 0.7f;
        wobble.step(14.0f);
        const float hz = 600.0f + 900.0f * t;
        a.step(hz * (1.0f + 0.03f * wobble.sine()));
        b.step(hz * 1.5f);
        const float amp = std::sin(kPi * t) * std::sin(kPi * t);
        out[i] = (a.sine() + 0.5f * b.triangle()) * amp;
    }
    return finish(out, kLoud * 0.7f);
}

// The aliens: frequency-modulated screeches and wet gurgles.
Mono screech(float seconds, float fromHz, float toHz, float modRatio, float modDepth,
             uint32_t seed) {
    Mono out(samplesFor(seconds));
    Random noise(seed);
    Oscillator carrier;
    Oscillator modulator;
    Oscillator gurgle;
    Filter band;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i) / seconds;
        const float hz = fromHz + (toHz - fromHz) * t;
        gurgle.step(23.0f + 10.0f * noise.uniform());
        modulator.step(hz * modRatio);
        carrier.step(hz * (1.0f + modDepth * modulator.sine()) * (1.0f + 0.08f * gurgle.sine()));
        band.set(hz * 3.0f, 0.6f);
        const float body = carrier.sine() + 0.5f * band.bandPass(noise.bipolar());
        const float amp = std::min(1.0f, t * 20.0f) * (1.0f - t);
        out[i] = body * amp;
    }
    saturate(out, 1.4f);
    return finish(out, kLoud);
}

Mono alien(int which) {
    switch (which) {
    case 0:
        return screech(0.55f, 900.0f, 300.0f, 1.41f, 0.6f, 81);
    case 1:
        return screech(0.45f, 400.0f, 1200.0f, 0.5f, 0.8f, 82);
    case 2:
        return screech(0.8f, 250.0f, 90.0f, 2.7f, 1.1f, 83);
    case 3:
        return screech(0.35f, 1500.0f, 700.0f, 1.07f, 0.4f, 84);
    default:
        return screech(0.9f, 600.0f, 150.0f, 3.3f, 0.9f, 85);
    }
}

// A soft mechanical tick, played over and over while the page scrolls.
Mono helpScroll() {
    Mono out(samplesFor(0.05f));
    Random noise(91);
    Filter band;
    band.set(1500.0f, 0.7f);
    for (size_t i = 0; i < out.size(); i++) {
        out[i] = band.bandPass(noise.bipolar()) * std::exp(-timeOf(i) * 90.0f);
    }
    return finish(out, kQuiet * 0.7f);
}

Mono pageTurned() {
    Mono out(samplesFor(0.28f));
    Random noise(92);
    Filter band;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i) / 0.28f;
        band.set(800.0f + 3500.0f * t, 0.4f);
        out[i] = band.bandPass(noise.bipolar()) * std::sin(kPi * t);
    }
    return finish(out, kQuiet);
}

// The title's opening: a deep boom that swells into a dark chord.
Mono titleBoom() {
    const float seconds = 3.2f;
    Mono out(samplesFor(seconds));
    Random noise(95);
    Oscillator low;
    Oscillator drone[3];
    const float chord[3] = {55.0f, 65.41f, 82.41f};
    Filter lowPass;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        low.step(40.0f + 60.0f * std::exp(-t * 8.0f));
        float sum = 0.0f;
        for (int v = 0; v < 3; v++) {
            drone[v].step(chord[v] * 2.0f);
            sum += drone[v].saw();
        }
        lowPass.set(200.0f + 900.0f * std::sin(kPi * std::min(1.0f, t / seconds)), 0.4f);
        const float swell = std::sin(kPi * t / seconds);
        const float boom =
            low.sine() * std::exp(-t * 2.5f) + noise.bipolar() * std::exp(-t * 20.0f);
        out[i] = boom + lowPass.lowPass(sum) * 0.35f * swell;
    }
    saturate(out, 1.5f);
    return finish(out, kLoud);
}

// The title's second sound: a metallic sting that rings out.
Mono titleSting() {
    const float seconds = 2.2f;
    Mono out(samplesFor(seconds));
    Random noise(96);
    const float partials[6] = {180.0f, 287.0f, 431.0f, 599.0f, 822.0f, 1213.0f};
    Oscillator osc[6];
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        float sum = 0.0f;
        for (int p = 0; p < 6; p++) {
            osc[p].step(partials[p] * (1.0f - 0.02f * t));
            sum += osc[p].sine() * std::exp(-t * (1.5f + 0.7f * static_cast<float>(p)));
        }
        out[i] = sum * 0.4f + noise.bipolar() * std::exp(-t * 30.0f) * 0.5f;
    }
    return finish(out, kLoud);
}

Mono generalStart() {
    // The start of a game: a rising horn-like stab over a thump.
    const float seconds = 1.4f;
    Mono out(samplesFor(seconds));
    Oscillator horn[2];
    Oscillator thump;
    Filter lowPass;
    for (size_t i = 0; i < out.size(); i++) {
        const float t = timeOf(i);
        const float rise = 1.0f + 0.06f * std::min(1.0f, t * 4.0f);
        horn[0].step(110.0f * rise);
        horn[1].step(164.8f * rise);
        thump.step(50.0f + 80.0f * std::exp(-t * 20.0f));
        lowPass.set(400.0f + 1600.0f * std::exp(-t * 2.0f), 0.5f);
        const float amp = std::min(1.0f, t * 30.0f) * std::exp(-t * 1.8f);
        const float brass = lowPass.lowPass(horn[0].saw() + horn[1].saw()) * amp;
        out[i] = brass * 0.7f + thump.sine() * std::exp(-t * 6.0f);
    }
    saturate(out, 1.3f);
    return finish(out, kLoud);
}

} // namespace

std::vector<Effect> allEffects() {
    std::vector<Effect> effects = {
        {"sounds/general01", generalStart()},
        {"sounds/menu01", menuMoved()},
        {"sounds/menu02", menuChosen()},
        {"sounds/menu03", menuLeft()},
        {"sounds/exp01", explosion(1, 1.3f, 60.0f)},
        {"sounds/exp02", explosion(2, 1.7f, 45.0f)},
        {"sounds/soldier01", deathCry()},
        {"sounds/gun01", rifleBurst()},
        {"sounds/gun02", explodingShot()},
        {"sounds/gun03", flameRoar()},
        {"sounds/gun04", grenadeLaunch()},
        {"sounds/heartbeat01", heartbeat(55.0f, 0.22f, 1.0f)},
        {"sounds/heartbeat02", heartbeat(48.0f, 0.18f, 0.8f)},
        {"sounds/powerup01", firstAid()},
        {"sounds/powerup02", weaponTaken()},
        {"sounds/powerup03", powerUpAppears()},
        {"sounds/help01", helpScroll()},
        {"sounds/help02", pageTurned()},
        {"sounds/start", titleBoom()},
        {"sounds/start2", titleSting()},
    };
    for (int i = 0; i < 4; i++) {
        effects.push_back({"sounds/soldier0" + std::to_string(i + 2), painCry(i)});
    }
    for (int i = 0; i < 5; i++) {
        effects.push_back({"sounds/alien0" + std::to_string(i + 1), alien(i)});
    }
    return effects;
}
