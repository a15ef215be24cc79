#include "tools/soundgen/filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/soundgen/mixer.h"

namespace soundgen {

namespace {

// The angle and bandwidth term shared by every filter shape.
struct Warp {
    double cosine;
    double alpha;
};

Warp WarpOf(double freq, double q) {
    const double limited = std::clamp(freq, 10.0, 0.45 * kSampleRate);
    const double w = 2.0 * std::numbers::pi * limited / kSampleRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::LowPass(double freq, double q) {
    const Warp w = WarpOf(freq, q);
    Biquad f;
    f.Set((1 - w.cosine) / 2, 1 - w.cosine, (1 - w.cosine) / 2, 1 + w.alpha, -2 * w.cosine,
          1 - w.alpha);
    return f;
}

Biquad Biquad::HighPass(double freq, double q) {
    const Warp w = WarpOf(freq, q);
    Biquad f;
    f.Set((1 + w.cosine) / 2, -(1 + w.cosine), (1 + w.cosine) / 2, 1 + w.alpha, -2 * w.cosine,
          1 - w.alpha);
    return f;
}

Biquad Biquad::BandPass(double freq, double q) {
    Biquad f;
    f.TuneBandPass(freq, q);
    return f;
}

void Biquad::TuneBandPass(double freq, double q) {
    const Warp w = WarpOf(freq, q);
    Set(w.alpha, 0, -w.alpha, 1 + w.alpha, -2 * w.cosine, 1 - w.alpha);
}

double Biquad::Process(double x) {
    // Transposed direct form II: two state values, well behaved while the band moves.
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return y;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

}  // namespace soundgen
