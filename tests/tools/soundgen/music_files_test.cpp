// The music files in the program folder: whole MP3 streams of valid frames, of the lengths the
// game's playlist, intro and jingles want, soft enough for the background and never clipping.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/media/sound_length.h"
#include "sound_reading.h"

namespace soundgen_test {
namespace {

const std::filesystem::path kFolder(SOUNDGEN_PROGRAM_DIR);

struct MusicCase {
    const char* path;
    double minSeconds, maxSeconds;
    bool background;  // plays under the game: kept soft
};
const MusicCase kMusic[] = {
    {"BGMusic/SONG01.mp3", 30, 60, true},  {"BGMusic/SONG02.mp3", 30, 60, true},
    {"BGMusic/Intro.mp3", 5, 10, true},    {"TLWAVS/GameOver1.mp3", 2, 5, false},
    {"TLWAVS/GameOver2.mp3", 2, 5, false},
};

TEST(MusicFiles, AreWholeStreamsOfTheirLength) {
    for (const auto& c : kMusic) {
        SCOPED_TRACE(c.path);
        const auto bytes = ReadBytes(kFolder / c.path);
        const Mp3Frames walk = WalkMp3(bytes);
        EXPECT_EQ(walk.error, "");
        EXPECT_TRUE(walk.infoTag);
        EXPECT_GE(walk.seconds, c.minSeconds);
        EXPECT_LE(walk.seconds, c.maxSeconds);
        // The game's media device reads the same length for "status myMP3 length".
        EXPECT_EQ(media::Mp3LengthMs(bytes), static_cast<uint32_t>(walk.seconds * 1000));
    }
}

TEST(MusicFiles, DecodeWithoutClippingAtTheirLevel) {
    for (const auto& c : kMusic) {
        SCOPED_TRACE(c.path);
        const auto bytes = ReadBytes(kFolder / c.path);
        const Decoded sound = DecodeMp3(bytes);
        EXPECT_NEAR(static_cast<double>(sound.left.size()) / 44100, WalkMp3(bytes).seconds, 0.05);
        for (const auto* channel : {&sound.left, &sound.right}) {
            EXPECT_LE(PeakOf(*channel), 0.9);
            EXPECT_LE(RmsDb(*channel), c.background ? -18.0 : -14.0);
            EXPECT_GE(RmsDb(*channel), -30.0);
        }
    }
}

// GameOver2 greets a place in the top scores, GameOver1 consoles: the first is the brighter.
TEST(MusicFiles, CelebrationIsBrighterThanConsolation) {
    const Decoded celebration = DecodeMp3(ReadBytes(kFolder / "TLWAVS/GameOver2.mp3"));
    const Decoded consolation = DecodeMp3(ReadBytes(kFolder / "TLWAVS/GameOver1.mp3"));
    EXPECT_GT(CentroidHz(celebration.left, 44100), 1.3 * CentroidHz(consolation.left, 44100));
}

}  // namespace
}  // namespace soundgen_test
