#include "tools/soundgen/effects.h"

#include <array>
#include <cmath>
#include <numbers>

#include "tools/soundgen/applause.h"
#include "tools/soundgen/dice.h"
#include "tools/soundgen/envelope.h"
#include "tools/soundgen/filters.h"
#include "tools/soundgen/random.h"
#include "tools/soundgen/sequencer.h"

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A decaying sine added from the start of @p out.
void AddRing(Mono& out, double freq, double level, double tau) {
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] += level * Strike(t, 0.0003, tau) * std::sin(kTwoPi * freq * t);
    }
}

// Noise through @p filter, dying with time constant @p tau.
void AddBurst(Mono& out, Biquad filter, double level, double tau, uint64_t seed) {
    Noise noise(seed);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] += level * Strike(t, 0.0002, tau) * filter.Process(noise.Sample());
    }
}

Mono Played(const Tune& tune) { return Downmixed(Render(tune)); }

// A die taken aside or put back: a soft, short tap; @p pitch tells the two apart.
Mono SoftClick(double pitch) {
    Mono out(SampleCount(0.05));
    AddRing(out, pitch, 0.6, 0.004);
    AddRing(out, pitch * 0.5, 0.25, 0.006);
    AddBurst(out, Biquad::LowPass(4000.0, 0.7), 0.3, 0.0006, 41);
    return out;
}

// Air rushing past: noise in a band that slides from @p from to @p to hertz, swelling at
// once and dying away.
Mono Swoosh(double from, double to, double seconds, uint64_t seed) {
    Mono out(SampleCount(seconds));
    Noise noise(seed);
    Biquad band = Biquad::BandPass(from, 2.5);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        band.TuneBandPass(from * std::pow(to / from, t / seconds), 2.5);
        out[i] = Strike(t, 0.02, seconds / 4.0) * band.Process(noise.Sample());
    }
    return out;
}

Mono RollAll() { return DiceRoll(5, 0.62, 1); }
Mono RollSome() { return DiceRoll(3, 0.58, 2); }
Mono RollOne() { return DiceRoll(1, 0.5, 3); }

// Five of a kind: a brass call up the chord, the band joining on the top note, bells above.
Mono Tolvarin() {
    return Played({200,
                   4,
                   {{Instrument::Brass, 1.0, 0.0, "C5:1/2 E5 G5 C6:2.5"},
                    {Instrument::Brass, 0.5, 0.0, "r:1.5 C4+G4+E5:2.5"},
                    {Instrument::Glockenspiel, 0.4, 0.0, "r:1.5 C7:1/4 E7 G7 C8:1.75"}},
                   {0.78, 0.3, 0.25},
                   0.4});
}

Mono HoldDice() { return SoftClick(1800.0); }
Mono UnHoldDice() { return SoftClick(1200.0); }

// A score written: two bright bell strokes a fifth apart. The game waits for this one to end
// before it goes on, so it stays short.
Mono Score() {
    return Played({240, 4, {{Instrument::Bell, 1.0, 0.0, "E6:1/2 B6:1"}}, {0.75, 0.4, 0.2}, 0.15});
}

// A zero written: a dull knock on wood, all low body and no ring.
Mono ScoreZero() {
    Mono out(SampleCount(0.3));
    AddRing(out, 140.0, 1.0, 0.05);
    AddRing(out, 230.0, 0.6, 0.03);
    AddRing(out, 420.0, 0.3, 0.015);
    AddBurst(out, Biquad::LowPass(600.0, 0.7), 1.5, 0.008, 43);
    return out;
}

// A row announced: a gentle call of two notes, down a third.
Mono Announce() {
    return Played(
        {300,
         3,
         {{Instrument::EPiano, 1.0, 0.0, "G5:1 E5:2"}, {Instrument::Bell, 0.25, 0.0, "G6:1 E6:2"}},
         {0.78, 0.4, 0.25},
         0.3});
}

// The hints shown: a quick sparkle of high bars.
Mono Hint() {
    return Played({480,
                   5,
                   {{Instrument::Glockenspiel, 1.0, 0.0, "E7:1/2 G7 C8 A7 D8 G7 E8:2"}},
                   {0.8, 0.2, 0.35},
                   0.25});
}

// A new game: a rising arpeggio that lands on a chord.
Mono NewGame() {
    return Played({400,
                   7,
                   {{Instrument::Marimba, 1.0, 0.0, "C5:1 E5 G5 C6 E6:3"},
                    {Instrument::EPiano, 0.45, 0.0, "r:4 C4+E4+G4+C5:3"},
                    {Instrument::Bell, 0.25, 0.0, "r:4 E6:3"}},
                   {0.78, 0.3, 0.25},
                   0.2});
}

// Undo runs time backwards: a swoosh played in reverse, swelling and falling.
Mono Undo() { return Reversed(Swoosh(600.0, 3500.0, 0.3, 5)); }
Mono Redo() { return Swoosh(500.0, 3500.0, 0.3, 7); }

// One step of the score counter: a tiny, bright tick.
Mono Counter7() {
    Mono out(SampleCount(0.04));
    AddRing(out, 3100.0, 0.7, 0.0025);
    AddRing(out, 1550.0, 0.15, 0.004);
    AddBurst(out, Biquad::HighPass(3000.0, 0.7), 0.2, 0.0004, 47);
    return out;
}

// The counter reaches its total: a small ding.
Mono Counter0() {
    return Played(
        {240,
         4,
         {{Instrument::Bell, 1.0, 0.0, "A6:1.5"}, {Instrument::Glockenspiel, 0.3, 0.0, "A6:1.5"}},
         {0.75, 0.4, 0.2},
         0.15});
}

Mono ApplauseEffect() {
    Mono out = Applause(36, 2.6, 9);
    AddRoom(out, {0.75, 0.4, 0.3});
    return out;
}

// Neither winner: an open fifth, neither glad nor sad, struck twice.
Mono Draw() {
    return Played({200,
                   3,
                   {{Instrument::Marimba, 1.0, 0.0, "C5+G5:1 C5+G5:2"},
                    {Instrument::EPiano, 0.4, 0.0, "C4+G4:3"}},
                   {0.78, 0.4, 0.25},
                   0.3});
}

// Loudness is that of the loudest 50 ms, in dB below full scale: the small sounds that come
// often (ticks, clicks) sit well below the rest, the five-of-a-kind fanfare above.
constexpr std::array kEffects{
    Effect{"rollAll", -16, RollAll},   Effect{"rollOne", -18, RollOne},
    Effect{"rollSome", -17, RollSome}, Effect{"Tolvarin", -13, Tolvarin},
    Effect{"holdDice", -22, HoldDice}, Effect{"UnHoldDice", -22, UnHoldDice},
    Effect{"score", -15, Score},       Effect{"scoreZero", -15, ScoreZero},
    Effect{"announce", -15, Announce}, Effect{"hint", -16, Hint},
    Effect{"newGame", -15, NewGame},   Effect{"undo", -18, Undo},
    Effect{"redo", -18, Redo},         Effect{"counter7", -24, Counter7},
    Effect{"counter0", -17, Counter0}, Effect{"applause", -17, ApplauseEffect},
    Effect{"draw", -15, Draw},
};

}  // namespace

std::span<const Effect> Effects() { return kEffects; }

// No sample comes nearer full scale than 1 dB, whatever the loudness asks.
constexpr double kCeiling = 0.89;

Mono Finished(const Effect& effect) {
    Mono sound = effect.make();
    FadeEnds(sound, 0.001, 0.01);
    ScaleToLoudness(sound, effect.loudness, kCeiling);
    return sound;
}

}  // namespace soundgen
