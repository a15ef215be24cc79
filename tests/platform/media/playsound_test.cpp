#include "platform/media/playsound.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/media/audio_backend.h"
#include "platform/media/silent_backend.h"
#include "platform/media/sound_files.h"

namespace {

using namespace media_test;

constexpr uint32_t kAsync = win::SND_FILENAME | win::SND_ASYNC;
constexpr uint32_t kSync = win::SND_FILENAME;

class PlaySound : public ::testing::Test {
protected:
    void SetUp() override {
        roll_ = folder_.Write("TLWAVS/rollAll.WAV", MakeWave({22050, 1, 16}, 11025)).string();
        score_ = folder_.Write("TLWAVS/score.WAV", MakeWave({44100, 2, 16}, 44100)).string();
        folder_.Write("TLWAVS/broken.WAV", "RIFF");
        media::SetAudioBackend(&backend_);
        media::TakeSoundRequests();
    }
    void TearDown() override { media::SetAudioBackend(nullptr); }

    std::string Game(const std::string& name) const {
        return folder_.Path().string() + "\\tlwavs\\" + name;
    }

    headless::HeadlessHost host_;
    media::SilentBackend backend_;
    files_test::TempFolder folder_;
    std::string roll_;   // 500 ms
    std::string score_;  // 1000 ms
};

TEST_F(PlaySound, AnAsynchronousEffectReturnsAtOnceAndPlaysOn) {
    EXPECT_EQ(win::PlaySoundA(Game("ROLLALL.wav").c_str(), 0, kAsync), 1);
    EXPECT_EQ(host_.nowMs(), 0);
    EXPECT_EQ(backend_.playingEffect(), roll_);
    host_.advance(499);
    EXPECT_EQ(backend_.playingEffect(), roll_);
    host_.advance(1);
    EXPECT_EQ(backend_.playingEffect(), "");
}

TEST_F(PlaySound, ASynchronousEffectHoldsTheClockForItsLength) {
    host_.advance(20);
    EXPECT_EQ(win::PlaySoundA(Game("score.WAV").c_str(), 0, kSync), 1);
    EXPECT_EQ(host_.nowMs(), 1020);
    EXPECT_EQ(backend_.playingEffect(), "");
}

// A sound of one sample a second lasts a day: the window waits no longer than the cap.
TEST_F(PlaySound, ASynchronousEffectNeverHoldsTheClockPastTheCap) {
    folder_.Write("TLWAVS/slow.WAV", MakeWave({1, 1, 16}, 86400));
    EXPECT_EQ(win::PlaySoundA(Game("slow.WAV").c_str(), 0, kSync), 1);
    EXPECT_EQ(host_.nowMs(), win::kLongestSyncSoundMs);
}

TEST_F(PlaySound, ANewEffectStopsTheOneBefore) {
    win::PlaySoundA(Game("score.WAV").c_str(), 0, kAsync);
    host_.advance(100);
    win::PlaySoundA(Game("rollAll.WAV").c_str(), 0, kAsync);
    EXPECT_EQ(backend_.playingEffect(), roll_);
    host_.advance(500);
    EXPECT_EQ(backend_.playingEffect(), "");  // the first one would still sound

    win::PlaySoundA(Game("score.WAV").c_str(), 0, kAsync);
    EXPECT_EQ(win::PlaySoundA(Game("missing.WAV").c_str(), 0, kAsync), 0);
    EXPECT_EQ(backend_.playingEffect(), "");
}

TEST_F(PlaySound, AFileThatCannotPlayIsSilentAndTakesNoTime) {
    struct Case {
        std::string name;
        uint32_t flags;
    };
    const Case cases[] = {
        {"missing.WAV", kSync}, {"missing.WAV", kAsync}, {"broken.WAV", kSync}, {"", kSync}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.name.empty() ? "" : Game(c.name);
        EXPECT_EQ(win::PlaySoundA(path.c_str(), 0, c.flags), 0);
        EXPECT_EQ(host_.nowMs(), 0);
        EXPECT_EQ(backend_.playingEffect(), "");
    }
    EXPECT_EQ(win::PlaySoundA(nullptr, 0, kSync), 0);
}

TEST_F(PlaySound, EveryRequestIsRecordedAsMade) {
    win::PlaySoundA(Game("rollAll.WAV").c_str(), 0, kAsync);
    win::PlaySoundA(Game("missing.WAV").c_str(), 0, kSync);
    win::PlaySoundA(nullptr, 0, kSync);
    const auto requests = media::TakeSoundRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].path, Game("rollAll.WAV"));
    EXPECT_EQ(requests[0].flags, kAsync);
    EXPECT_EQ(requests[1].path, Game("missing.WAV"));
    EXPECT_EQ(requests[1].flags, kSync);
    EXPECT_EQ(requests[2].path, "");
    EXPECT_TRUE(media::TakeSoundRequests().empty());
}

}  // namespace
