#include "Sequencer.h"

#include "Dsp.h"
#include "Filter.h"
#include "Instruments.h"
#include "Reverb.h"

namespace {

constexpr float kMasterPeak = 0.89f;
// Long enough to hide the edge if the player's restart leaves a short gap,
// far too short to hear as a fade.
constexpr float kEdgeSeconds = 0.004f;
constexpr float kEchoFeedback = 0.38f;
constexpr int kEchoStepsLeft = 3;
constexpr int kEchoStepsRight = 6;

} // namespace

Sequencer::Sequencer(size_t stepSamples, int steps, uint32_t seed)
    : stepSamples(stepSamples), length(stepSamples * static_cast<size_t>(steps)), seed(seed),
      mix{
          {0.80f, 0.0f, 0.05f, 0.0f},    // Kick
          {0.55f, 0.05f, 0.35f, 0.0f},   // Snare
          {0.50f, 0.35f, 0.10f, 0.0f},   // Hat
          {0.36f, -0.3f, 0.20f, 0.0f},   // OpenHat
          {0.30f, -0.4f, 0.45f, 0.15f},  // Clank
          {0.50f, 0.0f, 0.02f, 0.0f},    // Bass
          {0.40f, 0.0f, 0.40f, 0.0f},    // Pad
          {0.50f, 0.15f, 0.30f, 0.35f},  // Lead
          {0.28f, -0.25f, 0.25f, 0.30f}, // Pluck
      },
      dry(length), reverbSend(length, 0.0f), echoSend(length, 0.0f) {}

void Sequencer::note(Part part, int step, int lengthSteps, float pitch, float velocity) {
    const size_t start = static_cast<size_t>(step) * stepSamples;
    const float held = static_cast<float>(static_cast<size_t>(lengthSteps) * stepSamples) /
                       static_cast<float>(kSampleRate);
    const uint32_t noteSeed = seed + static_cast<uint32_t>(step) * 2654435761u;
    switch (part) {
    case Kick:
        add(instruments::kick(velocity), start, mix[part]);
        break;
    case Snare:
        add(instruments::snare(velocity, noteSeed), start, mix[part]);
        break;
    case Hat:
        add(instruments::hat(velocity, false, noteSeed), start, mix[part]);
        break;
    case OpenHat:
        add(instruments::hat(velocity, true, noteSeed), start, mix[part]);
        break;
    case Clank:
        add(instruments::clank(velocity, noteSeed), start, mix[part]);
        break;
    case Bass:
        add(instruments::bass(pitch, held, velocity, bassBrightness), start, mix[part]);
        break;
    case Pad:
        add(instruments::pad(pitch, held, velocity), start, mix[part]);
        break;
    case Lead:
        add(instruments::lead(pitch, held, velocity), start, mix[part]);
        break;
    case Pluck:
        add(instruments::pluck(pitch, held, velocity), start, mix[part]);
        break;
    case kPartCount:
        break;
    }
}

void Sequencer::add(const Mono& sound, size_t start, const Channel& channel) {
    const float left = channel.gain * (1.0f - channel.pan) * 0.5f * 1.414f;
    const float right = channel.gain * (1.0f + channel.pan) * 0.5f * 1.414f;
    for (size_t i = 0; i < sound.size(); i++) {
        const size_t at = wrap(start + i);
        dry.left[at] += sound[i] * left;
        dry.right[at] += sound[i] * right;
        reverbSend[at] += sound[i] * channel.gain * channel.reverb;
        echoSend[at] += sound[i] * channel.gain * channel.echo;
    }
}

void Sequencer::add(const Stereo& sound, size_t start, const Channel& channel) {
    for (size_t i = 0; i < sound.size(); i++) {
        const size_t at = wrap(start + i);
        dry.left[at] += sound.left[i] * channel.gain;
        dry.right[at] += sound.right[i] * channel.gain;
        const float middle = (sound.left[i] + sound.right[i]) * 0.5f;
        reverbSend[at] += middle * channel.gain * channel.reverb;
        echoSend[at] += middle * channel.gain * channel.echo;
    }
}

Stereo Sequencer::render() {
    // Each effect runs twice round the loop and keeps the second lap, so its
    // state at the start is the state it had at the end.
    const size_t echoLeft = stepSamples * kEchoStepsLeft;
    const size_t echoRight = stepSamples * kEchoStepsRight;
    Mono lineLeft(echoLeft, 0.0f);
    Mono lineRight(echoRight, 0.0f);
    Filter darkenLeft;
    Filter darkenRight;
    darkenLeft.set(2500.0f, 0.0f);
    darkenRight.set(2500.0f, 0.0f);
    Stereo out = dry;
    size_t tick = 0;
    for (int lap = 0; lap < 2; lap++) {
        for (size_t i = 0; i < length; i++, tick++) {
            float& inLeft = lineLeft[tick % echoLeft];
            float& inRight = lineRight[tick % echoRight];
            const float l = inLeft;
            const float r = inRight;
            inLeft = darkenLeft.lowPass(echoSend[i] + r * kEchoFeedback);
            inRight = darkenRight.lowPass(l * kEchoFeedback);
            if (lap == 1) {
                out.left[i] += l;
                out.right[i] += r;
            }
            reverbSend[i] += lap == 0 ? (l + r) * 0.15f : 0.0f;
        }
    }
    Reverb reverb;
    for (int lap = 0; lap < 2; lap++) {
        for (size_t i = 0; i < length; i++) {
            float l = 0.0f;
            float r = 0.0f;
            reverb.process(reverbSend[i], l, r);
            if (lap == 1) {
                out.left[i] += l;
                out.right[i] += r;
            }
        }
    }
    normalise(out, kMasterPeak);
    fadeEdges(out, kEdgeSeconds);
    return out;
}
