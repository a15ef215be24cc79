#include "platform/media/sound_length.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/temp_folder.h"
#include "platform/media/sound_files.h"

namespace {

using namespace media_test;

struct LengthCase {
    std::string name;
    std::vector<uint8_t> bytes;
    std::optional<uint32_t> want;
};

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<LengthCase> WaveCases() {
    const WaveFormat mono8{22050, 1, 8};
    const WaveFormat mono16{22050, 1, 16};
    auto noByteRate = MakeWave(mono16, 100);
    std::fill(noByteRate.begin() + 28, noByteRate.begin() + 32, 0);
    auto tinyByteRate = MakeWave(mono16, 22050);  // would claim six hours
    tinyByteRate[28] = 2;
    std::fill(tinyByteRate.begin() + 29, tinyByteRate.begin() + 32, 0);
    auto noSampleRate = MakeWave(mono16, 100);
    std::fill(noSampleRate.begin() + 24, noSampleRate.begin() + 28, 0);
    return {
        {"8-bit mono", MakeWave(mono8, 11025), 500},
        {"16-bit stereo", MakeWave({44100, 2, 16}, 44100), 1000},
        {"one frame rounds down to 0", MakeWave({8000, 1, 16}, 1), 0},
        {"an odd chunk before the data", MakeWave(mono16, 11025, "abc"), 500},
        {"data cut short: the bytes present count", Cut(MakeWave(mono16, 22050), 22050), 500},
        {"no data chunk", Cut(MakeWave(mono16, 0), 8), std::nullopt},
        {"the byte-rate field is not believed: 0", noByteRate, 4},
        {"the byte-rate field is not believed: 2", tinyByteRate, 1000},
        {"sample rate 0", noSampleRate, std::nullopt},
        {"another RIFF form",
         Bytes(std::string("RIFF\x04\x00\x00\x00"
                           "AVI ",
                           12)),
         std::nullopt},
        {"an MP3 stream", MakeMp3(kMpeg1L3At48k, 10), std::nullopt},
        {"empty", {}, std::nullopt},
    };
}

TEST(WaveLengthMs, ReadsTheDataChunkOverTheSampleRateAndSampleSize) {
    for (const auto& c : WaveCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(media::WaveLengthMs(c.bytes), c.want);
    }
}

std::vector<uint8_t> WithTags() {
    std::vector<uint8_t> out;
    PutId3v2(out, 1000, kMpeg1L3At48k);
    PutInfoFrame(out, kMpeg1L3At48k);
    PutFrames(out, kMpeg1L3At48k, 125);
    const std::string id3v1 = "TAG" + std::string(125, '\xFF');
    out.insert(out.end(), id3v1.begin(), id3v1.end());
    return out;
}

std::vector<LengthCase> Mp3Cases() {
    const auto song = MakeMp3(kMpeg1L3At48k, 125);
    std::vector<uint8_t> infoOnly;
    PutInfoFrame(infoOnly, kMpeg1L3At48k);
    std::vector<uint8_t> infoLater = MakeMp3(kMpeg1L3At48k, 1);
    PutInfoFrame(infoLater, kMpeg1L3At48k);
    return {
        {"MPEG-1 layer III, 48 kHz: 24 ms a frame", song, 3000},
        {"padded frames at 44.1 kHz", MakeMp3(kMpeg1L3At44kPadded, 10), 261},
        {"MPEG-2 layer III: 576 samples a frame", MakeMp3(kMpeg2L3At22k, 100), 2612},
        {"layer II, mono", MakeMp3(kMpeg1L2At48kMono, 50), 1200},
        {"layer I: 384 samples a frame", MakeMp3(kMpeg1L1At44k, 441), 3840},
        {"rates mixed add up exactly",
         Join({MakeMp3(kMpeg1L3At48k, 10), MakeMp3(kMpeg2L3At22k, 10)}), 501},
        {"ID3v2 tag, Info frame and ID3v1 tag", WithTags(), 3000},
        {"bytes between frames",
         Join({MakeMp3(kMpeg1L3At48k, 60), Bytes("junk"), MakeMp3(kMpeg1L3At48k, 65)}), 3000},
        {"an Info frame later on is a frame", infoLater, 48},
        {"the last frame cut short", Cut(song, 100), 2976},
        {"only the Info frame", infoOnly, 0},
        {"a lone header", Cut(MakeMp3(kMpeg1L3At48k, 1), 380), std::nullopt},
        {"text", Bytes("This is not a song, just some words."), std::nullopt},
        {"empty", {}, std::nullopt},
    };
}

TEST(Mp3LengthMs, AddsUpTheFrames) {
    for (const auto& c : Mp3Cases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(media::Mp3LengthMs(c.bytes), c.want);
    }
}

// The playlist tries its song at every tick: each version of a file is read once, and an
// unplayable one is not scanned again until it changes.
TEST(SoundFileLengthMs, ReadsEachVersionOfAFileOnce) {
    namespace fs = std::filesystem;
    files_test::TempFolder folder;
    const auto song = MakeMp3(kMpeg1L3At48k, 125);
    const std::string path = folder.Write("song.mp3", song).string();
    EXPECT_EQ(media::SoundFileLengthMs(path, false), 3000u);
    EXPECT_EQ(media::SoundFileLengthMs(path, true), std::nullopt);  // no wave file
    const auto written = fs::last_write_time(path);
    folder.Write("song.mp3", std::vector<uint8_t>(song.size(), 0));
    fs::last_write_time(path, written);
    EXPECT_EQ(media::SoundFileLengthMs(path, false), 3000u);  // this version was read
    fs::last_write_time(path, written + std::chrono::seconds(1));
    EXPECT_EQ(media::SoundFileLengthMs(path, false), std::nullopt);
}

}  // namespace
