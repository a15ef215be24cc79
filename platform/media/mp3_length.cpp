#include <array>
#include <cstring>

#include "platform/media/sound_length.h"

namespace media {

namespace {

// What one MPEG audio frame header says.
struct Frame {
    uint32_t sampleRate;
    uint32_t samples;  // per channel
    size_t bytes;      // the whole frame, header included
    bool mpeg1;
    bool mono;
};

// Bit rates in kbit/s by bit-rate index; index 0 (free format) and 15 are not playable.
// Rows: MPEG-1 layer I, II, III; MPEG-2 and 2.5 layer I; MPEG-2 and 2.5 layers II and III.
constexpr std::array<std::array<uint16_t, 15>, 5> kBitRates{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
}};

// Sample rates by the header's version bits (0 MPEG-2.5, 2 MPEG-2, 3 MPEG-1) and rate index.
constexpr std::array<std::array<uint32_t, 3>, 4> kSampleRates{
    {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}}};

// Every sample rate above divides this one, so durations add up exactly in its ticks.
constexpr uint64_t kTicksPerSecond = 14112000;

std::optional<Frame> ReadFrame(std::span<const uint8_t> b, size_t at) {
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xE0) != 0xE0) return std::nullopt;
    const unsigned version = (b[at + 1] >> 3) & 3;
    const unsigned layer = 4 - ((b[at + 1] >> 1) & 3);  // 1, 2, 3; 4 is reserved
    const unsigned rateIndex = b[at + 2] >> 4;
    const unsigned sampleIndex = (b[at + 2] >> 2) & 3;
    if (version == 1 || layer == 4 || rateIndex == 0 || rateIndex == 15 || sampleIndex == 3) {
        return std::nullopt;
    }
    const bool mpeg1 = version == 3;
    const uint32_t kbits = kBitRates[mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4)][rateIndex];
    const uint32_t rate = kSampleRates[version][sampleIndex];
    const uint32_t padding = (b[at + 2] >> 1) & 1;
    // Layer I counts in slots of 4 bytes, the others in bytes.
    const uint32_t samples = layer == 1 ? 384 : (layer == 3 && !mpeg1 ? 576 : 1152);
    const uint32_t bytes = layer == 1 ? (12 * kbits * 1000 / rate + padding) * 4
                                      : samples / 8 * kbits * 1000 / rate + padding;
    return Frame{rate, samples, bytes, mpeg1, (b[at + 3] >> 6) == 3};
}

// The length of an ID3v2 tag at the start, header and footer included; 0 when there is none.
size_t Id3v2Size(std::span<const uint8_t> b) {
    if (b.size() < 10 || std::memcmp(b.data(), "ID3", 3) != 0) return 0;
    size_t size = 10;
    for (size_t i = 6; i < 10; ++i) size += static_cast<size_t>(b[i] & 0x7F) << (7 * (9 - i));
    if (b[5] & 0x10) size += 10;
    return size;
}

// Whether the frame at @p at is the silent tag frame that encoders put first.
bool IsTagFrame(std::span<const uint8_t> b, size_t at, const Frame& f) {
    const size_t sideInfo = f.mpeg1 ? (f.mono ? 17 : 32) : (f.mono ? 9 : 17);
    const size_t tag = at + 4 + sideInfo;
    if (tag + 4 > at + f.bytes) return false;
    return std::memcmp(b.data() + tag, "Xing", 4) == 0 ||
           std::memcmp(b.data() + tag, "Info", 4) == 0;
}

// Whether a frame lies whole within the bytes and, when it is found by searching rather
// than right after the frame before, is itself followed by a frame or by the end.
bool Counts(std::span<const uint8_t> b, size_t at, const Frame& f, bool inStep) {
    const size_t end = at + f.bytes;
    if (end > b.size()) return false;
    return inStep || end == b.size() || ReadFrame(b, end).has_value();
}

}  // namespace

std::optional<uint32_t> Mp3LengthMs(std::span<const uint8_t> bytes) {
    uint64_t ticks = 0;
    bool any = false;
    bool inStep = false;
    for (size_t at = Id3v2Size(bytes); at < bytes.size();) {
        const auto frame = ReadFrame(bytes, at);
        if (!frame || !Counts(bytes, at, *frame, inStep)) {
            ++at;
            inStep = false;
            continue;
        }
        if (any || !IsTagFrame(bytes, at, *frame)) {
            ticks += frame->samples * (kTicksPerSecond / frame->sampleRate);
        }
        any = true;
        inStep = true;
        at += frame->bytes;
    }
    if (!any) return std::nullopt;
    return static_cast<uint32_t>(ticks * 1000 / kTicksPerSecond);
}

}  // namespace media
