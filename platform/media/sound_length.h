#pragma once
/// @file
/// How long a sound file plays, read from the file itself: a wave file from its header, an
/// MP3 file from its frames.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace media {

/// The playing time of a RIFF wave file in milliseconds (rounded down): the bytes of its
/// "data" chunk (as far as the file holds them) over the byte rate of its "fmt " chunk.
/// Nothing when @p bytes is not a wave file with both chunks and a byte rate.
std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> bytes);

/// The playing time of an MPEG audio stream in milliseconds (rounded down): the samples of
/// every whole frame over its sample rate. An ID3v2 tag in front and bytes between or after
/// the frames (an ID3v1 tag) are skipped; a first frame that carries a "Xing" or "Info" tag
/// holds no sound and is not counted. Nothing when the bytes hold no frame.
std::optional<uint32_t> Mp3LengthMs(std::span<const uint8_t> bytes);

/// The whole file @p path; nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& path);

/// Whether @p bytes begin as a RIFF wave file does.
bool IsWaveFile(std::span<const uint8_t> bytes);

}  // namespace media
