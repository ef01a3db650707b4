#include "Composer.h"

#include <cmath>

#include "Random.h"
#include "Sequencer.h"

namespace {

constexpr int kStepsPerBar = 16;
constexpr int kBarsPerBlock = 4;
constexpr int kMotifBars = 2;
constexpr int kMotifSteps = kStepsPerBar * kMotifBars;
constexpr int kScaleLength = 7;
constexpr int kPadOffset = 24;
constexpr int kArpOffset = 24;
constexpr int kHighestLeadDegree = 9;

bool has(const std::string& parts, char part) {
    return parts.find(part) != std::string::npos;
}

} // namespace

Composer::Composer(const Style& style)
    : style(style),
      stepSamples(static_cast<size_t>(std::lround(kSampleRate * 60.0f / style.bpm / 4.0f))),
      bars(static_cast<int>(style.blocks.size()) * kBarsPerBlock), motifA(makeMotif(style.seed)),
      motifB(makeMotif(style.seed * 31u + 7u)) {}

size_t Composer::lengthInSamples() const {
    return stepSamples * static_cast<size_t>(bars * kStepsPerBar);
}

int Composer::pitchOf(int degree) const {
    const int octave =
        degree >= 0 ? degree / kScaleLength : (degree - kScaleLength + 1) / kScaleLength;
    const int inScale = degree - octave * kScaleLength;
    return style.root + 12 * octave + style.scale[static_cast<size_t>(inScale)];
}

int Composer::chordAt(int bar) const {
    return style.progression[static_cast<size_t>(bar) % style.progression.size()];
}

Composer::Motif Composer::makeMotif(uint32_t motifSeed) const {
    Random random(motifSeed);
    Motif motif;
    int degree = 2 * random.below(3);
    for (int step = 0; step < kMotifSteps;) {
        const bool strong = step % 4 == 0;
        const float chance = style.leadDensity * (strong ? 0.9f : 0.35f);
        if (random.uniform() >= chance) {
            step++;
            continue;
        }
        int length = 1 + random.below(strong ? 6 : 3);
        length = std::min(length, kMotifSteps - step);
        degree += random.below(5) - 2;
        if (strong && degree % 2 != 0) {
            degree++; // chord tones on the beat
        }
        degree = std::max(0, std::min(kHighestLeadDegree, degree));
        motif.push_back({step, length, degree});
        step += length;
    }
    return motif;
}

Stereo Composer::compose() {
    const int steps = bars * kStepsPerBar;
    Sequencer sequencer(stepSamples, steps, style.seed);
    sequencer.setBassBrightness(style.bassBrightness);
    for (int bar = 0; bar < bars; bar++) {
        addBar(sequencer, bar, style.blocks[static_cast<size_t>(bar / kBarsPerBlock)]);
    }
    return sequencer.render();
}

void Composer::addBar(Sequencer& sequencer, int bar, const std::string& parts) const {
    addDrums(sequencer, bar, parts);
    if (has(parts, 'B')) {
        addBass(sequencer, bar);
    }
    if (has(parts, 'P')) {
        addPads(sequencer, bar);
    }
    if (has(parts, 'A')) {
        addArpeggio(sequencer, bar);
    }
    if (has(parts, 'L')) {
        addLead(sequencer, bar);
    }
}

