#include "tools/soundgen/mp3_writer.h"

#include <lame.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace soundgen {

namespace {

constexpr size_t kBlock = 8192;
// LAME's own bound for the output of one call: 1.25 times the samples plus 7200 bytes.
constexpr size_t kOutputRoom = kBlock * 5 / 4 + 7200;
constexpr int kQuality = 2;  // 0 best .. 9 fastest; 2 is LAME's "high quality"

struct LameClose {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameClose>;

Lame OpenEncoder(int kbps) {
    Lame lame(lame_init());
    if (!lame) throw std::runtime_error("lame_init failed");
    lame_set_num_channels(lame.get(), 2);
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), kbps);
    lame_set_quality(lame.get(), kQuality);
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");
    return lame;
}

void Check(int written) {
    if (written < 0) throw std::runtime_error("lame could not encode");
}

}  // namespace

std::vector<uint8_t> Mp3Bytes(const Stereo& sound, int kbps) {
    Lame lame = OpenEncoder(kbps);
    std::vector<uint8_t> out;
    std::vector<unsigned char> chunk(kOutputRoom);
    const size_t length = std::min(sound.left.size(), sound.right.size());
    for (size_t at = 0; at < length; at += kBlock) {
        const size_t count = std::min(kBlock, length - at);
        const int written = lame_encode_buffer_ieee_double(
            lame.get(), sound.left.data() + at, sound.right.data() + at, static_cast<int>(count),
            chunk.data(), static_cast<int>(chunk.size()));
        Check(written);
        out.insert(out.end(), chunk.begin(), chunk.begin() + written);
    }
    const int flushed = lame_encode_flush(lame.get(), chunk.data(), static_cast<int>(chunk.size()));
    Check(flushed);
    out.insert(out.end(), chunk.begin(), chunk.begin() + flushed);
    // The tag frame can only be filled once the whole stream is known; it replaces the
    // placeholder LAME wrote first.
    const size_t tagBytes = lame_get_lametag_frame(lame.get(), chunk.data(), chunk.size());
    if (tagBytes > out.size()) throw std::runtime_error("lame tag frame larger than the stream");
    std::copy_n(chunk.begin(), tagBytes, out.begin());
    return out;
}

}  // namespace soundgen
