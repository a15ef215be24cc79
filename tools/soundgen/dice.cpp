#include "tools/soundgen/dice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/soundgen/envelope.h"
#include "tools/soundgen/filters.h"
#include "tools/soundgen/random.h"

namespace soundgen {

namespace {

// A resonance that a hit sets ringing: its frequency and how fast it dies.
struct Resonance {
    double freq;
    double tau;
};

// A small plastic cube rings high and briefly; its resonances lie at fixed ratios above the
// lowest, which differs a little from die to die.
constexpr std::array kDieRatios{1.0, 1.52, 2.31, 2.93};
constexpr std::array kDieTaus{0.012, 0.008, 0.005, 0.004};
// The table board: low, dull, a little longer.
constexpr std::array kBoardModes{Resonance{205, 0.030}, Resonance{470, 0.016},
                                 Resonance{1030, 0.008}};

using DieModes = std::array<Resonance, kDieRatios.size()>;

DieModes MakeDie(Noise& noise) {
    const double lowest = noise.Between(2500.0, 3400.0);
    DieModes modes{};
    for (size_t k = 0; k < modes.size(); ++k) modes[k] = {lowest * kDieRatios[k], kDieTaus[k]};
    return modes;
}

// A decaying sine for each resonance; each rings by a random share, as where a die lands
// on its edge or face decides which of its modes it wakes.
template <size_t N>
void Ring(Mono& out, size_t start, const std::array<Resonance, N>& modes, double strength,
          Noise& noise) {
    for (const Resonance& r : modes) {
        const double level = strength * noise.Between(0.3, 1.0);
        const size_t length = std::min(SampleCount(6.0 * r.tau), out.size() - start);
        for (size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            out[start + i] +=
                level * Strike(t, 0.0002, r.tau) * std::sin(2.0 * std::numbers::pi * r.freq * t);
        }
    }
}

// The click of the contact itself: a millisecond of bright noise.
void Click(Mono& out, size_t start, double strength, Noise& noise) {
    Biquad bright = Biquad::HighPass(2500.0, 0.7);
    const size_t length = std::min(SampleCount(0.004), out.size() - start);
    for (size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[start + i] +=
            strength * 0.6 * Strike(t, 0.0001, 0.0006) * bright.Process(noise.Sample());
    }
}

// One hit of a die; @p board is how much of the blow goes into the table.
void Hit(Mono& out, double at, double strength, double board, const DieModes& die, Noise& noise) {
    const size_t start = SampleCount(at);
    if (start >= out.size()) return;
    Click(out, start, strength, noise);
    Ring(out, start, die, strength, noise);
    Ring(out, start, kBoardModes, 0.5 * board * strength, noise);
}

// One die's way to rest: a drop, bounces that come quicker and softer, then tumbling taps.
void Throw(Mono& out, double seconds, const DieModes& die, Noise& noise) {
    double t = noise.Between(0.0, 0.07);
    double strength = noise.Between(0.8, 1.0);
    double gap = noise.Between(0.07, 0.11);
    Hit(out, t, strength, 1.0, die, noise);
    for (int bounce = 0; bounce < 3; ++bounce) {
        t += gap;
        gap *= noise.Between(0.55, 0.75);
        strength *= noise.Between(0.5, 0.7);
        Hit(out, t, strength, 0.8, die, noise);
    }
    while (strength > 0.03 && t < seconds - 0.1) {
        t += noise.Between(0.015, 0.05);
        strength *= noise.Between(0.75, 0.92);
        Hit(out, t, strength * noise.Between(0.4, 1.0), 0.35, die, noise);
    }
}

// One of @p count things, by chance.
size_t Pick(Noise& noise, size_t count) {
    return std::min(count - 1, static_cast<size_t>(noise.Uniform() * static_cast<double>(count)));
}

}  // namespace

Mono DiceRoll(int dice, double seconds, uint64_t seed) {
    Noise noise(seed);
    Mono out(SampleCount(seconds));
    std::vector<DieModes> thrown;
    for (int d = 0; d < dice; ++d) thrown.push_back(MakeDie(noise));
    for (const DieModes& die : thrown) Throw(out, seconds, die, noise);
    // Dice knock into each other while they are still moving fast, each pair about twice;
    // both dice of a knock ring.
    for (int knock = 0; knock < dice * (dice - 1); ++knock) {
        const size_t a = Pick(noise, thrown.size());
        const size_t b = (a + 1 + Pick(noise, thrown.size() - 1)) % thrown.size();
        const double at = noise.Between(0.03, 0.4);
        const double strength = noise.Between(0.2, 0.5);
        Hit(out, at, strength, 0.0, thrown[a], noise);
        Hit(out, at, strength, 0.0, thrown[b], noise);
    }
    return out;
}

}  // namespace soundgen
