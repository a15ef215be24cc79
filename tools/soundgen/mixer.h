#pragma once
// Sounds as buffers of samples in [-1, 1] at one sample rate, and the few ways they are put
// together: placed at a time with a gain (and a place between the speakers), faded at their
// ends so they start and stop without a click, and brought to a peak level.

#include <cstddef>
#include <vector>

namespace soundgen {

constexpr int kSampleRate = 44100;

using Mono = std::vector<double>;

struct Stereo {
    Mono left;
    Mono right;
};

// The number of samples that last @p seconds.
size_t SampleCount(double seconds);

// Adds @p sound times @p gain into @p into from @p at seconds on, growing @p into as needed.
void Mix(Mono& into, const Mono& sound, double at, double gain);
// The same into two channels; @p pan runs from -1 (left) over 0 (middle) to 1 (right) and
// keeps the loudness the same across the field.
void Mix(Stereo& into, const Mono& sound, double at, double gain, double pan);

// Raises the first @p fadeIn seconds from silence and lowers the last @p fadeOut to silence.
void FadeEnds(Mono& sound, double fadeIn, double fadeOut);
void FadeEnds(Stereo& sound, double fadeIn, double fadeOut);

// Appends @p seconds of silence (room for an echo to ring out).
void PadEnd(Stereo& sound, double seconds);

double Peak(const Mono& sound);
double Peak(const Stereo& sound);

// Scales the sound so that its loudest sample is @p peak; silence stays silent.
void ScaleToPeak(Mono& sound, double peak);
void ScaleToPeak(Stereo& sound, double peak);

// The loudness of the sound's loudest moment: the highest RMS level over 50 ms, in dB
// below full scale.
double Loudness(const Mono& sound);
// Scales the sound to @p loudness dBFS, but no further than puts its peak at @p ceiling.
void ScaleToLoudness(Mono& sound, double loudness, double ceiling);

Mono Reversed(Mono sound);
// Both channels at half gain, for an effect file of one channel.
Mono Downmixed(const Stereo& sound);

}  // namespace soundgen
