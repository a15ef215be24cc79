#include "tools/soundgen/room.h"

#include <array>
#include <cstddef>

namespace soundgen {

namespace {

// Echo lengths in samples at 44.1 kHz, none a multiple of another so the echoes do not
// line up into a buzz.
constexpr std::array<size_t, 8> kCombLengths{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<size_t, 4> kAllPassLengths{556, 441, 341, 225};
constexpr size_t kRightSpread = 23;
constexpr double kInputGain = 0.015;
constexpr double kWetScale = 3.0;
constexpr double kAllPassFeedback = 0.5;

class Comb {
public:
    explicit Comb(size_t length) : buffer_(length, 0.0) {}
    double Process(double x, double feedback, double damping) {
        const double y = buffer_[at_];
        smoothed_ = y * (1.0 - damping) + smoothed_ * damping;
        buffer_[at_] = x + smoothed_ * feedback;
        at_ = (at_ + 1) % buffer_.size();
        return y;
    }

private:
    Mono buffer_;
    size_t at_ = 0;
    double smoothed_ = 0.0;
};

class AllPass {
public:
    explicit AllPass(size_t length) : buffer_(length, 0.0) {}
    double Process(double x) {
        const double delayed = buffer_[at_];
        buffer_[at_] = x + delayed * kAllPassFeedback;
        at_ = (at_ + 1) % buffer_.size();
        return delayed - x;
    }

private:
    Mono buffer_;
    size_t at_ = 0;
};

void AddRoom(Mono& sound, const Room& room, size_t spread) {
    std::vector<Comb> combs;
    for (size_t length : kCombLengths) combs.emplace_back(length + spread);
    std::vector<AllPass> allPasses;
    for (size_t length : kAllPassLengths) allPasses.emplace_back(length + spread);
    for (double& sample : sound) {
        const double in = sample * kInputGain;
        double wet = 0.0;
        for (Comb& c : combs) wet += c.Process(in, room.feedback, room.damping);
        for (AllPass& a : allPasses) wet = a.Process(wet);
        sample += wet * room.wet * kWetScale;
    }
}

}  // namespace

void AddRoom(Mono& sound, const Room& room) { AddRoom(sound, room, 0); }

void AddRoom(Stereo& sound, const Room& room) {
    AddRoom(sound.left, room, 0);
    AddRoom(sound.right, room, kRightSpread);
}

}  // namespace soundgen
