// Samples as they reach the effect files: the wave header field by field, rounding and
// holding to range, and the levels the mixer sets.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/soundgen/mixer.h"
#include "tools/soundgen/wav_writer.h"

namespace soundgen {
namespace {

TEST(WaveBytes, WritesTheHeaderAndRoundedSamples) {
    // clang-format off
    const std::vector<uint8_t> want = {
        'R', 'I', 'F', 'F', 46, 0, 0, 0,  'W', 'A', 'V', 'E',  // RIFF size: 36 + 10 data bytes
        'f', 'm', 't', ' ', 16, 0, 0, 0,  1, 0, 1, 0,          // PCM, one channel
        0x44, 0xAC, 0, 0,                                      // 44100 samples a second
        0x88, 0x58, 0x01, 0,                                   // 88200 bytes a second
        2, 0, 16, 0,                                           // 2 bytes a sample, 16 bits
        'd', 'a', 't', 'a', 10, 0, 0, 0,
        0, 0,                                                  // 0
        0xFF, 0x7F,                                            // 1.0 -> 32767
        0x01, 0x80,                                            // -1.0 -> -32767
        0x00, 0x40,                                            // 0.5 -> 16384 (rounded)
        0xFF, 0x7F,                                            // 2.0 held to 32767
    };
    // clang-format on
    EXPECT_EQ(WaveBytes({0.0, 1.0, -1.0, 0.5, 2.0}), want);
}

TEST(WaveBytes, EmptySoundIsAHeaderOnly) {
    const auto bytes = WaveBytes({});
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(bytes[4], 36);
    EXPECT_EQ(bytes[40], 0);
}

TEST(Mixer, PlacesSoundsAtTheirTimeAndPan) {
    Stereo mix;
    Mix(mix, {1.0, 1.0}, 2.0 / kSampleRate, 0.5, -1.0);  // hard left, two samples late
    Mix(mix, {1.0}, 0.0, 1.0, 0.0);                      // middle: the same in both
    EXPECT_EQ(mix.left.size(), 4u);
    EXPECT_EQ(mix.right.size(), 4u);
    EXPECT_NEAR(mix.left[0], 1.0, 1e-12);
    EXPECT_NEAR(mix.right[0], 1.0, 1e-12);
    EXPECT_NEAR(mix.left[2], 0.5 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(mix.right[2], 0.0, 1e-12);
}

TEST(Mixer, LoudnessStopsAtTheCeiling) {
    Mono steady(SampleCount(0.2), 0.1);  // -20 dBFS
    ScaleToLoudness(steady, -14.0, 0.89);
    EXPECT_NEAR(Loudness(steady), -14.0, 1e-9);

    Mono click(SampleCount(0.2), 0.0);
    click[100] = 0.5;  // a lone peak: loud enough only far past full scale
    ScaleToLoudness(click, -14.0, 0.89);
    EXPECT_NEAR(Peak(click), 0.89, 1e-12);
}

TEST(Mixer, FadesReachSilenceAtBothEnds) {
    Mono sound(SampleCount(0.1), 0.5);
    FadeEnds(sound, 0.01, 0.02);
    EXPECT_EQ(sound.front(), 0.0);
    EXPECT_NEAR(sound.back(), 0.0, 1e-6);
    EXPECT_EQ(sound[sound.size() / 2], 0.5);
}

}  // namespace
}  // namespace soundgen
