#pragma once
// A small seeded random source. Every noisy sound draws from one of these with a fixed seed,
// so the generator writes the same bytes on every build.

#include <cstdint>

namespace soundgen {

class Noise {
public:
    explicit Noise(uint64_t seed) : state_(seed) {}

    // A number in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Between(double low, double high) { return low + (high - low) * Uniform(); }
    // White noise in [-1, 1).
    double Sample() { return Between(-1.0, 1.0); }

private:
    // splitmix64: tiny, fast and good enough for sound.
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    uint64_t state_;
};

}  // namespace soundgen
