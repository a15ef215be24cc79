#pragma once
// Second-order filters for shaping noise: a wooden knock is noise kept low, a swoosh is
// noise through a band that moves, a clap is a band of noise around the hands' ring.

namespace soundgen {

class Biquad {
public:
    static Biquad LowPass(double freq, double q);
    static Biquad HighPass(double freq, double q);
    // Unity gain at the centre frequency.
    static Biquad BandPass(double freq, double q);

    // Moves the band while keeping the filter's state, for a sweep without clicks.
    void TuneBandPass(double freq, double q);

    double Process(double x);

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double z1_ = 0.0, z2_ = 0.0;
};

}  // namespace soundgen
