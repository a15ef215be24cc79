#include "tools/soundgen/applause.h"

#include <algorithm>

#include "tools/soundgen/envelope.h"
#include "tools/soundgen/filters.h"
#include "tools/soundgen/random.h"

namespace soundgen {

namespace {

constexpr double kClapLength = 0.05;

// What sets one clapper apart from another.
struct Hands {
    double ring;      // centre of the band of noise the hands make
    double q;         // cupped hands ring narrower
    double tau;       // how quickly a clap dies
    double loudness;  // near or far in the room
};

// One clap: a sharp burst of noise through the hands' band, with a second, weaker burst a
// few milliseconds later as the palms part.
void Clap(Mono& out, double at, const Hands& hands, Noise& noise) {
    const size_t start = SampleCount(at);
    if (start >= out.size()) return;
    Biquad band = Biquad::BandPass(hands.ring * noise.Between(0.92, 1.08), hands.q);
    const double echo = noise.Between(0.003, 0.007);
    const size_t length = std::min(SampleCount(kClapLength), out.size() - start);
    for (size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = Strike(t, 0.0005, hands.tau) + 0.4 * Strike(t - echo, 0.0005, hands.tau);
        out[start + i] += hands.loudness * env * band.Process(noise.Sample());
    }
}

}  // namespace

Mono Applause(int clappers, double seconds, uint64_t seed) {
    Noise noise(seed);
    Mono out(SampleCount(seconds));
    for (int c = 0; c < clappers; ++c) {
        const Hands hands{noise.Between(800.0, 2400.0), noise.Between(1.2, 3.0),
                          noise.Between(0.004, 0.010), noise.Between(0.35, 1.0)};
        const double pace = 1.0 / noise.Between(3.5, 5.5);
        const double stop = seconds - noise.Between(0.25, 0.9);
        for (double t = noise.Between(0.0, 0.3); t < stop; t += pace * noise.Between(0.9, 1.1)) {
            Clap(out, t, hands, noise);
        }
    }
    return out;
}

}  // namespace soundgen
