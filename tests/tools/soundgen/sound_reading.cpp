#include "sound_reading.h"

#include <lame.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>

namespace soundgen_test {

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
    return v;
}

bool Tag(const std::vector<uint8_t>& b, size_t at, const char* tag) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, tag, 4) == 0;
}

void Fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const auto turn = std::polar(1.0, -2.0 * std::numbers::pi / static_cast<double>(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1.0;
            for (size_t j = 0; j < len / 2; ++j, w *= turn) {
                const auto u = a[i + j];
                const auto v = a[i + j + len / 2] * w;
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
            }
        }
    }
}

double Db(double power) { return 10.0 * std::log10(std::max(power, 1e-20)); }

}  // namespace

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

WaveOrError ParseWave(const std::vector<uint8_t>& b) {
    if (b.size() < 44 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) return {{}, "not RIFF WAVE"};
    if (Le(b, 4, 4) != b.size() - 8) return {{}, "RIFF size is not the file size less 8"};
    if (!Tag(b, 12, "fmt ") || Le(b, 16, 4) != 16) return {{}, "no 16-byte fmt chunk first"};
    const uint32_t format = Le(b, 20, 2), channels = Le(b, 22, 2), rate = Le(b, 24, 4);
    const uint32_t byteRate = Le(b, 28, 4), block = Le(b, 32, 2), bits = Le(b, 34, 2);
    if (format != 1 || bits != 16) return {{}, "not 16-bit PCM"};
    if (channels != 1 && channels != 2) return {{}, "not mono or stereo"};
    if (rate != 44100 && rate != 22050) return {{}, "not 44.1 or 22.05 kHz"};
    if (block != channels * 2 || byteRate != rate * block) return {{}, "byte rate or block size"};
    if (!Tag(b, 36, "data") || Le(b, 40, 4) != b.size() - 44 || Le(b, 40, 4) % block != 0) {
        return {{}, "data chunk does not fill the rest of the file"};
    }
    Wave wave{static_cast<int>(channels), static_cast<int>(rate), {}};
    for (size_t at = 44; at < b.size(); at += block) {
        wave.samples.push_back(static_cast<int16_t>(Le(b, at, 2)) / 32768.0);
    }
    return {wave, ""};
}

namespace {

// The length of the MPEG-1 layer III, 44.1 kHz frame at @p at, or 0 when there is none.
size_t FrameLength(const std::vector<uint8_t>& b, size_t at) {
    // Bit rates by index, in kbit/s.
    constexpr int kKbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xFE) != 0xFA) return 0;
    const int rateIndex = b[at + 2] >> 4;
    if (rateIndex == 0 || rateIndex == 15 || ((b[at + 2] >> 2) & 3) != 0) return 0;
    return 144 * static_cast<size_t>(kKbps[rateIndex]) * 1000 / 44100 + ((b[at + 2] >> 1) & 1);
}

}  // namespace

Mp3Frames WalkMp3(const std::vector<uint8_t>& b) {
    Mp3Frames walk;
    for (size_t at = 0; at < b.size();) {
        const size_t length = FrameLength(b, at);
        if (length == 0) {
            walk.error = "no valid frame header at byte " + std::to_string(at);
            return walk;
        }
        if (at + length > b.size()) {
            walk.error = "last frame cut short";
            return walk;
        }
        const size_t tag = at + 4 + ((b[at + 3] >> 6) == 3 ? 17 : 32);  // after the side info
        if (at == 0 && (Tag(b, tag, "Info") || Tag(b, tag, "Xing"))) {
            walk.infoTag = true;
        } else {
            ++walk.frames;
        }
        at += length;
    }
    walk.seconds = walk.frames * 1152.0 / 44100.0;
    return walk;
}

Decoded DecodeMp3(const std::vector<uint8_t>& bytes) {
    Decoded out;
    hip_t hip = hip_decode_init();
    std::vector<short> left(4608), right(4608);  // more than one frame's samples
    std::vector<unsigned char> input(bytes.begin(), bytes.end());
    // One frame in, then whatever the decoder has ready out.
    for (size_t at = 0, length = 0; (length = FrameLength(bytes, at)) != 0; at += length) {
        size_t given = std::min(length, input.size() - at);
        int n = 0;
        while ((n = hip_decode1(hip, input.data() + at, given, left.data(), right.data())) > 0) {
            given = 0;
            for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
                out.left.push_back(left[i] / 32768.0);
                out.right.push_back(right[i] / 32768.0);
            }
        }
    }
    hip_decode_exit(hip);
    return out;
}

double PeakOf(const std::vector<double>& samples) {
    double peak = 0.0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    return peak;
}

double LoudestDb(const std::vector<double>& samples) {
    const size_t window = std::min<size_t>(2205, samples.size());
    double loudest = 0.0;
    for (size_t start = 0; start + window <= samples.size(); start += 441) {
        double sum = 0.0;
        for (size_t i = start; i < start + window; ++i) sum += samples[i] * samples[i];
        loudest = std::max(loudest, sum / static_cast<double>(window));
    }
    return Db(loudest);
}

double RmsDb(const std::vector<double>& samples) {
    double sum = 0.0;
    for (double s : samples) sum += s * s;
    return Db(sum / static_cast<double>(std::max<size_t>(samples.size(), 1)));
}

double CentroidHz(const std::vector<double>& samples, int sampleRate) {
    constexpr size_t kFrame = 2048;
    double weighted = 0.0, total = 0.0;
    for (size_t start = 0; start < samples.size(); start += kFrame / 2) {
        std::vector<std::complex<double>> frame(kFrame);
        for (size_t j = 0; j < kFrame && start + j < samples.size(); ++j) {
            const double hann =
                0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(j) / kFrame);
            frame[j] = samples[start + j] * hann;
        }
        Fft(frame);
        for (size_t k = 1; k < kFrame / 2; ++k) {
            weighted += std::norm(frame[k]) * static_cast<double>(k) * sampleRate / kFrame;
            total += std::norm(frame[k]);
        }
    }
    return total > 0.0 ? weighted / total : 0.0;
}

double BusyShare(const std::vector<double>& samples) {
    constexpr size_t kFrame = 441;
    const double floor = PeakOf(samples) * PeakOf(samples) * 0.01;
    int busy = 0, frames = 0;
    for (size_t start = 0; start + kFrame <= samples.size(); start += kFrame, ++frames) {
        double energy = 0.0;
        for (size_t i = start; i < start + kFrame; ++i) energy += samples[i] * samples[i];
        if (energy / kFrame > floor) ++busy;
    }
    return frames > 0 ? static_cast<double>(busy) / frames : 0.0;
}

int Onsets(const std::vector<double>& samples) {
    constexpr size_t kFrame = 256;
    const double floor = PeakOf(samples) * PeakOf(samples) * 1e-3;
    int onsets = 0;
    double before = 0.0;
    for (size_t start = 0; start + kFrame <= samples.size(); start += kFrame) {
        double energy = 0.0;
        for (size_t i = start; i < start + kFrame; ++i) energy += samples[i] * samples[i];
        energy /= kFrame;
        if (energy > floor && energy > 4.0 * before) ++onsets;
        before = energy;
    }
    return onsets;
}

}  // namespace soundgen_test
