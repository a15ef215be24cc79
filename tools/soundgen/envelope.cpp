#include "tools/soundgen/envelope.h"

#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

// Half a cosine from 1 down to 0 as @p x runs from 0 to 1.
double CosineFall(double x) {
    if (x <= 0.0) return 1.0;
    if (x >= 1.0) return 0.0;
    return 0.5 + 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace

double Adsr::At(double t, double held) const {
    const auto holding = [this](double s) {
        if (s < attack) return s / attack;
        return sustain + (1.0 - sustain) * std::exp(-(s - attack) / decay);
    };
    if (t < 0.0) return 0.0;
    if (t < held) return holding(t);
    return holding(held) * CosineFall((t - held) / release);
}

double Strike(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

double Damper(double t, double held, double release) { return CosineFall((t - held) / release); }

}  // namespace soundgen
