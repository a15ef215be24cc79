#pragma once
// Sound files made by the tests: wave files of a given format and length, and MPEG audio
// streams of frames whose headers say how long they play (their bodies are silent zeros).

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace media_test {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

struct WaveFormat {
    uint32_t rate = 22050;
    uint16_t channels = 1;
    uint16_t bits = 16;
};

// A PCM wave file of @p frames sample frames of a quiet tone; @p extra is inserted as a
// chunk of its own before "data" when it is not empty (its size may be odd).
inline std::vector<uint8_t> MakeWave(WaveFormat f, uint32_t frames, std::string extra = {}) {
    const uint32_t blockAlign = f.channels * f.bits / 8u;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; i < frames; ++i) {
        const double s = 0.2 * std::sin(i * 2 * 3.14159265358979 * 440 / f.rate);
        for (uint16_t c = 0; c < f.channels; ++c) {
            if (f.bits == 8)
                data.push_back(static_cast<uint8_t>(128 + s * 127));
            else
                PutLe(data, static_cast<uint32_t>(static_cast<int16_t>(s * 32767)), 2);
        }
    }
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    PutLe(out, 0, 4);  // filled in below
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, f.channels, 2);
    PutLe(out, f.rate, 4);
    PutLe(out, f.rate * blockAlign, 4);
    PutLe(out, blockAlign, 2);
    PutLe(out, f.bits, 2);
    if (!extra.empty()) {
        PutTag(out, "LIST");
        PutLe(out, static_cast<uint32_t>(extra.size()), 4);
        out.insert(out.end(), extra.begin(), extra.end());
        if (extra.size() % 2) out.push_back(0);
    }
    PutTag(out, "data");
    PutLe(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    const uint32_t riffSize = static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    return out;
}

// An MPEG audio frame header and the length of the whole frame it announces.
struct FrameKind {
    uint8_t header[4];
    size_t bytes;
};
// MPEG-1 layer III, 128 kbit/s, 48000 Hz: 1152 samples, 24 ms, 384 bytes.
constexpr FrameKind kMpeg1L3At48k{{0xFF, 0xFB, 0x94, 0x00}, 384};
// MPEG-1 layer III, 128 kbit/s, 44100 Hz, padded: 1152 samples, 418 bytes.
constexpr FrameKind kMpeg1L3At44kPadded{{0xFF, 0xFB, 0x92, 0x00}, 418};
// MPEG-2 layer III, 64 kbit/s, 22050 Hz: 576 samples, 208 bytes.
constexpr FrameKind kMpeg2L3At22k{{0xFF, 0xF3, 0x80, 0x00}, 208};
// MPEG-1 layer II, 192 kbit/s, 48000 Hz, mono: 1152 samples, 24 ms, 576 bytes.
constexpr FrameKind kMpeg1L2At48kMono{{0xFF, 0xFD, 0xA4, 0xC0}, 576};
// MPEG-1 layer I, 384 kbit/s, 44100 Hz: 384 samples, 416 bytes.
constexpr FrameKind kMpeg1L1At44k{{0xFF, 0xFF, 0xC0, 0x00}, 416};

inline void PutFrames(std::vector<uint8_t>& out, const FrameKind& kind, int count) {
    for (int i = 0; i < count; ++i) {
        out.insert(out.end(), kind.header, kind.header + 4);
        out.resize(out.size() + kind.bytes - 4, 0);
    }
}

inline std::vector<uint8_t> MakeMp3(const FrameKind& kind, int count) {
    std::vector<uint8_t> out;
    PutFrames(out, kind, count);
    return out;
}

// The silent first frame an encoder writes, with its "Info" tag after the side information
// (32 bytes for MPEG-1 stereo).
inline void PutInfoFrame(std::vector<uint8_t>& out, const FrameKind& kind) {
    const size_t at = out.size();
    PutFrames(out, kind, 1);
    const char* tag = "Info";
    std::copy(tag, tag + 4, out.begin() + static_cast<std::ptrdiff_t>(at + 4 + 32));
}

// An ID3v2 tag of @p size bytes in all (header included), its body filled with copies of
// @p lookalike's header: a reader that does not skip the tag counts them as frames.
inline void PutId3v2(std::vector<uint8_t>& out, uint32_t size, const FrameKind& lookalike) {
    const uint32_t body = size - 10;
    const uint8_t head[] = {'I', 'D', '3', 4, 0, 0};  // version 2.4, no flags
    out.insert(out.end(), std::begin(head), std::end(head));
    for (int shift : {21, 14, 7, 0}) out.push_back(static_cast<uint8_t>((body >> shift) & 0x7F));
    for (uint32_t i = 0; i < body; ++i) out.push_back(lookalike.header[i % 4]);
}

}  // namespace media_test
