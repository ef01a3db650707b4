#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Audio.h"

// What tells one piece of music from another: tempo, key, harmony, the
// one-bar drum and bass patterns, and the arrangement in blocks of four bars.
struct Style {
    uint32_t seed;
    float bpm;
    // The key's tonic in the bass register, as a MIDI note number.
    int root;
    // Seven semitone offsets from the tonic.
    std::vector<int> scale;
    // The chord of each bar as a scale degree from 0, repeated as needed.
    std::vector<int> progression;
    // Sixteen steps each: 'x' hit, 'g' ghost hit, '.' rest; for hats 'o' is
    // an open hat. For the bass 'x' is the chord root, 'o' an octave up,
    // 'f' the fifth, '-' holds the note before.
    std::string kick;
    std::string snare;
    std::string hats;
    std::string clank;
    std::string bass;
    float bassBrightness;
    // One entry per four bars naming the parts that play: P pads, K kick,
    // S snare, H hats, C clank, B bass, L lead, A arpeggio.
    std::vector<std::string> blocks;
    // How far above the bass tonic the lead sings, in semitones.
    int leadOffset;
    // 0 (sparse) to 1 (busy).
    float leadDensity;
};

// Turns a style into a finished, seamlessly looping piece.
class Composer {
  public:
    explicit Composer(const Style& style);

    Stereo compose();
    // The length of the piece in samples, as compose() renders it.
    size_t lengthInSamples() const;

  private:
    struct MotifNote {
        int step;
        int length;
        int degree;
    };
    using Motif = std::vector<MotifNote>;

    int pitchOf(int degree) const;
    int chordAt(int bar) const;
    Motif makeMotif(uint32_t motifSeed) const;
    void addBar(class Sequencer& sequencer, int bar, const std::string& parts) const;
    void addDrums(Sequencer& sequencer, int bar, const std::string& parts) const;
    void addBass(Sequencer& sequencer, int bar) const;
    void addPads(Sequencer& sequencer, int bar) const;
    void addArpeggio(Sequencer& sequencer, int bar) const;
    void addLead(Sequencer& sequencer, int bar) const;

    Style style;
    size_t stepSamples;
    int bars;
    Motif motifA;
    Motif motifB;
};
