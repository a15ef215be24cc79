#include <algorithm>
#include <cstdint>

#include "platform/media/sound_length.h"

namespace media {

namespace {

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

bool TagIs(std::span<const uint8_t> b, size_t at, const char* tag) {
    for (size_t i = 0; i < 4; ++i) {
        if (b[at + i] != static_cast<uint8_t>(tag[i])) return false;
    }
    return true;
}

uint32_t Le16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8;
}

constexpr size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr size_t kChunkHeader = 8;  // tag, size
constexpr size_t kFormatBody = 16;  // the "fmt " fields read here
// The formats whose samples are plain numbers; for these the length follows from the
// sample rate and the sample size, as a player plays them, never from the byte-rate field.
constexpr uint32_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

// The bytes one second of the sound takes, as the format's own fields say; 0 for none.
uint64_t BytesPerSecond(std::span<const uint8_t> format) {
    const uint32_t tag = Le16(format, 0), channels = Le16(format, 2);
    const uint32_t sampleRate = Le32(format, 4), byteRate = Le32(format, 8);
    const uint32_t bits = Le16(format, 14);
    if (tag != kPcm && tag != kFloat && tag != kExtensible) return byteRate;
    return uint64_t{sampleRate} * channels * ((bits + 7) / 8);
}

}  // namespace

bool IsWaveFile(std::span<const uint8_t> bytes) {
    return bytes.size() >= kRiffHeader && TagIs(bytes, 0, "RIFF") && TagIs(bytes, 8, "WAVE");
}

std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> bytes) {
    if (!IsWaveFile(bytes)) return std::nullopt;
    std::optional<uint64_t> byteRate;
    std::optional<uint64_t> dataBytes;
    // Chunks follow one another, each padded to an even size.
    for (size_t at = kRiffHeader; at + kChunkHeader <= bytes.size();) {
        const uint64_t size = Le32(bytes, at + 4);
        const size_t body = at + kChunkHeader;
        const uint64_t present = bytes.size() - body;
        if (TagIs(bytes, at, "fmt ") && size >= kFormatBody && present >= kFormatBody) {
            byteRate = BytesPerSecond(bytes.subspan(body, kFormatBody));
        } else if (TagIs(bytes, at, "data")) {
            dataBytes = std::min(size, present);
        }
        if (size + (size & 1) > present) break;
        at = body + static_cast<size_t>(size + (size & 1));
    }
    if (!byteRate || *byteRate == 0 || !dataBytes) return std::nullopt;
    return static_cast<uint32_t>(std::min<uint64_t>(*dataBytes * 1000 / *byteRate, UINT32_MAX));
}

}  // namespace media
