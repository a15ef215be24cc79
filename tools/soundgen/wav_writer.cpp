#include "tools/soundgen/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace soundgen {

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<uint8_t>& out, std::string_view tag) {
    for (char c : tag) out.push_back(static_cast<uint8_t>(c));
}

int16_t ToPcm(double sample) {
    return static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

}  // namespace

std::vector<uint8_t> WaveBytes(const Mono& sound) {
    const auto dataBytes = static_cast<uint32_t>(sound.size() * kBlockAlign);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, kPcm);
    Put16(out, kChannels);
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * kBlockAlign);
    Put16(out, kBlockAlign);
    Put16(out, kBitsPerSample);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (double sample : sound) Put16(out, static_cast<uint16_t>(ToPcm(sample)));
    return out;
}

}  // namespace soundgen
