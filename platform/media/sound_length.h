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
/// "data" chunk (as far as the file holds them) over the bytes a second of it takes. For
/// plain samples (PCM, float) that is the sample rate times the channels times the bytes of
/// a sample, whatever the header's byte-rate field claims; for other formats the byte rate.
/// Nothing when @p bytes is not a wave file with both chunks and a rate.
std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> bytes);

/// The playing time of an MPEG audio stream in milliseconds (rounded down): the samples of
/// every whole frame over its sample rate. An ID3v2 tag in front and bytes between or after
/// the frames (an ID3v1 tag) are skipped; a first frame that carries a "Xing" or "Info" tag
/// holds no sound and is not counted. Nothing when the bytes hold no frame.
std::optional<uint32_t> Mp3LengthMs(std::span<const uint8_t> bytes);

/// The playing time of the sound file @p path (a native path): a wave file's from its
/// header, any other file's from its MPEG audio frames; with @p waveOnly, nothing for a file
/// that is no wave file. Nothing for a file that cannot be played: missing, unreadable, not
/// a regular file (a pipe is never waited on) or longer than kLongestSoundFile. Each
/// version of a file (its identity, size and time of change) is read once: a file tried
/// at every tick of a timer costs a look at its status after the first time.
std::optional<uint32_t> SoundFileLengthMs(const std::string& path, bool waveOnly);

/// The longest sound file read; a longer one is not played.
inline constexpr size_t kLongestSoundFile = 256u << 20;

/// Whether @p bytes begin as a RIFF wave file does.
bool IsWaveFile(std::span<const uint8_t> bytes);

}  // namespace media
