#include "platform/runtime/random.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>

#include "platform/types/clock.h"

namespace vb {

namespace {

// Seed used when no host can tell the time of day (a fresh process before any window).
constexpr uint64_t kDefaultSeed = 0x5EED5EED5EED5EEDull;

struct Generator {
    uint64_t state = kDefaultSeed;
    std::deque<float> scripted;
};

Generator& TheGenerator() {
    static Generator generator;
    return generator;
}

// The generator is SplitMix64: a counter advanced by kStep, each value scrambled by Mix.
// Mix also spreads a seed over the whole state.
constexpr uint64_t kStep = 0x9E3779B97F4A7C15ull;

uint64_t Mix(uint64_t x) {
    x += kStep;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The float nearest to @p value that is not above it, so a value below 1 stays below 1.
float FloatNotAbove(double value) {
    float f = static_cast<float>(value);
    if (static_cast<double>(f) > value) f = std::nextafter(f, 0.0f);
    return f;
}

}  // namespace

float Rnd() {
    Generator& g = TheGenerator();
    if (!g.scripted.empty()) {
        const float next = g.scripted.front();
        g.scripted.pop_front();
        return next;
    }
    const uint64_t bits = Mix(g.state);
    g.state += kStep;
    // The top 24 bits fill a float's mantissa exactly: the largest result is 1 - 2^-24.
    return static_cast<float>(bits >> 40) * 0x1.0p-24f;
}

void Randomize() {
    // The time is mixed into the current state: two reseeds within the same clock reading
    // still give different numbers, as rolls seeded in quick succession must.
    Generator& g = TheGenerator();
    if (!HasClock()) {
        g.state = kDefaultSeed;
        return;
    }
    g.state = Mix(g.state ^ std::bit_cast<uint64_t>(CurrentClock().secondsSinceMidnight()));
}

void Randomize(double seed) { TheGenerator().state = Mix(std::bit_cast<uint64_t>(seed)); }

void ScriptRnd(const std::vector<double>& values) {
    for (double v : values) {
        if (!(v >= 0.0 && v < 1.0)) {
            throw std::invalid_argument("ScriptRnd: " + std::to_string(v) + " is not in [0, 1)");
        }
    }
    for (double v : values) TheGenerator().scripted.push_back(FloatNotAbove(v));
}

void ClearScriptedRnd() { TheGenerator().scripted.clear(); }

double RndForFace(int face, int faces) {
    if (faces < 1 || face < 1 || face > faces) {
        throw std::invalid_argument("RndForFace: face " + std::to_string(face) + " of " +
                                    std::to_string(faces));
    }
    return (face - 0.5) / faces;
}

}  // namespace vb
