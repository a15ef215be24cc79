#pragma once
// Amplitude shapes over time. Times are in seconds from the start of a note.

namespace soundgen {

// Attack, decay toward a sustain level while the note is held, release after it.
struct Adsr {
    double attack;
    double decay;    // time constant of the fall from full level to the sustain level
    double sustain;  // 0..1
    double release;  // seconds from the end of the hold to silence

    // The level @p t seconds into a note held for @p held seconds.
    double At(double t, double held) const;
    // How long the note sounds, release included.
    double Length(double held) const { return held + release; }
};

// A struck sound: a short rise over @p attack, then an exponential fall with time constant
// @p tau.
double Strike(double t, double attack, double tau);

// A damper lifted at @p held: full level before it, a smooth fall to silence over @p release.
double Damper(double t, double held, double release);

}  // namespace soundgen
