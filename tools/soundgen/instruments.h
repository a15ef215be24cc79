#pragma once
// The instruments of the game's music and jingles, each made from a few sine waves: struck
// bars and bells from their own partials (some of them out of tune with the note, as real
// bars are), electric piano and brass by frequency modulation, flute and pad by adding
// harmonics.

#include "tools/soundgen/mixer.h"

namespace soundgen {

enum class Instrument {
    Bell,          // a clear chime that rings on
    Glockenspiel,  // small, high, sparkling bars
    Marimba,       // warm wooden bars, short
    EPiano,        // soft electric piano, for chords
    Brass,         // bright and round, for fanfares
    Flute,         // soft, pure lead
    Pad,           // slow, wide, for held chords
    Bass,          // plucked, low and round
};

// The frequency of a MIDI note number (69 is A4 at 440 Hz).
double Frequency(int note);

// One note: @p freq in hertz, held for @p held seconds, @p velocity from 0 to 1. The sound
// includes its release or ring after the hold.
Mono Play(Instrument instrument, double freq, double held, double velocity);

}  // namespace soundgen
