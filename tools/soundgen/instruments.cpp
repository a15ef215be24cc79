#include "tools/soundgen/instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <span>

#include "tools/soundgen/envelope.h"

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kHighestPartial = 0.45 * kSampleRate;

// A sine wave made by turning a unit vector one step per sample: the same wave as std::sin at
// a fraction of the cost, for partials of steady pitch that run a whole note long.
class Oscillator {
public:
    explicit Oscillator(double freq) : step_(std::polar(1.0, kTwoPi * freq / kSampleRate)) {}
    double Next() {
        const double y = at_.imag();
        at_ *= step_;
        return y;
    }

private:
    std::complex<double> at_{1.0, 0.0};
    std::complex<double> step_;
};

// One partial of a struck instrument: its frequency over the note's, its level, and the
// time constant of its fading. Higher partials die sooner, which is what makes a strike.
struct Mode {
    double ratio;
    double level;
    double tau;
};

// A struck instrument: each partial rises over @p attack and fades by itself; when the note
// is let go a damper stops what still rings over @p damper seconds.
struct StruckKind {
    std::span<const Mode> modes;
    double attack;
    double damper;
};

constexpr std::array kBellModes{Mode{1.0, 1.0, 1.2}, Mode{2.0, 0.45, 0.7}, Mode{3.0, 0.2, 0.45},
                                Mode{4.16, 0.22, 0.3}, Mode{5.43, 0.12, 0.18}};
constexpr std::array kGlockenspielModes{Mode{1.0, 1.0, 0.9}, Mode{2.76, 0.3, 0.25},
                                        Mode{5.40, 0.12, 0.08}, Mode{8.93, 0.05, 0.04}};
constexpr std::array kMarimbaModes{Mode{1.0, 1.0, 0.45}, Mode{3.93, 0.22, 0.09},
                                   Mode{9.54, 0.05, 0.03}};
constexpr std::array kBassModes{Mode{1.0, 1.0, 0.9}, Mode{2.0, 0.35, 0.4}, Mode{3.0, 0.12, 0.25}};

Mono Struck(const StruckKind& kind, double freq, double held, double velocity) {
    double longest = 0.0;
    for (const Mode& m : kind.modes) longest = std::max(longest, m.tau);
    Mono out(SampleCount(std::min(held + kind.damper, kind.attack + 6.0 * longest)));
    for (size_t k = 0; k < kind.modes.size(); ++k) {
        const Mode& m = kind.modes[k];
        if (freq * m.ratio >= kHighestPartial) continue;
        Oscillator partial(freq * m.ratio);
        // A harder strike brings out the upper partials.
        const double level = m.level * velocity * (k == 0 ? 1.0 : velocity);
        // The fall is a fixed factor per sample after the attack.
        const double fall = std::exp(-1.0 / (m.tau * kSampleRate));
        double decay = 1.0;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double env = t < kind.attack ? t / kind.attack : (decay *= fall);
            out[i] += level * env * partial.Next();
        }
    }
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] *= Damper(static_cast<double>(i) / kSampleRate, held, kind.damper);
    }
    return out;
}

// A slow vibrato that sets in after the note has started, as a player's would.
double Vibrato(double t, double depth, double delay) {
    const double amount = std::clamp((t - delay) / 0.25, 0.0, 1.0);
    return 1.0 + depth * amount * std::sin(kTwoPi * 5.2 * t);
}

Mono EPiano(double freq, double held, double velocity) {
    const double release = 0.3;
    Mono out(SampleCount(std::min(held, 4.0) + release));
    const bool tine = freq * 14.0 < kHighestPartial;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = Strike(t, 0.003, 1.5) * Damper(t, held, release);
        // The modulation fades faster than the note: bright at the strike, mellow after.
        const double index = 0.25 + 1.8 * velocity * std::exp(-t / 0.35);
        const double phase = kTwoPi * freq * t;
        double y = std::sin(phase + index * std::sin(phase));
        if (tine) y += 0.12 * velocity * std::exp(-t / 0.04) * std::sin(14.0 * phase);
        out[i] = velocity * env * y;
    }
    return out;
}

Mono Brass(double freq, double held, double velocity) {
    const Adsr shape{0.035, 0.25, 0.75, 0.12};
    Mono out(SampleCount(shape.Length(held)));
    // Two players a few cents apart give the section its body.
    for (const double detune : {0.9985, 1.0015}) {
        double phase = 0.0;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double env = shape.At(t, held);
            // Brass gets brighter as it gets louder.
            const double index = 0.4 + 2.4 * env * velocity;
            out[i] += 0.5 * velocity * env * std::sin(phase + index * std::sin(phase));
            phase += kTwoPi * freq * detune * Vibrato(t, 0.004, 0.2) / kSampleRate;
        }
    }
    return out;
}

Mono Flute(double freq, double held, double velocity) {
    const Adsr shape{0.06, 0.3, 0.85, 0.15};
    Mono out(SampleCount(shape.Length(held)));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double y = std::sin(phase) + 0.22 * std::sin(2.0 * phase) +
                         (freq * 3.0 < kHighestPartial ? 0.07 * std::sin(3.0 * phase) : 0.0);
        out[i] = velocity * shape.At(t, held) * y;
        phase += kTwoPi * freq * Vibrato(t, 0.005, 0.15) / kSampleRate;
    }
    return out;
}

Mono Pad(double freq, double held, double velocity) {
    const Adsr shape{0.4, 1.0, 0.85, 0.7};
    Mono out(SampleCount(shape.Length(held)));
    for (const double detune : {0.9965, 1.0035}) {
        for (int n = 1; n <= 6; ++n) {
            if (freq * detune * n >= kHighestPartial) break;
            Oscillator partial(freq * detune * n);
            const double level = 0.5 * velocity / std::pow(n, 1.6);
            for (double& sample : out) sample += level * partial.Next();
        }
    }
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] *= shape.At(static_cast<double>(i) / kSampleRate, held);
    }
    return out;
}

}  // namespace

double Frequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

Mono Play(Instrument instrument, double freq, double held, double velocity) {
    switch (instrument) {
        case Instrument::Bell:
            return Struck({kBellModes, 0.002, 0.3}, freq, held, velocity);
        case Instrument::Glockenspiel:
            return Struck({kGlockenspielModes, 0.001, 0.25}, freq, held, velocity);
        case Instrument::Marimba:
            return Struck({kMarimbaModes, 0.003, 0.12}, freq, held, velocity);
        case Instrument::Bass:
            return Struck({kBassModes, 0.006, 0.08}, freq, held, velocity);
        case Instrument::EPiano:
            return EPiano(freq, held, velocity);
        case Instrument::Brass:
            return Brass(freq, held, velocity);
        case Instrument::Flute:
            return Flute(freq, held, velocity);
        case Instrument::Pad:
            return Pad(freq, held, velocity);
    }
    return {};
}

}  // namespace soundgen