void Composer::addDrums(Sequencer& sequencer, int bar, const std::string& parts) const {
    Random random(style.seed + static_cast<uint32_t>(bar) * 977u);
    const int first = bar * kStepsPerBar;
    const bool lastOfBlock = bar % kBarsPerBlock == kBarsPerBlock - 1;
    for (int s = 0; s < kStepsPerBar; s++) {
        const size_t i = static_cast<size_t>(s);
        const float swing = 0.92f + 0.08f * random.uniform();
        if (has(parts, 'K') && style.kick[i] != '.') {
            sequencer.note(Sequencer::Kick, first + s, 1, 0, style.kick[i] == 'g' ? 0.5f : 1.0f);
        }
        const bool fill = lastOfBlock && s >= 13 && random.uniform() < 0.6f;
        if (has(parts, 'S') && (style.snare[i] != '.' || fill)) {
            const float v = style.snare[i] == 'x' ? 1.0f : 0.45f;
            sequencer.note(Sequencer::Snare, first + s, 1, 0, v * swing);
        }
        if (has(parts, 'H') && style.hats[i] != '.') {
            const Sequencer::Part hat = style.hats[i] == 'o' ? Sequencer::OpenHat : Sequencer::Hat;
            sequencer.note(hat, first + s, 1, 0, (style.hats[i] == 'g' ? 0.5f : 0.9f) * swing);
        }
        if (has(parts, 'C') && style.clank[i] != '.') {
            sequencer.note(Sequencer::Clank, first + s, 1, 0, style.clank[i] == 'g' ? 0.5f : 0.9f);
        }
    }
}

void Composer::addBass(Sequencer& sequencer, int bar) const {
    const int chord = chordAt(bar);
    for (int s = 0; s < kStepsPerBar; s++) {
        const char kind = style.bass[static_cast<size_t>(s)];
        if (kind == '.' || kind == '-') {
            continue;
        }
        int length = 1;
        while (s + length < kStepsPerBar && style.bass[static_cast<size_t>(s + length)] == '-') {
            length++;
        }
        int degree = chord;
        if (kind == 'f') {
            degree += 4;
        }
        const int pitch = pitchOf(degree) + (kind == 'o' ? 12 : 0);
        sequencer.note(Sequencer::Bass, bar * kStepsPerBar + s, length, static_cast<float>(pitch),
                       kind == 'x' ? 1.0f : 0.85f);
    }
}

void Composer::addPads(Sequencer& sequencer, int bar) const {
    const int chord = chordAt(bar);
    if (bar > 0 && chordAt(bar - 1) == chord && bar % kBarsPerBlock != 0) {
        return; // the chord before is still held
    }
    int held = 1;
    while (bar + held < bars && chordAt(bar + held) == chord && (bar + held) % kBarsPerBlock != 0) {
        held++;
    }
    const int step = bar * kStepsPerBar;
    const int length = held * kStepsPerBar;
    for (int voice = 0; voice < 3; voice++) {
        const int pitch = pitchOf(chord + 2 * voice) + kPadOffset;
        sequencer.note(Sequencer::Pad, step, length, static_cast<float>(pitch), 0.8f);
    }
    sequencer.note(Sequencer::Pad, step, length, static_cast<float>(pitchOf(chord) + 12), 0.6f);
}

void Composer::addArpeggio(Sequencer& sequencer, int bar) const {
    static const int kShape[] = {0, 2, 4, 7, 4, 2, 0, -3};
    const int chord = chordAt(bar);
    for (int s = 0; s < kStepsPerBar; s++) {
        const int degree = chord + kShape[s % 8];
        const float accent = s % 4 == 0 ? 1.0f : 0.7f;
        sequencer.note(Sequencer::Pluck, bar * kStepsPerBar + s, 1,
                       static_cast<float>(pitchOf(degree) + kArpOffset), accent);
    }
}

void Composer::addLead(Sequencer& sequencer, int bar) const {
    // Phrases of eight bars: the motif three times, then its answer.
    const int phraseBar = bar % 8;
    if (phraseBar % kMotifBars != 0) {
        return;
    }
    const Motif& motif = phraseBar == 6 ? motifB : motifA;
    for (const MotifNote& n : motif) {
        const int barOfNote = bar + n.step / kStepsPerBar;
        int degree = chordAt(barOfNote) + n.degree;
        if (phraseBar == 4 && n.step >= kStepsPerBar) {
            degree += 2; // the third time the motif climbs at its end
        }
        const int pitch = pitchOf(degree) + style.leadOffset;
        sequencer.note(Sequencer::Lead, bar * kStepsPerBar + n.step, n.length,
                       static_cast<float>(pitch), 0.8f);
    }
}
