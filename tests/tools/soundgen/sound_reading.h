#pragma once
// Reading back what the sound generator wrote: wave files checked field by field, MP3 files
// walked frame by frame and decoded, and a few measures of what a sound is like.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace soundgen_test {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

// A wave file as its header declares it, with its samples scaled to [-1, 1).
struct Wave {
    int channels = 0;
    int sampleRate = 0;
    std::vector<double> samples;  // the first channel
};

// The wave file, or a description of the first thing wrong with its header: the RIFF size,
// the "fmt " fields (16-bit PCM, one or two channels, 44.1 or 22.05 kHz, consistent byte
// rate and block size) and a "data" chunk that ends the file.
struct WaveOrError {
    std::optional<Wave> wave;
    std::string error;
};
WaveOrError ParseWave(const std::vector<uint8_t>& bytes);

// An MP3 stream walked frame by frame from the first byte to the last.
struct Mp3Frames {
    std::string error;  // empty when every frame is a valid MPEG-1 layer III, 44.1 kHz frame
    int frames = 0;     // with sound, the "Info" tag frame not counted
    bool infoTag = false;
    double seconds = 0;  // frames times 1152 samples
};
Mp3Frames WalkMp3(const std::vector<uint8_t>& bytes);

// Both channels of the stream, decoded by LAME's decoder.
struct Decoded {
    std::vector<double> left;
    std::vector<double> right;
};
Decoded DecodeMp3(const std::vector<uint8_t>& bytes);

double PeakOf(const std::vector<double>& samples);
// Highest RMS level over 50 ms, in dBFS.
double LoudestDb(const std::vector<double>& samples);
// RMS level over the whole sound, in dBFS.
double RmsDb(const std::vector<double>& samples);
// The power-weighted mean frequency of the spectrum, in hertz: low for a knock, high for a
// tick.
double CentroidHz(const std::vector<double>& samples, int sampleRate);
// The share of 10 ms stretches within 20 dB of the peak: more for a busy clatter than for
// a few separate knocks.
double BusyShare(const std::vector<double>& samples);
// How many times the level jumps up sharply (a hit, a clap), in frames of about 6 ms.
int Onsets(const std::vector<double>& samples);

}  // namespace soundgen_test
