#include "tools/soundgen/mixer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace soundgen {

size_t SampleCount(double seconds) {
    return static_cast<size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

void Mix(Mono& into, const Mono& sound, double at, double gain) {
    const size_t start = SampleCount(at);
    if (into.size() < start + sound.size()) into.resize(start + sound.size());
    for (size_t i = 0; i < sound.size(); ++i) into[start + i] += gain * sound[i];
}

void Mix(Stereo& into, const Mono& sound, double at, double gain, double pan) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0;
    Mix(into.left, sound, at, gain * std::cos(angle) * std::numbers::sqrt2);
    Mix(into.right, sound, at, gain * std::sin(angle) * std::numbers::sqrt2);
    const size_t length = std::max(into.left.size(), into.right.size());
    into.left.resize(length);
    into.right.resize(length);
}

void FadeEnds(Mono& sound, double fadeIn, double fadeOut) {
    const size_t in = std::min(SampleCount(fadeIn), sound.size());
    const size_t out = std::min(SampleCount(fadeOut), sound.size());
    // Raised-cosine ramps: no corner in the envelope, so no click.
    for (size_t i = 0; i < in; ++i) {
        sound[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                         static_cast<double>(in));
    }
    for (size_t i = 0; i < out; ++i) {
        sound[sound.size() - 1 - i] *=
            0.5 -
            0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
    }
}

void FadeEnds(Stereo& sound, double fadeIn, double fadeOut) {
    FadeEnds(sound.left, fadeIn, fadeOut);
    FadeEnds(sound.right, fadeIn, fadeOut);
}

void PadEnd(Stereo& sound, double seconds) {
    sound.left.resize(sound.left.size() + SampleCount(seconds));
    sound.right.resize(sound.right.size() + SampleCount(seconds));
}

double Peak(const Mono& sound) {
    double peak = 0.0;
    for (double s : sound) peak = std::max(peak, std::abs(s));
    return peak;
}

double Peak(const Stereo& sound) { return std::max(Peak(sound.left), Peak(sound.right)); }

void ScaleToPeak(Mono& sound, double peak) {
    const double now = Peak(sound);
    if (now == 0.0) return;
    for (double& s : sound) s *= peak / now;
}

void ScaleToPeak(Stereo& sound, double peak) {
    const double now = Peak(sound);
    if (now == 0.0) return;
    for (double& s : sound.left) s *= peak / now;
    for (double& s : sound.right) s *= peak / now;
}

double Loudness(const Mono& sound) {
    const size_t window = std::min(SampleCount(0.05), sound.size());
    if (window == 0) return -std::numeric_limits<double>::infinity();
    double sum = 0.0;
    for (size_t i = 0; i < window; ++i) sum += sound[i] * sound[i];
    double loudest = sum;
    for (size_t i = window; i < sound.size(); ++i) {
        sum += sound[i] * sound[i] - sound[i - window] * sound[i - window];
        loudest = std::max(loudest, sum);
    }
    return 10.0 * std::log10(loudest / static_cast<double>(window));
}

void ScaleToLoudness(Mono& sound, double loudness, double ceiling) {
    const double peak = Peak(sound);
    if (peak == 0.0) return;
    const double gain =
        std::min(std::pow(10.0, (loudness - Loudness(sound)) / 20.0), ceiling / peak);
    for (double& s : sound) s *= gain;
}

Mono Reversed(Mono sound) {
    std::reverse(sound.begin(), sound.end());
    return sound;
}

Mono Downmixed(const Stereo& sound) {
    Mono mono(std::max(sound.left.size(), sound.right.size()));
    for (size_t i = 0; i < sound.left.size(); ++i) mono[i] += 0.5 * sound.left[i];
    for (size_t i = 0; i < sound.right.size(); ++i) mono[i] += 0.5 * sound.right[i];
    return mono;
}

}  // namespace soundgen
