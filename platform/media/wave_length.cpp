#include <algorithm>
#include <fstream>
#include <iterator>

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

constexpr size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr size_t kChunkHeader = 8;  // tag, size
constexpr size_t kByteRateAt = 8;   // within the "fmt " chunk's body

}  // namespace

bool IsWaveFile(std::span<const uint8_t> bytes) {
    return bytes.size() >= kRiffHeader && TagIs(bytes, 0, "RIFF") && TagIs(bytes, 8, "WAVE");
}

std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> bytes) {
    if (!IsWaveFile(bytes)) return std::nullopt;
    std::optional<uint32_t> byteRate;
    std::optional<uint64_t> dataBytes;
    // Chunks follow one another, each padded to an even size.
    for (size_t at = kRiffHeader; at + kChunkHeader <= bytes.size();) {
        const uint64_t size = Le32(bytes, at + 4);
        const size_t body = at + kChunkHeader;
        const uint64_t present = bytes.size() - body;
        if (TagIs(bytes, at, "fmt ") && size >= kByteRateAt + 4 && present >= kByteRateAt + 4) {
            byteRate = Le32(bytes, body + kByteRateAt);
        } else if (TagIs(bytes, at, "data")) {
            dataBytes = std::min(size, present);
        }
        if (size + (size & 1) > present) break;
        at = body + static_cast<size_t>(size + (size & 1));
    }
    if (!byteRate || *byteRate == 0 || !dataBytes) return std::nullopt;
    return static_cast<uint32_t>(*dataBytes * 1000 / *byteRate);
}

std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace media
